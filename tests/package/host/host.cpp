// A host of the installed module, built by CMake or by qmake: loads the module
// with QLibrary (by path from CMake, by name from qmake), builds a form through
// the factory, calls a custom widget's own method (the reason to link the
// package at all), and loads the installed English translation. Exits 0 when
// everything worked.

#include "VexaroForms.h"
#include "qelidedlabel.h"
#include "uifactory.h"

#include <QtCore/QLibrary>
#include <QtCore/QTranslator>
#include <QtWidgets/QApplication>
#include <QtWidgets/QToolButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QLibrary module(QStringLiteral(VEXARO_MODULE));
    auto create = reinterpret_cast<CreateUIFactoryFunction>(module.resolve("create_UIFactory"));
    auto destroy = reinterpret_cast<DestroyUIFactoryFunction>(module.resolve("destroy_UIFactory"));
    if (!create || !destroy) {
        std::fprintf(stderr, "host: %s\n", qPrintable(module.errorString()));
        return 1;
    }

    IUIFactory *factory = create();
    INavBarClass *navBar = factory ? factory->createNavBar() : nullptr;
    if (!navBar) {
        std::fprintf(stderr, "host: no navigation bar from the factory\n");
        return 1;
    }
    QWidget host;
    navBar->setupUi(&host);
    const bool built = host.objectName() == QLatin1String("NavBarClass") && navBar->toolButton_Back()
        && navBar->toolButton_Back()->parent();
    navBar->release();
    destroy(factory);
    if (!built) {
        std::fprintf(stderr, "host: the navigation bar was not built into the host widget\n");
        return 1;
    }

    qelidedlabel label;
    label.setText(QStringLiteral("Billeder"));
    if (label.text() != QLatin1String("Billeder")) {
        std::fprintf(stderr, "host: the label lost its text\n");
        return 1;
    }
    QTranslator english;
    if (!english.load(QStringLiteral("vexaroui_en"), QStringLiteral(VEXARO_TRANSLATIONS_DIR)) || english.isEmpty()) {
        std::fprintf(stderr, "host: the installed English translation does not load\n");
        return 1;
    }
    std::printf("host: built NavBarClass with the module of Qt %s\n", qVersion());
    return 0;
}
