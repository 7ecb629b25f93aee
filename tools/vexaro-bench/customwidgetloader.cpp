#include "customwidgetloader.h"

#include "vexarowidgettable.h"

#include <QtWidgets/QWidget>

CustomWidgetLoader::CustomWidgetLoader(QObject *parent)
    : QUiLoader(parent)
{
}

QWidget *CustomWidgetLoader::createWidget(const QString &className, QWidget *parent, const QString &name)
{
    if (const VexaroWidgetDescription *description = VexaroWidgetTable::find(className)) {
        QWidget *widget = description->create(parent);
        widget->setObjectName(name);
        return widget;
    }
    return QUiLoader::createWidget(className, parent, name);
}
