#include "hostreactions.h"
#include "qnopageslider.h"
#include "sliderrecorder.h"
#include "stockstyle.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QStyleOptionSlider>
#include <QtWidgets/QVBoxLayout>

#include <memory>

namespace {

class ProbeSlider : public QNoPageSlider
{
public:
    using QNoPageSlider::QNoPageSlider;
    using QNoPageSlider::initStyleOption;
};

// The value QSlider sets when it jumps to 'pos' (the handle's centre lands on
// the click), computed from the slider's current style, sheets included.
int jumpValue(ProbeSlider *slider, const QPoint &pos)
{
    QStyleOptionSlider opt;
    slider->initStyleOption(&opt);
    QStyle *style = slider->style();
    const QRect groove = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, slider);
    const QRect handle = style->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    const int handleOffset = handle.center().x() - handle.left();
    const int span = groove.right() - handle.width() + 1 - groove.x();
    return QStyle::sliderValueFromPosition(slider->minimum(), slider->maximum(),
                                           pos.x() - handleOffset - groove.x(), span,
                                           opt.upsideDown);
}

// What the host sees of one slider: its signals in order, and whether the
// slider was held at each value change.

const QString kSliderSheet = QStringLiteral(
    "QSlider::groove:horizontal { height: 6px; margin: 0 4px; background: gray; }"
    "QSlider::handle:horizontal { width: 14px; margin: -4px 0; background: white; }"
    "QSlider:focus { border: 1px solid blue; }");

} // namespace

class tst_QNoPageSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void styleHints();
    void drawsAsStock_data() { drawsAsStockRows(); }
    void drawsAsStock() { verifyDrawsAsStock<QNoPageSlider, QSlider>(); }
    void leftClickJumps_data();
    void leftClickJumps();
    void middleClickPages();
    void rightClickChangesNothing();
    void emptyRangeDoesNotStayHeld();
    void hideWhileHeldReleases();
    void deletedFromSliderPressed();
    void styleLivesWithWidget();
    void deleteFocusedUnderStyleSheet();

private:
    std::unique_ptr<WarningGuard> m_guard;
};

void tst_QNoPageSlider::styleHints()
{
    QNoPageSlider slider(nullptr);
    QStyle *style = slider.style();
    QCOMPARE(QByteArray(style->metaObject()->className()), QByteArrayLiteral("QNoPageSliderStyle"));
    QCOMPARE(style->styleHint(QStyle::SH_Slider_AbsoluteSetButtons), int(Qt::LeftButton));
    QCOMPARE(style->styleHint(QStyle::SH_Slider_PageSetButtons), int(Qt::MiddleButton));
}

void tst_QNoPageSlider::leftClickJumps_data()
{
    QTest::addColumn<QString>("ownSheet");
    QTest::addColumn<QString>("parentSheet");

    QTest::newRow("no sheet") << QString() << QString();
    // The forms set sheets on the sliders and on their ancestors.
    QTest::newRow("sheet on the slider") << kSliderSheet << QString();
    QTest::newRow("sheet on the parent") << QString() << kSliderSheet;
    QTest::newRow("both") << QStringLiteral("QSlider { background: black; }") << kSliderSheet;
}

void tst_QNoPageSlider::leftClickJumps()
{
    QFETCH(QString, ownSheet);
    QFETCH(QString, parentSheet);

    QWidget window;
    window.setStyleSheet(parentSheet);
    auto *layout = new QVBoxLayout(&window);
    auto *slider = new ProbeSlider(&window);
    layout->addWidget(slider);
    slider->setStyleSheet(ownSheet);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 1000);
    slider->setPageStep(10);
    window.resize(400, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    SliderRecorder recorder(slider);
    const QPoint click(slider->width() * 4 / 5, slider->height() / 2);
    const int expected = jumpValue(slider, click);
    QVERIFY2(expected > 100, "the click is not far from the handle");

    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, click);
    QVERIFY(slider->isSliderDown());
    QCOMPARE(slider->value(), expected);
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("pressed"),
                                        QStringLiteral("value %1 held").arg(expected)}));

    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, click);
    QVERIFY(!slider->isSliderDown());
    QCOMPARE(recorder.log.last(), QStringLiteral("released"));
    QCOMPARE(recorder.log.size(), 3);
}

void tst_QNoPageSlider::middleClickPages()
{
    // The plain common style draws no groove to page on; the forms' sheets do.
    ProbeSlider slider(nullptr);
    slider.setStyleSheet(kSliderSheet);
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 1000);
    slider.setPageStep(25);
    slider.resize(400, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    QStyleOptionSlider opt;
    slider.initStyleOption(&opt);
    const QRect groove = slider.style()->subControlRect(QStyle::CC_Slider, &opt,
                                                        QStyle::SC_SliderGroove, &slider);
    QVERIFY(groove.isValid());
    const QPoint click(groove.left() + groove.width() * 9 / 10, groove.center().y());

    SliderRecorder recorder(&slider);
    QTest::mouseClick(&slider, Qt::MiddleButton, Qt::NoModifier, click);
    QCOMPARE(slider.value(), 25);
    QCOMPARE(recorder.log, QStringList{QStringLiteral("value 25")});
    QVERIFY(!slider.isSliderDown());
}

void tst_QNoPageSlider::rightClickChangesNothing()
{
    QNoPageSlider slider(nullptr);
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(300, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    SliderRecorder recorder(&slider);
    QTest::mousePress(&slider, Qt::RightButton, Qt::NoModifier, QPoint(250, 15));
    QVERIFY(!slider.isSliderDown());
    QTest::mouseRelease(&slider, Qt::RightButton, Qt::NoModifier, QPoint(250, 15));
    QVERIFY(!slider.isSliderDown());
    QCOMPARE(slider.value(), 0);
    QVERIFY(recorder.log.isEmpty());
}

// QSlider ignores a press on an empty range; held from our side, no release
// would ever end it, and the host would take every later value change for a
// user seek.
void tst_QNoPageSlider::emptyRangeDoesNotStayHeld()
{
    QNoPageSlider slider(nullptr);
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(5, 5);
    slider.resize(300, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    SliderRecorder recorder(&slider);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(250, 15));
    QVERIFY(!slider.isSliderDown());
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(250, 15));
    QVERIFY(!slider.isSliderDown());
    QCOMPARE(recorder.log, (QStringList{QStringLiteral("pressed"), QStringLiteral("released")}));

    slider.setRange(0, 100);
    slider.setValue(40);
    QCOMPARE(recorder.log.last(), QStringLiteral("value 40"));
}

void tst_QNoPageSlider::hideWhileHeldReleases()
{
    QNoPageSlider slider(nullptr);
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.resize(300, 30);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));

    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(150, 15));
    QVERIFY(slider.isSliderDown());

    QSignalSpy released(&slider, &QAbstractSlider::sliderReleased);
    slider.hide();
    QCOMPARE(released.count(), 1);
    QVERIFY(!slider.isSliderDown());

    // Hiding an idle slider reports nothing.
    slider.show();
    slider.hide();
    QCOMPARE(released.count(), 1);
}

// A host may stop playback and close the panel when the user grabs the
// position slider; the slider must not go on with the press afterwards.
void tst_QNoPageSlider::deletedFromSliderPressed()
{
    QWidget window;
    EventCounter parentSaw(&window, {QEvent::MouseButtonPress});
    QPointer<QNoPageSlider> slider = new QNoPageSlider(&window);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->resize(300, 30);
    window.resize(300, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    deleteFromSignal(slider.data(), &QAbstractSlider::sliderPressed);

    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(250, 15));
    QVERIFY(slider.isNull());
    QCOMPARE(parentSaw.count, 0);
}

void tst_QNoPageSlider::styleLivesWithWidget()
{
    auto first = std::make_unique<QNoPageSlider>(nullptr);
    QNoPageSlider second(nullptr);
    QPointer<QStyle> style = first->style();
    QVERIFY(style);
    QVERIFY(style != second.style());
    QVERIFY(style != QApplication::style());

    first.reset();
    QVERIFY(style.isNull());
    QCOMPARE(QByteArray(second.style()->metaObject()->className()), QByteArrayLiteral("QNoPageSliderStyle"));
}

// ~QWidget clears the focus first, and the style sheet repolishes the
// slider on that focus-out through its own style: deleting that style any
// earlier crashes here.
void tst_QNoPageSlider::deleteFocusedUnderStyleSheet()
{
    // Its own style, taken before any sheet wraps it.
    QPointer<QNoPageSlider> slider = new QNoPageSlider(nullptr);
    QPointer<QStyle> base = slider->style();
    QCOMPARE(QByteArray(base->metaObject()->className()), QByteArrayLiteral("QNoPageSliderStyle"));

    QWidget window;
    window.setStyleSheet(kSliderSheet);
    auto *layout = new QVBoxLayout(&window);
    auto *other = new QNoPageSlider(&window);
    layout->addWidget(other);
    layout->addWidget(slider);
    slider->setOrientation(Qt::Horizontal);
    slider->setStyleSheet(QStringLiteral("QSlider:focus { background: red; }"));
    slider->setFocusPolicy(Qt::StrongFocus);
    QVERIFY(slider->style() != base);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        QSKIP("The platform does not activate windows");
    slider->setFocus();
    QTRY_VERIFY(slider->hasFocus());

    delete slider;
    QVERIFY(base.isNull());
    QVERIFY(other->style());
    QTest::qWait(10);
}

QTEST_MAIN(tst_QNoPageSlider)
#include "tst_qnopageslider.moc"
