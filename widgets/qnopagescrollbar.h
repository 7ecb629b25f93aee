#pragma once

#include "vexaroui_export.h"

#include <QtWidgets/QScrollBar>

// A scroll bar on which a left click on the page area moves the slider
// straight to the clicked point instead of paging. It reports itself held
// (isSliderDown()) from the left press on, like QNoPageSlider, and is
// released again by the button's release or by hiding.
class VEXAROUI_EXPORT QNoPageScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit QNoPageScrollBar(QWidget *parent = nullptr);
    ~QNoPageScrollBar() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // A scroll bar hidden while held reports its release.
    void hideEvent(QHideEvent *event) override;
};
