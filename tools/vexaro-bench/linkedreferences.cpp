#include "linkedreferences.h"

#include "customwidgetloader.h"
#include "formdump.h"
#include "uicforms.h"

#include <QtWidgets/QWidget>

LinkedReferences::LinkedReferences() = default;

LinkedReferences::~LinkedReferences() = default;

BenchReferences::UicBuild LinkedReferences::uicBuild(const QString &form) const
{
    return uicFormBuild(form);
}

void LinkedReferences::createUiLoader()
{
    if (!m_loader)
        m_loader = std::make_unique<CustomWidgetLoader>();
}

QWidget *LinkedReferences::loadUi(QIODevice *ui, QString *error)
{
    createUiLoader();
    QWidget *form = m_loader->load(ui);
    if (!form && error)
        *error = m_loader->errorString();
    return form;
}

QStringList LinkedReferences::tree(QWidget *root) const
{
    return FormDump::structure(root, true);
}

extern "C" Q_DECL_EXPORT BenchReferences *vexaroBenchReferences()
{
    // Lives as long as the process: the loader must not outlive the
    // application object in a static destructor.
    static LinkedReferences *references = new LinkedReferences;
    return references;
}
