#include "qnopageslider.h"
#include "qnopagesliderstyle.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>

QNoPageSlider::QNoPageSlider(QWidget *parent)
    : QSlider(parent)
{
    // A child, not deleted in our destructor: ~QWidget still reaches the
    // style (a style sheet repolishes on the focus-out it sends), and children
    // go only after that.
    auto *style = new QNoPageSliderStyle;
    style->setParent(this);
    setStyle(style);
}

QNoPageSlider::~QNoPageSlider() = default;

void QNoPageSlider::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    const bool wasDown = isSliderDown();
    // The host may delete the slider from a signal of the press (sliderPressed()).
    const QPointer<QNoPageSlider> self(this);
    // Held before the base jumps, so the jump's value change reads as a seek.
    if (left) {
        setSliderDown(true);
        if (!self) {
            // Accepted, so that Qt does not hand it on through this widget.
            event->accept();
            return;
        }
    }
    QSlider::mousePressEvent(event);
    if (!self) {
        event->accept();
        return;
    }
    // The base ignores presses on an empty range or with another button
    // down; no release would then end the held state.
    if (left && !wasDown && !event->isAccepted())
        setSliderDown(false);
}

void QNoPageSlider::hideEvent(QHideEvent *)
{
    if (isSliderDown())
        setSliderDown(false);
}
