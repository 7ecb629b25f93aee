#pragma once

#include <QtCore/QString>

class QWidget;

// What Designer, or any loader of the forms, needs to know about one of the
// module's custom widgets.
struct VexaroWidgetDescription
{
    enum class Icon { TabButton, Slider, ScrollBar, ElidedLabel, TouchFrame, PushButton, ToolButton };

    const char *className;
    const char *baseClass;   // the Qt class it extends, as in the forms' <extends>
    const char *includeFile; // as in the forms' <header>
    const char *defaultName; // the object name of a new widget
    const char *toolTip;
    const char *whatsThis;
    // <property> elements a new widget starts with: the values the forms use.
    const char *defaultProperties;
    bool container;
    Icon icon;
    QWidget *(*create)(QWidget *parent);
};

// The module's custom widgets, in the order of Designer's widget box. Kept
// apart from the plugin so that other loaders of the forms create the same
// widgets.
namespace VexaroWidgetTable {

const VexaroWidgetDescription *begin();
const VexaroWidgetDescription *end();

// The description of the class called 'className', or null.
const VexaroWidgetDescription *find(const QString &className);

} // namespace VexaroWidgetTable
