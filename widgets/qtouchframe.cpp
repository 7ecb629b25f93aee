#include "qtouchframe.h"
#include "flingmotion.h"
#include "tabletservice.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QPointer>
#include <QtCore/QTimerEvent>
#include <QtGui/QMouseEvent>

namespace {
constexpr int FlingTickMs = 40;
// Moves closer together than this are merged into the next step, so that a
// step never stands for a jitter of a few milliseconds.
constexpr qint64 MoveThrottleMs = 50;

// The base step only reports the step, which is of use while writing a
// subclass: QT_LOGGING_RULES="vexaroui.touchframe.debug=true" shows it.
Q_LOGGING_CATEGORY(lcTouchFrame, "vexaroui.touchframe", QtWarningMsg)
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
    qCDebug(lcTouchFrame) << "QTouchFrame::OnTouchMove: " << delta.x() << " " << delta.y() << " " << msecs;
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
    // A move without the left button means its release went elsewhere (a
    // popup, a grab): the drag is over, and there is nothing to fling.
    if (m_pressed && !(event->buttons() & Qt::LeftButton))
        m_pressed = false;
    if (m_pressed && m_clock.elapsed() > MoveThrottleMs) {
        m_lastDelta = FlingMotion::difference(event->pos(), m_lastPos);
        m_lastStepMs = FlingMotion::truncated(double(restartClock()));
        // A subclass may delete the frame from OnTouchMove().
        const QPointer<QTouchFrame> self(this);
        OnTouchMove(m_lastDelta, m_lastStepMs);
        if (!self) {
            // Accepted, so that Qt does not hand it on through this frame.
            event->accept();
            return;
        }
        m_lastPos = event->pos();
    }
    QFrame::mouseMoveEvent(event);
}

void QTouchFrame::hideEvent(QHideEvent *event)
{
    m_pressed = false;
    stopFling();
    QFrame::hideEvent(event);
}

void QTouchFrame::mouseReleaseEvent(QMouseEvent *event)
{
    // Only a release that ends a drag flings; after a hide, or a move that
    // found the button up, there is none.
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        // The last processed step plus everything since, over its time: a
        // single late move must not dominate the fling.
        const QPoint distance = FlingMotion::sumDifference(m_lastDelta, event->pos(), m_lastPos);
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
    // Last: a subclass may delete the frame from OnTouchMove().
    OnTouchMove(step.delta, step.msecs);
}
