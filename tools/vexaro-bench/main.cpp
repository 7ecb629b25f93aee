// vexaro-bench: what a form costs through the module, side by side with
// QUiLoader reading the same .ui file and with uic's class compiled in.
//
// It loads the module by name as the host does and dresses every way with
// the same placeholder skin. Before timing it checks that the three ways
// build the same tree, and reports where they do not.

#include "benchreferences.h"
#include "benchreport.h"
#include "firstrun.h"
#include "formbench.h"
#include "formcatalog.h"
#include "headlessnotices.h"
#include "placeholderskin.h"
#include "uimodule.h"

#include <QtCore/QCommandLineParser>
#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QLibrary>
#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

#include <cstring>

namespace {

enum ExitCode { Ok = 0, Faults = 1, Error = 2 };

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message)
{
    err() << "vexaro-bench: " << message << Qt::endl;
    return Error;
}

// Every Qt warning while forms are built, shown or painted is a fault of a
// form. The headless platform's notices say nothing about one.
QStringList s_warnings;

void collectWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (isHeadlessPlatformNotice(message))
        return;
    const QString text = context.category && std::strcmp(context.category, "default") != 0
                             ? QLatin1String(context.category) + QLatin1String(": ") + message
                             : message;
    s_warnings << text;
    err() << "vexaro-bench: Qt: " << text << Qt::endl;
}

// The .ui file of every form, by base name.
QHash<QString, QString> uiFiles(const QString &dir)
{
    QHash<QString, QString> files;
    QDirIterator it(dir, {QStringLiteral("*.ui")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QFileInfo(path).completeBaseName(), path);
    }
    return files;
}

bool parseCounts(const QString &text, QVector<int> *counts)
{
    counts->clear();
    if (text == QLatin1String("none"))
        return true;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int count = part.toInt(&ok);
        if (!ok || count < 1)
            return false;
        counts->append(count);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexaro-bench"));
    PlaceholderSkin::install(); // the same stand-in images for every way

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 6 && arguments.at(1) == QLatin1String(FirstRun::Option)) {
        qInstallMessageHandler(collectWarning);
        const int code = FirstRun::runChild(arguments.at(2), arguments.at(3), arguments.at(4).toInt(), arguments.at(5));
        return code == Ok && !s_warnings.isEmpty() ? Faults : code;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times building every form three ways, interleaved: through the module's factory as a host does, "
        "with QUiLoader from the form's .ui file, and with uic's class compiled in. Tables on stdout, "
        "progress on stderr."));
    parser.addHelpOption();
    const QCommandLineOption repeatOption(QStringLiteral("repeat"), QStringLiteral("Measured repetitions (default 20)."),
                                          QStringLiteral("N"), QStringLiteral("20"));
    const QCommandLineOption formsOption(QStringLiteral("forms"),
                                         QStringLiteral("Only these forms: names, short names or slots (default all)."),
                                         QStringLiteral("a,b,c"));
    const QCommandLineOption modesOption(QStringLiteral("modes"),
                                         QStringLiteral("build, paint or both (default build,paint)."),
                                         QStringLiteral("modes"), QStringLiteral("build,paint"));
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       QStringLiteral("Also write the results as CSV to FILE; - writes the CSV to stdout "
                                                      "and the tables to stderr."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Live instances of the largest form to build (default "
                                                        "1,10,100,1000; none skips)."),
                                         QStringLiteral("counts"), QStringLiteral("1,10,100,1000"));
    const QCommandLineOption churnOption(QStringLiteral("churn"),
                                         QStringLiteral("Rounds of building and destroying every form (default 1000; 0 "
                                                        "skips)."),
                                         QStringLiteral("N"), QStringLiteral("1000"));
    const QCommandLineOption firstRunsOption(QStringLiteral("first-runs"),
                                             QStringLiteral("Fresh processes per way for the one-off costs (default 5; 0 "
                                                            "skips)."),
                                             QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption uiDirOption(QStringLiteral("ui-dir"),
                                         QStringLiteral("Where the forms' .ui files are (default the source tree's)."),
                                         QStringLiteral("dir"), QStringLiteral(VEXARO_FORMS_DIR));
    parser.addOptions({repeatOption, formsOption, modesOption, csvOption, scaleOption, churnOption, firstRunsOption,
                       uiDirOption});
    parser.process(app);

    bool ok = false;
    const int repetitions = parser.value(repeatOption).toInt(&ok);
    if (!ok || repetitions < 1)
        return fail(QStringLiteral("--repeat needs a number above 0"));
    const int churnRounds = parser.value(churnOption).toInt(&ok);
    if (!ok || churnRounds < 0)
        return fail(QStringLiteral("--churn needs a number"));
    const int firstRuns = parser.value(firstRunsOption).toInt(&ok);
    if (!ok || firstRuns < 0)
        return fail(QStringLiteral("--first-runs needs a number"));
    QVector<int> scaleCounts;
    if (!parseCounts(parser.value(scaleOption), &scaleCounts))
        return fail(QStringLiteral("--scale needs counts like 1,10,100 or none"));
    QVector<FormBench::Mode> modes;
    for (const QString &mode : parser.value(modesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (mode == QLatin1String("build"))
            modes << FormBench::BuildOnly;
        else if (mode == QLatin1String("paint"))
            modes << FormBench::BuildShowPaint;
        else
            return fail(QStringLiteral("unknown mode %1 (build or paint)").arg(mode));
    }

    qInstallMessageHandler(collectWarning);

    UiModule module;
    if (!module.load())
        return fail(module.errorString());
    IUIFactory *factory = module.createFactory();
    QLibrary referencesLibrary(QCoreApplication::applicationDirPath() + QStringLiteral("/vexarobench_references"));
    auto referencesEntry = reinterpret_cast<BenchReferencesEntry>(referencesLibrary.resolve("vexaroBenchReferences"));
    if (!referencesEntry)
        return fail(QStringLiteral("cannot load the reference builders: %1").arg(referencesLibrary.errorString()));
    BenchReferences *references = referencesEntry();
    references->createUiLoader();

    const FormCatalog catalog(factory);
    QVector<const FormCatalog::Form *> selected;
    if (parser.isSet(formsOption)) {
        for (const QString &query : parser.value(formsOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const FormCatalog::Form *form = catalog.find(query.trimmed());
            if (!form)
                return fail(QStringLiteral("no form %1 (vexaro-preview --list lists them)").arg(query));
            selected << form;
        }
    } else {
        for (const FormCatalog::Form &form : catalog.forms())
            selected << &form;
    }
    const QHash<QString, QString> files = uiFiles(parser.value(uiDirOption));
    FormBench bench(catalog, references);
    for (const FormCatalog::Form *form : selected) {
        QString error;
        if (!bench.addForm(form->slot, form->name, files.value(form->name), &error))
            return fail(error);
    }
    if (bench.forms().isEmpty())
        return fail(QStringLiteral("no forms to measure"));

    BenchReport::Setup setup;
    setup.repetitions = repetitions;
    setup.modes = modes;
    setup.firstRuns = firstRuns;

    if (firstRuns > 0) {
        const FormBench::Form &form = bench.forms().first();
        err() << "one-off costs: " << firstRuns << " fresh processes per way, with " << form.name << Qt::endl;
        QString error;
        setup.firstRunForm = form.name;
        setup.firstRun = FirstRun::measure(QCoreApplication::applicationFilePath(), form.name, form.slot,
                                           files.value(form.name), firstRuns, &error);
        if (!error.isEmpty())
            return fail(error);
    }

    err() << "checking that the three ways build the same trees" << Qt::endl;
    setup.differences = bench.compareTrees();

    for (FormBench::Mode mode : modes) {
        bench.measure(mode, repetitions, [mode, repetitions](int repetition) {
            err() << FormBench::modeName(mode) << ": "
                  << (repetition < 0 ? QStringLiteral("warm-up") : QStringLiteral("repetition %1/%2").arg(repetition + 1).arg(repetitions))
                  << Qt::endl;
        });
    }

    if (!scaleCounts.isEmpty()) {
        const FormBench::Form *largest = &bench.forms().first();
        for (const FormBench::Form &form : bench.forms()) {
            if (form.members > largest->members)
                largest = &form;
        }
        setup.scaledForm = largest->name;
        for (int count : scaleCounts) {
            err() << "scaling: " << count << " live " << largest->name << Qt::endl;
            setup.scale << bench.scale(*largest, count);
        }
    }
    if (churnRounds > 0) {
        setup.churn = bench.churn(churnRounds, [churnRounds](int round) {
            if (round % 50 == 0)
                err() << "build and destroy: round " << round + 1 << '/' << churnRounds << Qt::endl;
        });
    }

    module.destroyFactory(factory);
    setup.warnings = s_warnings + bench.errors();

    const BenchReport report(bench, setup);
    const QString csvFile = parser.value(csvOption);
    QTextStream stdoutStream(stdout);
    if (csvFile == QLatin1String("-")) {
        report.writeText(err());
        report.writeCsv(stdoutStream);
    } else {
        report.writeText(stdoutStream);
        if (!csvFile.isEmpty()) {
            QFile file(csvFile);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
                return fail(QStringLiteral("cannot write %1: %2").arg(csvFile, file.errorString()));
            QTextStream csv(&file);
            report.writeCsv(csv);
        }
    }
    return setup.warnings.isEmpty() ? Ok : Faults;
}
