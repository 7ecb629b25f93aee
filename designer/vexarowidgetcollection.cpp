#include "vexarowidgetcollection.h"

#include "vexarocustomwidget.h"
#include "vexarowidgettable.h"

#include <QtCore/QDir>
#include <QtCore/QResource>

namespace {

void registerSkin()
{
    const QString files = qEnvironmentVariable("VEXARO_DESIGNER_SKIN");
    for (const QString &file : files.split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        if (!QResource::registerResource(file))
            qWarning("VexaroUI_NEW Designer plugin: cannot register the resource file %s", qPrintable(file));
    }
}

} // namespace

VexaroWidgetCollection::VexaroWidgetCollection(QObject *parent)
    : QObject(parent)
{
    registerSkin();
    for (const VexaroWidgetDescription *description = VexaroWidgetTable::begin();
         description != VexaroWidgetTable::end(); ++description)
        m_widgets.append(new VexaroCustomWidget(*description, this));
}

QList<QDesignerCustomWidgetInterface *> VexaroWidgetCollection::customWidgets() const
{
    return m_widgets;
}
