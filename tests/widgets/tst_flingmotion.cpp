#include "flingmotion.h"

#include <QtTest/QtTest>

#include <cmath>
#include <limits>

// The fling arithmetic of QTouchFrame, apart from its clock and timer. The
// deceleration limits are checked through the frame (tst_qtouchframe).
class tst_FlingMotion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void releaseVelocity_data();
    void releaseVelocity();
    void start_data();
    void start();
    void standingFlingRestsWithoutDividing();
    void oneSecondFlingCoversAtMostFiveThousandPixels();
    void stepNeverReverses();
    void fractionsAreDropped();
    void saturatesAtTheIntRange();
};

void tst_FlingMotion::releaseVelocity_data()
{
    QTest::addColumn<QPoint>("distance");
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<bool>("flings");
    QTest::addColumn<QPointF>("velocity");

    QTest::newRow("zero time") << QPoint(100, 0) << qint64(0) << false << QPointF();
    QTest::newRow("negative time") << QPoint(100, 0) << qint64(-5) << false << QPointF();
    QTest::newRow("whole movement over whole time") << QPoint(30, -12) << qint64(60)
                                                   << true << QPointF(500, -200);
    QTest::newRow("rightward capped") << QPoint(250, 0) << qint64(100) << true << QPointF(1000, 0);
    QTest::newRow("leftward not capped") << QPoint(-250, 0) << qint64(100) << true << QPointF(-2500, 0);
    QTest::newRow("downward not capped") << QPoint(0, 250) << qint64(100) << true << QPointF(0, 2500);
    QTest::newRow("upward not capped") << QPoint(0, -250) << qint64(100) << true << QPointF(0, -2500);
    QTest::newRow("only x capped") << QPoint(300, 300) << qint64(100) << true << QPointF(1000, 3000);
    QTest::newRow("standing") << QPoint(0, 0) << qint64(40) << true << QPointF(0, 0);
}

void tst_FlingMotion::releaseVelocity()
{
    QFETCH(QPoint, distance);
    QFETCH(qint64, msecs);
    QFETCH(bool, flings);
    QFETCH(QPointF, velocity);

    const auto result = FlingMotion::releaseVelocity(distance, msecs);
    QCOMPARE(result.has_value(), flings);
    if (flings) {
        // Seconds are single precision: compare loosely.
        QVERIFY2(std::abs(result->x() - velocity.x()) < 0.01, qPrintable(QString::number(result->x())));
        QVERIFY2(std::abs(result->y() - velocity.y()) < 0.01, qPrintable(QString::number(result->y())));
    }
}

void tst_FlingMotion::start_data()
{
    QTest::addColumn<QPointF>("velocity");
    QTest::addColumn<float>("speed");
    QTest::addColumn<QPointF>("direction");

    QTest::newRow("right") << QPointF(1000, 0) << 1000.0f << QPointF(1, 0);
    QTest::newRow("up") << QPointF(0, -2500) << 2500.0f << QPointF(0, -1);
    QTest::newRow("3-4-5") << QPointF(-300, 400) << 500.0f << QPointF(-0.6, 0.8);
}

void tst_FlingMotion::start()
{
    QFETCH(QPointF, velocity);
    QFETCH(float, speed);
    QFETCH(QPointF, direction);

    const FlingMotion::Fling fling = FlingMotion::start(velocity);
    QCOMPARE(fling.speed, speed);
    QVERIFY(std::abs(fling.direction.x() - direction.x()) < 1e-6);
    QVERIFY(std::abs(fling.direction.y() - direction.y()) < 1e-6);
}

// The frame starts a fling on every release, also a standing one; its first
// tick must find it at rest before the direction is ever used.
void tst_FlingMotion::standingFlingRestsWithoutDividing()
{
    const FlingMotion::Fling fling = FlingMotion::start(QPointF(0, 0));
    QCOMPARE(fling.speed, 0.0f);
    QCOMPARE(fling.direction, QPointF(0, 0));
    QVERIFY(!std::isnan(fling.direction.x()));
    QVERIFY(FlingMotion::isAtRest(fling.speed));
    QVERIFY(FlingMotion::isAtRest(0.000009f));
    QVERIFY(FlingMotion::isAtRest(-0.000009f));
    QVERIFY(!FlingMotion::isAtRest(0.00002f));
}

// 1000 px/s at 100 px/s² lasts 10 s and covers 5000 px; each 40 ms step drops
// its pixel fraction, and the clamped last step leaves the fling exactly at
// rest, so the frame's next tick stops the timer.
void tst_FlingMotion::oneSecondFlingCoversAtMostFiveThousandPixels()
{
    FlingMotion::Fling fling = FlingMotion::start(QPointF(1000, 0));
    int total = 0;
    int msecs = 0;
    int steps = 0;
    while (!FlingMotion::isAtRest(fling.speed)) {
        const FlingMotion::Step step = FlingMotion::advance(fling, 100.0f, 0.040f);
        QCOMPARE(step.delta.y(), 0);
        QVERIFY(step.delta.x() >= 0);
        QVERIFY(step.msecs >= 0 && step.msecs <= 40);
        QVERIFY(fling.speed >= 0.0f);
        total += step.delta.x();
        msecs += step.msecs;
        ++steps;
        QVERIFY2(steps <= 260, "the fling does not come to rest");
    }
    QCOMPARE(fling.speed, 0.0f);
    QVERIFY2(total <= 5000, qPrintable(QString::number(total)));
    QVERIFY2(total >= 5000 - steps, qPrintable(QString::number(total)));
    QVERIFY2(steps >= 250 && steps <= 251, qPrintable(QString::number(steps)));
    QVERIFY2(std::abs(msecs - 10000) <= steps, qPrintable(QString::number(msecs)));
}

void tst_FlingMotion::stepNeverReverses()
{
    // One long tick: the time is clamped to when the speed reaches zero.
    FlingMotion::Fling fling = FlingMotion::start(QPointF(0, -300));
    const FlingMotion::Step step = FlingMotion::advance(fling, 100.0f, 10.0f);
    QCOMPARE(fling.speed, 0.0f);
    QCOMPARE(step.msecs, 3000);
    QCOMPARE(step.delta, QPoint(0, -450)); // 300 * 3 - 9 * 50
}

void tst_FlingMotion::fractionsAreDropped()
{
    // Just under 0.9 px per step: truncated toward zero, never carried over.
    for (const QPointF velocity : {QPointF(90, 0), QPointF(-90, 0), QPointF(0, -90)}) {
        FlingMotion::Fling fling = FlingMotion::start(velocity);
        for (int i = 0; i < 3; ++i) {
            const FlingMotion::Step step = FlingMotion::advance(fling, 100.0f, 0.01f);
            QCOMPARE(step.delta, QPoint(0, 0));
            QCOMPARE(step.msecs, 10);
        }
        QVERIFY(!FlingMotion::isAtRest(fling.speed));
    }
}

// Positions anywhere in the int range, and a very fast fling advanced over a
// long interval, stay inside the int range instead of overflowing.
void tst_FlingMotion::saturatesAtTheIntRange()
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    QCOMPARE(FlingMotion::difference(QPoint(Max, Min), QPoint(-1, 1)), QPoint(Max, Min));
    QCOMPARE(FlingMotion::difference(QPoint(5, -5), QPoint(2, 3)), QPoint(3, -8));
    QCOMPARE(FlingMotion::sumDifference(QPoint(Max, Min), QPoint(Max, Min), QPoint(Min, Max)),
             QPoint(Max, Min));
    QCOMPARE(FlingMotion::truncated(-2.9), -2);
    QCOMPARE(FlingMotion::truncated(1e300), Max);
    QCOMPARE(FlingMotion::truncated(-1e300), Min);
    QCOMPARE(FlingMotion::truncated(std::nan("")), 0);

    // About the fastest release there is: the whole int range in 1 ms.
    const auto velocity = FlingMotion::releaseVelocity(QPoint(Min, Max), 1);
    QVERIFY(velocity);
    FlingMotion::Fling fling = FlingMotion::start(*velocity);
    const FlingMotion::Step step = FlingMotion::advance(fling, FlingMotion::DefaultDeceleration, 1e9f);
    QCOMPARE(step.delta, QPoint(Min, Max));
    QCOMPARE(step.msecs, Max);
    QVERIFY(fling.speed > 0.0f);
}

QTEST_APPLESS_MAIN(tst_FlingMotion)
#include "tst_flingmotion.moc"
