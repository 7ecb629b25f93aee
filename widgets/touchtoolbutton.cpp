#include "touchtoolbutton.h"
#include "longtouch.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>

TouchToolButton::TouchToolButton(QWidget *parent)
    : QToolButton(parent)
    , d(new LongTouch(this))
{
}

TouchToolButton::~TouchToolButton() = default;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
bool TouchToolButton::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
#else
bool TouchToolButton::nativeEvent(const QByteArray &eventType, void *message, long *result)
#endif
{
    Q_UNUSED(result)
    return d->nativeEvent(eventType, message);
}

void TouchToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d->releaseEndsLongTouch()) {
        QToolButton::mouseReleaseEvent(event);
        return;
    }
    // Held for the whole second: a right click, and no ordinary click.
    // Accepted before the signal: a host that closes the panel from it
    // deletes this button, and Qt must not hand the event on through it.
    event->accept();
    const QPointer<TouchToolButton> self(this);
    emit rightButtonClicked();
    if (self)
        d->finishLongTouch();
}
