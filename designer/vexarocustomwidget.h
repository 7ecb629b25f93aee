#pragma once

#include "vexarowidgettable.h"

#include <QtCore/QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Designer's view of one custom widget, made from its description. The widget
// it creates is the module's own class, so a form shows in Designer as the
// host will see it.
class VexaroCustomWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit VexaroCustomWidget(const VexaroWidgetDescription &description, QObject *parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

    // The widget box group of every widget of the module.
    static QString groupName();

private:
    const VexaroWidgetDescription &m_description;
    bool m_initialized = false;
};
