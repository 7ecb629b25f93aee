#pragma once

#include <QtWidgets/QAccessibleWidget>

class qelidedlabel;

// What assistive technology reads of a qelidedlabel: the whole text,
// however shortened the display, as its name or, where an accessible name
// says what the label holds, as its description; and a press action, since
// the label is clickable.
class qelidedlabelAccessible : public QAccessibleWidget
{
public:
    explicit qelidedlabelAccessible(qelidedlabel *label);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

    // Registers the interface with Qt while any label exists, so that a
    // module unloaded by its host leaves no factory behind.
    static void labelCreated();
    static void labelDestroyed();

private:
    qelidedlabel *label() const;
};
