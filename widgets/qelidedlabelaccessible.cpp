#include "qelidedlabelaccessible.h"
#include "qelidedlabel.h"

namespace {

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("qelidedlabel"))
        return new qelidedlabelAccessible(static_cast<qelidedlabel *>(object));
    return nullptr;
}

// Labels alive; the factory is installed while there are any.
int s_labels = 0;

} // namespace

qelidedlabelAccessible::qelidedlabelAccessible(qelidedlabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

qelidedlabel *qelidedlabelAccessible::label() const
{
    return static_cast<qelidedlabel *>(widget());
}

QString qelidedlabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? label()->text() : name;
    }
    case QAccessible::Description: {
        // The tool tip is the whole text while shortened, which the name or
        // this description already reads out. Under a set name (what the
        // label holds: "Albumnavn"), the text is the description.
        const QString description = widget()->accessibleDescription();
        if (!description.isEmpty() || widget()->accessibleName().isEmpty())
            return description;
        return label()->text();
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList qelidedlabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void qelidedlabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled()) {
        emit label()->clicked();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList qelidedlabelAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void qelidedlabelAccessible::labelCreated()
{
    if (s_labels++ == 0)
        QAccessible::installFactory(createInterface);
}

void qelidedlabelAccessible::labelDestroyed()
{
    if (--s_labels == 0)
        QAccessible::removeFactory(createInterface);
}
