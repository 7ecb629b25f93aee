#pragma once

#include <QtCore/QStringList>

class QIODevice;
class QWidget;

// The two ways of building a form that the benchmark holds the module
// against: Qt's run-time loader reading the form's .ui file, and uic's class
// compiled in. They live in a library of their own, linked with the module's
// widgets, so that the benchmark itself can load the module the way a host
// does, and time that.
class BenchReferences
{
public:
    // Builds a form into an empty host widget.
    using UicBuild = void (*)(QWidget *host);

    virtual ~BenchReferences() = default;

    // uic's class of 'form' (its default object name); null if there is none.
    virtual UicBuild uicBuild(const QString &form) const = 0;

    // Constructs the QUiLoader that loadUi() uses; the first call only.
    virtual void createUiLoader() = 0;

    // Loads a form's .ui file into a new top-level widget; null with the
    // loader's error in 'error' on failure.
    virtual QWidget *loadUi(QIODevice *ui, QString *error) = 0;

    // Class, name, parent and geometry of every member under 'root'.
    virtual QStringList tree(QWidget *root) const = 0;
};

// The library's one entry point, "vexaroBenchReferences".
using BenchReferencesEntry = BenchReferences *(*)();
