#pragma once

#include "benchreferences.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>

#include <array>
#include <functional>

class FormCatalog;
class QWidget;

// Builds forms three ways and measures them: through the module's factory
// as a host does, with QUiLoader from the form's .ui file, and with uic's
// class compiled in.
//
// Each measurement builds into a fresh top-level widget, and with
// BuildShowPaint also shows it and paints it (grab()); the widget is
// destroyed outside the measurement. The ways take turns form by form, in
// an order that rotates, so that drift on a busy machine spreads evenly.
class FormBench
{
public:
    enum Arm { Module, UiLoader, Uic };
    static constexpr int ArmCount = 3;
    enum Mode { BuildOnly, BuildShowPaint };
    static constexpr int ModeCount = 2;

    struct Form
    {
        QString name;        // default object name, also the .ui file's base name
        int slot = 0;        // the factory's creation slot
        QByteArray ui;       // the .ui file, read once: loading it is not timed
        BenchReferences::UicBuild uic = nullptr;
        int members = 0;     // widgets and layouts, counted by compareTrees()
    };

    // One quantity over the repetitions: time and heap growth of each.
    struct Series
    {
        QVector<qint64> nanoseconds;
        QVector<qint64> heapBytes;
    };

    // Where a form built another way differs from the module's.
    struct Difference
    {
        QString form;
        Arm arm;               // UiLoader or Uic
        QStringList lines;     // "module: ..." / "<arm>: ..." pairs, shortened
        int differingLines = 0;
    };

    struct ScalePoint
    {
        int count = 0;
        qint64 nanoseconds = 0;           // all of them, their posted events left queued
        qint64 deliveredNanoseconds = 0;  // all of them, posted events delivered after each
        qint64 heapBytes = 0;             // all of them, alive
    };

    struct Churn
    {
        int rounds = 0;
        int warmUpRounds = 0;
        qint64 heapAfterWarmUp = 0;
        qint64 heapAtEnd = 0;
        qint64 heapHighest = 0;  // after the warm-up
        QVector<qint64> roundNanoseconds;
    };

    FormBench(const FormCatalog &catalog, BenchReferences *references);

    // False, with the reason, if the form has no .ui file or no uic class.
    bool addForm(int slot, const QString &name, const QString &uiFile, QString *error);
    const QVector<Form> &forms() const { return m_forms; }

    // The form built one way into a new top-level widget; null (and an
    // error recorded) if it could not be built.
    QWidget *build(Arm arm, const Form &form);

    // Builds every form each way, shows it, and compares the trees with
    // the module's: classes, names, parentage and geometry.
    QVector<Difference> compareTrees();

    // One warm-up round, then 'repetitions' measured ones.
    void measure(Mode mode, int repetitions, const std::function<void(int repetition)> &progress);
    const Series &series(Mode mode, int form, Arm arm) const { return m_series[mode][form][arm]; }
    // The sum over the forms, per repetition.
    Series total(Mode mode, Arm arm) const;

    // Builds 'count' instances of a form through the module into live hosts,
    // twice: once as a host does that builds them all before it returns to
    // the event loop, once delivering the posted events after each build.
    ScalePoint scale(const Form &form, int count);

    // Builds and destroys every form through the module 'rounds' times.
    Churn churn(int rounds, const std::function<void(int round)> &progress);

    QStringList errors() const { return m_errors; }

    static QString armName(Arm arm);
    static QString modeName(Mode mode);

private:
    void destroy(QWidget *widget);
    qint64 buildLive(const Form &form, int count, bool deliverEvents, qint64 *heapBytes);

    const FormCatalog &m_catalog;
    BenchReferences *m_references;
    QVector<Form> m_forms;
    std::array<QVector<std::array<Series, ArmCount>>, ModeCount> m_series;
    QStringList m_errors;
};
