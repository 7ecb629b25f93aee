// vexaro-forms: loads the form module as the host does and builds every form
// the factory offers, printing one line per form.

#include "VexaroForms.h"
#include "formslots.h"
#include "uimodule.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds every form of the VexaroUI_NEW module."));
    parser.addHelpOption();
    const QCommandLineOption moduleOption(QStringLiteral("module"),
                                          QStringLiteral("The module to load (default: VexaroUI_NEW)."),
                                          QStringLiteral("name-or-path"), QStringLiteral("VexaroUI_NEW"));
    parser.addOption(moduleOption);
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    UiModule module(parser.value(moduleOption));
    if (!module.load()) {
        err << "vexaro-forms: " << module.errorString() << '\n';
        return 2;
    }
    IUIFactory *factory = module.createFactory();
    if (!factory) {
        err << "vexaro-forms: create_UIFactory returned null\n";
        return 2;
    }

    out << "module " << module.fileName() << ": product \"" << factory->productName() << "\", skin \""
        << factory->skinName() << "\"\n";
    out << QStringLiteral("%1  %2 %3 %4 %5\n")
               .arg(QStringLiteral("slot"), QStringLiteral("class").leftJustified(34),
                    QStringLiteral("object name").leftJustified(30), QStringLiteral("size").leftJustified(9),
                    QStringLiteral("children"));
    int failures = 0;
    for (int slot = FormSlots::First; slot <= FormSlots::Last; ++slot) {
        QWidget host;
        const bool built = FormSlots::visit(factory, slot, [&host](auto *form) {
            if (!form)
                return false;
            form->setupUi(&host);
            form->release();
            return true;
        });
        if (!built) {
            err << "vexaro-forms: slot " << slot << " returned no form object\n";
            ++failures;
            continue;
        }
        const QString name = host.objectName();
        out << QStringLiteral("%1  %2 %3 %4 %5\n")
                   .arg(slot, 4)
                   .arg(QString(QStringLiteral("Ui_") + name).leftJustified(34), name.leftJustified(30),
                        QStringLiteral("%1x%2").arg(host.width()).arg(host.height()).leftJustified(9))
                   .arg(host.findChildren<QObject *>().size());
    }
    module.destroyFactory(factory);
    return failures ? 1 : 0;
}
