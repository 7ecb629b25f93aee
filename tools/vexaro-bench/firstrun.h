#pragma once

#include <QtCore/QMap>
#include <QtCore/QString>
#include <QtCore/QVector>

class BenchReferences;

// What a fresh process pays once: loading the module and resolving its entry
// points, creating the factory, constructing QUiLoader, and the first form
// it builds each way (then the same form again, for comparison).
//
// The benchmark runs itself as a child process for each way (one way per
// process, so that none warms Qt up for another) and reads what it prints.
class FirstRun
{
public:
    // The costs measured, by name, in nanoseconds over the runs.
    using Costs = QMap<QString, QVector<qint64>>;

    // In the child: measures one way ("module", "uiloader" or "uic") with
    // the form of that name and slot, and prints "<cost>\t<ns>" lines.
    static int runChild(const QString &way, const QString &form, int slot, const QString &uiFile);

    // In the parent: 'runs' child processes per way.
    static Costs measure(const QString &program, const QString &form, int slot, const QString &uiFile,
                         int runs, QString *error);

    // The costs in the order to report them, with their descriptions.
    static QVector<QPair<QString, QString>> descriptions(const QString &form);

    // The child's command line: <program> --first-run <way> <form> <slot> <ui file>
    static constexpr char Option[] = "--first-run";
};
