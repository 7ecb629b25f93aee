#include "hostreactions.h"
#include "qnopagescrollbar.h"
#include "sliderrecorder.h"
#include "stockstyle.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QStyleOptionSlider>

#include <memory>

namespace {

class ProbeScrollBar : public QNoPageScrollBar
{
public:
    using QNoPageScrollBar::QNoPageScrollBar;
    using QNoPageScrollBar::initStyleOption;
};

// The value QScrollBar sets when a click on the page area jumps: the slider's
// centre lands on the click.
int jumpValue(ProbeScrollBar *bar, const QPoint &pos)
{
    QStyleOptionSlider opt;
    bar->initStyleOption(&opt);
    QStyle *style = bar->style();
    const QRect groove = style->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
    const QRect handle = style->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
    const int span = groove.right() - handle.width() + 1 - groove.x();
    return QStyle::sliderValueFromPosition(bar->minimum(), bar->maximum(),
                                           pos.x() - handle.width() / 2 - groove.x(), span,
                                           opt.upsideDown);
}

} // namespace

class tst_QNoPageScrollBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void styleHints();
    void drawsAsStock_data() { drawsAsStockRows(); }
    void drawsAsStock() { verifyDrawsAsStock<QNoPageScrollBar, QScrollBar>(); }
    void leftClickJumps_data();
    void leftClickJumps();
    void emptyRangeDoesNotStayHeld();
    void rightClickChangesNothing();
    void arrowClickDoesNotStayHeld_data();
    void arrowClickDoesNotStayHeld();
    void hiddenWhileHeldIsReleased();
    void deletedFromSliderPressed();
    void styleLivesWithWidget();

private:
    std::unique_ptr<WarningGuard> m_guard;
};

void tst_QNoPageScrollBar::styleHints()
{
    QNoPageScrollBar bar(nullptr);
    QStyle *style = bar.style();
    QCOMPARE(QByteArray(style->metaObject()->className()), QByteArrayLiteral("QNoPageScrollBarStyle"));
    QCOMPARE(style->styleHint(QStyle::SH_Slider_AbsoluteSetButtons), int(Qt::LeftButton));
    QCOMPARE(style->styleHint(QStyle::SH_Slider_PageSetButtons), int(Qt::MiddleButton));
    QVERIFY(style->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition));
}

void tst_QNoPageScrollBar::leftClickJumps_data()
{
    QTest::addColumn<QString>("sheet");

    QTest::newRow("no sheet") << QString();
    QTest::newRow("sheet") << QStringLiteral(
        "QScrollBar:horizontal { height: 16px; margin: 0 18px; }"
        "QScrollBar::handle:horizontal { min-width: 30px; background: gray; }"
        "QScrollBar::add-line:horizontal { width: 18px; subcontrol-position: right; }"
        "QScrollBar::sub-line:horizontal { width: 18px; subcontrol-position: left; }");
}

// QScrollBar does not read the slider hints: without its own hint a left
// click on the page area would page and leave the bar held.
void tst_QNoPageScrollBar::leftClickJumps()
{
    QFETCH(QString, sheet);

    ProbeScrollBar bar(nullptr);
    bar.setStyleSheet(sheet);
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(0, 1000);
    bar.setPageStep(50);
    bar.resize(400, 16);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    SliderRecorder recorder(&bar);
    const QPoint click(bar.width() * 3 / 4, bar.height() / 2);
    const int expected = jumpValue(&bar, click);
    QVERIFY2(expected > 100, "the click is not far from the slider");

    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, click);
    QVERIFY(bar.isSliderDown());
    QCOMPARE(bar.value(), expected);
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("pressed"),
                                        QStringLiteral("value %1 held").arg(expected)}));

    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, click);
    QVERIFY(!bar.isSliderDown());
    QCOMPARE(recorder.log.last(), QStringLiteral("released"));
    QCOMPARE(recorder.log.size(), 3);
}

void tst_QNoPageScrollBar::emptyRangeDoesNotStayHeld()
{
    QNoPageScrollBar bar(nullptr);
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(0, 0);
    bar.resize(300, 16);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(!bar.isSliderDown());
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(!bar.isSliderDown());
}

void tst_QNoPageScrollBar::rightClickChangesNothing()
{
    QNoPageScrollBar bar(nullptr);
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(0, 100);
    bar.resize(300, 16);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QSignalSpy pressed(&bar, &QAbstractSlider::sliderPressed);
    QTest::mousePress(&bar, Qt::RightButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(!bar.isSliderDown());
    QTest::mouseRelease(&bar, Qt::RightButton, Qt::NoModifier, QPoint(200, 8));
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(bar.value(), 0);
}

void tst_QNoPageScrollBar::arrowClickDoesNotStayHeld_data()
{
    QTest::addColumn<bool>("addLine");
    QTest::newRow("add line") << true;
    QTest::newRow("sub line") << false;
}

// QScrollBar ends the held state only for a press on the slider; a click on
// an arrow steps once and must leave the bar as a plain scroll bar is.
void tst_QNoPageScrollBar::arrowClickDoesNotStayHeld()
{
    QFETCH(bool, addLine);
    ProbeScrollBar bar(nullptr);
    bar.setOrientation(Qt::Horizontal);
    bar.setRange(0, 100);
    bar.setValue(50);
    bar.resize(300, 16);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QStyleOptionSlider opt;
    bar.initStyleOption(&opt);
    const QRect arrow = bar.style()->subControlRect(
        QStyle::CC_ScrollBar, &opt, addLine ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, &bar);
    QVERIFY(!arrow.isEmpty());

    SliderRecorder recorder(&bar);
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QVERIFY(!bar.isSliderDown());
    QCOMPARE(bar.value(), addLine ? 51 : 49);
    QCOMPARE(recorder.log.first(), QStringLiteral("pressed"));
    QCOMPARE(recorder.log.last(), QStringLiteral("released"));
    QCOMPARE(recorder.log.count(QStringLiteral("released")), 1);
}

void tst_QNoPageScrollBar::hiddenWhileHeldIsReleased()
{
    QWidget window;
    auto *bar = new QNoPageScrollBar(&window);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(0, 1000);
    bar->resize(300, 16);
    window.resize(300, 16);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SliderRecorder recorder(bar);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(bar->isSliderDown());
    bar->hide();
    QVERIFY(!bar->isSliderDown());
    QCOMPARE(recorder.log.last(), QStringLiteral("released"));

    // The release of the gesture, wherever it went, and a later show.
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    bar->show();
    QVERIFY(!bar->isSliderDown());
    QCOMPARE(recorder.log.count(QStringLiteral("released")), 1);
}

// A host may close the panel when the user grabs the bar; the bar must not
// touch itself afterwards, nor leave the press for Qt to hand on through it.
// (QAbstractSlider itself reads its state after sliderReleased() and
// valueChanged(), so deleting from those is unsafe with any Qt slider.)
void tst_QNoPageScrollBar::deletedFromSliderPressed()
{
    QWidget window;
    EventCounter parentSaw(&window, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease});
    QPointer<QNoPageScrollBar> bar = new QNoPageScrollBar(&window);
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(0, 1000);
    bar->resize(300, 16);
    window.resize(300, 16);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    deleteFromSignal(bar.data(), &QAbstractSlider::sliderPressed);

    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(200, 8));
    QVERIFY(bar.isNull());
    QCOMPARE(parentSaw.count, 0);
}

void tst_QNoPageScrollBar::styleLivesWithWidget()
{
    auto first = std::make_unique<QNoPageScrollBar>(nullptr);
    QNoPageScrollBar second(nullptr);
    QPointer<QStyle> style = first->style();
    QVERIFY(style);
    QVERIFY(style != second.style());

    first.reset();
    QVERIFY(style.isNull());
}

QTEST_MAIN(tst_QNoPageScrollBar)
#include "tst_qnopagescrollbar.moc"
