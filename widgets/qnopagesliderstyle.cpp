#include "qnopagesliderstyle.h"

QNoPageSliderStyle::QNoPageSliderStyle() = default;

int QNoPageSliderStyle::styleHint(StyleHint hint, const QStyleOption *option,
                                  const QWidget *widget, QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_Slider_AbsoluteSetButtons:
        return Qt::LeftButton;
    case SH_Slider_PageSetButtons:
        return Qt::MiddleButton;
    case SH_ScrollBar_LeftClickAbsolutePosition:
        // QScrollBar ignores the slider hints; kept identical to the scroll
        // bar's style so both widgets answer the same.
        return true;
    default:
        return QCommonStyle::styleHint(hint, option, widget, returnData);
    }
}
