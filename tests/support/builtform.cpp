#include "builtform.h"

#include "placeholderskin.h"

#include <QtCore/QtDebug>

IUIFactory *testFactory()
{
    // Lives until the test program ends, as the host's factory does.
    static UiModule *module = [] {
        PlaceholderSkin::install(); // stands in for the host's images
        auto *m = new UiModule;
        if (!m->load())
            qFatal("%s", qPrintable(m->errorString()));
        return m;
    }();
    static IUIFactory *factory = module->createFactory();
    return factory;
}
