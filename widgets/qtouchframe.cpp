#include "qtouchframe.h"
#include "flingmotion.h"
#include "tabletservice.h"

#include <QtCore/QDebug>
#include <QtCore/QTimerEvent>
#include <QtGui/QMouseEvent>

namespace {
constexpr int FlingTickMs = 40;
// Moves closer together than this are merged into the next step, so that a
// step never stands for a jitter of a few milliseconds.
constexpr qint64 MoveThrottleMs = 50;
} // namespace

QTouchFrame::QTouchFrame(QWidget *parent)
    : QFrame(parent, Qt::WindowFlags())
{
    // Otherwise the tablet service turns a quick drag into a flick gesture
    // (back/forward) instead of delivering it to us.
    TabletService::disableFlicks(this);
}

QTouchFrame::~QTouchFrame() = default;

bool QTouchFrame::setDeceleration(float value)
{
    if (!FlingMotion::isValidDeceleration(value))
        return false;
    m_deceleration = value;
    return true;
}

void QTouchFrame::OnTouchMove(QPoint delta, int msecs)
{
    qDebug() << "QTouchFrame::OnTouchMove: " << delta.x() << " " << delta.y() << " " << msecs;
}

qint64 QTouchFrame::restartClock()
{
    // A release or tick without a press on this frame finds no clock yet.
    if (!m_clock.isValid()) {
        m_clock.start();
        return 0;
    }
    return m_clock.restart();
}

void QTouchFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        stopFling();
        m_lastPos = event->pos();
        m_clock.start();
        m_lastDelta = QPoint();
        m_lastStepMs = 0;
        m_pressed = true;
    }
    QFrame::mousePressEvent(event);
}

void QTouchFrame::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && m_clock.elapsed() > MoveThrottleMs) {
        m_lastDelta = event->pos() - m_lastPos;
        m_lastStepMs = int(restartClock());
        OnTouchMove(m_lastDelta, m_lastStepMs);
        m_lastPos = event->pos();
    }
    QFrame::mouseMoveEvent(event);
}

void QTouchFrame::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        // The last processed step plus everything since, over its time: a
        // single late move must not dominate the fling.
        const QPoint distance = m_lastDelta + event->pos() - m_lastPos;
        const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
        const auto velocity = FlingMotion::releaseVelocity(distance, elapsed + m_lastStepMs);
        if (!velocity)
            return;
        startFling(*velocity);
    }
    QFrame::mouseReleaseEvent(event);
}

void QTouchFrame::startFling(const QPointF &velocity)
{
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = startTimer(FlingTickMs);
    const FlingMotion::Fling fling = FlingMotion::start(velocity);
    m_speed = fling.speed;
    m_direction = fling.direction;
}

void QTouchFrame::stopFling()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    m_speed = 0.0f;
    m_direction = QPointF();
}

void QTouchFrame::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId)
        return;
    if (FlingMotion::isAtRest(m_speed)) {
        stopFling();
        return;
    }
    // The first tick measures from the last processed move (or the press):
    // the release does not restart the clock.
    const float seconds = float(restartClock()) * 0.001f;
    FlingMotion::Fling fling{m_speed, m_direction};
    const FlingMotion::Step step = FlingMotion::advance(fling, m_deceleration, seconds);
    m_speed = fling.speed;
    OnTouchMove(step.delta, step.msecs);
}
