#include "qnopagescrollbarstyle.h"

QNoPageScrollBarStyle::QNoPageScrollBarStyle() = default;

int QNoPageScrollBarStyle::styleHint(StyleHint hint, const QStyleOption *option,
                                     const QWidget *widget, QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_Slider_AbsoluteSetButtons:
        return Qt::LeftButton;
    case SH_Slider_PageSetButtons:
        return Qt::MiddleButton;
    case SH_ScrollBar_LeftClickAbsolutePosition:
        // The hint QScrollBar actually reads; the two above only reach
        // QSlider.
        return true;
    default:
        return QCommonStyle::styleHint(hint, option, widget, returnData);
    }
}
