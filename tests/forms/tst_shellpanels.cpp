// The library header panels (group header, filter tabs, view-mode switch), the
// applications page and the two busy indicators: what the host relies on
// beyond the generic contract: fixed bands, start states, tab widths, texts
// and the images the skins name.

#include "builtform.h"
#include "multistatetoolbutton.h"
#include "warningguard.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>
#include <QtTest/QtTest>
#include <QtWidgets/QBoxLayout>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>

#include <memory>

namespace {

const QString kResources = QStringLiteral(":/quorvel/UIResources/");

std::unique_ptr<QWidget> buildForm(const QString &form)
{
    return std::unique_ptr<QWidget>(buildFormByName(form));
}

QWidget *member(QWidget *host, const QString &name)
{
    if (host->objectName() == name)
        return host;
    return host->findChild<QWidget *>(name);
}

// Lays the host out inside a container of the given size, as a host window
// would, and shows it.
std::unique_ptr<QWidget> placeInContainer(QWidget *host, Qt::Orientation direction, const QSize &size)
{
    auto container = std::make_unique<QWidget>();
    auto *layout = new QBoxLayout(direction == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                  container.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(host);
    container->resize(size);
    container->show();
    layout->activate();
    return container;
}

void settle(QWidget *top)
{
    top->show();
    if (top->layout())
        top->layout()->activate();
    QCoreApplication::processEvents();
    // Nested layouts follow their parents' resize events.
    QCoreApplication::processEvents();
}

QString textOf(QObject *object, const char *property)
{
    return object->property(property).toString();
}

// Qt's complaints about the forms themselves (a sheet it cannot parse, a bad
// property), without those about the test set-up: the host's images are not
// here, and the offscreen platform cannot propagate size hints.
QStringList sheetWarnings(QStringList warnings)
{
    warnings.removeAll(QStringLiteral("This plugin does not support propagateSizeHints()"));
    const QString missingImage = QStringLiteral("Could not create pixmap from ") + kResources;
    for (int i = warnings.size() - 1; i >= 0; --i) {
        if (warnings.at(i).startsWith(missingImage))
            warnings.removeAt(i);
    }
    return warnings;
}

int boldTextWidth(const QWidget *widget, const QString &text)
{
    QFont font = widget->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

class tst_ShellPanels : public QObject
{
    Q_OBJECT

private slots:
    void bandsKeepTheirSize_data();
    void bandsKeepTheirSize();

    void danishTexts_data();
    void danishTexts();

    void sheetsNameTheirImages_data();
    void sheetsNameTheirImages();

    void groupHeaderStartsExpanded();
    void groupHeaderTitleAreaTakesSpareWidth_data();
    void groupHeaderTitleAreaTakesSpareWidth();
    void groupHeaderSeparatorStartsAt19();
    void groupHeaderTabOrder();

    void filterTabWidthsFollowTheirTexts_data();
    void filterTabWidthsFollowTheirTexts();
    void filterTabStartsOnTheBackPage();

    void viewModeButtonsFillThePanel();

    void appsPageBands_data();
    void appsPageBands();
    void appsPageTilesAndButtons();
    void appsPageDescriptionWraps();

    void loadProgressBarStaysCentred_data();
    void loadProgressBarStaysCentred();
    void loadProgressStartsEmpty();

    void buildsAndPaintsWithoutWarnings_data();
    void buildsAndPaintsWithoutWarnings();
};

void tst_ShellPanels::bandsKeepTheirSize_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<Qt::Orientation>("direction");
    QTest::addColumn<QSize>("container");
    QTest::addColumn<int>("width");  // -1: whatever the layout gives
    QTest::addColumn<int>("height"); // -1: whatever the layout gives

    const auto V = Qt::Vertical;
    const auto H = Qt::Horizontal;
    for (const QSize &size : {QSize(1200, 600), QSize(500, 20)}) {
        const QByteArray at = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
        QTest::addRow("group header 41 high, %s", at.constData()) << "GroupHeaderClass" << "GroupHeaderClass" << V << size << -1 << 41;
        QTest::addRow("group separator 1 high, %s", at.constData()) << "GroupHeaderClass" << "label" << V << size << -1 << 1;
        QTest::addRow("group delete 56x32, %s", at.constData()) << "GroupHeaderClass" << "toolButton_Delete" << V << size << 56 << 32;
        QTest::addRow("group slideshow 56x32, %s", at.constData())
            << "GroupHeaderClass" << "toolButton_Slideshow" << V << size << 56 << 32;
        QTest::addRow("group expand 19x19, %s", at.constData()) << "GroupHeaderClass" << "toolButton_Expand" << V << size << 19 << 19;
        QTest::addRow("group save 36 high, %s", at.constData()) << "GroupHeaderClass" << "toolButton_Save" << V << size << -1 << 36;
        QTest::addRow("filter row 46 high, %s", at.constData()) << "FilterTabClass" << "FilterTabClass" << V << size << -1 << 46;
        QTest::addRow("filter panel 38 high, %s", at.constData()) << "FilterTabClass" << "frame_Panel" << V << size << -1 << 38;
        QTest::addRow("view mode 119 wide, %s", at.constData())
            << "ViewModePanelClass" << "ViewModePanelClass" << H << size << 119 << -1;
        QTest::addRow("view mode buttons 117 wide, %s", at.constData())
            << "ViewModePanelClass" << "frame_3" << H << size << 117 << -1;
        QTest::addRow("progress bar 270x12, %s", at.constData()) << "LoadProgressClass" << "progressBar" << V << size << 270 << 12;
        for (const char *object : {"FlowerClass", "frame", "label"}) {
            QTest::addRow("busy square %s, %s", object, at.constData())
                << "FlowerClass" << object << V << size << 200 << 200;
            QTest::addRow("busy square %s in a row, %s", object, at.constData())
                << "FlowerClass" << object << H << size << 200 << 200;
        }
    }
}

void tst_ShellPanels::bandsKeepTheirSize()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(Qt::Orientation, direction);
    QFETCH(QSize, container);
    QFETCH(int, width);
    QFETCH(int, height);

    std::unique_ptr<QWidget> owned = buildForm(form);
    QWidget *host = owned.get();
    auto top = placeInContainer(owned.release(), direction, container);
    settle(top.get());

    QWidget *widget = member(host, object);
    QVERIFY(widget);
    if (width >= 0)
        QCOMPARE(widget->width(), width);
    if (height >= 0)
        QCOMPARE(widget->height(), height);
}

void tst_ShellPanels::danishTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("text");

    QTest::newRow("expand tool tip") << "GroupHeaderClass" << "toolButton_Expand" << QByteArray("toolTip")
                                     << QStringLiteral("Skjul/Udvid");
    QTest::newRow("slide show tool tip") << "GroupHeaderClass" << "toolButton_Slideshow" << QByteArray("toolTip")
                                         << QStringLiteral("Afspil diasshow");
    QTest::newRow("arrange") << "GroupHeaderClass" << "toolButton_Arrange" << QByteArray("text")
                             << QStringLiteral("Arrangér");
    QTest::newRow("add to") << "GroupHeaderClass" << "toolButton_AddTo" << QByteArray("text")
                            << QStringLiteral("Føj til");
    QTest::newRow("cancel") << "GroupHeaderClass" << "toolButton_Cancel" << QByteArray("text")
                            << QStringLiteral("Annuller");
    QTest::newRow("group title empty") << "GroupHeaderClass" << "label_Title" << QByteArray("text") << QString();
    QTest::newRow("import tab") << "FilterTabClass" << "toolButton_Import" << QByteArray("text")
                                << QStringLiteral("IMPORTÉR");
    QTest::newRow("back tab") << "FilterTabClass" << "toolButton_BackNavi" << QByteArray("text")
                              << QStringLiteral("TILBAGE TIL VENNERS FOTO");
    QTest::newRow("grid view tool tip") << "ViewModePanelClass" << "toolButton_GridView" << QByteArray("toolTip")
                                        << QStringLiteral("Gittervisning");
    QTest::newRow("apps heading") << "AppsPageClass" << "label" << QByteArray("text")
                                  << QStringLiteral("Fotoprogrammer");
    QTest::newRow("apps description")
        << "AppsPageClass" << "label_2" << QByteArray("text")
        << QStringLiteral("Find nemme metoder, hvorpå du kan scanne, organisere, redigere og dele dine digitale "
                          "fotos og videoer.");
    QTest::newRow("open live") << "AppsPageClass" << "button_openWinLive" << QByteArray("text")
                               << QStringLiteral("Åbn");
    QTest::newRow("loading title empty") << "LoadProgressClass" << "label_Title" << QByteArray("text") << QString();
    QTest::newRow("busy square empty") << "FlowerClass" << "label" << QByteArray("text") << QString();
}

void tst_ShellPanels::danishTexts()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, text);

    std::unique_ptr<QWidget> host = buildForm(form);
    QWidget *widget = member(host.get(), object);
    QVERIFY(widget);
    QCOMPARE(textOf(widget, property.constData()), text);
}

void tst_ShellPanels::sheetsNameTheirImages_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QStringList>("images");

    QTest::newRow("expand toggle") << "GroupHeaderClass" << "toolButton_Expand"
                                   << QStringList{"collapsedgrid_openedtitle_normal.png",
                                                  "collapsedgrid_openedtitle_hover.png",
                                                  "collapsedgrid_openedtitle_push.png",
                                                  "collapsedgrid_closedtitle_normal.png",
                                                  "collapsedgrid_closedtitle_hover.png",
                                                  "collapsedgrid_closedtitle_push.png"};
    QTest::newRow("slide show") << "GroupHeaderClass" << "toolButton_Slideshow"
                                << QStringList{"btn_slidershow_normal.png", "btn_slidershow_hover.png",
                                               "btn_slidershow_push.png", "btn_slidershow_focus.png",
                                               "btn_slidershow_disable.png"};
    QTest::newRow("delete") << "GroupHeaderClass" << "toolButton_Delete"
                            << QStringList{"btn_del_normal.png", "btn_del_hover.png", "btn_del_push.png",
                                           "btn_del_focus.png", "btn_del_disable.png"};
    QTest::newRow("arrange") << "GroupHeaderClass" << "toolButton_Arrange"
                             << QStringList{"btn_collapsedgrid1_normal.png", "btn_collapsedgrid1_disable.png"};
    QTest::newRow("save") << "GroupHeaderClass" << "toolButton_Save"
                          << QStringList{"btn_collapsedgrid2_normal.png", "btn_collapsedgrid2_hover.png",
                                         "btn_collapsedgrid2_push.png", "btn_collapsedgrid2_focus.png",
                                         "btn_collapsedgrid2_disable.png"};
    QTest::newRow("cancel") << "GroupHeaderClass" << "toolButton_Cancel"
                            << QStringList{"btn_collapsedgrid1_normal.png", "btn_collapsedgrid1_focus.png"};
    QTest::newRow("filter panel") << "FilterTabClass" << "frame_Panel"
                                  << QStringList{"ribbonnav_focus.png", "ribbonnav_push.png"};
    QTest::newRow("filter tab") << "FilterTabClass" << "toolButton_MyPhotos" << QStringList{"ribbonnav_focus.png"};
    QTest::newRow("stack view") << "ViewModePanelClass" << "toolButton_StackView"
                                << QStringList{"stack_active_normal.png", "stack_active_hover.png",
                                               "stack_active_push.png"};
    QTest::newRow("grid view") << "ViewModePanelClass" << "toolButton_GridView"
                               << QStringList{"grid_active_normal.png", "grid_active_hover.png",
                                              "grid_active_push.png"};
    QTest::newRow("product icon") << "AppsPageClass" << "frame_6" << QStringList{"vexaro_icon.png"};
    QTest::newRow("pse tile") << "AppsPageClass" << "frame_pse" << QStringList{"app_pse_bg.png"};
    QTest::newRow("pre tile") << "AppsPageClass" << "frame_pre" << QStringList{"app_pre_bg.png"};
    QTest::newRow("live tile") << "AppsPageClass" << "frame_winLive" << QStringList{"app_windowslive_bg.png"};
    QTest::newRow("open button") << "AppsPageClass" << "button_openPre"
                                 << QStringList{"btn_light_normal.png", "btn_light_hover.png", "btn_light_push.png",
                                                "btn_light_focus.png", "btn_light_disable.png"};
    QTest::newRow("progress bar") << "LoadProgressClass" << "progressBar"
                                  << QStringList{"progress_bg.png", "progress.png"};
}

void tst_ShellPanels::sheetsNameTheirImages()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QStringList, images);

    std::unique_ptr<QWidget> host = buildForm(form);
    QWidget *widget = member(host.get(), object);
    QVERIFY(widget);
    const QString sheet = widget->styleSheet();
    for (const QString &image : images)
        QVERIFY2(sheet.contains(QStringLiteral("url(") + kResources + image + QLatin1Char(')')), qPrintable(image));
}

void tst_ShellPanels::groupHeaderStartsExpanded()
{
    BuiltForm<IGroupHeaderClass> header(testFactory()->createGroupHeader());
    QToolButton *expand = header->toolButton_Expand();
    QVERIFY(expand->isCheckable());
    QVERIFY(expand->isChecked());
    QVERIFY(!expand->autoExclusive());
    // A click collapses, a second one expands again.
    expand->click();
    QVERIFY(!expand->isChecked());
    expand->click();
    QVERIFY(expand->isChecked());
}

void tst_ShellPanels::groupHeaderTitleAreaTakesSpareWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("designed width") << 754;
    QTest::newRow("wide") << 1280;
    QTest::newRow("narrow") << 700;
}

void tst_ShellPanels::groupHeaderTitleAreaTakesSpareWidth()
{
    QFETCH(int, width);
    BuiltForm<IGroupHeaderClass> header(testFactory()->createGroupHeader());
    QWidget *host = header.host();
    host->resize(width, 41);
    settle(host);

    // The buttons keep their widths; the title area takes the rest of the row.
    int buttons = 0;
    QList<QWidget *> row{header->toolButton_Slideshow(), header->toolButton_Arrange(), header->toolButton_AddTo(),
                         header->frame_7(), header->toolButton_Save(), header->toolButton_Cancel()};
    for (QWidget *w : row)
        buttons += w->width();
    const int spacing = header->horizontalLayout_3()->spacing();
    QCOMPARE(spacing, 10);
    QCOMPARE(header->frame_3()->width(), header->frame_5()->width() - buttons - spacing * row.size());
    QCOMPARE(header->frame_7()->width(), 10 + 56); // the gap before the delete button
    QCOMPARE(header->toolButton_Delete()->x(), 10);
    // The title sits centred vertically in its band.
    QFrame *title = header->frame_4();
    QVERIFY(qAbs(title->y() - (header->frame_3()->height() - title->y() - title->height())) <= 1);
}

void tst_ShellPanels::groupHeaderSeparatorStartsAt19()
{
    BuiltForm<IGroupHeaderClass> header(testFactory()->createGroupHeader());
    QWidget *host = header.host();
    host->resize(754, 41);
    host->setStyleSheet(QStringLiteral("QWidget#GroupHeaderClass{background: white;}"));
    settle(host);

    QLabel *line = header->label();
    QCOMPARE(line->height(), 1);
    QCOMPARE(line->y() + line->height(), host->height() - 4); // 4 pixels below the line
    QCOMPARE(line->contentsRect().left(), 19);

    const QImage image = host->grab().toImage();
    const QPoint origin = line->mapTo(host, QPoint(0, 0));
    const QRgb grey = qRgb(0x66, 0x66, 0x66);
    QCOMPARE(image.pixel(origin.x() + 19, origin.y()) & 0xffffff, grey & 0xffffff);
    QCOMPARE(image.pixel(origin.x() + line->width() - 1, origin.y()) & 0xffffff, grey & 0xffffff);
    QVERIFY(image.pixel(origin.x() + 18, origin.y()) != grey);
}

void tst_ShellPanels::groupHeaderTabOrder()
{
    BuiltForm<IGroupHeaderClass> header(testFactory()->createGroupHeader());
    const QList<QWidget *> chain{header->toolButton_Expand(), header->toolButton_Slideshow(),
                                 header->toolButton_Arrange(), header->toolButton_AddTo(),
                                 header->toolButton_Save(), header->toolButton_Cancel()};
    // Tab goes from each button to the next one of the list; frames on the way
    // take no focus.
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QWidget *next = chain.at(i)->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, chain.at(i + 1));
    }
}

void tst_ShellPanels::filterTabWidthsFollowTheirTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");
    QTest::newRow("all") << "toolButton_All" << QStringLiteral("ALLE");
    QTest::newRow("by date") << "toolButton_ByDate" << QStringLiteral("PR. DATO");
    QTest::newRow("collections") << "toolButton_Collections" << QStringLiteral("SAMLINGER");
    QTest::newRow("browse") << "toolButton_Browse" << QStringLiteral("GENNEMSE");
    QTest::newRow("import") << "toolButton_Import" << QStringLiteral("IMPORTÉR");
    QTest::newRow("friends") << "toolButton_MyFriends" << QStringLiteral("VENNERS FOTOS");
    QTest::newRow("mine") << "toolButton_MyPhotos" << QStringLiteral("MINE FOTOS");
    QTest::newRow("back") << "toolButton_BackNavi" << QStringLiteral("TILBAGE TIL VENNERS FOTO");
}

void tst_ShellPanels::filterTabWidthsFollowTheirTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, text);

    BuiltForm<IFilterTabClass> tabs(testFactory()->createFilterTab());
    auto *button = tabs.host()->findChild<MultiStateToolButton *>(object);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    // The text went through the button's own setText: the width is fixed to the
    // text in the button's font made bold (the form sets no padding).
    QCOMPARE(button->textPadding(), 0);
    const int expected = boldTextWidth(button, text);
    QCOMPARE(button->minimumWidth(), expected);
    QCOMPARE(button->maximumWidth(), expected);
    // The form leaves the sheet switching off: no selected sheet.
    QVERIFY(button->selectedSheet().isEmpty());
    QVERIFY(!button->isCheckable());

    tabs.host()->resize(900, 46);
    settle(tabs.host());
    tabs->stackedWidget()->setCurrentWidget(button->parentWidget()->parentWidget());
    settle(tabs.host());
    QCOMPARE(button->width(), expected);
}

void tst_ShellPanels::filterTabStartsOnTheBackPage()
{
    BuiltForm<IFilterTabClass> tabs(testFactory()->createFilterTab());
    QStackedWidget *stack = tabs->stackedWidget();
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->widget(0), tabs->page_Library());
    QCOMPARE(stack->widget(1), tabs->page_Social());
    QCOMPARE(stack->widget(2), tabs->page_Social2());
    QCOMPARE(stack->currentIndex(), 2);

    settle(tabs.host());
    QVERIFY(tabs->toolButton_BackNavi()->isVisible());
    QVERIFY(!tabs->toolButton_All()->isVisible());
    QVERIFY(!tabs->toolButton_MyFriends()->isVisible());

    // The host switches pages itself.
    stack->setCurrentWidget(tabs->page_Library());
    QVERIFY(tabs->toolButton_All()->isVisible());
    QVERIFY(!tabs->toolButton_BackNavi()->isVisible());
}

void tst_ShellPanels::viewModeButtonsFillThePanel()
{
    BuiltForm<IViewModePanelClass> panel(testFactory()->createViewModePanel());
    settle(panel.host());
    QToolButton *stack = panel->toolButton_StackView();
    QToolButton *grid = panel->toolButton_GridView();
    QCOMPARE(panel.host()->width(), 119);
    QCOMPARE(stack->size(), QSize(57, 36));
    QCOMPARE(grid->size(), QSize(60, 36));
    QCOMPARE(stack->width() + grid->width(), panel->frame_3()->width());
    QCOMPARE(grid->x(), stack->x() + stack->width()); // side by side, no gap
    // Plain buttons: the host shows the mode through the images, not a check state.
    QVERIFY(!stack->isCheckable());
    QVERIFY(!grid->isCheckable());
    QCOMPARE(stack->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(grid->focusPolicy(), Qt::StrongFocus);
}

void tst_ShellPanels::appsPageBands_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("designed") << QSize(851, 691);
    QTest::newRow("tall and wide") << QSize(1400, 1000);
    QTest::newRow("low") << QSize(851, 420);
}

void tst_ShellPanels::appsPageBands()
{
    QFETCH(QSize, size);
    BuiltForm<IAppsPageClass> page(testFactory()->createAppsPage());
    QWidget *host = page.host();
    host->resize(size);
    settle(host);

    QCOMPARE(page->frame_2()->height(), 297);
    QCOMPARE(page->frame_3()->height(), host->height() - 297); // the lower band takes the rest
    QCOMPARE(page->frame_4()->width(), 268);
    QCOMPARE(page->frame_5()->x(), 268 + 3);
    QCOMPARE(page->frame_7()->height(), 143);
    QCOMPARE(page->label()->y(), 143);
    QCOMPARE(page->frame_6()->geometry(), QRect(63, 92, 205, 205));
    QCOMPARE(page->frame_6()->geometry().right() + 1, page->frame_4()->width());
    QCOMPARE(page->frame_8()->geometry(), QRect(50, 18, 520, 180));
}

void tst_ShellPanels::appsPageTilesAndButtons()
{
    BuiltForm<IAppsPageClass> page(testFactory()->createAppsPage());
    settle(page.host());

    const QList<QFrame *> tiles{page->frame_pse(), page->frame_pre(), page->frame_winLive()};
    const QList<QToolButton *> buttons{page->button_openPse(), page->button_openPre(), page->button_openWinLive()};
    int x = 0;
    for (int i = 0; i < tiles.size(); ++i) {
        QFrame *tile = tiles.at(i);
        QCOMPARE(tile->geometry(), QRect(x, 0, 140, 180));
        x += 140 + 50;
        QToolButton *button = buttons.at(i);
        QCOMPARE(button->parentWidget(), tile);
        QCOMPARE(button->height(), 41);
        QCOMPARE(button->width(), 140);
        QCOMPARE(button->y() + button->height(), 180); // at the tile's foot
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    }

    // Raised in the order live, pre, pse: the pse tile ends on top.
    QList<QFrame *> stacking;
    for (QObject *child : page->frame_8()->children()) {
        if (auto *frame = qobject_cast<QFrame *>(child))
            stacking.append(frame);
    }
    QCOMPARE(stacking, (QList<QFrame *>{page->frame_winLive(), page->frame_pre(), page->frame_pse()}));
}

void tst_ShellPanels::appsPageDescriptionWraps()
{
    BuiltForm<IAppsPageClass> page(testFactory()->createAppsPage());
    QWidget *host = page.host();
    host->resize(700, 691);
    settle(host);

    QLabel *description = page->label_2();
    QVERIFY(description->wordWrap());
    QVERIFY(description->geometry().right() < page->frame_5()->width());
    const QFontMetrics metrics(description->font());
    QVERIFY2(metrics.horizontalAdvance(description->text()) > description->width(), "the test needs a long line");
    QVERIFY(description->height() >= 2 * metrics.height() - 2);
    QVERIFY(description->y() + description->height() <= page->frame_5()->height());
}

void tst_ShellPanels::loadProgressBarStaysCentred_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("designed") << QSize(284, 142);
    QTest::newRow("wide") << QSize(800, 142);
    QTest::newRow("tall") << QSize(400, 500);
}

void tst_ShellPanels::loadProgressBarStaysCentred()
{
    QFETCH(QSize, size);
    BuiltForm<ILoadProgressClass> panel(testFactory()->createLoadProgress());
    QWidget *host = panel.host();
    host->resize(size);
    settle(host);

    QProgressBar *bar = panel->progressBar();
    QCOMPARE(bar->size(), QSize(270, 12));
    const int left = bar->x();
    const int right = panel->frame()->width() - bar->x() - bar->width();
    QVERIFY2(qAbs(left - right) <= 1, qPrintable(QStringLiteral("%1 / %2").arg(left).arg(right)));
    // Top to bottom: icon area, title, bar, all across the full width.
    QFrame *icon = panel->frame_Icon();
    QLabel *title = panel->label_Title();
    QCOMPARE(icon->y(), 0);
    QVERIFY(icon->height() >= 100);
    QCOMPARE(title->y(), icon->y() + icon->height());
    QVERIFY(bar->y() >= title->y() + title->height());
    QCOMPARE(title->width(), panel->frame()->width());
    QCOMPARE(title->alignment(), Qt::AlignCenter);
}

void tst_ShellPanels::loadProgressStartsEmpty()
{
    BuiltForm<ILoadProgressClass> panel(testFactory()->createLoadProgress());
    QProgressBar *bar = panel->progressBar();
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QVERIFY(!bar->isTextVisible());
    QVERIFY(panel->label_Title()->text().isEmpty());
    QCOMPARE(panel->verticalLayout()->stretch(0), 1);
}

void tst_ShellPanels::buildsAndPaintsWithoutWarnings_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("focus");
    QTest::newRow("group header") << "GroupHeaderClass" << "toolButton_Cancel";
    QTest::newRow("filter tabs") << "FilterTabClass" << "toolButton_BackNavi";
    QTest::newRow("view mode") << "ViewModePanelClass" << "toolButton_GridView";
    QTest::newRow("apps page") << "AppsPageClass" << "button_openPre";
}

// Painting with focus and while disabled runs every state rule of the skins
// through Qt's style-sheet parser.
void tst_ShellPanels::buildsAndPaintsWithoutWarnings()
{
    QFETCH(QString, form);
    QFETCH(QString, focus);

    WarningGuard guard;
    std::unique_ptr<QWidget> host = buildForm(form);
    settle(host.get());
    QWidget *widget = member(host.get(), focus);
    QVERIFY(widget);
    widget->setFocus(Qt::TabFocusReason);
    host->grab();
    host->setEnabled(false);
    host->grab();
    QCOMPARE(sheetWarnings(guard.take()), QStringList());
}

QTEST_MAIN(tst_ShellPanels)
#include "tst_shellpanels.moc"
