#include "qnopagescrollbar.h"
#include "qnopagescrollbarstyle.h"

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
    if (left)
        setSliderDown(true);
    QScrollBar::mousePressEvent(event);
    if (left && !wasDown && (!baseTakesPress || !event->isAccepted()))
        setSliderDown(false);
}
