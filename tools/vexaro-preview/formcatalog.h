#pragma once

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QVector>

#include <functional>

class IUIFactory;
class QWidget;

// The forms a factory offers, learnt the way a host learns them: by calling
// every creation slot and building the form once.
class FormCatalog
{
public:
    struct Form
    {
        int slot = 0;
        QString operation;   // createNavBar
        QString name;        // NavBarClass, the default object name
        QSize initialSize;
    };

    explicit FormCatalog(IUIFactory *factory);

    const QVector<Form> &forms() const { return m_forms; }

    // Finds a form by slot number, default object name, name without
    // "Class", or operation with or without "create"; case does not matter.
    const Form *find(const QString &query) const;

    // Builds the form of 'slot' into 'host'; false if the slot gave no object.
    bool build(int slot, QWidget *host) const;

private:
    IUIFactory *m_factory;
    QVector<Form> m_forms;
};
