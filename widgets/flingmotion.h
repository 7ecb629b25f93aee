#pragma once

#include <QtCore/QPoint>
#include <QtCore/QPointF>

#include <optional>

// The arithmetic of QTouchFrame's fling, apart from clocks and timers so that
// it can be checked exactly. Precision (float here, double there) follows the
// frame's original arithmetic; hosts tuned their scrolling against it.
namespace FlingMotion {

// Fastest rightward release that is honoured, in pixels per second. Only the
// positive horizontal component is capped.
constexpr double MaxRightwardSpeed = 1000.0;
constexpr float DefaultDeceleration = 100.0f;   // pixels per second squared
constexpr float MinDeceleration = 100.0f;

struct Fling
{
    float speed = 0.0f;  // pixels per second
    QPointF direction;   // unit vector, (0, 0) for a standing fling
};

struct Step
{
    QPoint delta;        // whole pixels; fractions are dropped, not carried
    int msecs = 0;
};

// a - b, and a + b - c, saturated to the int range: positions come from the
// window system and may lie anywhere in it.
QPoint difference(const QPoint &a, const QPoint &b);
QPoint sumDifference(const QPoint &a, const QPoint &b, const QPoint &c);

// Truncation toward zero, saturated to the int range; NaN gives 0.
int truncated(double value);

// The velocity of a release that moved 'distance' over 'msecs'; none when
// the time is not positive.
std::optional<QPointF> releaseVelocity(const QPoint &distance, qint64 msecs);

Fling start(const QPointF &velocity);

// Whether a fling at this speed has come to rest.
bool isAtRest(float speed);

// Advances 'fling' by 'seconds' at 'deceleration'. The time is clamped to
// the moment the speed reaches zero, so a fling never reverses and its last
// step leaves it exactly at rest.
Step advance(Fling &fling, float deceleration, float seconds);

// Slower decelerations, or non-finite ones, would make a fling last (nearly)
// for ever.
bool isValidDeceleration(float value);

} // namespace FlingMotion
