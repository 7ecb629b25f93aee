// The dialog forms: the message box, the ribbon dialog and the application
// update dialog, as the host sizes them, picks their pages and fills them.
//
// The host's images are not available here; the skins are checked through
// what Qt makes of them on the widgets (fonts, text colours, sizes).

#include "builtform.h"
#include "warningguard.h"

#include <QtGui/QFontInfo>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>

namespace {

QString operator""_q(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(size));
}

// Longer than the icon column beside it, once wrapped.
const QString LongPrompt = "Billedet kunne ikke gemmes, fordi der ikke er plads nok på disken. Frigør plads, "
                           "eller vælg en anden mappe, og prøv igen. Ændringerne er ikke gået tabt; de ligger "
                           "i en midlertidig kopi, indtil programmet lukkes. Vil du se, hvilke filer der fylder "
                           "mest på disken, så åbn mappen med dine billeder og sorter efter størrelse."_q;

// The widget's rectangle in the coordinates of `ancestor`.
QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The host widget, shown at `size` with the page of `stack` at `index`.
std::unique_ptr<QWidget> shownForm(const QString &form, QSize size, const QString &stack = QString(), int index = 0)
{
    std::unique_ptr<QWidget> host(buildFormByName(form));
    if (!stack.isEmpty())
        child<QStackedWidget>(host.get(), stack)->setCurrentIndex(index);
    host->resize(size);
    showAndSettle(host.get());
    return host;
}

} // namespace

class tst_DialogForms : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void startPages_data();
    void startPages();
    void buttons_data();
    void buttons();
    void sheetsReachTheWidgets_data();
    void sheetsReachTheWidgets();
    void messageBoxWidth_data();
    void messageBoxWidth();
    void longPromptWrapsAndGrows();
    void ribbonBands_data();
    void ribbonBands();
    void updateProgressBar();
};

void tst_DialogForms::cleanup()
{
    // Nothing a test shows may outlive it.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

// ---------------------------------------------------------------------------
// All three forms

void tst_DialogForms::startPages_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("stack");
    QTest::addColumn<QString>("page");

    QTest::newRow("box band is red") << "MsgBoxClass"_q << "stackedWidget"_q << "page_Error"_q;
    QTest::newRow("box icon is information") << "MsgBoxClass"_q << "stackedWidget_3"_q << "page_IconInfo"_q;
    QTest::newRow("box asks ok or cancel") << "MsgBoxClass"_q << "stackedWidget_2"_q << "page_OKCancel"_q;
    QTest::newRow("ribbon content") << "RibbonDialogClass"_q << "stackedWidget"_q << "page_2"_q;
    QTest::newRow("ribbon asks ok or cancel") << "RibbonDialogClass"_q << "stackedWidget_Buttons"_q
                                              << "page_OKCancel"_q;
    QTest::newRow("update asks first") << "AppUpdateClass"_q << "stackedWidget"_q << "page_2"_q;
}

void tst_DialogForms::startPages()
{
    QFETCH(QString, form);
    QFETCH(QString, stack);
    QFETCH(QString, page);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    auto *widget = child<QStackedWidget>(host.get(), stack);
    QVERIFY(widget && widget->currentWidget());
    QCOMPARE(widget->currentWidget()->objectName(), page);

    // The texts the host fills start out empty.
    for (const char *name : {"label_Prompt", "label_title", "label_title_1"}) {
        if (auto *label = host->findChild<QLabel *>(QLatin1String(name)))
            QVERIFY2(label->text().isEmpty(), name);
    }
}

void tst_DialogForms::buttons_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("stack");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("row"); // left to right
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<bool>("centred"); // otherwise at the right end

    const QString box = "MsgBoxClass"_q, ribbon = "RibbonDialogClass"_q, update = "AppUpdateClass"_q;
    const QString boxButtons = "stackedWidget_2"_q, ribbonButtons = "stackedWidget_Buttons"_q;
    QTest::newRow("box ok") << box << boxButtons << 0 << QStringList{"toolButton_OK"} << QStringList{"OK"} << 37 << 0
                            << true;
    QTest::newRow("box yes no") << box << boxButtons << 1 << QStringList{"toolButton_Yes", "toolButton_No"}
                                << QStringList{"Ja", "Nej"} << 37 << 10 << true;
    QTest::newRow("box ok cancel") << box << boxButtons << 2 << QStringList{"toolButton_OK_1", "toolButton_Cancel"}
                                   << QStringList{"OK", "Annuller"} << 37 << 10 << true;
    QTest::newRow("ribbon ok cancel") << ribbon << ribbonButtons << 0
                                      << QStringList{"toolButton_OK", "toolButton_Cancel"}
                                      << QStringList{"OK", "Annuller"} << 41 << 6 << false;
    QTest::newRow("ribbon yes no") << ribbon << ribbonButtons << 1 << QStringList{"toolButton_Yes", "toolButton_No"}
                                   << QStringList{"Ja", "Nej"} << 41 << 6 << false;
    QTest::newRow("ribbon ok") << ribbon << ribbonButtons << 2 << QStringList{"toolButton_OK_2"} << QStringList{"OK"}
                               << 41 << 0 << false;
    QTest::newRow("update no yes") << update << "stackedWidget"_q << 0
                                   << QStringList{"toolButton_No", "toolButton_Yes"} << QStringList{"Nej", "Ja"}
                                   << 41 << 6 << false;
    QTest::newRow("update cancel") << update << "stackedWidget"_q << 1 << QStringList{"toolButton_Cancel"}
                                   << QStringList{"Annuller"} << 41 << 0 << false;
}

void tst_DialogForms::buttons()
{
    QFETCH(QString, form);
    QFETCH(QString, stack);
    QFETCH(int, page);
    QFETCH(QStringList, row);
    QFETCH(QStringList, texts);
    QFETCH(int, height);
    QFETCH(int, spacing);
    QFETCH(bool, centred);

    WarningGuard guard;
    std::unique_ptr<QWidget> host = shownForm(form, QSize(700, 400), stack, page);
    QList<QToolButton *> buttons;
    for (const QString &name : qAsConst(row)) {
        auto *button = child<QToolButton>(host.get(), name);
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QCOMPARE(button->text(), texts.at(buttons.size()));
        QCOMPARE(button->height(), height);
        QVERIFY(button->width() >= 100);
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
        QVERIFY(button->autoExclusive());
        buttons << button;
    }
    // All of a row's buttons share one parent: the row's frame or page.
    QWidget *parent = buttons.first()->parentWidget();
    for (int i = 1; i < buttons.size(); ++i) {
        QCOMPARE(buttons.at(i)->parentWidget(), parent);
        QCOMPARE(buttons.at(i)->y(), buttons.first()->y());
        QCOMPARE(buttons.at(i)->x(), buttons.at(i - 1)->geometry().right() + 1 + spacing);
    }
    const int left = buttons.first()->x();
    const int right = parent->width() - 1 - buttons.last()->geometry().right();
    if (centred)
        QVERIFY2(qAbs(left - right) <= 1, qPrintable(QStringLiteral("%1 | %2").arg(left).arg(right)));
    else
        QCOMPARE(right, 0);

    // Painting with focus and while disabled runs every state rule of the
    // skins through Qt's style-sheet parser.
    buttons.first()->setFocus(Qt::TabFocusReason);
    host->grab();
    host->setEnabled(false);
    host->grab();
    guard.verifyNone();
}

void tst_DialogForms::sheetsReachTheWidgets_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("disabled");

    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor grey("#999999");
    QTest::newRow("box accepts in bold") << "MsgBoxClass"_q << "toolButton_Yes"_q << true << black << grey;
    QTest::newRow("box cancels plainly") << "MsgBoxClass"_q << "toolButton_Cancel"_q << false << black << grey;
    QTest::newRow("box prompt") << "MsgBoxClass"_q << "label_Prompt"_q << false << QColor("#363636")
                                << QColor("#363636");
    QTest::newRow("ribbon light") << "RibbonDialogClass"_q << "toolButton_OK"_q << false << black << grey;
    QTest::newRow("ribbon secondary") << "RibbonDialogClass"_q << "toolButton_No"_q << false << white << grey;
    QTest::newRow("ribbon prompt") << "RibbonDialogClass"_q << "label_Prompt"_q << false << white << white;
    QTest::newRow("update yes is light") << "AppUpdateClass"_q << "toolButton_Yes"_q << false << black << grey;
    QTest::newRow("update no is secondary") << "AppUpdateClass"_q << "toolButton_No"_q << false << white << grey;
}

void tst_DialogForms::sheetsReachTheWidgets()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(QColor, disabled);

    std::unique_ptr<QWidget> host(buildFormByName(form));
    QWidget *widget = child(host.get(), object);
    QVERIFY(widget);
    widget->ensurePolished();
    QCOMPARE(QFontInfo(widget->font()).pixelSize(), 16);
    QCOMPARE(widget->font().bold(), bold);
    const QPalette::ColorRole role = widget->foregroundRole();
    QCOMPARE(widget->palette().color(QPalette::Active, role), colour);
    QCOMPARE(widget->palette().color(QPalette::Disabled, role), disabled);
}

// ---------------------------------------------------------------------------
// Message box

void tst_DialogForms::messageBoxWidth_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("initial") << 348;
    QTest::newRow("short") << 250;
    QTest::newRow("tall") << 700;
}

void tst_DialogForms::messageBoxWidth()
{
    QFETCH(int, height);

    // The host cannot make the box wider or narrower; the card sits inside
    // the shadow's borders, below its coloured band.
    std::unique_ptr<QWidget> host = shownForm("MsgBoxClass"_q, QSize(900, height));
    auto *shadow = child<QFrame>(host.get(), "frame_Shadow"_q);
    auto *card = child<QFrame>(host.get(), "frame"_q);
    auto *band = child<QStackedWidget>(host.get(), "stackedWidget"_q);
    QVERIFY(shadow && card && band);
    QCOMPARE(host->width(), 572);
    QCOMPARE(shadow->geometry(), host->rect());
    QCOMPARE(card->width(), 450);
    QCOMPARE(rectIn(card, shadow).x(), (572 - 450) / 2);
    QCOMPARE(band->geometry(), QRect(0, 0, 450, 12));

    // The icon stands 40 pixels in and 23 down, 60 by 60.
    auto *icon = child<QStackedWidget>(host.get(), "stackedWidget_3"_q);
    QVERIFY(icon);
    QCOMPARE(icon->size(), QSize(60, 60));
    const QRect iconRect = rectIn(icon, card);
    QCOMPARE(iconRect.x(), 40);
    QCOMPARE(iconRect.y(), 12 + 23);
}

void tst_DialogForms::longPromptWrapsAndGrows()
{
    std::unique_ptr<QWidget> host = shownForm("MsgBoxClass"_q, QSize(572, 348));
    auto *prompt = child<QLabel>(host.get(), "label_Prompt"_q);
    QVERIFY(prompt);
    // A new text reaches the outer layouts once the pending layout requests
    // have run.
    prompt->setText("Gem ændringerne?"_q);
    settle();
    const int shortHeight = host->heightForWidth(572);
    prompt->setText(LongPrompt);
    settle();
    const int longHeight = host->heightForWidth(572);
    QVERIFY2(shortHeight > 0 && longHeight > shortHeight,
             qPrintable(QStringLiteral("%1 %2").arg(shortHeight).arg(longHeight)));

    // Given the height it asks for, the box shows the whole text.
    host->resize(572, longHeight);
    settle();
    QCOMPARE(host->width(), 572);
    QCOMPARE(host->height(), longHeight);
    // The text wraps within the card: several lines, all of them shown.
    const int lineHeight = QFontMetrics(prompt->font()).lineSpacing();
    QVERIFY(prompt->height() >= prompt->heightForWidth(prompt->width()));
    QVERIFY(prompt->heightForWidth(prompt->width()) >= 2 * lineHeight);
    QVERIFY(rectIn(prompt, host.get()).right() < rectIn(child(host.get(), "frame"_q), host.get()).right());
}

// ---------------------------------------------------------------------------
// Ribbon dialogs

void tst_DialogForms::ribbonBands_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("offered");

    for (const QString &form : {"RibbonDialogClass"_q, "AppUpdateClass"_q}) {
        const QByteArray f = form.toLatin1();
        QTest::addRow("%s initial", f.constData()) << form << QSize(632, 315);
        QTest::addRow("%s narrow", f.constData()) << form << QSize(300, 100);
        QTest::addRow("%s large", f.constData()) << form << QSize(1280, 900);
    }
}

void tst_DialogForms::ribbonBands()
{
    QFETCH(QString, form);
    QFETCH(QSize, offered);

    std::unique_ptr<QWidget> host = shownForm(form, offered);
    auto *top = child<QFrame>(host.get(), "frame_top"_q);
    auto *band = child<QFrame>(host.get(), "frame_4"_q);
    auto *bottom = child<QFrame>(host.get(), "frame_bottom"_q);
    auto *column = child<QFrame>(host.get(), "frame_2"_q);
    QVERIFY(top && band && bottom && column);

    // The window stays between 315 and 460 pixels high.
    QVERIFY(host->height() >= 315 && host->height() <= 460);
    QCOMPARE(host->width(), qMax(offered.width(), 480));

    // Shadow strips of fixed height above and below the gradient band; all
    // three span the window.
    QCOMPARE(top->height(), 33);
    QCOMPARE(bottom->height(), 42);
    // The band takes the spare height, between 240 and 385 pixels.
    QCOMPARE(top->y(), 0);
    QCOMPARE(band->y(), 33);
    QCOMPARE(band->height(), host->height() - 33 - 42);
    QCOMPARE(bottom->y(), band->geometry().bottom() + 1);
    for (const QFrame *frame : {top, band, bottom})
        QCOMPARE(frame->width(), host->width());

    // The content column is 480 pixels wide, centred in the band.
    QCOMPARE(column->width(), 480);
    QCOMPARE(column->height(), band->height());
    QVERIFY(qAbs(column->x() - (band->width() - 480 - column->x())) <= 1);

    // The shadow strips lie over the band.
    const QObjectList stacking = top->parent()->children();
    QVERIFY(stacking.indexOf(top) > stacking.indexOf(band));
}

void tst_DialogForms::updateProgressBar()
{
    std::unique_ptr<QWidget> host = shownForm("AppUpdateClass"_q, QSize(632, 315), "stackedWidget"_q, 1);
    auto *bar = child<QProgressBar>(host.get(), "progressBar"_q);
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->size(), QSize(480, 20));
    QCOMPARE(bar->value(), 0);
    QVERIFY(!bar->isTextVisible());

    // The bar stands under the title and the line, the cancel button at the
    // page's bottom right.
    auto *line = child<QLabel>(host.get(), "label_line_3"_q);
    auto *cancel = child<QToolButton>(host.get(), "toolButton_Cancel"_q);
    QVERIFY(line && cancel);
    QWidget *page = bar->parentWidget();
    QVERIFY(rectIn(line, page).bottom() < bar->y());
    QCOMPARE(cancel->geometry().bottom(), page->height() - 1 - 30);
}

// Not covered: the pictures themselves (the host's resources), and the
// hover and pressed faces, which need the images to tell apart.

QTEST_MAIN(tst_DialogForms)
#include "tst_dialogforms.moc"
