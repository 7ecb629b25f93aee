// The library view, the album and collection-editor panels and the two save
// dialogs: the page the host finds on top, where its own views land, the
// bands that keep their size, the texts, and the dialogs' start states.

#include "builtform.h"
#include "warningguard.h"

#include <QtGui/QFontInfo>
#include <QtGui/QFontMetrics>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>

#include <memory>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

std::unique_ptr<QWidget> shown(const QString &form, const QSize &size)
{
    std::unique_ptr<QWidget> host(buildFormByName(form));
    host->resize(size);
    showAndSettle(host.get());
    return host;
}

} // namespace

class tst_LibraryViews : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void danishTexts_data();
    void danishTexts();
    void dialogBands_data();
    void dialogBands();
    void paintsQuietlyInEveryState_data();
    void paintsQuietlyInEveryState();
    void libraryStartsOnTheByDateBrowser();
    void hostViewsFillTheirPages_data();
    void hostViewsFillTheirPages();
    void welcomeBlockSitsInTheMiddleFifth();
    void titleRowSharesABottomLine_data();
    void titleRowSharesABottomLine();
    void saveDialogStartState();
    void progressHeadingElides();
};

void tst_LibraryViews::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_LibraryViews::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    const QByteArray text("text");
    QTest::newRow("welcome heading") << "BrimoLibraryClass"_q << "label"_q << text << "Velkommen til Samlinger"_q;
    QTest::newRow("welcome text") << "BrimoLibraryClass"_q << "label_2"_q << text
                                  << "Her kan du oprette særskilte samlinger over de emner, du holder af, og dele "
                                     "dem med familie og venner."_q;
    QTest::newRow("album name left to the host") << "AlbumWidgetClass"_q << "label_currentAlbum"_q << text
                                                 << QString();
    QTest::newRow("save heading") << "SaveCollClass"_q << "label_3"_q << text << "Gem album"_q;
    QTest::newRow("save prompt") << "SaveCollClass"_q << "label_4"_q << text << "Navngiv dit nye album:"_q;
    QTest::newRow("keyboard tip") << "SaveCollClass"_q << "toolButton_Keyboard"_q << QByteArray("toolTip")
                                  << "Virtuelt tastatur"_q;
    QTest::newRow("save") << "SaveCollClass"_q << "toolButton_Save"_q << text << "Gem"_q;
    QTest::newRow("cancel") << "SaveCollClass"_q << "toolButton_Cancel"_q << text << "Annuller"_q;
}

void tst_LibraryViews::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    QCOMPARE(builtProperty(form, object, property.constData()).toString(), text);
}

void tst_LibraryViews::dialogBands_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("column"); // upper shadow, band, lower shadow, body
    QTest::addColumn<int>("bandHeight");

    const QStringList save{"frame_2"_q, "frame_3"_q, "frame_4"_q, "frame_main"_q};
    const QStringList progress{"frame_top"_q, "frame_4"_q, "frame_bottom"_q, "frame_2"_q};
    // The save-album dialog is never taller than 315, so its band stays 240.
    // The progress dialog may grow to 460: its lower shadow has the stretch
    // but stops at 42, and the band takes the rest up to its own 385.
    QTest::newRow("save album") << "SaveCollClass"_q << QSize(480, 315) << save << 240;
    QTest::newRow("save album, large") << "SaveCollClass"_q << QSize(1000, 600) << save << 240;
    QTest::newRow("save progress") << "saveToClass"_q << QSize(648, 315) << progress << 240;
    QTest::newRow("save progress, large") << "saveToClass"_q << QSize(1000, 600) << progress << 385;
}

void tst_LibraryViews::dialogBands()
{
    QFETCH(QString, form);
    QFETCH(QSize, size);
    QFETCH(QStringList, column);
    QFETCH(int, bandHeight);

    auto host = shown(form, size);
    QWidget *upper = child(host.get(), column.at(0));
    QWidget *band = child(host.get(), column.at(1));
    QWidget *lower = child(host.get(), column.at(2));
    QWidget *body = child(host.get(), column.at(3));
    QVERIFY(upper && band && lower && body);
    QCOMPARE(upper->height(), 33);
    QCOMPARE(band->height(), bandHeight);
    QCOMPARE(lower->height(), 42);
    QCOMPARE(band->y(), 33);
    QCOMPARE(lower->y(), 33 + bandHeight);
    QCOMPARE(band->width(), size.width());

    // The band spans the dialog; the 480-pixel body stays in its middle.
    QCOMPARE(body->width(), 480);
    QVERIFY2(qAbs(body->x() - (size.width() - 480) / 2) <= 1, qPrintable(QString::number(body->x())));
    QCOMPARE(body->height(), bandHeight);
}

void tst_LibraryViews::paintsQuietlyInEveryState_data()
{
    QTest::addColumn<QString>("form");
    for (const QString &form : {"BrimoLibraryClass"_q, "AlbumWidgetClass"_q, "CollectionEditorClass"_q,
                                "SaveCollClass"_q, "saveToClass"_q})
        QTest::newRow(qPrintable(form)) << form;
}

void tst_LibraryViews::paintsQuietlyInEveryState()
{
    QFETCH(QString, form);

    // Every page, every button state: Qt finds nothing to complain about in
    // the sheets.
    WarningGuard guard;
    auto host = shown(form, QSize(700, 460));
    const auto stacks = host->findChildren<QStackedWidget *>();
    for (QStackedWidget *stack : stacks) {
        for (int i = 0; i < stack->count(); ++i) {
            stack->setCurrentIndex(i);
            host->grab();
        }
    }
    const auto buttons = host->findChildren<QToolButton *>();
    for (QToolButton *button : buttons) {
        button->setEnabled(!button->isEnabled());
        button->setFocus();
        button->setDown(true);
        host->grab();
        button->setDown(false);
        button->setEnabled(!button->isEnabled());
        host->grab();
    }
    guard.verifyNone();
}

// ---------------------------------------------------------------------------
// Library view

void tst_LibraryViews::libraryStartsOnTheByDateBrowser()
{
    BuiltForm<IBrimoLibraryClass> library(testFactory()->createBrimoLibrary());
    QStackedWidget *stack = library->stackedWidget();
    QCOMPARE(stack->count(), 7);
    QCOMPARE(stack->currentWidget(), library->page_ByDateBrowser());
    QCOMPARE(stack->indexOf(library->page_Collection()), 2);
    QCOMPARE(stack->indexOf(library->page_CollectionEditor()), 5);
    QCOMPARE(library->stackedWidget_2()->count(), 2);
    QCOMPARE(library->stackedWidget_2()->currentWidget(), library->page_EmptyCollection());

    // Only the collections frame holds something; the host fills the others.
    for (QFrame *frame : {library->frame_All(), library->frame_ByDate(), library->frame_Collection2(),
                          library->frame_Browser(), library->frame_Import(), library->frame_CollectionEditor(),
                          library->frame_ByDateBrowser(), library->frame_BottomTray()}) {
        QVERIFY2(frame->layout() && frame->layout()->count() == 0, qPrintable(frame->objectName()));
    }
    QCOMPARE(library->frame_Collection()->layout()->count(), 1);
}

void tst_LibraryViews::hostViewsFillTheirPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<bool>("styleMargins"); // the frame's layout keeps the style's margins

    QTest::newRow("all") << 0 << "frame_All"_q << false;
    QTest::newRow("import") << 4 << "frame_Import"_q << true;
    QTest::newRow("collection editor") << 5 << "frame_CollectionEditor"_q << false;
    QTest::newRow("by-date browser") << 6 << "frame_ByDateBrowser"_q << false;
}

void tst_LibraryViews::hostViewsFillTheirPages()
{
    QFETCH(int, page);
    QFETCH(QString, frame);
    QFETCH(bool, styleMargins);

    BuiltForm<IBrimoLibraryClass> library(testFactory()->createBrimoLibrary());
    QWidget *host = library.host();
    QFrame *place = child<QFrame>(host, frame);
    QVERIFY(place);
    auto *view = new QWidget(place);
    place->layout()->addWidget(view);
    // The host's bottom tray, a fixed bar.
    auto *tray = new QWidget(library->frame_BottomTray());
    tray->setFixedHeight(54);
    library->frame_BottomTray()->layout()->addWidget(tray);
    library->stackedWidget()->setCurrentIndex(page);
    host->resize(800, 600);
    showAndSettle(host);

    // Ten pixels free at the top and left, none at the right and bottom; the
    // tray at the bottom, the page above it takes the rest.
    QCOMPARE(rectIn(library->frame_Library(), host), QRect(10, 10, 790, 590));
    QCOMPARE(rectIn(tray, host), QRect(10, 600 - 54, 790, 54));
    QCOMPARE(rectIn(library->stackedWidget(), host), QRect(10, 10, 790, 590 - 54));
    QCOMPARE(place->geometry(), library->stackedWidget()->currentWidget()->rect());
    const QMargins margins = styleMargins ? place->layout()->contentsMargins() : QMargins();
    QVERIFY(!styleMargins || margins.left() > 0);
    QCOMPARE(view->geometry(), place->rect().marginsRemoved(margins));
}

void tst_LibraryViews::welcomeBlockSitsInTheMiddleFifth()
{
    BuiltForm<IBrimoLibraryClass> library(testFactory()->createBrimoLibrary());
    library->stackedWidget()->setCurrentIndex(2);
    library.host()->resize(2010, 800);
    showAndSettle(library.host());

    // Two equal spacers share four fifths of the width; the text block keeps
    // the fifth between them and starts 150 pixels down.
    QFrame *outer = library->frame();
    QFrame *block = library->frame_2();
    QCOMPARE(outer->width(), 2000);
    QCOMPARE(block->width(), 400);
    QCOMPARE(block->x(), 800);
    QCOMPARE(library->frame_3()->y(), 150);
    QVERIFY(library->label_2()->wordWrap());
    QVERIFY(library->label_2()->height() > QFontMetrics(library->label_2()->font()).height());
}

// ---------------------------------------------------------------------------
// Album and collection editor

void tst_LibraryViews::titleRowSharesABottomLine_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QPoint>("titleAt");   // top left of the title row; y -1: not fixed
    QTest::addColumn<int>("rightMargin"); // right of the rule
    QTest::addColumn<int>("viewTop");     // -1: right under the rule

    QTest::newRow("album") << "AlbumWidgetClass"_q << "label_currentAlbum"_q << "label_photoNum"_q << "label_line"_q
                           << "frame_AlbumView"_q << QPoint(15, -1) << 0 << 41;
    QTest::newRow("collection editor") << "CollectionEditorClass"_q << "label_Title"_q << "label_Number"_q
                                       << "label_3"_q << "frame_SingleCollection"_q << QPoint(44, 109) << 20 << -1;
}

void tst_LibraryViews::titleRowSharesABottomLine()
{
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, number);
    QFETCH(QString, rule);
    QFETCH(QString, view);
    QFETCH(QPoint, titleAt);
    QFETCH(int, rightMargin);
    QFETCH(int, viewTop);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *name = child<QLabel>(host.get(), title);
    auto *count = child<QLabel>(host.get(), number);
    auto *line = child<QLabel>(host.get(), rule);
    auto *frame = child<QFrame>(host.get(), view);
    QVERIFY(name && count && line && frame);
    name->setText("Sommerferie på Fanø"_q);
    count->setText("(128)"_q);
    host->resize(700, 500);
    showAndSettle(host.get());

    // The number follows the name six pixels on; both sit on the row's
    // bottom, the name in the larger type.
    const QRect n = rectIn(name, host.get());
    const QRect c = rectIn(count, host.get());
    QCOMPARE(n.x(), titleAt.x());
    if (titleAt.y() >= 0)
        QCOMPARE(n.y(), titleAt.y());
    QCOMPARE(c.x(), n.right() + 1 + 6);
    QCOMPARE(c.bottom(), n.bottom());
    QVERIFY(name->alignment() & Qt::AlignBottom);
    QVERIFY(count->alignment() & Qt::AlignBottom);
    QVERIFY(QFontInfo(name->font()).pixelSize() > QFontInfo(count->font()).pixelSize());

    // A one-pixel rule under the row, from the row's start to the margin.
    const QRect r = rectIn(line, host.get());
    QCOMPARE(r.height(), 1);
    QCOMPARE(r.left(), titleAt.x());
    QCOMPARE(r.right(), host->width() - 1 - rightMargin);
    QVERIFY(r.top() > c.bottom());

    // The host's view takes all the width and every pixel below.
    const QRect v = rectIn(frame, host.get());
    QCOMPARE(v.width(), host->width());
    QCOMPARE(v.top(), viewTop >= 0 ? viewTop : r.bottom() + 1);
    QCOMPARE(v.bottom(), host->height() - 1);
}

// ---------------------------------------------------------------------------
// Save dialogs

void tst_LibraryViews::saveDialogStartState()
{
    BuiltForm<ISaveCollClass> dialog(testFactory()->createSaveColl());
    dialog.host()->resize(480, 315);
    showAndSettle(dialog.host());

    // Saving waits for the host to enable it; cancelling works at once.
    QToolButton *save = dialog->toolButton_Save();
    QToolButton *cancel = dialog->toolButton_Cancel();
    QSignalSpy saved(save, &QToolButton::clicked);
    QSignalSpy cancelled(cancel, &QToolButton::clicked);
    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(cancelled.count(), 1);
    save->setEnabled(true);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saved.count(), 1);

    // The keyboard button closes the name field's row at its height; save
    // and cancel end the last row, cancel last.
    QWidget *body = dialog->frame_main();
    const QRect field = rectIn(dialog->lineEdit_Name(), body);
    const QRect key = rectIn(dialog->toolButton_Keyboard(), body);
    QCOMPARE(field.height(), 59);
    QCOMPARE(key, QRect(field.right() + 1, field.top(), 95, 59));
    QCOMPARE(key.right(), body->width() - 1);
    const QRect s = rectIn(save, body);
    const QRect c = rectIn(cancel, body);
    QCOMPARE(c.right(), body->width() - 1);
    QVERIFY(s.right() < c.left());
    QCOMPARE(s.height(), c.height());
}

void tst_LibraryViews::progressHeadingElides()
{
    BuiltForm<IsaveToClass> dialog(testFactory()->createSaveTo());
    dialog.host()->resize(648, 315);
    showAndSettle(dialog.host());

    QProgressBar *bar = dialog->progressBar();
    QCOMPARE(bar->value(), 50);
    QCOMPARE(bar->height(), 20);
    QVERIFY(!bar->isTextVisible());
    QCOMPARE(dialog->frame_top(), dialog->frame()->children().constLast());

    // The host fills the placeholder through the label's own setText: a long
    // name is shortened to the body's width and the whole heading becomes
    // the tool tip; a short one shows whole.
    qelidedlabel *heading = dialog->label_title_2();
    QCOMPARE(heading->width(), 480);
    QCOMPARE(heading->text(), "Gemmer %1"_q);
    QCOMPARE(heading->QLabel::text(), "Gemmer %1"_q);
    QCOMPARE(heading->alignment(), Qt::AlignBottom | Qt::AlignLeft);
    const QString longHeading = heading->text().arg(QString(60, QLatin1Char('W')));
    heading->setText(longHeading);
    QCOMPARE(heading->text(), longHeading);
    QVERIFY(heading->QLabel::text().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(heading->font()).horizontalAdvance(heading->QLabel::text()) <= heading->width());
    QCOMPARE(heading->toolTip(), longHeading);
    heading->setText("Gemmer Jul"_q);
    QCOMPARE(heading->QLabel::text(), "Gemmer Jul"_q);
    QVERIFY(heading->toolTip().isEmpty());
}

// Not covered: the pictures themselves (the host's resources).

QTEST_MAIN(tst_LibraryViews)
#include "tst_libraryviews.moc"
