// vexaro-preview: look at the module's forms without the host application.
//
// It loads the module by name exactly as the host does, calls the factory by
// slot, and dresses the forms with the placeholder skin (stand-ins for the
// host's images under ":/quorvel/UIResources/").

#include "atlas.h"
#include "formcatalog.h"
#include "formdump.h"
#include "formrenderer.h"
#include "headlessnotices.h"
#include "placeholderskin.h"
#include "resourcecheck.h"
#include "uimodule.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDir>
#include <QtCore/QLocale>
#include <QtCore/QSaveFile>
#include <QtCore/QSet>
#include <QtCore/QTemporaryFile>
#include <QtCore/QTextStream>
#include <QtCore/QTranslator>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <cstdio>
#include <cstring>

namespace {

enum ExitCode { Ok = 0, CheckFailed = 1, Error = 2 };

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message)
{
    err() << "vexaro-preview: " << message << Qt::endl;
    return Error;
}

// The translations installed with the module, found relative to this program
// as in the installation (the build tree has them at the same place).
QString translationsDir()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(VEXARO_TRANSLATIONS_FROM_BINDIR)));
}

// Loads vexaroui_<language>.qm; en_GB falls back to en.
bool loadLanguage(QTranslator &translator, const QString &language, QString *error)
{
    const QLocale locale(language);
    const QString dir = translationsDir();
    if (locale.language() != QLocale::C && translator.load(locale, QStringLiteral("vexaroui"), QStringLiteral("_"), dir))
        return true;
    QStringList available;
    const QStringList files = QDir(dir).entryList({QStringLiteral("vexaroui_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        available.append(file.mid(9, file.size() - 12));
    *error = QStringLiteral("no translation for \"%1\" in %2 (there: %3)")
                 .arg(language, dir, available.isEmpty() ? QStringLiteral("none") : available.join(QStringLiteral(", ")));
    return false;
}

// Everything but showing a window works without a display.
bool needsNoDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--list", "--all", "--out", "--dump", "--atlas", "--check-resources", "--help", "-h", "--version"}) {
            if (std::strncmp(argv[i], option, std::strlen(option)) == 0)
                return true;
        }
    }
    return false;
}

int checkResources(const QString &path)
{
    ResourceCheck check;
    if (!check.read(path))
        return fail(check.errorString());
    QSet<QString> needed;
    for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest())
        needed.insert(image.name);
    const QStringList missing = check.missing(needed);
    const QStringList unused = check.unused(needed);
    out() << path << ": " << check.available().size() << " images, the forms use " << needed.size() << Qt::endl;
    out() << "missing (" << missing.size() << "):" << Qt::endl;
    for (const QString &name : missing)
        out() << "  " << name << Qt::endl;
    out() << "not used by any form (" << unused.size() << "):" << Qt::endl;
    for (const QString &name : unused)
        out() << "  " << name << Qt::endl;
    return missing.isEmpty() ? Ok : CheckFailed;
}

void list(const FormCatalog &catalog)
{
    out() << QStringLiteral("%1  %2 %3 %4 %5")
                 .arg(QStringLiteral("slot"), QStringLiteral("operation").leftJustified(30),
                      QStringLiteral("class").leftJustified(34), QStringLiteral("object name").leftJustified(30),
                      QStringLiteral("size"))
          << Qt::endl;
    for (const FormCatalog::Form &form : catalog.forms()) {
        out() << QStringLiteral("%1  %2 %3 %4 %5x%6")
                     .arg(form.slot, 4)
                     .arg(form.operation.leftJustified(30), QString(QStringLiteral("Ui_") + form.name).leftJustified(34),
                          form.name.leftJustified(30))
                     .arg(form.initialSize.width())
                     .arg(form.initialSize.height())
              << Qt::endl;
    }
}

int render(const FormCatalog &catalog, const QVector<const FormCatalog::Form *> &forms, const QString &outDir)
{
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create the output folder %1").arg(outDir));
    QTemporaryFile probe(dir.filePath(QStringLiteral(".write-test-XXXXXX")));
    if (!probe.open())
        return fail(QStringLiteral("cannot write to the output folder %1").arg(dir.absolutePath()));
    probe.close();

    FormRenderer renderer(catalog, dir);
    const int width = QString::number(forms.size()).size();
    for (int i = 0; i < forms.size(); ++i) {
        err() << QStringLiteral("[%1/%2] %3").arg(i + 1, width).arg(forms.size()).arg(forms[i]->name) << Qt::endl;
        if (!renderer.render(*forms[i]))
            return fail(renderer.errorString());
    }
    if (!renderer.writeIndex(QStringLiteral("VexaroUI_NEW forms")))
        return fail(renderer.errorString());
    out() << "Rendered " << forms.size() << " form(s) to " << dir.absolutePath() << Qt::endl;
    out() << "Contact sheet: " << dir.absoluteFilePath(QStringLiteral("index.html")) << Qt::endl;
    return Ok;
}

// Writes each form's dump to <dir>/<Form>.txt, or to standard output.
int dump(const FormCatalog &catalog, const QVector<const FormCatalog::Form *> &forms, const QString &outDir)
{
    QDir dir(outDir);
    if (!outDir.isEmpty() && !dir.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create the output folder %1").arg(outDir));
    for (const FormCatalog::Form *form : forms) {
        const QString text = FormDump::dump([&catalog, form](QWidget *host) { catalog.build(form->slot, host); });
        if (outDir.isEmpty()) {
            out() << text;
            continue;
        }
        QSaveFile file(dir.filePath(form->name + QStringLiteral(".txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
            return fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    }
    if (!outDir.isEmpty())
        out() << "Wrote " << forms.size() << " dump(s) to " << dir.absolutePath() << Qt::endl;
    return Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (needsNoDisplay(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The preview's own output is its progress and its errors; every Qt
    // warning but the headless platform's notices still shows.
    muteHeadlessPlatformNotices();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexaro-preview"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows the forms of the VexaroUI_NEW module with placeholder artwork.\n\n"
        "  vexaro-preview NavBar                 show one form in a window\n"
        "  vexaro-preview --all --out DIR        render every form to DIR, with index.html\n"
        "  vexaro-preview --out DIR NavBar Flower  render the forms named\n"
        "  vexaro-preview --list                 list the forms\n"
        "  vexaro-preview --language en NavBar   show a form in English\n"
        "  vexaro-preview --dump NavBar          write what a host sees of a form as text\n"
        "  vexaro-preview --dump --all --out DIR write every form's text to DIR/<Form>.txt\n"
        "  vexaro-preview --atlas DIR            write DIR/index.html: every getter of every form, found in its picture\n"
        "  vexaro-preview --check-resources PATH compare a host's images (folder or .qrc) with the forms' needs\n\n"
        "A form is named by its class (NavBarClass), its class without \"Class\" (NavBar),\n"
        "its factory operation (createNavBar, NavBar) or its slot number (25)."));
    parser.addHelpOption();
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("List the forms."));
    const QCommandLineOption allOption(QStringLiteral("all"), QStringLiteral("Render every form (with --out)."));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Render to PNG files in <dir>."),
                                       QStringLiteral("dir"));
    const QCommandLineOption dumpOption(QStringLiteral("dump"),
                                        QStringLiteral("Write the forms' members and properties as text (to <dir>/<Form>.txt with --out)."));
    const QCommandLineOption translationOption(QStringLiteral("translation"),
                                               QStringLiteral("Install the translation <file.qm> first."),
                                               QStringLiteral("file.qm"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("Install the module's translation to <language> (en) first."),
                                            QStringLiteral("language"));
    const QCommandLineOption checkOption(QStringLiteral("check-resources"),
                                         QStringLiteral("Report the images that <path> lacks or has in excess."),
                                         QStringLiteral("path"));
    const QCommandLineOption moduleOption(QStringLiteral("module"),
                                          QStringLiteral("Load <module> instead of VexaroUI_NEW."),
                                          QStringLiteral("module"), QStringLiteral("VexaroUI_NEW"));
    const QCommandLineOption atlasOption(QStringLiteral("atlas"),
                                         QStringLiteral("Write the getter atlas of the forms named, or of every form, to <dir>."),
                                         QStringLiteral("dir"));
    parser.addOptions({listOption, allOption, outOption, dumpOption, translationOption, languageOption, checkOption,
                       moduleOption, atlasOption});
    parser.addPositionalArgument(QStringLiteral("forms"), QStringLiteral("The forms to show or render."),
                                 QStringLiteral("[form...]"));
    parser.process(app);

    if (parser.isSet(checkOption))
        return checkResources(parser.value(checkOption));
    if (parser.isSet(atlasOption)) {
        // It builds every form in Danish and again in English by itself.
        for (const QCommandLineOption &other : {outOption, dumpOption, listOption, translationOption, languageOption}) {
            if (parser.isSet(other))
                return fail(QStringLiteral("--atlas writes Danish and English by itself; leave out --%1").arg(other.names().first()));
        }
        QTranslator english;
        QString report;
        if (!loadLanguage(english, QStringLiteral("en"), &report))
            return fail(report);
        if (!Atlas::write(parser.value(moduleOption), parser.positionalArguments(), parser.value(atlasOption), &english, &report))
            return fail(report);
        out() << report << Qt::endl;
        return Ok;
    }

    const QStringList names = parser.positionalArguments();
    const bool dumping = parser.isSet(dumpOption);
    const bool rendering = parser.isSet(outOption) && !dumping;
    if (dumping && !parser.isSet(allOption) && names.isEmpty())
        return fail(QStringLiteral("name the forms to dump, or use --all"));
    if (parser.isSet(allOption) && !rendering && !dumping)
        return fail(QStringLiteral("--all renders to files: give the folder with --out DIR"));
    if (rendering && !parser.isSet(allOption) && names.isEmpty())
        return fail(QStringLiteral("name the forms to render, or use --all"));
    if (!rendering && !dumping && !parser.isSet(listOption) && names.isEmpty()) {
        parser.showHelp(Error);
    }

    QTranslator translator;
    if (parser.isSet(translationOption) && parser.isSet(languageOption))
        return fail(QStringLiteral("give --translation or --language, not both"));
    if (parser.isSet(translationOption)) {
        const QString file = parser.value(translationOption);
        if (!translator.load(file))
            return fail(QStringLiteral("cannot load the translation %1").arg(file));
    } else if (parser.isSet(languageOption)) {
        QString error;
        if (!loadLanguage(translator, parser.value(languageOption), &error))
            return fail(error);
    }
    if (!translator.isEmpty())
        QCoreApplication::installTranslator(&translator);

    UiModule module(parser.value(moduleOption));
    if (!module.load())
        return fail(module.errorString());
    IUIFactory *factory = module.createFactory();
    if (!factory)
        return fail(QStringLiteral("create_UIFactory returned no factory"));
    PlaceholderSkin::install();

    int result = Ok;
    {
        const FormCatalog catalog(factory);
        QVector<const FormCatalog::Form *> chosen;
        for (const QString &name : names) {
            const FormCatalog::Form *form = catalog.find(name);
            if (!form) {
                module.destroyFactory(factory);
                return fail(QStringLiteral("no form called \"%1\" (see --list)").arg(name));
            }
            chosen.append(form);
        }
        if (parser.isSet(allOption)) {
            chosen.clear();
            for (const FormCatalog::Form &form : catalog.forms())
                chosen.append(&form);
        }

        if (parser.isSet(listOption)) {
            list(catalog);
        } else if (dumping) {
            result = dump(catalog, chosen, parser.value(outOption));
        } else if (rendering) {
            result = render(catalog, chosen, parser.value(outOption));
        } else {
            if (QGuiApplication::platformName() == QLatin1String("offscreen")
                || QGuiApplication::platformName() == QLatin1String("minimal")) {
                module.destroyFactory(factory);
                return fail(QStringLiteral("there is no display to show a window on; render with --out DIR"));
            }
            QWidget window;
            catalog.build(chosen.first()->slot, &window);
            window.setWindowTitle(QStringLiteral("%1 (slot %2) - vexaro-preview").arg(chosen.first()->name).arg(chosen.first()->slot));
            window.setWindowModality(Qt::NonModal);
            window.show();
            result = app.exec();
        }
    }
    module.destroyFactory(factory);
    return result;
}
