// The shell forms: main window skin, top shadow, transition, navigation bar,
// home tray and home screen, as the host lays them out and drives them.

#include "builtform.h"
#include "multistatetoolbutton.h"

#include <QtCore/QPointer>
#include <QtGui/QFontMetrics>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// The next widget after `from` that the Tab key reaches.
QWidget *nextTabStop(QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return w;
    }
    return nullptr;
}

QStringList tabStopsFrom(QWidget *first, int count)
{
    QStringList names;
    QWidget *w = first;
    for (int i = 0; i < count && w; ++i, w = nextTabStop(w))
        names.append(w->objectName());
    return names;
}

} // namespace

class tst_ShellForms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // All forms of the shell.
    void barKeepsItsHeight_data();
    void barKeepsItsHeight();
    void initialPage_data();
    void initialPage();
    void tabOrder_data();
    void tabOrder();
    void danishTexts_data();
    void danishTexts();
    void sheetsNameTheirImages_data();
    void sheetsNameTheirImages();

    // Main window and top shadow.
    void mainWindowShell();
    void contentFrameFillsTheWindow_data();
    void contentFrameFillsTheWindow();
    void sideBarMaskKeepsItsWidth_data();
    void sideBarMaskKeepsItsWidth();

    // Navigation bar.
    void onlyTheMenuStretches_data();
    void onlyTheMenuStretches();
    void menuChildrenKeepTheirPlaces_data();
    void menuChildrenKeepTheirPlaces();
    void sectionTabs_data();
    void sectionTabs();
    void settingButtonCoversDivider();

    // Home tray.
    void trayButtonsStayCentred_data();
    void trayButtonsStayCentred();
    void trayIcons_data();
    void trayIcons();
    void trayButtonSizes_data();
    void trayButtonSizes();
    void editAlbumPlaceholder();

    // Home screen.
    void homeScreenSplitsSpace_data();
    void homeScreenSplitsSpace();
};

void tst_ShellForms::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// ---------------------------------------------------------------------------

void tst_ShellForms::barKeepsItsHeight_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("bar");     // empty: the host widget itself
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("offered");

    const QList<QSize> offers{{300, 30}, {963, 500}, {1600, 1200}};
    for (const QSize &offer : offers) {
        const int w = offer.width();
        const int h = offer.height();
        QTest::addRow("top shadow %dx%d", w, h) << "TopShadowClass"_q << QString() << 88 << offer;
        QTest::addRow("navigation bar %dx%d", w, h) << "NavBarClass"_q << QString() << 80 << offer;
        QTest::addRow("navigation menu %dx%d", w, h) << "NavBarClass"_q << "frame_Menu"_q << 80 << offer;
        QTest::addRow("home tray %dx%d", w, h) << "HomeTrayClass"_q << QString() << 54 << offer;
        QTest::addRow("home tray background %dx%d", w, h) << "HomeTrayClass"_q << "frame_background"_q << 54 << offer;
        QTest::addRow("home screen tray slot %dx%d", w, h) << "BrimoHomeClass"_q << "frame_BottomTray"_q << 54 << offer;
    }
}

void tst_ShellForms::barKeepsItsHeight()
{
    QFETCH(QString, form);
    QFETCH(QString, bar);
    QFETCH(int, height);
    QFETCH(QSize, offered);

    // The host puts the form into a layout of its own, next to a stretching
    // neighbour, and offers whatever room its window has.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget *host = buildFormByName(form, &window);
    layout->addWidget(host);
    layout->addWidget(new QWidget(&window), 1);
    window.resize(offered);
    showAndSettle(&window);

    QWidget *target = bar.isEmpty() ? host : child(host, qPrintable(bar));
    QVERIFY(target);
    QCOMPARE(target->height(), height);
    // The width follows the host.
    QCOMPARE(host->width(), window.width());
    if (target != host && form != QLatin1String("NavBarClass"))
        QCOMPARE(target->width(), host->width());
}

void tst_ShellForms::initialPage_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("index");

    QTest::newRow("top shadow: window mask") << "TopShadowClass"_q << "page"_q << 0;
    QTest::newRow("home tray: edit album") << "HomeTrayClass"_q << "page_EditAlbum"_q << 4;
}

void tst_ShellForms::initialPage()
{
    QFETCH(QString, form);
    QFETCH(QString, page);
    QFETCH(int, index);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *stack = child<QStackedWidget>(host.get(), "stackedWidget");
    QVERIFY(stack);
    QCOMPARE(stack->currentIndex(), index);
    QCOMPARE(stack->currentWidget()->objectName(), page);

    showAndSettle(host.get());
    QVERIFY(stack->currentWidget()->isVisible());
    for (int i = 0; i < stack->count(); ++i)
        QCOMPARE(stack->widget(i)->isVisible(), i == index);
}

void tst_ShellForms::tabOrder_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("navigation bar") << "NavBarClass"_q
                                    << QStringList{"toolButton_Quorvel"_q, "toolButton_Library"_q, "toolButton_Facebook"_q,
                                                   "toolButton_Flickr"_q, "toolButton_Apps"_q, "toolButton_Setting"_q,
                                                   "toolButton_backward"_q, "toolButton_forward"_q, "toolButton_Close2"_q,
                                                   "toolButton_Min"_q, "toolButton_Max"_q, "toolButton_Close"_q,
                                                   "toolButton_Back"_q, "toolButton_Next"_q};
    QTest::newRow("home tray") << "HomeTrayClass"_q
                               << QStringList{"toolButton_Refresh"_q, "toolButton_Add4"_q, "toolButton_Cancel"_q,
                                              "toolButton_Add"_q, "toolButton_Slideshow"_q, "toolButton_Facebook2"_q,
                                              "toolButton_Flickr2"_q, "toolButton_ShutterFly2"_q, "toolButton_Add2"_q,
                                              "toolButton_Slideshow2"_q, "toolButton_Slideshow4"_q, "toolButton_OK"_q,
                                              "toolButton_Facebook3"_q, "toolButton_Flickr3"_q, "toolButton_ShutterFly3"_q,
                                              "toolButton_Add3"_q, "toolButton_Slideshow3"_q, "toolButton_Edit"_q,
                                              "toolButton_Delete"_q};
}

void tst_ShellForms::tabOrder()
{
    QFETCH(QString, form);
    QFETCH(QStringList, order);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *first = child(host.get(), qPrintable(order.first()));
    QVERIFY(first);
    QCOMPARE(tabStopsFrom(first, order.size()), order);
    // Every button of the form takes part, and nothing else does.
    int tabStops = 0;
    for (QWidget *w : host->findChildren<QWidget *>()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            ++tabStops;
            QVERIFY2(qobject_cast<QToolButton *>(w), qPrintable(w->objectName()));
        }
    }
    QCOMPARE(tabStops, order.size());
}

void tst_ShellForms::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("text");

    QTest::newRow("back") << "NavBarClass"_q << "toolButton_Back"_q << "Tilbage"_q << QString();
    QTest::newRow("next page") << "NavBarClass"_q << "toolButton_forward"_q << "Næste"_q << QString();
    QTest::newRow("maximise") << "NavBarClass"_q << "toolButton_Max"_q << "Maksimer/Gendan"_q << QString();
    QTest::newRow("kiosk close") << "NavBarClass"_q << "toolButton_Close2"_q << "Luk"_q << QString();
    QTest::newRow("settings") << "NavBarClass"_q << "toolButton_Setting"_q << "Foretrukket"_q << QString();
    QTest::newRow("library tab") << "NavBarClass"_q << "toolButton_Library"_q << QString() << "Bibliotek"_q;
    QTest::newRow("apps tab") << "NavBarClass"_q << "toolButton_Apps"_q << QString() << "Programmer"_q;
    QTest::newRow("refresh") << "HomeTrayClass"_q << "toolButton_Refresh"_q << "Opdater indhold"_q << QString();
    QTest::newRow("add album") << "HomeTrayClass"_q << "toolButton_Add3"_q << "Tilføj album"_q
                               << QString();
    QTest::newRow("shutterfly") << "HomeTrayClass"_q << "toolButton_ShutterFly2"_q << "Udskriv med Shutterfly"_q
                                << QString();
    QTest::newRow("delete album") << "HomeTrayClass"_q << "toolButton_Delete"_q << "Slet album"_q << QString();
    QTest::newRow("ok") << "HomeTrayClass"_q << "toolButton_OK"_q << QString() << "OK"_q;
    QTest::newRow("cancel") << "HomeTrayClass"_q << "toolButton_Cancel"_q << QString() << "Annuller"_q;
}

void tst_ShellForms::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, member);
    QFETCH(QString, toolTip);
    QFETCH(QString, text);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *button = child<QToolButton>(host.get(), qPrintable(member));
    QVERIFY(button);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->text(), text);
}

void tst_ShellForms::sheetsNameTheirImages_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("member");   // empty: the host widget
    QTest::addColumn<QStringList>("images");

    QTest::newRow("window scroll bars") << "VexaroClass"_q << QString()
                                        << QStringList{"scrollbar_slim_bg1.png"_q, "scrollbar_slim_thumb_normal.png"_q,
                                                       "scrollbar_slim_thumb_hover.png"_q,
                                                       "scrollbar_slim_thumb_push.png"_q,
                                                       "scrollbar_slim_thumb_focus.png"_q};
    QTest::newRow("window background") << "VexaroClass"_q << "frame_background"_q << QStringList{"window_bg.png"_q};
    QTest::newRow("window mask") << "TopShadowClass"_q << "frame"_q << QStringList{"window_mask1.png"_q};
    QTest::newRow("side-bar mask") << "TopShadowClass"_q << "frame_4"_q << QStringList{"fbsidebar_mask.png"_q};
    QTest::newRow("full-screen mask") << "TopShadowClass"_q << "frame_7"_q
                                      << QStringList{"window_mask2_fullscreen.png"_q};
    QTest::newRow("full-screen side-bar mask") << "TopShadowClass"_q << "frame_8"_q
                                               << QStringList{"fbsidebar_mask_fullscreen.png"_q};
    QTest::newRow("history back") << "NavBarClass"_q << "toolButton_Back"_q
                                  << QStringList{"navbtn_back_normal.png"_q, "navbtn_back_disable.png"_q,
                                                 "navbtn_back_focus.png"_q};
    QTest::newRow("section tab") << "NavBarClass"_q << "toolButton_Flickr"_q
                                 << QStringList{"windowtab_normal.png"_q, "windowtab_push.png"_q, "windowtab_focus.png"_q};
    QTest::newRow("settings") << "NavBarClass"_q << "toolButton_Setting"_q
                              << QStringList{"btn_setting_normal.png"_q, "btn_setting_hover.png"_q};
    QTest::newRow("tab row right") << "NavBarClass"_q << "toolButton_forward"_q
                                   << QStringList{"btn_windowtab_right_push.png"_q};
    QTest::newRow("kiosk close") << "NavBarClass"_q << "toolButton_Close2"_q
                                 << QStringList{"btn_kioskmode_close_normal.png"_q};
    QTest::newRow("divider") << "NavBarClass"_q << "label_5"_q << QStringList{"header_divider.png"_q};
    QTest::newRow("tray skin") << "HomeTrayClass"_q << "frame_background"_q
                               << QStringList{"toolbar_bg.png"_q, "btn_tray_normal.png"_q, "btn_tray_disable.png"_q};
    QTest::newRow("upload to facebook") << "HomeTrayClass"_q << "toolButton_Facebook3"_q
                                        << QStringList{"btn_uploadtofacebook_disable.png"_q};
    QTest::newRow("print with shutterfly") << "HomeTrayClass"_q << "toolButton_ShutterFly2"_q
                                           << QStringList{"btn_uploadtoshutterfly_normal.png"_q};
    QTest::newRow("ok") << "HomeTrayClass"_q << "toolButton_OK"_q
                        << QStringList{"btn_light_normal.png"_q, "btn_light_disable.png"_q};
    QTest::newRow("cancel") << "HomeTrayClass"_q << "toolButton_Cancel"_q
                            << QStringList{"btn_secondary_push.png"_q, "btn_secondary_disable.png"_q};
}

void tst_ShellForms::sheetsNameTheirImages()
{
    QFETCH(QString, form);
    QFETCH(QString, member);
    QFETCH(QStringList, images);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *target = member.isEmpty() ? host.get() : child(host.get(), qPrintable(member));
    QVERIFY(target);
    const QString sheet = target->styleSheet();
    for (const QString &image : images)
        QVERIFY2(sheet.contains(QLatin1String("url(:/quorvel/UIResources/") + image + QLatin1Char(')')),
                 qPrintable(image));
}

// ---------------------------------------------------------------------------

void tst_ShellForms::mainWindowShell()
{
    BuiltForm<IVexaroClass> shell(testFactory()->createVexaro());
    QCOMPARE(shell.host()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(shell.host()->minimumSize(), QSize(300, 300));
    // The host puts its screens into the content frame's layout.
    QLayout *content = shell->frame_ContentView()->layout();
    QCOMPARE(content, shell->horizontalLayout_2());
    QCOMPARE(content->count(), 0);
    QCOMPARE(content->spacing(), 0);
    QCOMPARE(content->contentsMargins(), QMargins(1, 1, 1, 1));
}

void tst_ShellForms::contentFrameFillsTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize(800, 600);
    QTest::newRow("small") << QSize(300, 300);
    QTest::newRow("large") << QSize(1600, 1000);
}

void tst_ShellForms::contentFrameFillsTheWindow()
{
    QFETCH(QSize, size);

    BuiltForm<IVexaroClass> shell(testFactory()->createVexaro());
    QWidget *window = shell.host();
    window->resize(size);
    showAndSettle(window);
    QCOMPARE(window->size(), size);
    // The skin's 18-pixel border is drawn over the content, not around it.
    QCOMPARE(shell->frame_background()->geometry(), window->rect());
    QCOMPARE(shell->frame_ContentView()->geometry(), shell->frame_background()->rect());
    window->hide();
}

void tst_ShellForms::sideBarMaskKeepsItsWidth_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("width");

    for (int width : {300, 635, 1400}) {
        QTest::addRow("window %d", width) << 1 << width;
        QTest::addRow("full screen %d", width) << 3 << width;
    }
}

void tst_ShellForms::sideBarMaskKeepsItsWidth()
{
    QFETCH(int, page);
    QFETCH(int, width);

    BuiltForm<ITopShadowClass> shadow(testFactory()->createTopShadow());
    shadow->stackedWidget()->setCurrentIndex(page);
    shadow.host()->resize(width, 88);
    showAndSettle(shadow.host());

    QFrame *mask = page == 1 ? shadow->frame_3() : shadow->frame_7();
    QFrame *side = page == 1 ? shadow->frame_4() : shadow->frame_8();
    QCOMPARE(side->width(), 220);
    QCOMPARE(mask->width(), width - 220);
    QCOMPARE(side->x(), width - 220);
    QCOMPARE(mask->height(), 88);
    QCOMPARE(side->height(), 88);
    shadow.host()->hide();
}

// ---------------------------------------------------------------------------

void tst_ShellForms::onlyTheMenuStretches_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("initial") << 963;
    QTest::newRow("wide") << 1500;
    QTest::newRow("very wide") << 2500;
}

void tst_ShellForms::onlyTheMenuStretches()
{
    QFETCH(int, width);

    BuiltForm<INavBarClass> nav(testFactory()->createNavBar());
    QFrame *fixedGroups[] = {nav->frame_HistoryNavParent(), nav->frame_MenuNav(), nav->frame_WindowIcon(),
                             nav->frame_Koisk()};
    nav.host()->resize(963, 80);
    showAndSettle(nav.host());
    QVector<int> widths;
    for (QFrame *group : fixedGroups)
        widths.append(group->width());
    const int menuWidth = nav->frame_Menu()->width();

    nav.host()->resize(width, 80);
    settle();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(fixedGroups[i]->width(), widths[i]);
    QCOMPARE(nav->frame_Menu()->width(), menuWidth + width - 963);
    // Left to right: history, menu, tab-row arrows, window buttons, kiosk close.
    QCOMPARE(nav->frame_HistoryNavParent()->x(), 0);
    QCOMPARE(nav->frame_Menu()->x(), nav->frame_HistoryNavParent()->geometry().right() + 1);
    QCOMPARE(nav->frame_MenuNav()->x(), nav->frame_Menu()->geometry().right() + 1);
    QCOMPARE(nav->frame_WindowIcon()->x(), nav->frame_MenuNav()->geometry().right() + 1);
    QCOMPARE(nav->frame_Koisk()->geometry().right(), width - 1);
    // The window buttons sit at the top of their column.
    QCOMPARE(nav->frame_6()->y(), 5);
    nav.host()->hide();
}

void tst_ShellForms::menuChildrenKeepTheirPlaces_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("size");   // invalid: the width follows the text

    QTest::newRow("photo tab") << "toolButton_Quorvel"_q << QPoint(0, 10) << QSize();
    QTest::newRow("library tab") << "toolButton_Library"_q << QPoint(120, 10) << QSize();
    QTest::newRow("first divider") << "label_4"_q << QPoint(220, 20) << QSize(2, 25);
    QTest::newRow("facebook tab") << "toolButton_Facebook"_q << QPoint(230, 10) << QSize();
    QTest::newRow("flickr tab") << "toolButton_Flickr"_q << QPoint(350, 10) << QSize();
    QTest::newRow("second divider") << "label_5"_q << QPoint(520, 10) << QSize(2, 25);
    QTest::newRow("settings") << "toolButton_Setting"_q << QPoint(520, 0) << QSize(42, 33);
    QTest::newRow("apps tab") << "toolButton_Apps"_q << QPoint(440, 10) << QSize();
}

void tst_ShellForms::menuChildrenKeepTheirPlaces()
{
    QFETCH(QString, member);
    QFETCH(QPoint, position);
    QFETCH(QSize, size);

    BuiltForm<INavBarClass> nav(testFactory()->createNavBar());
    QWidget *widget = child(nav->frame_Menu(), qPrintable(member));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), static_cast<QWidget *>(nav->frame_Menu()));
    QVERIFY(!nav->frame_Menu()->layout());

    for (int width : {963, 1600, 700}) {
        nav.host()->resize(width, 80);
        showAndSettle(nav.host());
        QCOMPARE(widget->pos(), position);
        if (size.isValid())
            QCOMPARE(widget->size(), size);
        else
            QCOMPARE(widget->height(), 31);
    }
    nav.host()->hide();
}

void tst_ShellForms::sectionTabs_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("text");

    QTest::newRow("photo") << "toolButton_Quorvel"_q << "Vexaro"_q;
    QTest::newRow("library") << "toolButton_Library"_q << "Bibliotek"_q;
    QTest::newRow("facebook") << "toolButton_Facebook"_q << "Facebook"_q;
    QTest::newRow("flickr") << "toolButton_Flickr"_q << "Flickr"_q;
    QTest::newRow("apps") << "toolButton_Apps"_q << "Programmer"_q;
}

void tst_ShellForms::sectionTabs()
{
    QFETCH(QString, member);
    QFETCH(QString, text);

    BuiltForm<INavBarClass> nav(testFactory()->createNavBar());
    auto *tab = child<MultiStateToolButton>(nav.host(), qPrintable(member));
    QVERIFY(tab);
    QCOMPARE(tab->text(), text);

    // The tab's own setText fixed its width from the text in the bold tab font.
    QFont bold = tab->font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(text);
    QCOMPARE(tab->minimumWidth(), width);
    QCOMPARE(tab->maximumWidth(), width);
    QCOMPARE(tab->font().family(), QStringLiteral("Segoe UI"));
    QVERIFY(!tab->font().bold());

    // Plain tabs until the host makes one current.
    QVERIFY(!tab->isCheckable());
    QVERIFY(!tab->isChecked());
    QVERIFY(tab->autoExclusive());
    QCOMPARE(tab->focusPolicy(), Qt::StrongFocus);

    showAndSettle(nav.host());
    QCOMPARE(tab->width(), width);
    QCOMPARE(tab->height(), 31);
    // Idle tabs are grey.
    QCOMPARE(tab->palette().color(QPalette::ButtonText), QColor(190, 190, 190));
    nav.host()->hide();
}

void tst_ShellForms::settingButtonCoversDivider()
{
    BuiltForm<INavBarClass> nav(testFactory()->createNavBar());
    showAndSettle(nav.host());
    QFrame *menu = nav->frame_Menu();
    QVERIFY(nav->toolButton_Setting()->geometry().intersects(nav->label_5()->geometry()));
    // Created after the divider, so stacked above it. (The apps tab, created
    // last, may reach this far with a wide font; it is not the subject here.)
    nav->toolButton_Apps()->hide();
    QCOMPARE(menu->childAt(521, 15), static_cast<QWidget *>(nav->toolButton_Setting()));
    QVERIFY(menu->children().indexOf(nav->toolButton_Setting()) > menu->children().indexOf(nav->label_5()));
    QCOMPARE(menu->childAt(221, 30), static_cast<QWidget *>(nav->label_4()));
    nav.host()->hide();
}

// ---------------------------------------------------------------------------

void tst_ShellForms::trayButtonsStayCentred_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("width");

    for (int width : {714, 1000, 1800}) {
        QTest::addRow("home %d", width) << 0 << width;
        QTest::addRow("library %d", width) << 1 << width;
        QTest::addRow("album %d", width) << 2 << width;
        QTest::addRow("social %d", width) << 3 << width;
    }
}

void tst_ShellForms::trayButtonsStayCentred()
{
    QFETCH(int, page);
    QFETCH(int, width);

    BuiltForm<IHomeTrayClass> tray(testFactory()->createHomeTray());
    tray->stackedWidget()->setCurrentIndex(page);
    tray.host()->resize(width, 54);
    showAndSettle(tray.host());

    struct Page
    {
        QSpacerItem *left;
        QSpacerItem *right;
        QVector<QSpacerItem *> gaps;
        QVector<QWidget *> dividers;
        QLayout *row;
    };
    const Page pages[] = {
        {tray->horizontalSpacer(), tray->horizontalSpacer_4(),
         {tray->horizontalSpacer_2(), tray->horizontalSpacer_3()}, {tray->label_3()}, tray->horizontalLayout_4()},
        {tray->horizontalSpacer_5(), tray->horizontalSpacer_8(),
         {tray->horizontalSpacer_6(), tray->horizontalSpacer_7()}, {tray->label_4()}, tray->horizontalLayout_5()},
        {tray->horizontalSpacer_9(), tray->horizontalSpacer_14(),
         {tray->horizontalSpacer_10(), tray->horizontalSpacer_11(), tray->horizontalSpacer_12(),
          tray->horizontalSpacer_13()},
         {tray->label_6(), tray->label_5()}, tray->horizontalLayout_8()},
        {tray->horizontalSpacer_15(), tray->horizontalSpacer_16(), {}, {}, tray->horizontalLayout_15()},
    };
    const Page &p = pages[page];

    // Both sides expand alike, so the buttons stay in the middle.
    QVERIFY2(qAbs(p.left->geometry().width() - p.right->geometry().width()) <= 1,
             qPrintable(QStringLiteral("%1 left, %2 right")
                            .arg(p.left->geometry().width())
                            .arg(p.right->geometry().width())));
    QCOMPARE(p.left->geometry().left(), 0);
    QCOMPARE(p.right->geometry().right(), width - 1);

    // The gaps around a divider stay 5 pixels, plus the row's spacing (a box
    // layout spaces only widgets, not the spacer between them).
    for (QSpacerItem *gap : p.gaps)
        QCOMPARE(gap->geometry().width(), 5);
    for (QWidget *divider : p.dividers) {
        QCOMPARE(divider->size(), QSize(2, 25));
        const int index = p.row->indexOf(divider);
        QWidget *before = p.row->itemAt(index - 2)->widget();
        QWidget *after = p.row->itemAt(index + 2)->widget();
        QVERIFY(before && after);
        const int spacing = p.row->spacing();
        QCOMPARE(divider->x() - before->geometry().right() - 1, spacing + 5);
        QCOMPARE(after->x() - divider->geometry().right() - 1, spacing + 5);
    }
    tray.host()->hide();
}

void tst_ShellForms::trayIcons_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<bool>("hasIcon");
    QTest::addColumn<QString>("sameIconAs");

    QTest::newRow("refresh") << "toolButton_Refresh"_q << true << QString();
    QTest::newRow("add (home)") << "toolButton_Add"_q << true << QString();
    QTest::newRow("add (library)") << "toolButton_Add2"_q << true << "toolButton_Add"_q;
    QTest::newRow("add (album)") << "toolButton_Add3"_q << true << "toolButton_Add"_q;
    QTest::newRow("add (social)") << "toolButton_Add4"_q << true << "toolButton_Add"_q;
    QTest::newRow("slide show (home)") << "toolButton_Slideshow"_q << true << QString();
    QTest::newRow("slide show (social)") << "toolButton_Slideshow4"_q << true << "toolButton_Slideshow"_q;
    QTest::newRow("flickr (library)") << "toolButton_Flickr2"_q << true << QString();
    QTest::newRow("flickr (album)") << "toolButton_Flickr3"_q << true << "toolButton_Flickr2"_q;
    QTest::newRow("edit") << "toolButton_Edit"_q << true << QString();
    QTest::newRow("delete") << "toolButton_Delete"_q << true << QString();
    QTest::newRow("facebook (library)") << "toolButton_Facebook2"_q << false << QString();
    QTest::newRow("facebook (album)") << "toolButton_Facebook3"_q << false << QString();
    QTest::newRow("shutterfly (library)") << "toolButton_ShutterFly2"_q << false << QString();
    QTest::newRow("shutterfly (album)") << "toolButton_ShutterFly3"_q << false << QString();
    QTest::newRow("ok") << "toolButton_OK"_q << false << QString();
}

void tst_ShellForms::trayIcons()
{
    QFETCH(QString, member);
    QFETCH(bool, hasIcon);
    QFETCH(QString, sameIconAs);

    std::unique_ptr<QWidget> host(buildFormByName(QStringLiteral("HomeTrayClass")));
    auto *button = child<QToolButton>(host.get(), qPrintable(member));
    QVERIFY(button);
    // Upload buttons take their whole face from their own sheet.
    QCOMPARE(!button->icon().isNull(), hasIcon);
    if (hasIcon) {
        QCOMPARE(button->iconSize(), QSize(43, 44));
        QVERIFY(button->text().isEmpty());
    }
    if (!sameIconAs.isEmpty()) {
        auto *other = child<QToolButton>(host.get(), qPrintable(sameIconAs));
        QVERIFY(other);
        QCOMPARE(button->icon().cacheKey(), other->icon().cacheKey());
    }
}

void tst_ShellForms::trayButtonSizes_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<int>("height");

    QTest::newRow("refresh") << "toolButton_Refresh"_q << QSize(43, 44) << QSize(43, 44) << 44;
    QTest::newRow("facebook (library)") << "toolButton_Facebook2"_q << QSize(43, 44) << QSize(43, 44) << 44;
    QTest::newRow("add (social)") << "toolButton_Add4"_q << QSize(43, 44) << QSize(43, 44) << 44;
    // The album page's buttons have a maximum one pixel below their minimum;
    // the minimum wins.
    QTest::newRow("facebook (album)") << "toolButton_Facebook3"_q << QSize(43, 44) << QSize(43, 43) << 44;
    QTest::newRow("edit (album)") << "toolButton_Edit"_q << QSize(43, 44) << QSize(43, 43) << 44;
    QTest::newRow("delete (album)") << "toolButton_Delete"_q << QSize(43, 44) << QSize(43, 43) << 44;
    QTest::newRow("ok") << "toolButton_OK"_q << QSize(100, 41) << QSize(16777215, 41) << 41;
    QTest::newRow("cancel") << "toolButton_Cancel"_q << QSize(100, 41) << QSize(16777215, 41) << 41;
}

void tst_ShellForms::trayButtonSizes()
{
    QFETCH(QString, member);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(int, height);

    BuiltForm<IHomeTrayClass> tray(testFactory()->createHomeTray());
    auto *button = child<QToolButton>(tray.host(), qPrintable(member));
    QVERIFY(button);
    QCOMPARE(button->minimumSize(), minimum);
    QCOMPARE(button->maximumSize(), maximum);
    QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    QVERIFY(button->autoExclusive());

    // Show the button's own page.
    QWidget *page = button->parentWidget();
    while (page && page->parentWidget() != tray->stackedWidget())
        page = page->parentWidget();
    QVERIFY(page);
    tray->stackedWidget()->setCurrentWidget(page);
    showAndSettle(tray.host());
    QCOMPARE(button->height(), height);
    QVERIFY(button->width() >= minimum.width());
    tray.host()->hide();
}

void tst_ShellForms::editAlbumPlaceholder()
{
    BuiltForm<IHomeTrayClass> tray(testFactory()->createHomeTray());
    // An empty frame with a layout of its own, for the host's widgets.
    QCOMPARE(tray->frame_13()->layout(), tray->horizontalLayout_18());
    QCOMPARE(tray->horizontalLayout_18()->count(), 0);
    QCOMPARE(tray->horizontalLayout_18()->spacing(), 20);
    QCOMPARE(tray->horizontalLayout_18()->contentsMargins(), QMargins());
    // It sits between the text buttons and the right-hand spacer.
    QLayout *row = tray->horizontalLayout_17();
    QCOMPARE(row->indexOf(tray->toolButton_OK()), 1);
    QCOMPARE(row->indexOf(tray->toolButton_Cancel()), 2);
    QCOMPARE(row->indexOf(tray->frame_13()), 3);
    QCOMPARE(row->itemAt(4)->spacerItem(), tray->horizontalSpacer_18());
}

// ---------------------------------------------------------------------------

void tst_ShellForms::homeScreenSplitsSpace_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize(722, 435);
    QTest::newRow("large") << QSize(1400, 900);
    QTest::newRow("small") << QSize(300, 200);
}

void tst_ShellForms::homeScreenSplitsSpace()
{
    QFETCH(QSize, size);

    BuiltForm<IBrimoHomeClass> home(testFactory()->createBrimoHome());
    home.host()->resize(size);
    showAndSettle(home.host());
    QCOMPARE(home.host()->size(), size);

    // Ten pixels free at the top; the tray slot keeps 54, the rest is content.
    QCOMPARE(home->frame()->geometry(), QRect(0, 10, size.width(), size.height() - 10 - 54));
    QCOMPARE(home->frame_BottomTray()->geometry(), QRect(0, size.height() - 54, size.width(), 54));

    // The scroll-bar column is as wide as the scroll bar; the content takes the rest.
    QScrollBar *bar = home->verticalScrollBar_Home();
    QCOMPARE(bar->orientation(), Qt::Vertical);
    const int barWidth = bar->sizeHint().width();
    QCOMPARE(home->frame_Home_2()->width(), barWidth);
    QCOMPARE(home->frame_Home()->geometry(), QRect(0, 0, size.width() - barWidth, home->frame()->height()));

    // The bar starts 56 pixels down and ends 2 pixels short of the bottom.
    QCOMPARE(bar->geometry(), QRect(0, 56, barWidth, home->frame_Home_2()->height() - 56 - 2));

    // The host's two slots come with empty layouts.
    QCOMPARE(home->frame_Home()->layout(), home->horizontalLayout_3());
    QCOMPARE(home->horizontalLayout_3()->count(), 0);
    QCOMPARE(home->frame_BottomTray()->layout(), home->horizontalLayout_2());
    QCOMPARE(home->horizontalLayout_2()->count(), 0);
    home.host()->hide();
}

QTEST_MAIN(tst_ShellForms)
#include "tst_shellforms.moc"
