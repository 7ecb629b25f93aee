// The Facebook and Flickr pages: a main column with a page stack over a bottom
// tray, and a fixed column for the friends or contacts list. The host fills
// the empty frames with its own views and couples the scroll bars to them, so
// what matters here is where the room goes, which page shows first, and that
// the texts, fonts and sheets reach the widgets.

#include "builtform.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>

#include <memory>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

const QString Facebook = QStringLiteral("brimoFacebookClass");
const QString Flickr = QStringLiteral("BrimoFlickrClass");

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class tst_SocialPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void firstPage_data();
    void firstPage();
    void columnsShareTheWindow_data();
    void columnsShareTheWindow();
    void emptyFramesTakeHostViews_data();
    void emptyFramesTakeHostViews();
    void scrollBarsBelowTheirSpacers_data();
    void scrollBarsBelowTheirSpacers();
    void instructionPageIsCentred_data();
    void instructionPageIsCentred();
    void everyPagePaintsQuietly_data();
    void everyPagePaintsQuietly();
    void textsAndTheirLook_data();
    void textsAndTheirLook();
    void sendButton();
};

void tst_SocialPages::cleanup()
{
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_SocialPages::firstPage_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("shown");

    const QStringList views{"page_MosaicView"_q, "page_GridView"_q, "page_Instruction"_q};
    // Facebook opens on the authorisation request until the host knows better.
    QTest::newRow("facebook") << Facebook << (views + QStringList{"page_authRequest"_q}) << "page_authRequest"_q;
    QTest::newRow("flickr") << Flickr << views << "page_MosaicView"_q;
}

void tst_SocialPages::firstPage()
{
    QFETCH(QString, form);
    QFETCH(QStringList, pages);
    QFETCH(QString, shown);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    showAndSettle(host.get());
    auto *stack = child<QStackedWidget>(host.get(), "stackedWidget"_q);
    QVERIFY(stack);
    QCOMPARE(stack->count(), pages.size());
    for (int i = 0; i < stack->count(); ++i) {
        QWidget *page = stack->widget(i);
        QCOMPARE(page->objectName(), pages.at(i));
        QCOMPARE(page->isVisible(), page->objectName() == shown);
    }
    QCOMPARE(stack->currentWidget()->geometry(), stack->contentsRect());
}

void tst_SocialPages::columnsShareTheWindow_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("tray"); // height of the host's bar in the bottom tray; 0: none

    for (const QString &form : {Facebook, Flickr}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s, initial size", f.constData()) << form << QSize() << 0;
        QTest::addRow("%s, wide", f.constData()) << form << QSize(1400, 900) << 0;
        QTest::addRow("%s, with a tool bar", f.constData()) << form << QSize(1000, 800) << 54;
    }
}

void tst_SocialPages::columnsShareTheWindow()
{
    QFETCH(QString, form);
    QFETCH(QSize, window);
    QFETCH(int, tray);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    if (window.isValid())
        host->resize(window);
    if (tray) {
        auto *bar = new QWidget;
        bar->setFixedHeight(tray);
        child<QHBoxLayout>(host.get(), "horizontalLayout_6"_q)->addWidget(bar);
    }
    showAndSettle(host.get());
    const int width = host->width();
    const int height = host->height();

    // The list column keeps 220 pixels at the right edge, full height; the
    // main column takes the rest.
    auto *list = child<QFrame>(host.get(), "frame_list"_q);
    auto *main = child<QFrame>(host.get(), "frame"_q);
    QVERIFY(list && main);
    QCOMPARE(rectIn(list, host.get()), QRect(width - 220, 0, 220, height));
    QCOMPARE(rectIn(main, host.get()), QRect(0, 0, width - 220, height));

    // A 10-pixel strip on top; the page stack takes the spare height and the
    // bottom tray only what the host puts into it, with or without a stretch
    // factor on the stack.
    auto *strip = child<QFrame>(host.get(), "frame_2"_q);
    auto *stack = child<QStackedWidget>(host.get(), "stackedWidget"_q);
    auto *bottom = child<QFrame>(host.get(), "frame_BottomTray"_q);
    QVERIFY(strip && stack && bottom);
    QCOMPARE(rectIn(strip, main), QRect(0, 0, main->width(), 10));
    QCOMPARE(rectIn(stack, main), QRect(0, 10, main->width(), height - 10 - tray));
    QCOMPARE(rectIn(bottom, main), QRect(0, height - tray, main->width(), tray));

    // The list fills its column beside the scroll-bar strip.
    auto *friends = child<QFrame>(host.get(), "frame_friends"_q);
    auto *barColumn = child<QFrame>(host.get(), "frame_6"_q);
    QVERIFY(friends && barColumn);
    QCOMPARE(barColumn->width(), 14);
    QCOMPARE(rectIn(barColumn, list), QRect(206, 0, 14, height));
    QCOMPARE(rectIn(friends, list), QRect(0, 0, 206, height));
}

void tst_SocialPages::emptyFramesTakeHostViews_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("page"); // -1: not on a page

    for (const QString &form : {Facebook, Flickr}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s mosaic", f.constData()) << form << "verticalLayout_5"_q << "frame_mosaic"_q << 0;
        QTest::addRow("%s grid", f.constData()) << form << "verticalLayout_7"_q << "frame_grid"_q << 1;
        QTest::addRow("%s friends", f.constData()) << form << "verticalLayout_3"_q << "frame_friends"_q << -1;
        QTest::addRow("%s bottom tray", f.constData()) << form << "horizontalLayout_6"_q << "frame_BottomTray"_q << -1;
    }
}

void tst_SocialPages::emptyFramesTakeHostViews()
{
    QFETCH(QString, form);
    QFETCH(QString, layout);
    QFETCH(QString, frame);
    QFETCH(int, page);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *box = child<QBoxLayout>(host.get(), layout);
    auto *target = child<QFrame>(host.get(), frame);
    QVERIFY(box && target);
    QCOMPARE(box->parentWidget(), static_cast<QWidget *>(target));
    QCOMPARE(box->count(), 0);

    // What the host adds fills the frame edge to edge.
    auto *view = new QWidget(target);
    view->setMinimumHeight(40);
    box->addWidget(view);
    if (page >= 0)
        child<QStackedWidget>(host.get(), "stackedWidget"_q)->setCurrentIndex(page);
    showAndSettle(host.get());
    QVERIFY(view->isVisible());
    QCOMPARE(view->geometry(), target->contentsRect());
    QVERIFY(view->width() > 100);
}

void tst_SocialPages::scrollBarsBelowTheirSpacers_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("page"); // -1: the list column
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width"); // 0: the style's width

    for (const QString &form : {Facebook, Flickr}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s mosaic", f.constData()) << form << 0 << "verticalScrollBar_5"_q << 82 << 0;
        QTest::addRow("%s grid", f.constData()) << form << 1 << "verticalScrollBar_3"_q << 82 << 0;
        // The list's bar is skinned 14 pixels wide.
        QTest::addRow("%s list", f.constData()) << form << -1 << "verticalScrollBar_2"_q << 92 << 14;
    }
}

void tst_SocialPages::scrollBarsBelowTheirSpacers()
{
    QFETCH(QString, form);
    QFETCH(int, page);
    QFETCH(QString, bar);
    QFETCH(int, top);
    QFETCH(int, width);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    if (page >= 0)
        child<QStackedWidget>(host.get(), "stackedWidget"_q)->setCurrentIndex(page);
    showAndSettle(host.get());
    auto *scrollBar = child<QScrollBar>(host.get(), bar);
    QVERIFY(scrollBar);
    QVERIFY(scrollBar->isVisible());
    QCOMPARE(scrollBar->orientation(), Qt::Vertical);

    // It starts below the spacer, runs to the bottom of its column and sits
    // at the column's right edge.
    QWidget *column = scrollBar->parentWidget();
    QCOMPARE(scrollBar->y(), top);
    QCOMPARE(scrollBar->geometry().bottom(), column->height() - 1);
    QCOMPARE(scrollBar->geometry().right(), column->width() - 1);
    if (width)
        QCOMPARE(scrollBar->width(), width);

    // Tab never stops on a scroll bar.
    QCOMPARE(scrollBar->focusPolicy(), Qt::NoFocus);
}

void tst_SocialPages::instructionPageIsCentred_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("window");

    for (const QString &form : {Facebook, Flickr}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s, initial size", f.constData()) << form << QSize();
        QTest::addRow("%s, wide", f.constData()) << form << QSize(1600, 1000);
    }
}

void tst_SocialPages::instructionPageIsCentred()
{
    QFETCH(QString, form);
    QFETCH(QSize, window);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    if (window.isValid())
        host->resize(window);
    auto *stack = child<QStackedWidget>(host.get(), "stackedWidget"_q);
    QVERIFY(stack);
    stack->setCurrentIndex(2);
    showAndSettle(host.get());
    QWidget *page = stack->currentWidget();
    QCOMPARE(page->objectName(), "page_Instruction"_q);

    // The picture panel stays 550 wide in the middle of the page, whatever
    // room the page has.
    auto *panel = child<QFrame>(page, "frame_7"_q);
    QVERIFY(panel);
    const QRect rect = rectIn(panel, page);
    QCOMPARE(rect.width(), 550);
    QVERIFY(qAbs(rect.center().x() - page->rect().center().x()) <= 1);
    QVERIFY(qAbs(rect.center().y() - page->rect().center().y()) <= 60);

    // The sample list sits at its fixed place in the panel, its captions
    // where the picture has room for them.
    auto *sample = child<QFrame>(page, "frame_5"_q);
    QVERIFY(sample);
    // Inside the plate's 4-pixel border, 10 from the left and 6 from the top.
    const QPoint inside = panel->contentsRect().topLeft();
    QCOMPARE(inside, QPoint(4, 4));
    QCOMPARE(rectIn(sample, panel), QRect(inside + QPoint(10, 6), QSize(519, 146)));
    QCOMPARE(child<QLabel>(page, "label_6"_q)->geometry(), QRect(45, 18, 80, 12));
    QCOMPARE(child<QLabel>(page, "label_9"_q)->geometry(), QRect(230, 30, 80, 10));

    // Three hint columns of 154 pixels, 29 apart, under the sample.
    int x = 0;
    for (const char *name : {"label", "label_2", "label_3"}) {
        auto *hint = child<QLabel>(page, QString::fromLatin1(name));
        QVERIFY(hint);
        const QRect hintRect = rectIn(hint, panel);
        QCOMPARE(hintRect.width(), 154);
        QCOMPARE(hintRect.x(), inside.x() + 10 + x);
        QVERIFY(hintRect.top() >= inside.y() + 6 + 146 + 6);
        QVERIFY(hint->wordWrap());
        x += 154 + 29;
    }
}

void tst_SocialPages::everyPagePaintsQuietly_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("page");

    for (int page = 0; page < 4; ++page)
        QTest::addRow("facebook page %d", page) << Facebook << page;
    for (int page = 0; page < 3; ++page)
        QTest::addRow("flickr page %d", page) << Flickr << page;
}

void tst_SocialPages::everyPagePaintsQuietly()
{
    QFETCH(QString, form);
    QFETCH(int, page);

    // Every sheet on every page parses and paints without a word from Qt.
    WarningGuard guard;
    std::unique_ptr<QWidget> host(buildFormByName(form));
    child<QStackedWidget>(host.get(), "stackedWidget"_q)->setCurrentIndex(page);
    showAndSettle(host.get());
    const QImage image = host->grab().toImage();
    QVERIFY(!image.isNull());
    guard.verifyNone();
}

void tst_SocialPages::textsAndTheirLook_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("color");

    const QColor white(255, 255, 255), grey(172, 172, 172), dark(51, 51, 51), mid(102, 102, 102),
        light(215, 215, 215);
    QTest::newRow("facebook heading") << Facebook << "label_4"_q << "Ingen favoritter valgt"_q << 24 << true << white;
    QTest::newRow("facebook description")
        << Facebook << "label_5"_q << "Opdateringer fra dine favoritvenner vises her og på hjemmesiden."_q << 16
        << false << grey;
    QTest::newRow("facebook sample name") << Facebook << "label_6"_q << "Alle venner"_q << 11 << true << dark;
    QTest::newRow("facebook sample count") << Facebook << "label_7"_q << "125 venner"_q << 8 << false << mid;
    QTest::newRow("facebook quoted hint")
        << Facebook << "label_2"_q << "Hvis du vælger \"Alle venner\", tilføjes alle"_q << 14 << false << light;
    // The authorisation texts are the host's; the page's own sheet styles them.
    QTest::newRow("facebook request") << Facebook << "label_authRequest"_q << QString() << 16 << false << grey;
    QTest::newRow("facebook send date") << Facebook << "label_sendDate"_q << QString() << 16 << false << grey;
    QTest::newRow("facebook send") << Facebook << "btn_send"_q << QString() << 16 << false << QColor(Qt::black);
    QTest::newRow("flickr heading") << Flickr << "label_4"_q << "Ingen favoritter valgt"_q << 24 << true << white;
    QTest::newRow("flickr description")
        << Flickr << "label_5"_q << "Opdateringer fra dine favoritkontaktpersoner vises her og på hjemmesiden."_q
        << 16 << false << grey;
    QTest::newRow("flickr sample name") << Flickr << "label_8"_q << "Alle kontaktpersoner"_q << 11 << true << dark;
    QTest::newRow("flickr sample count") << Flickr << "label_9"_q << "125 Kontaktpersoner"_q << 8 << false << mid;
    QTest::newRow("flickr quoted hint") << Flickr << "label_2"_q
                                        << "Hvis du vælger \"Alle kontaktpersoner\", tilføjes alle"_q << 14 << false
                                        << light;
    QTest::newRow("flickr refresh hint") << Flickr << "label_3"_q
                                         << "Brug knappen Opdater til at se de seneste fotos og videoer"_q << 14
                                         << false << light;
}

void tst_SocialPages::textsAndTheirLook()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, color);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *widget = child(host.get(), object);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    widget->ensurePolished();
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->palette().color(widget->foregroundRole()), color);
}

void tst_SocialPages::sendButton()
{
    std::unique_ptr<QWidget> host(buildFormByName(Facebook));
    showAndSettle(host.get());
    auto *send = child<QToolButton>(host.get(), "btn_send"_q);
    auto *request = child<QLabel>(host.get(), "label_authRequest"_q);
    auto *panel = child<QFrame>(host.get(), "frame_12"_q);
    QVERIFY(send && request && panel);

    // The request column keeps 100 pixels clear at each side and grows no
    // taller than 400; the message wraps across it. The button starts at the
    // column's left edge, at least 100 by 41, and takes focus by Tab.
    QVERIFY(send->isVisible());
    QVERIFY(panel->height() <= 400);
    QCOMPARE(request->geometry().left(), 100);
    QCOMPARE(request->geometry().right(), panel->width() - 101);
    QVERIFY(request->wordWrap());
    QCOMPARE(request->textFormat(), Qt::AutoText);
    QCOMPARE(send->x(), 100);
    QVERIFY(send->width() >= 100);
    QVERIFY(send->height() >= 41);
    QCOMPARE(send->focusPolicy(), Qt::StrongFocus);

    // The host gives the button its text and reacts to its clicks.
    send->setText("Send anmodning"_q);
    QSignalSpy clicked(send, &QToolButton::clicked);
    QTest::mouseClick(send, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);

    // Disabled, it greys its text.
    send->setEnabled(false);
    send->ensurePolished();
    QCOMPARE(send->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(0x99, 0x99, 0x99));
}

QTEST_MAIN(tst_SocialPages)
#include "tst_socialpages.moc"
