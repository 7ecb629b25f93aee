#pragma once

#include "uifactory.h"

#include <QtCore/QLibrary>
#include <QtCore/QString>

// Loads the form module the way the host does: by name through QLibrary, then
// resolves the two C entry points.
class UiModule
{
public:
    // 'fileName' is what QLibrary takes: a bare name ("VexaroUI_NEW") or a
    // path, with or without prefix and suffix.
    explicit UiModule(const QString &fileName = QStringLiteral("VexaroUI_NEW"));

    bool load();
    QString errorString() const { return m_error; }
    QString fileName() const { return m_library.fileName(); }

    // Both valid only after a successful load().
    IUIFactory *createFactory() const { return m_create(); }
    void destroyFactory(IUIFactory *factory) const { m_destroy(factory); }

private:
    QLibrary m_library;
    CreateUIFactoryFunction m_create = nullptr;
    DestroyUIFactoryFunction m_destroy = nullptr;
    QString m_error;
};
