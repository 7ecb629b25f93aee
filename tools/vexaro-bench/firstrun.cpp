#include "firstrun.h"

#include "VexaroForms.h"
#include "benchreferences.h"
#include "formslots.h"
#include "uimodule.h"

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QLibrary>
#include <QtCore/QProcess>
#include <QtCore/QTextStream>
#include <QtWidgets/QWidget>

#include <memory>

namespace {

BenchReferences *loadReferences(QString *error)
{
    static QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/vexarobench_references"));
    auto entry = reinterpret_cast<BenchReferencesEntry>(library.resolve("vexaroBenchReferences"));
    if (!entry) {
        *error = library.errorString();
        return nullptr;
    }
    return entry();
}

void print(const char *cost, qint64 nanoseconds)
{
    QTextStream(stdout) << cost << '\t' << nanoseconds << Qt::endl;
}

} // namespace

int FirstRun::runChild(const QString &way, const QString &form, int slot, const QString &uiFile)
{
    QTextStream err(stderr);
    QElapsedTimer timer;
    UiModule module;
    if (way == QLatin1String("module")) {
        timer.start();
        const bool loaded = module.load();
        print("load", timer.nsecsElapsed());
        if (!loaded) {
            err << module.errorString() << Qt::endl;
            return 2;
        }
        timer.start();
        IUIFactory *factory = module.createFactory();
        print("factory", timer.nsecsElapsed());
        for (const char *cost : {"module first", "module second"}) {
            timer.start();
            auto host = std::make_unique<QWidget>();
            const bool built = FormSlots::visit(factory, slot, [&host](auto *object) {
                if (!object)
                    return false;
                object->setupUi(host.get());
                object->release();
                return true;
            });
            print(cost, timer.nsecsElapsed());
            if (!built) {
                err << "the factory gave no " << form << Qt::endl;
                return 2;
            }
        }
        module.destroyFactory(factory);
        return 0;
    }

    // The other ways need the module's widgets, as a program compiled with
    // them has them loaded before it starts: not timed.
    QString error;
    BenchReferences *references = module.load() ? loadReferences(&error) : nullptr;
    if (!references) {
        err << "cannot load the reference builders: " << module.errorString() << error << Qt::endl;
        return 2;
    }
    if (way == QLatin1String("uiloader")) {
        QFile file(uiFile);
        if (!file.open(QIODevice::ReadOnly)) {
            err << "cannot read " << uiFile << Qt::endl;
            return 2;
        }
        QByteArray ui = file.readAll();
        timer.start();
        references->createUiLoader();
        print("uiloader", timer.nsecsElapsed());
        for (const char *cost : {"uiloader first", "uiloader second"}) {
            QBuffer buffer(&ui);
            buffer.open(QIODevice::ReadOnly);
            timer.start();
            std::unique_ptr<QWidget> loaded(references->loadUi(&buffer, &error));
            print(cost, timer.nsecsElapsed());
            if (!loaded) {
                err << error << Qt::endl;
                return 2;
            }
        }
        return 0;
    }
    if (way == QLatin1String("uic")) {
        const BenchReferences::UicBuild build = references->uicBuild(form);
        if (!build) {
            err << "no uic class for " << form << Qt::endl;
            return 2;
        }
        for (const char *cost : {"uic first", "uic second"}) {
            timer.start();
            auto host = std::make_unique<QWidget>();
            build(host.get());
            print(cost, timer.nsecsElapsed());
        }
        return 0;
    }
    err << "unknown way " << way << Qt::endl;
    return 2;
}

FirstRun::Costs FirstRun::measure(const QString &program, const QString &form, int slot, const QString &uiFile,
                                  int runs, QString *error)
{
    Costs costs;
    for (int run = 0; run < runs; ++run) {
        for (const char *way : {"module", "uiloader", "uic"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(program, {QLatin1String(Option), QLatin1String(way), form, QString::number(slot), uiFile});
            if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
                *error = QStringLiteral("the %1 child process failed (%2)").arg(QLatin1String(way), child.errorString());
                return costs;
            }
            const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
            for (const QByteArray &line : lines) {
                const QList<QByteArray> fields = line.split('\t');
                if (fields.size() == 2)
                    costs[QString::fromLatin1(fields.at(0))].append(fields.at(1).toLongLong());
            }
        }
    }
    return costs;
}

QVector<QPair<QString, QString>> FirstRun::descriptions(const QString &form)
{
    return {
        {QStringLiteral("load"), QStringLiteral("Loading the module and resolving its two entry points")},
        {QStringLiteral("factory"), QStringLiteral("Creating the factory")},
        {QStringLiteral("uiloader"), QStringLiteral("Constructing QUiLoader")},
        {QStringLiteral("module first"), QStringLiteral("First form (%1) through the module").arg(form)},
        {QStringLiteral("uiloader first"), QStringLiteral("First form (%1) through QUiLoader").arg(form)},
        {QStringLiteral("uic first"), QStringLiteral("First form (%1) through uic's class").arg(form)},
        {QStringLiteral("module second"), QStringLiteral("The same form again, through the module")},
        {QStringLiteral("uiloader second"), QStringLiteral("The same form again, through QUiLoader")},
        {QStringLiteral("uic second"), QStringLiteral("The same form again, through uic's class")},
    };
}
