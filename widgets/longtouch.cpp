#include "longtouch.h"
#include "tabletservice.h"

#include <QtWidgets/QAbstractButton>

namespace {
constexpr int LongTouchMs = 1000;
constexpr quint32 TouchFlags = TabletService::DisablePressAndHold
    | TabletService::DisablePenTapFeedback | TabletService::DisablePenBarrelFeedback
    | TabletService::DisableFlicks;
} // namespace

LongTouch::LongTouch(QAbstractButton *button)
    : m_button(button)
{
    TabletService::setFlags(button, TouchFlags);
    m_holdTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, which would turn a 960 ms
    // touch into a right click.
    m_holdTimer.setTimerType(Qt::PreciseTimer);
}

bool LongTouch::nativeEvent(const QByteArray &eventType, void *message)
{
    if (TabletService::isContactQuery(eventType, message) && m_button->isEnabled()) {
        m_touchDown = true;
        m_holdTimer.start(LongTouchMs);
        // Show the press at once; the synthesized mouse press comes later.
        m_button->setDown(true);
    }
    // The tablet service still needs its answer from the default processing.
    return false;
}

bool LongTouch::releaseEndsLongTouch()
{
    const bool longTouch = m_touchDown && !m_holdTimer.isActive();
    m_touchDown = false;
    return longTouch;
}

void LongTouch::finishLongTouch()
{
    m_button->setDown(false);
}
