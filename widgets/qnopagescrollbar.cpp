#include "qnopagescrollbar.h"
#include "qnopagescrollbarstyle.h"

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>

QNoPageScrollBar::QNoPageScrollBar(QWidget *parent)
    : QScrollBar(parent)
{
    // A child, not deleted in our destructor: ~QWidget may still reach the
    // style, and children go only after that.
    auto *style = new QNoPageScrollBarStyle;
    style->setParent(this);
    setStyle(style);
}

QNoPageScrollBar::~QNoPageScrollBar() = default;

void QNoPageScrollBar::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    const bool wasDown = isSliderDown();
    // QScrollBar returns early without ignoring the event on an empty range
    // or with another button down, so its own conditions are checked here:
    // no release would end a held state set for such a press.
    const bool baseTakesPress = minimum() != maximum()
        && !(event->buttons() & ~event->button());
    // The host may delete the bar from a signal of the press (sliderPressed()).
    const QPointer<QNoPageScrollBar> self(this);
    if (left) {
        setSliderDown(true);
        if (!self) {
            // Accepted, so that Qt does not hand it on through this widget.
            event->accept();
            return;
        }
    }
    QScrollBar::mousePressEvent(event);
    if (!self) {
        event->accept();
        return;
    }
    if (left && !wasDown && (!baseTakesPress || !event->isAccepted()))
        setSliderDown(false);
}

void QNoPageScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointer<QNoPageScrollBar> self(this);
    QScrollBar::mouseReleaseEvent(event);
    if (!self) {
        event->accept();
        return;
    }
    // QScrollBar ends the held state only for a press on the slider itself;
    // a click on an arrow would leave the bar held for ever. Only a release
    // delivered here ends it, and only the press's implicit grab sends one.
    if (event->buttons() == Qt::NoButton && isSliderDown())
        setSliderDown(false);
}

void QNoPageScrollBar::hideEvent(QHideEvent *event)
{
    // Stops the repeat action; it does not release the held state.
    QScrollBar::hideEvent(event);
    if (isSliderDown())
        setSliderDown(false);
}
