#pragma once

#include <QtWidgets/QCommonStyle>

// The private style of QNoPageScrollBar: a left click jumps to the clicked
// position instead of paging.
class QNoPageScrollBarStyle : public QCommonStyle
{
    Q_OBJECT

public:
    QNoPageScrollBarStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
