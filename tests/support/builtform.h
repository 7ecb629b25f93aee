#pragma once

#include "VexaroForms.h"
#include "uimodule.h"

#include <QtCore/QVariant>
#include <QtCore/QtGlobal>
#include <QtGui/QFont>
#include <QtWidgets/QWidget>

#include <memory>

// The module, loaded once per test program the way the host loads it.
IUIFactory *testFactory();

// Builds the form with default object name 'form' into a new host widget
// (a child of 'parent' if given) and releases the form object at once, as a
// host may: the widgets stay with the host.
QWidget *buildFormByName(const QString &form, QWidget *parent = nullptr);

// The descendant of 'host' of that class and name; warns when there is none.
template<class T = QWidget>
T *child(QWidget *host, const QString &name)
{
    T *found = host->findChild<T *>(name);
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The value of 'property' on the member 'object' of 'form', built afresh into
// a new host; fails the running test when the form has no such member.
QVariant builtProperty(const QString &form, const QString &object, const char *property);

// The font of that member once its style sheets apply.
QFont builtFont(const QString &form, const QString &object);

// Lets pending layout requests and show events run.
void settle();

// Shows a window, waits until it is exposed, and settles.
void showAndSettle(QWidget *window);

// A form built into a fresh host widget, for tests of one form:
//
//     BuiltForm<INavBarClass> nav(testFactory()->createNavBar());
//     QCOMPARE(nav->frame()->maximumHeight(), 80);
//
// The form object is released when this goes; the host widget with it.
template<class Form>
class BuiltForm
{
public:
    explicit BuiltForm(Form *form, QWidget *host = nullptr)
        : m_host(host ? host : new QWidget)
        , m_form(form)
    {
        Q_ASSERT(m_form);
        m_form->setupUi(m_host.get());
    }
    ~BuiltForm() { m_form->release(); }
    BuiltForm(const BuiltForm &) = delete;
    BuiltForm &operator=(const BuiltForm &) = delete;

    Form *operator->() const { return m_form; }
    Form *form() const { return m_form; }
    QWidget *host() const { return m_host.get(); }

private:
    std::unique_ptr<QWidget> m_host;
    Form *m_form;
};
