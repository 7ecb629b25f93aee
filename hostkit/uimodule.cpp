#include "uimodule.h"

#include <QtCore/QCoreApplication>

UiModule::UiModule(const QString &fileName)
    : m_library(fileName)
{
}

bool UiModule::load()
{
    // Like LoadLibrary on Windows, look next to the program first.
    const QString name = m_library.fileName();
    if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))) {
        m_library.setFileName(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
        if (!m_library.load())
            m_library.setFileName(name);
    }
    if (!m_library.isLoaded() && !m_library.load()) {
        m_error = QStringLiteral("cannot load the form module: %1").arg(m_library.errorString());
        return false;
    }
    m_create = reinterpret_cast<CreateUIFactoryFunction>(m_library.resolve("create_UIFactory"));
    m_destroy = reinterpret_cast<DestroyUIFactoryFunction>(m_library.resolve("destroy_UIFactory"));
    if (!m_create || !m_destroy) {
        m_error = QStringLiteral("%1 is not a form module: it lacks create_UIFactory or destroy_UIFactory")
                      .arg(m_library.fileName());
        m_library.unload();
        return false;
    }
    return true;
}
