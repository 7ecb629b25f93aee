#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QSlider>

// A slider on which a left click moves the handle straight to the clicked
// point; the middle button pages. The slider reports itself held
// (isSliderDown()) from the left press on, so the value change of that first
// jump already reads as a user seek.
class VEXAROUI_EXPORT QNoPageSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QNoPageSlider(QWidget *parent = nullptr);
    ~QNoPageSlider() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // A slider hidden while held reports its release.
    void hideEvent(QHideEvent *event) override;
};
