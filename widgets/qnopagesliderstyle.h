#pragma once

#include "nopagestyle.h"

// The private style of QNoPageSlider, one per slider.
class QNoPageSliderStyle : public NoPageStyle
{
    Q_OBJECT

public:
    QNoPageSliderStyle() = default;
};
