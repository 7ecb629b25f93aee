#pragma once

#include "VexaroForms.h"
#include "uimodule.h"

#include <QtCore/QtGlobal>
#include <QtWidgets/QWidget>

#include <memory>

// The module, loaded once per test program the way the host loads it.
IUIFactory *testFactory();

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
