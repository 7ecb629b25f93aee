#pragma once

#include <QtWidgets/QCommonStyle>

// The private style of QNoPageSlider: a left click jumps to the clicked
// position and only the middle button pages.
class QNoPageSliderStyle : public QCommonStyle
{
    Q_OBJECT

public:
    QNoPageSliderStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
