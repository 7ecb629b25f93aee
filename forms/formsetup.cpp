#include "formsetup.h"

#include <QtCore/QDebug>
#include <QtWidgets/QWidget>

bool FormSetup::admit(const char *form, const QWidget *widget, bool alreadyBuilt)
{
    if (!widget) {
        qWarning("%s::setupUi: the host widget is null; nothing is built", form);
        return false;
    }
    if (alreadyBuilt) {
        qWarning("%s::setupUi: this form object has already built its form; a second call builds "
                 "nothing (ask the factory for a new form object for another host widget)",
                 form);
        return false;
    }
    return true;
}
