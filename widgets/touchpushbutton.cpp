#include "touchpushbutton.h"
#include "longtouch.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>

TouchPushButton::TouchPushButton(QWidget *parent)
    : QPushButton(parent)
    , d(new LongTouch(this))
{
}

TouchPushButton::~TouchPushButton() = default;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
bool TouchPushButton::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
#else
bool TouchPushButton::nativeEvent(const QByteArray &eventType, void *message, long *result)
#endif
{
    Q_UNUSED(result)
    return d->nativeEvent(eventType, message);
}

void TouchPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d->releaseEndsLongTouch()) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    // Held for the whole second: a right click, and no ordinary click.
    // Accepted before the signal: a host that closes the panel from it
    // deletes this button, and Qt must not hand the event on through it.
    event->accept();
    const QPointer<TouchPushButton> self(this);
    emit rightButtonClicked();
    if (self)
        d->finishLongTouch();
}
