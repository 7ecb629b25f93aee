#include "touchtoolbutton.h"
#include "tabletservice.h"

#include <QtGui/QMouseEvent>

namespace {
constexpr int LongTouchMs = 1000;
constexpr quint32 TouchFlags = TabletService::DisablePressAndHold
    | TabletService::DisablePenTapFeedback | TabletService::DisablePenBarrelFeedback
    | TabletService::DisableFlicks;
} // namespace

TouchToolButton::TouchToolButton(QWidget *parent)
    : QToolButton(parent)
{
    TabletService::setFlags(this, TouchFlags);
    m_holdTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, which would turn a 960 ms
    // touch into a right click.
    m_holdTimer.setTimerType(Qt::PreciseTimer);
}

TouchToolButton::~TouchToolButton() = default;

bool TouchToolButton::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result)
    if (TabletService::isContactQuery(eventType, message) && isEnabled()) {
        m_touchDown = true;
        m_holdTimer.start(LongTouchMs);
        // Show the press at once; the synthesized mouse press comes later.
        setDown(true);
    }
    // The tablet service still needs its answer from the default processing.
    return false;
}

void TouchToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_holdTimer.isActive() || !m_touchDown) {
        m_touchDown = false;
        QToolButton::mouseReleaseEvent(event);
        return;
    }
    // Held for the whole second: a right click, and no ordinary click.
    emit rightButtonClicked();
    m_touchDown = false;
    setDown(false);
}
