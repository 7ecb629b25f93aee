#pragma once

#include "firstrun.h"
#include "formbench.h"

#include <QtCore/QString>
#include <QtCore/QTextStream>
#include <QtCore/QVector>

// The benchmark's results: Markdown tables for people, one CSV for tools.
class BenchReport
{
public:
    struct Setup
    {
        int repetitions = 0;
        QVector<FormBench::Mode> modes;
        FirstRun::Costs firstRun;
        QString firstRunForm;
        int firstRuns = 0;
        QString scaledForm;
        QVector<FormBench::ScalePoint> scale;
        FormBench::Churn churn;
        QVector<FormBench::Difference> differences;
        QStringList warnings;
    };

    BenchReport(const FormBench &bench, const Setup &setup);

    void writeText(QTextStream &out) const;
    void writeCsv(QTextStream &out) const;

    static qint64 median(QVector<qint64> values);
    static qint64 minimum(const QVector<qint64> &values);

private:
    void writeEnvironment(QTextStream &out) const;
    void writeDifferences(QTextStream &out) const;
    void writeTimes(QTextStream &out, FormBench::Mode mode) const;
    void writeFirstRun(QTextStream &out) const;
    void writeScale(QTextStream &out) const;
    void writeChurn(QTextStream &out) const;

    const FormBench &m_bench;
    const Setup &m_setup;
};
