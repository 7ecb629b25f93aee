#pragma once

#include <QtCore/QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// What Designer needs to know about one of the module's widgets. The
// collection holds one per class.
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
