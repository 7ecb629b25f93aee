#include "flingmotion.h"

#include <cmath>
#include <limits>

namespace FlingMotion {

namespace {
int saturated(qint64 value)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}
} // namespace

QPoint difference(const QPoint &a, const QPoint &b)
{
    return QPoint(saturated(qint64(a.x()) - b.x()), saturated(qint64(a.y()) - b.y()));
}

QPoint sumDifference(const QPoint &a, const QPoint &b, const QPoint &c)
{
    return QPoint(saturated(qint64(a.x()) + b.x() - c.x()), saturated(qint64(a.y()) + b.y() - c.y()));
}

int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    // The bounds are exact doubles; in between, the cast truncates as before.
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(value);
}

std::optional<QPointF> releaseVelocity(const QPoint &distance, qint64 msecs)
{
    if (msecs <= 0)
        return std::nullopt;
    const float secs = float(msecs) * 0.001f;
    QPointF velocity(distance.x() / double(secs), distance.y() / double(secs));
    if (velocity.x() > MaxRightwardSpeed)
        velocity.setX(MaxRightwardSpeed);
    return velocity;
}

Fling start(const QPointF &velocity)
{
    const float vx = float(velocity.x());
    const float vy = float(velocity.y());
    Fling fling;
    fling.speed = std::sqrt(vx * vx + vy * vy);
    // A standing release keeps direction (0, 0) instead of 0/0.
    if (fling.speed > 0.0f)
        fling.direction = QPointF(velocity.x() / fling.speed, velocity.y() / fling.speed);
    return fling;
}

bool isAtRest(float speed)
{
    return speed > -0.00001f && speed < 0.00001f;
}

Step advance(Fling &fling, float deceleration, float seconds)
{
    float t = seconds;
    const bool stops = fling.speed < deceleration * t;
    if (stops)
        t = fling.speed / deceleration;
    const float distance = fling.speed * t - t * t * (deceleration * 0.5f);
    // speed - deceleration * (speed / deceleration) need not round to 0.
    fling.speed = stops ? 0.0f : fling.speed - deceleration * t;

    const QPointF step = fling.direction * distance;
    // A very fast fling advanced over a long interval can leave the int range.
    return Step{QPoint(truncated(step.x()), truncated(step.y())), truncated(t * 1000.0f)};
}

bool isValidDeceleration(float value)
{
    return std::isfinite(value) && value >= MinDeceleration;
}

} // namespace FlingMotion
