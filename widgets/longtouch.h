#pragma once

#include <QtCore/QTimer>

QT_BEGIN_NAMESPACE
class QAbstractButton;
class QByteArray;
QT_END_NAMESPACE

// What TouchPushButton and TouchToolButton share: a touch held on the button
// for a second and then lifted stands for a right click.
class LongTouch
{
public:
    // Also switches the tablet service's own gestures off on the button's
    // window, so that the service does not answer the held touch itself.
    explicit LongTouch(QAbstractButton *button);

    // For the button's nativeEvent(): notes the start of a touch contact.
    // Never consumes the message.
    bool nativeEvent(const QByteArray &eventType, void *message);

    // For the button's mouseReleaseEvent(): whether this release ends a long
    // touch (then the button emits rightButtonClicked() and no click). Every
    // release ends the touch.
    bool releaseEndsLongTouch();

    // The button is shown down from the touch-down on; after a long touch
    // nothing else brings it up.
    void finishLongTouch();

private:
    QAbstractButton *m_button;
    QTimer m_holdTimer;
    bool m_touchDown = false;
};
