// The import page and device dialog, the folder and file browsers, the clip
// set strips and the add pop-up, as the host lays them out and drives them.
//
// The host's images are not available here, so pictures are left to the
// sheets; what is checked is what the host sees on the widgets.

#include "builtform.h"
#include "qelidedlabel.h"

#include <QtGui/QFontMetrics>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// A host translator that marks every text it is asked for with its context.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString::fromUtf8(context) + QLatin1Char(':') + QString::fromUtf8(source);
    }
};

// The host puts a form into a layout of its own, under a stretching
// neighbour, and offers its window's room.
QWidget *buildInWindow(QWidget *window, const QString &form, const QSize &offered)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new QWidget(window), 1);
    QWidget *host = buildFormByName(form, window);
    outer->addWidget(host);
    window->resize(offered);
    return host;
}

} // namespace

class tst_LibraryBrowsers : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void texts_data();
    void texts();
    void startStates_data();
    void startStates();
    void sheetFontsReachTheWidgets_data();
    void sheetFontsReachTheWidgets();

    void importPlatesSitInTheMiddle();
    void importPlatesTakeFocusAndDrops();
    void deviceDialogLayout();
    void folderNameElides();
    void folderViewTakesTheRest();
    void fileBrowserColumns_data();
    void fileBrowserColumns();
    void stripsKeepTheirHeight_data();
    void stripsKeepTheirHeight();
    void addMenuStack();
};

void tst_LibraryBrowsers::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_LibraryBrowsers::texts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translated");

    const QByteArray text("text");
    const QByteArray tip("toolTip");
    QTest::newRow("folder plate") << "ImportClass"_q << "label_2"_q << text << "Importer fra lokal mappe"_q << true;
    QTest::newRow("device plate") << "ImportClass"_q << "label_5"_q << text << "Importer fra tilsluttet enhed"_q
                                  << true;
    QTest::newRow("device import") << "DeviceDlgClass"_q << "toolButton_OK"_q << text << "Importér"_q << true;
    QTest::newRow("device cancel") << "DeviceDlgClass"_q << "toolButton_Cancel"_q << text << "Annuller"_q << true;
    QTest::newRow("bar previous") << "ClipSetClass"_q << "toolButton_Prev"_q << tip << "Forrige side"_q << true;
    QTest::newRow("bar next") << "ClipSetClass"_q << "toolButton_Next"_q << tip << "Næste side"_q << true;
    QTest::newRow("bar done") << "ClipSetClass"_q << "toolButton_Done"_q << text << "Færdig"_q << true;
    QTest::newRow("maker next") << "ClipSetMakerClass"_q << "toolButton_Next"_q << tip << "Næste side"_q << true;
    QTest::newRow("maker cancel") << "ClipSetMakerClass"_q << "toolButton_Cancel"_q << text << "Annuller"_q << true;
    QTest::newRow("new album") << "PopupAddClass"_q << "toolButton_NewAlbum"_q << text << "Nyt album"_q << false;
    QTest::newRow("new book") << "PopupAddClass"_q << "toolButton_NewBook"_q << text
                              << "New Book\n(coming soon)"_q << false;
    QTest::newRow("new card") << "PopupAddClass"_q << "toolButton_NewCard"_q << text
                              << "New Card\n(coming soon)"_q << false;
}

void tst_LibraryBrowsers::texts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);
    QFETCH(bool, translated);

    {
        std::unique_ptr<QWidget> host(buildFormByName(form));
        QCOMPARE(child(host.get(), object)->property(property.constData()).toString(), text);
    }

    // With a host translator, the Danish texts go through it in the form's
    // context; the pop-up's own texts stay as they are.
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    std::unique_ptr<QWidget> host(buildFormByName(form));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(child(host.get(), object)->property(property.constData()).toString(),
             translated ? form + QLatin1Char(':') + text : text);
}

void tst_LibraryBrowsers::startStates_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("device import waits for a choice") << "DeviceDlgClass"_q << "toolButton_OK"_q << false;
    QTest::newRow("device cancel") << "DeviceDlgClass"_q << "toolButton_Cancel"_q << true;
    QTest::newRow("bar done") << "ClipSetClass"_q << "toolButton_Done"_q << true;
    QTest::newRow("maker done waits for items") << "ClipSetMakerClass"_q << "toolButton_Done"_q << false;
    QTest::newRow("maker cancel") << "ClipSetMakerClass"_q << "toolButton_Cancel"_q << true;
    QTest::newRow("new album") << "PopupAddClass"_q << "toolButton_NewAlbum"_q << true;
    QTest::newRow("new book") << "PopupAddClass"_q << "toolButton_NewBook"_q << false;
    QTest::newRow("new calendar") << "PopupAddClass"_q << "toolButton_NewCalendar"_q << false;
    QTest::newRow("new card") << "PopupAddClass"_q << "toolButton_NewCard"_q << false;
}

void tst_LibraryBrowsers::startStates()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(bool, enabled);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    showAndSettle(host.get());
    auto *button = child<QToolButton>(host.get(), object);
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);

    // A click on a disabled entry reaches nobody.
    QSignalSpy clicked(button, &QToolButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), enabled ? 1 : 0);
}

void tst_LibraryBrowsers::sheetFontsReachTheWidgets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");

    // The folder plate's title also has a 12-point font of its own: the
    // sheet wins, so both titles look alike.
    QTest::newRow("folder plate title") << "ImportClass"_q << "label_2"_q << 16 << true;
    QTest::newRow("device plate title") << "ImportClass"_q << "label_5"_q << 16 << true;
    QTest::newRow("device import") << "DeviceDlgClass"_q << "toolButton_OK"_q << 16 << true;
    QTest::newRow("device cancel") << "DeviceDlgClass"_q << "toolButton_Cancel"_q << 16 << false;
    QTest::newRow("folder name") << "DirBrowserClass"_q << "label_currentDir"_q << 20 << true;
    QTest::newRow("set name") << "ClipSetMakerClass"_q << "label_Name"_q << 12 << true;
    QTest::newRow("new album") << "PopupAddClass"_q << "toolButton_NewAlbum"_q << 16 << false;
}

void tst_LibraryBrowsers::sheetFontsReachTheWidgets()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);

    const QFont font = builtFont(form, object);
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

void tst_LibraryBrowsers::importPlatesSitInTheMiddle()
{
    BuiltForm<IImportClass> page(testFactory()->createImport());
    page.host()->resize(1000, 700);
    showAndSettle(page.host());
    QFrame *folders = page->frameFrFolders();
    QFrame *devices = page->frameFrDevices();

    QCOMPARE(folders->height(), 58);
    QCOMPARE(devices->height(), 58);
    QCOMPARE(devices->y() - (folders->y() + folders->height()), 8);
    QCOMPARE(folders->width(), devices->width());

    // The spare room goes to the spacers around the plates, equally.
    const QRect buttons = page->frameButtons()->geometry();
    QVERIFY(qAbs(buttons.center().x() - page.host()->width() / 2) <= 1);
    const int top = folders->y();
    const int bottom = buttons.height() - (devices->y() + devices->height());
    QVERIFY(qAbs(top - bottom) <= 1);

    // Subtitles take no room; the titles fill the plates' text columns.
    QCOMPARE(page->label_3()->height(), 0);
    QCOMPARE(page->label_6()->height(), 0);
    QCOMPARE(page->label()->size(), QSize(18, 22));
    QVERIFY(page->frame_2()->width() > folders->width() / 2);
}

void tst_LibraryBrowsers::importPlatesTakeFocusAndDrops()
{
    BuiltForm<IImportClass> page(testFactory()->createImport());
    showAndSettle(page.host());
    QFrame *folders = page->frameFrFolders();
    QFrame *devices = page->frameFrDevices();
    QVERIFY(folders->acceptDrops());
    QVERIFY(!devices->acceptDrops());

    // Tab walks from one plate to the other; a click focuses a plate.
    folders->setFocus();
    QVERIFY(folders->hasFocus());
    QTest::keyClick(folders, Qt::Key_Tab);
    QVERIFY(devices->hasFocus());
    QTest::mouseClick(folders, Qt::LeftButton);
    QVERIFY(folders->hasFocus());
}

void tst_LibraryBrowsers::deviceDialogLayout()
{
    BuiltForm<IDeviceDlgClass> dialog(testFactory()->createDeviceDlg());
    // The host puts its table view into the empty list frame.
    auto *view = new QFrame(dialog->frame_list());
    dialog->horizontalLayout_19()->addWidget(view);
    showAndSettle(dialog.host());

    QCOMPARE(dialog->frame()->height(), 35);
    QCOMPARE(dialog->frame_29()->height(), 37);
    QCOMPARE(dialog->label_6()->height(), 2);
    QVERIFY(dialog->frame_list()->height() >= 150);
    QCOMPARE(view->geometry(), dialog->frame_list()->contentsRect());

    // Close at the top right of the title bar; the buttons at the right end
    // of their row, import first.
    QCOMPARE(dialog->toolButton_Close()->size(), QSize(19, 18));
    QCOMPARE(dialog->toolButton_Close()->y(), 0);
    QToolButton *ok = dialog->toolButton_OK();
    QToolButton *cancel = dialog->toolButton_Cancel();
    QVERIFY(ok->width() >= 100);
    QCOMPARE(ok->height(), 37);
    QVERIFY(ok->x() < cancel->x());
    QCOMPARE(cancel->geometry().right(), dialog->frame_29()->width() - 1 - 10);
}

void tst_LibraryBrowsers::folderNameElides()
{
    BuiltForm<IDirBrowserClass> browser(testFactory()->createDirBrowser());
    showAndSettle(browser.host());
    qelidedlabel *name = browser->label_currentDir();
    QVERIFY(name->text().isEmpty());

    const QString shortName = "Ferie"_q;
    name->setText(shortName);
    QCOMPARE(name->QLabel::text(), shortName);
    QVERIFY(name->toolTip().isEmpty());

    const QString longName = QString("Billeder fra sommerferien på Bornholm ").repeated(4);
    name->setText(longName);
    QCOMPARE(name->text(), longName);
    QVERIFY(name->QLabel::text() != longName);
    QVERIFY(name->QLabel::text().endsWith(QChar(0x2026)));
    QCOMPARE(name->toolTip(), longName);
    // A long name never widens the panel.
    settle();
    QCOMPARE(browser.host()->width(), 400);
    QVERIFY(name->geometry().right() < browser->frame()->width());
}

void tst_LibraryBrowsers::folderViewTakesTheRest()
{
    BuiltForm<IDirBrowserClass> browser(testFactory()->createDirBrowser());
    showAndSettle(browser.host());

    QCOMPARE(browser->frame()->height(), 53);
    QCOMPARE(browser->label_line()->height(), 1);
    QCOMPARE(browser->frame_title()->height(), 54);
    const QRect view(browser->frame_dirView()->mapTo(browser.host(), QPoint()), browser->frame_dirView()->size());
    QCOMPARE(view, QRect(0, 54, 400, 548 - 54));

    // The up button stands 15 pixels in from the left. Its maximum is set
    // below its minimum; the minimum wins.
    QToolButton *up = browser->btn_pre();
    QCOMPARE(up->x(), 15);
    QCOMPARE(up->size(), QSize(27, 27));
}

void tst_LibraryBrowsers::fileBrowserColumns_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("initial") << 482;
    QTest::newRow("narrow") << 300;
    QTest::newRow("wide") << 1200;
}

void tst_LibraryBrowsers::fileBrowserColumns()
{
    QFETCH(int, width);

    BuiltForm<IFileBrowserClass> browser(testFactory()->createFileBrowser());
    browser.host()->resize(width, 379);
    showAndSettle(browser.host());
    QCOMPARE(browser->frame_dirView()->geometry(), QRect(0, 0, 260, 379));
    QCOMPARE(browser->frame_fileView()->geometry(), QRect(260, 0, width - 260, 379));

    // Labels of the host's views take the panel's looks by name.
    auto *current = new QLabel(browser->frame_dirView());
    current->setObjectName("label_currentDir"_q);
    auto *info = new QLabel(browser->frame_fileView());
    info->setObjectName("label_dirInfo"_q);
    current->ensurePolished();
    info->ensurePolished();
    QCOMPARE(current->font().pixelSize(), 20);
    QVERIFY(current->font().bold());
    QCOMPARE(info->font().pixelSize(), 14);
    QVERIFY(!info->font().bold());
}

void tst_LibraryBrowsers::stripsKeepTheirHeight_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("offered");
    QTest::addColumn<int>("height");

    QTest::newRow("bar") << "ClipSetClass"_q << QSize(580, 400) << 85;
    QTest::newRow("bar, wide") << "ClipSetClass"_q << QSize(1400, 200) << 85;
    QTest::newRow("maker") << "ClipSetMakerClass"_q << QSize(457, 400) << 119;
    QTest::newRow("maker, wide") << "ClipSetMakerClass"_q << QSize(1400, 200) << 119;
}

void tst_LibraryBrowsers::stripsKeepTheirHeight()
{
    QFETCH(QString, form);
    QFETCH(QSize, offered);
    QFETCH(int, height);

    QWidget window;
    QWidget *host = buildInWindow(&window, form, offered);
    showAndSettle(&window);
    QCOMPARE(host->height(), height);
    QCOMPARE(host->width(), offered.width());

    auto *prev = child<QToolButton>(host, "toolButton_Prev"_q);
    auto *next = child<QToolButton>(host, "toolButton_Next"_q);
    auto *view = child<QFrame>(host, "frame_View"_q);
    auto *bar = child<QWidget>(host, "horizontalScrollBar"_q);
    QVERIFY(prev && next && view && bar);
    QCOMPARE(prev->size(), QSize(35, 35));
    QCOMPARE(next->size(), QSize(35, 35));
    const int viewLeft = view->mapTo(host, QPoint()).x();
    QVERIFY(viewLeft >= prev->mapTo(host, QPoint(prev->width(), 0)).x());
    QVERIFY(viewLeft + view->width() <= next->mapTo(host, QPoint()).x());

    // What the trays do not need is the item frame's.
    const int before = view->width();
    window.resize(offered.width() + 200, offered.height());
    settle();
    QCOMPARE(view->width(), before + 200);
    QCOMPARE(bar->width(), view->width());
}

void tst_LibraryBrowsers::addMenuStack()
{
    BuiltForm<IPopupAddClass> menu(testFactory()->createPopupAdd());
    showAndSettle(menu.host());
    const QList<QToolButton *> buttons{menu->toolButton_NewAlbum(), menu->toolButton_NewBook(),
                                       menu->toolButton_NewCalendar(), menu->toolButton_NewCard()};
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->height(), 60);
        QCOMPARE(buttons[i]->width(), menu->frame()->width());
        if (i > 0)
            QCOMPARE(buttons[i]->y(), buttons[i - 1]->y() + 60 + 1);
    }
    // The two-line entries fit their buttons.
    const QFontMetrics metrics(buttons[1]->font());
    QVERIFY(metrics.boundingRect(QRect(), 0, buttons[1]->text()).height() <= 60);
}

// Not covered: the pictures themselves (the host's resources) and the faces
// of hover, press and focus, which need the images to tell apart.

QTEST_MAIN(tst_LibraryBrowsers)
#include "tst_librarybrowsers.moc"
