#include "flingmotion.h"

#include <cmath>

namespace FlingMotion {

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
    return Step{QPoint(int(step.x()), int(step.y())), int(t * 1000.0f)};
}

bool isValidDeceleration(float value)
{
    return std::isfinite(value) && value >= MinDeceleration;
}

} // namespace FlingMotion
