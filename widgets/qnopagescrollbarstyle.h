#pragma once

#include "nopagestyle.h"

// The private style of QNoPageScrollBar, one per scroll bar.
class QNoPageScrollBarStyle : public NoPageStyle
{
    Q_OBJECT

public:
    QNoPageScrollBarStyle() = default;
};
