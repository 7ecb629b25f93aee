#include "vexarowidgettable.h"

#include "multistatetoolbutton.h"
#include "qelidedlabel.h"
#include "qnopagescrollbar.h"
#include "qnopageslider.h"
#include "qtouchframe.h"
#include "touchpushbutton.h"
#include "touchtoolbutton.h"

#include <iterator>

namespace {

template<class Widget>
QWidget *create(QWidget *parent)
{
    return new Widget(parent);
}

#define VEXARO_ENUM(name, value) \
    "  <property name=\"" name "\">\n   <enum>" value "</enum>\n  </property>\n"
#define VEXARO_BOOL(name, value) \
    "  <property name=\"" name "\">\n   <bool>" value "</bool>\n  </property>\n"
#define VEXARO_STRING(name, value) \
    "  <property name=\"" name "\">\n   <string>" value "</string>\n  </property>\n"

using Icon = VexaroWidgetDescription::Icon;

const VexaroWidgetDescription descriptions[] = {
    {"MultiStateToolButton", "QToolButton", "multistatetoolbutton.h", "toolButton_tab",
     "Tab button with highlighted and selected looks",
     "A tool button used as a tab. Its text fixes its width (bold font plus padding); while the "
     "host has given it a selected style sheet it switches between its own sheet, a bold "
     "highlight while focused, and the selected sheet.",
     VEXARO_ENUM("focusPolicy", "Qt::StrongFocus")
     VEXARO_BOOL("autoExclusive", "true")
     VEXARO_STRING("text", "Tab"),
     false, Icon::TabButton, create<MultiStateToolButton>},
    {"QNoPageSlider", "QSlider", "qnopageslider.h", "slider",
     "Slider that jumps to the clicked point",
     "A slider on which a left click moves the handle straight to the clicked point and reports "
     "the slider held from the press on; the middle button pages.",
     VEXARO_ENUM("focusPolicy", "Qt::ClickFocus")
     VEXARO_ENUM("orientation", "Qt::Horizontal"),
     false, Icon::Slider, create<QNoPageSlider>},
    {"QNoPageScrollBar", "QScrollBar", "qnopagescrollbar.h", "scrollBar",
     "Scroll bar that jumps to the clicked point",
     "A scroll bar on which a left click on the page area moves the slider straight to the "
     "clicked point instead of paging.",
     VEXARO_ENUM("focusPolicy", "Qt::NoFocus")
     VEXARO_ENUM("orientation", "Qt::Vertical"),
     false, Icon::ScrollBar, create<QNoPageScrollBar>},
    {"qelidedlabel", "QLabel", "qelidedlabel.h", "label_elided",
     "One-line label that elides its text",
     "A one-line label that shows its text shortened with an ellipsis while it is wider than the "
     "label, with the full text as tool tip. A click, Space or Return emit clicked().",
     VEXARO_STRING("text", "TextLabel"),
     false, Icon::ElidedLabel, create<qelidedlabel>},
    {"QTouchFrame", "QFrame", "qtouchframe.h", "touchFrame",
     "Frame that turns drags into kinetic scrolling",
     "A frame that turns a finger or left-mouse drag into scroll steps and continues them as a "
     "decelerating fling; a subclass scrolls its content in OnTouchMove().",
     VEXARO_ENUM("frameShape", "QFrame::NoFrame")
     VEXARO_ENUM("frameShadow", "QFrame::Raised"),
     true, Icon::TouchFrame, create<QTouchFrame>},
    {"TouchPushButton", "QPushButton", "touchpushbutton.h", "pushButton_touch",
     "Push button with a long-touch right click",
     "A push button for touch screens: a touch held for a second and then lifted emits "
     "rightButtonClicked() instead of a click.",
     VEXARO_ENUM("focusPolicy", "Qt::StrongFocus")
     VEXARO_STRING("text", "PushButton"),
     false, Icon::PushButton, create<TouchPushButton>},
    {"TouchToolButton", "QToolButton", "touchtoolbutton.h", "toolButton_touch",
     "Tool button with a long-touch right click",
     "A tool button for touch screens: a touch held for a second and then lifted emits "
     "rightButtonClicked() instead of a click.",
     VEXARO_ENUM("focusPolicy", "Qt::StrongFocus")
     VEXARO_BOOL("autoExclusive", "true")
     VEXARO_STRING("text", "..."),
     false, Icon::ToolButton, create<TouchToolButton>},
};

} // namespace

const VexaroWidgetDescription *VexaroWidgetTable::begin()
{
    return std::begin(descriptions);
}

const VexaroWidgetDescription *VexaroWidgetTable::end()
{
    return std::end(descriptions);
}

const VexaroWidgetDescription *VexaroWidgetTable::find(const QString &className)
{
    for (const VexaroWidgetDescription &description : descriptions) {
        if (className == QLatin1String(description.className))
            return &description;
    }
    return nullptr;
}
