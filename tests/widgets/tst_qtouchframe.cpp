#include "faketabletservice.h"
#include "hostreactions.h"
#include "qtouchframe.h"
#include "warningguard.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QLoggingCategory>
#include <QtTest/QtTest>

#include <limits>
#include <memory>

// The fling arithmetic is checked exactly in tst_flingmotion; these tests
// cover how the frame feeds it from real mouse events, with short waits only
// around the 50 ms move throttle.

namespace {

struct Step
{
    QPoint delta;
    int msecs;
};

class RecordingFrame : public QTouchFrame
{
public:
    using QTouchFrame::QTouchFrame;
    void OnTouchMove(QPoint delta, int msecs) override { steps.append({delta, msecs}); }
    void baseOnTouchMove(QPoint delta, int msecs) { QTouchFrame::OnTouchMove(delta, msecs); }

    QVector<Step> steps;
};

// QTest::mouseMove only moves the cursor; the frame needs the event itself.
void drag(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A mouse event sent straight to the frame, with any position the window
// system may report.
void send(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, pos, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Closes itself on its first step, as a subclass may.
class SelfDeletingFrame : public QTouchFrame
{
public:
    using QTouchFrame::QTouchFrame;
    void OnTouchMove(QPoint, int) override { delete this; }
};

// Waits until the throttle lets the next move through.
void passThrottle()
{
    QTest::qWait(70);
}

} // namespace

class tst_QTouchFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void disablesFlicksKeepingOtherBits();
    void deceleration_data();
    void deceleration();
    void baseStepOnlyLogs();
    void tapDoesNotMove();
    void quickMovesAreMergedIntoFling();
    void throttledDragThenFling();
    void flingRunsOutAndStops();
    void pressStopsFling();
    void otherButtonsChangeNothing_data();
    void otherButtonsChangeNothing();
    void hideEndsDrag();
    void moveWithoutLeftButtonDoesNotDrag();
    void extremePositions();
    void deletedFromOnTouchMove();

private:
    std::unique_ptr<WarningGuard> m_guard;
    FakeTabletService m_tablet;
    std::unique_ptr<ScopedTabletBackend> m_backend;
    std::unique_ptr<RecordingFrame> m_frame;
};

void tst_QTouchFrame::initTestCase()
{
    m_guard = std::make_unique<WarningGuard>();
    m_backend = std::make_unique<ScopedTabletBackend>(&m_tablet);
}

void tst_QTouchFrame::init()
{
    m_tablet.calls.clear();
    m_frame = std::make_unique<RecordingFrame>(nullptr);
    m_frame->resize(400, 400);
}

void tst_QTouchFrame::cleanup()
{
    m_frame.reset();
    m_guard->verifyNone();
}

void tst_QTouchFrame::cleanupTestCase()
{
    m_backend.reset();
    m_guard.reset();
}

void tst_QTouchFrame::disablesFlicksKeepingOtherBits()
{
    m_tablet.initialProperty = 0x00000019;
    RecordingFrame frame(nullptr);
    m_tablet.initialProperty = 0;

    const auto calls = m_tablet.callsFor(&frame);
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].op, FakeTabletService::Op::GetA);
    QCOMPARE(calls[1].op, FakeTabletService::Op::SetA);
    QCOMPARE(calls[1].value, quintptr(0x00010019));
    // Only the Windows backend takes a native window.
    QVERIFY(!frame.testAttribute(Qt::WA_NativeWindow));
    QVERIFY(!frame.internalWinId());
}

void tst_QTouchFrame::deceleration_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("99.9") << 99.9f << false;
    QTest::newRow("100") << 100.0f << true;
    QTest::newRow("250") << 250.0f << true;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << false;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << false;
}

void tst_QTouchFrame::deceleration()
{
    QFETCH(float, value);
    QFETCH(bool, accepted);
    QCOMPARE(m_frame->setDeceleration(value), accepted);
    // A refused value leaves the previous one: 500 stays.
    QVERIFY(m_frame->setDeceleration(500.0f));
    QCOMPARE(m_frame->setDeceleration(value), accepted);
}

// The base step reports to its own logging category, which is off unless
// the host turns it on: a plain qDebug() would flood the host's output.
void tst_QTouchFrame::baseStepOnlyLogs()
{
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &context, const QString &message) {
            logged << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
        });
    m_frame->baseOnTouchMove(QPoint(-7, 12), 40);
    QLoggingCategory::setFilterRules(QStringLiteral("vexaroui.touchframe.debug=true"));
    m_frame->baseOnTouchMove(QPoint(-7, 12), 40);
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    QCOMPARE(logged, QStringList{QStringLiteral("vexaroui.touchframe: QTouchFrame::OnTouchMove:  -7   12   40")});
}

// A tap releases at once: either no time has passed (no fling at all) or a
// standing fling starts and ends at its first tick. Neither moves anything.
void tst_QTouchFrame::tapDoesNotMove()
{
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::qWait(120);
    QVERIFY(m_frame->steps.isEmpty());
}

void tst_QTouchFrame::quickMovesAreMergedIntoFling()
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    m_frame->setDeceleration(1e6f); // one tick: the fling ends at once
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    drag(m_frame.get(), QPoint(110, 100));
    drag(m_frame.get(), QPoint(125, 100));
    if (stopwatch.elapsed() > 40)
        QSKIP("The machine was too slow to stay inside the move throttle");
    QVERIFY(m_frame->steps.isEmpty());

    QTest::qWait(20);
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 100));
    QVERIFY(m_frame->steps.isEmpty());
    QTRY_VERIFY(!m_frame->steps.isEmpty());
    QTest::qWait(100);
    // The whole movement since the press went into the velocity: rightward
    // only, and the ticks stopped.
    const int count = m_frame->steps.size();
    for (const Step &step : qAsConst(m_frame->steps)) {
        QVERIFY(step.delta.x() >= 0);
        QCOMPARE(step.delta.y(), 0);
    }
    QTest::qWait(100);
    QCOMPARE(m_frame->steps.size(), count);
}

void tst_QTouchFrame::throttledDragThenFling()
{
    m_frame->setDeceleration(1e6f);
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    passThrottle();
    drag(m_frame.get(), QPoint(200, 170));
    QCOMPARE(m_frame->steps.size(), 1);
    QCOMPARE(m_frame->steps[0].delta, QPoint(0, -30));
    QVERIFY(m_frame->steps[0].msecs > 50);

    // Within the throttle: not processed, but not lost either.
    drag(m_frame.get(), QPoint(200, 160));
    QCOMPARE(m_frame->steps.size(), 1);
    passThrottle();
    drag(m_frame.get(), QPoint(200, 150));
    QCOMPARE(m_frame->steps.size(), 2);
    QCOMPARE(m_frame->steps[1].delta, QPoint(0, -20));

    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 150));
    QTRY_VERIFY(m_frame->steps.size() > 2);
    const Step fling = m_frame->steps[2];
    QCOMPARE(fling.delta.x(), 0);
    QVERIFY(fling.delta.y() <= 0);
}

void tst_QTouchFrame::flingRunsOutAndStops()
{
    // About 1500 px/s upward at 20000 px/s²: 75 ms, two or three ticks.
    m_frame->setDeceleration(20000.0f);
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 300));
    passThrottle();
    drag(m_frame.get(), QPoint(200, 200));
    QCOMPARE(m_frame->steps.size(), 1);
    const int dragMs = m_frame->steps[0].msecs;
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));

    QTRY_VERIFY(m_frame->steps.size() > 1);
    QTest::qWait(300);
    const int count = m_frame->steps.size();
    QTest::qWait(120);
    QCOMPARE(m_frame->steps.size(), count);

    int travelled = 0;
    int lastMs = 0;
    for (int i = 1; i < count; ++i) {
        QCOMPARE(m_frame->steps[i].delta.x(), 0);
        QVERIFY(m_frame->steps[i].delta.y() <= 0);
        travelled -= m_frame->steps[i].delta.y();
        lastMs = m_frame->steps[i].msecs;
    }
    // v = 100 px over the drag time; the fling covers at most v² / 2a.
    const double velocity = 100.0 / (dragMs * 0.001);
    QVERIFY2(travelled <= velocity * velocity / 40000.0 + 1, qPrintable(QString::number(travelled)));
    QVERIFY(lastMs <= 40 + 20);
}

void tst_QTouchFrame::pressStopsFling()
{
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    passThrottle();
    drag(m_frame.get(), QPoint(200, 200));
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    // The default deceleration keeps this fling going for seconds.
    QTRY_VERIFY(m_frame->steps.size() > 2);

    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    const int count = m_frame->steps.size();
    QTest::qWait(150);
    QCOMPARE(m_frame->steps.size(), count);
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
}

void tst_QTouchFrame::otherButtonsChangeNothing_data()
{
    QTest::addColumn<int>("buttonValue");
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_QTouchFrame::otherButtonsChangeNothing()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);

    // Not a drag.
    QTest::mousePress(m_frame.get(), button, Qt::NoModifier, QPoint(100, 100));
    passThrottle();
    drag(m_frame.get(), QPoint(150, 100), button);
    QTest::mouseRelease(m_frame.get(), button, Qt::NoModifier, QPoint(150, 100));
    QTest::qWait(100);
    QVERIFY(m_frame->steps.isEmpty());

    // Nor does it stop a running fling.
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    passThrottle();
    drag(m_frame.get(), QPoint(100, 200));
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTRY_VERIFY(m_frame->steps.size() > 1);
    QTest::mousePress(m_frame.get(), button, Qt::NoModifier, QPoint(100, 200));
    QTest::mouseRelease(m_frame.get(), button, Qt::NoModifier, QPoint(100, 200));
    const int count = m_frame->steps.size();
    QTRY_VERIFY(m_frame->steps.size() > count);
}

// Hidden mid-drag, the frame gets no release: the drag must end there, or
// any later move would still scroll the content.
void tst_QTouchFrame::hideEndsDrag()
{
    m_frame->setMouseTracking(true);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    passThrottle();
    drag(m_frame.get(), QPoint(100, 150));
    QCOMPARE(m_frame->steps.size(), 1);

    m_frame->hide();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    passThrottle();
    drag(m_frame.get(), QPoint(100, 250), Qt::RightButton);
    passThrottle();
    drag(m_frame.get(), QPoint(100, 300), Qt::NoButton);
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
    QTest::qWait(120);
    QCOMPARE(m_frame->steps.size(), 1);
}

// A move that finds the left button up (its release went to a popup or a
// grab) ends the drag instead of continuing it.
void tst_QTouchFrame::moveWithoutLeftButtonDoesNotDrag()
{
    m_frame->setMouseTracking(true);
    QTest::mousePress(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    passThrottle();
    drag(m_frame.get(), QPoint(100, 150), Qt::NoButton);
    passThrottle();
    drag(m_frame.get(), QPoint(100, 200));
    QTest::mouseRelease(m_frame.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    QTest::qWait(120);
    QVERIFY(m_frame->steps.isEmpty());
}

// Positions at the ends of the int range give steps saturated to it.
void tst_QTouchFrame::extremePositions()
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    // qRound inside Qt cannot take INT_MIN itself.
    const QPoint topRight(Max, Min + 2);
    const QPoint bottomLeft(Min + 2, Max);
    send(m_frame.get(), QEvent::MouseButtonPress, topRight, Qt::LeftButton, Qt::LeftButton);
    passThrottle();
    send(m_frame.get(), QEvent::MouseMove, bottomLeft, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(m_frame->steps.size(), 1);
    QCOMPARE(m_frame->steps[0].delta, QPoint(Min, Max));

    send(m_frame.get(), QEvent::MouseButtonRelease, topRight, Qt::LeftButton, Qt::NoButton);
    QTRY_VERIFY(m_frame->steps.size() > 1);
    // Rightward capped to 1000 px/s; upward at its full, enormous speed.
    QVERIFY(m_frame->steps[1].delta.x() >= 0);
    QVERIFY(m_frame->steps[1].delta.x() <= 1000);
    QVERIFY(m_frame->steps[1].delta.y() < -1000000);
}

void tst_QTouchFrame::deletedFromOnTouchMove()
{
    QWidget window;
    EventCounter parentSaw(&window, {QEvent::MouseMove});
    QPointer<QTouchFrame> frame = new SelfDeletingFrame(&window);
    frame->resize(200, 200);
    QTest::mousePress(frame, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    passThrottle();
    drag(frame, QPoint(100, 150));
    QVERIFY(frame.isNull());
    QCOMPARE(parentSaw.count, 0);
}

QTEST_MAIN(tst_QTouchFrame)
#include "tst_qtouchframe.moc"
