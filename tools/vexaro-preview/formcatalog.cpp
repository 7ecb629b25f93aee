#include "formcatalog.h"

#include "VexaroForms.h"
#include "formslots.h"

#include <QtWidgets/QWidget>

FormCatalog::FormCatalog(IUIFactory *factory)
    : m_factory(factory)
{
    for (int slot = FormSlots::First; slot <= FormSlots::Last; ++slot) {
        QWidget host;
        if (!build(slot, &host))
            continue;
        m_forms.append({slot, QString::fromLatin1(FormSlots::operationName(slot)), host.objectName(), host.size()});
    }
}

bool FormCatalog::build(int slot, QWidget *host) const
{
    return FormSlots::visit(m_factory, slot, [host](auto *form) {
        if (!form)
            return false;
        form->setupUi(host);
        form->release();
        return true;
    });
}

const FormCatalog::Form *FormCatalog::find(const QString &query) const
{
    bool isNumber = false;
    const int slot = query.toInt(&isNumber);
    for (const Form &form : m_forms) {
        if (isNumber) {
            if (form.slot == slot)
                return &form;
            continue;
        }
        QString shortName = form.name;
        if (shortName.endsWith(QLatin1String("Class")))
            shortName.chop(5);
        const QString shortOperation = form.operation.mid(6); // after "create"
        for (const QString &candidate : {form.name, shortName, form.operation, shortOperation}) {
            if (candidate.compare(query, Qt::CaseInsensitive) == 0)
                return &form;
        }
    }
    return nullptr;
}
