#include "touchtoolbutton.h"
#include "longtouch.h"

#include <QtGui/QMouseEvent>

TouchToolButton::TouchToolButton(QWidget *parent)
    : QToolButton(parent)
    , d(new LongTouch(this))
{
}

TouchToolButton::~TouchToolButton() = default;

bool TouchToolButton::nativeEvent(const QByteArray &eventType, void *message, long *result)
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
    emit rightButtonClicked();
    d->finishLongTouch();
}
