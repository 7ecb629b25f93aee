#pragma once

#include <QtCore/QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The Designer plugin of the module: its seven custom widgets in one widget
// box group.
//
// If VEXARO_DESIGNER_SKIN names binary resource files (rcc --binary, several
// separated like PATH), they are registered when Designer loads the plugin,
// so that the forms' ":/quorvel/UIResources/" images show while editing.
class VexaroWidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit VexaroWidgetCollection(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};
