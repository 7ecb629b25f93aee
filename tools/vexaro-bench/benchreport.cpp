#include "benchreport.h"

#include "heapusage.h"

#include <QtCore/QDate>
#include <QtCore/QSysInfo>
#include <QtCore/QThread>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QApplication>
#include <QtWidgets/QStyle>

#include <algorithm>

namespace {

QString milliseconds(qint64 nanoseconds)
{
    return QString::number(double(nanoseconds) / 1e6, 'f', 2);
}

QString kibibytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1024.0, 'f', 0);
}

QString ratio(qint64 numerator, qint64 denominator)
{
    return denominator > 0 ? QString::number(double(numerator) / double(denominator), 'f', 2) : QStringLiteral("-");
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

constexpr FormBench::Arm arms[] = {FormBench::Module, FormBench::UiLoader, FormBench::Uic};

} // namespace

BenchReport::BenchReport(const FormBench &bench, const Setup &setup)
    : m_bench(bench)
    , m_setup(setup)
{
}

qint64 BenchReport::median(QVector<qint64> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

qint64 BenchReport::minimum(const QVector<qint64> &values)
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

void BenchReport::writeText(QTextStream &out) const
{
    writeEnvironment(out);
    writeDifferences(out);
    for (FormBench::Mode mode : m_setup.modes)
        writeTimes(out, mode);
    writeFirstRun(out);
    writeScale(out);
    writeChurn(out);
    if (!m_setup.warnings.isEmpty()) {
        out << "\n## Faults: Qt warnings and forms that did not build\n\n";
        for (const QString &warning : m_setup.warnings)
            out << "    " << warning << '\n';
    }
    out.flush();
}

void BenchReport::writeEnvironment(QTextStream &out) const
{
    out << "# vexaro-bench\n\n"
        << "Qt " << qVersion() << ", platform " << QGuiApplication::platformName()
        << ", style " << QApplication::style()->objectName()
        << ", built " << VEXARO_BENCH_BUILD_TYPE
        << ", " << QSysInfo::prettyProductName() << ' ' << QSysInfo::currentCpuArchitecture()
        << ", " << QThread::idealThreadCount() << " cores, " << QDate::currentDate().toString(Qt::ISODate) << ".\n"
        << m_bench.forms().size() << " forms, " << m_setup.repetitions
        << " repetitions, the three ways interleaved; times are medians (and minimums) in ms, "
        << (HeapUsage::available() ? "heap is the C heap in use after the build, per instance, in KiB (median).\n"
                                   : "heap is not measured on this C library.\n");
}

void BenchReport::writeDifferences(QTextStream &out) const
{
    out << "\n## Same tree? (classes, names, parentage, geometry after show)\n\n";
    if (m_setup.differences.isEmpty()) {
        out << "All three ways build the same tree for every form.\n";
        return;
    }
    QStringList differing;
    for (const FormBench::Difference &difference : m_setup.differences) {
        if (!differing.contains(difference.form))
            differing << difference.form;
    }
    out << m_bench.forms().size() - differing.size() << " of " << m_bench.forms().size()
        << " forms are the same all three ways. These differ from the module's:\n\n";
    const int shown = 6;
    for (const FormBench::Difference &difference : m_setup.differences) {
        out << "- " << difference.form << " through " << FormBench::armName(difference.arm) << ", "
            << difference.differingLines << " differing lines:\n";
        for (int i = 0; i < difference.lines.size() && i < shown; ++i)
            out << "      " << difference.lines.at(i) << '\n';
        if (difference.lines.size() > shown)
            out << "      ...\n";
    }
}

void BenchReport::writeTimes(QTextStream &out, FormBench::Mode mode) const
{
    out << "\n## " << (mode == FormBench::BuildOnly ? "Build only: setupUi into a fresh host"
                                                     : "Build, show and paint (grab())")
        << "\n\n| Form | module | QUiLoader | uic | module/QUiLoader | module/uic | heap KiB: module | QUiLoader | uic |\n"
        << "|---|--:|--:|--:|--:|--:|--:|--:|--:|\n";
    auto row = [&out](const QString &name, const FormBench::Series (&series)[FormBench::ArmCount]) {
        qint64 medians[FormBench::ArmCount];
        out << "| " << name;
        for (FormBench::Arm arm : arms) {
            medians[arm] = median(series[arm].nanoseconds);
            out << " | " << milliseconds(medians[arm]) << " (" << milliseconds(minimum(series[arm].nanoseconds)) << ')';
        }
        out << " | " << ratio(medians[FormBench::Module], medians[FormBench::UiLoader])
            << " | " << ratio(medians[FormBench::Module], medians[FormBench::Uic]);
        for (FormBench::Arm arm : arms)
            out << " | " << kibibytes(median(series[arm].heapBytes));
        out << " |\n";
    };
    for (int f = 0; f < m_bench.forms().size(); ++f) {
        const FormBench::Series series[] = {m_bench.series(mode, f, FormBench::Module),
                                            m_bench.series(mode, f, FormBench::UiLoader),
                                            m_bench.series(mode, f, FormBench::Uic)};
        row(m_bench.forms().at(f).name, series);
    }
    const FormBench::Series totals[] = {m_bench.total(mode, FormBench::Module), m_bench.total(mode, FormBench::UiLoader),
                                        m_bench.total(mode, FormBench::Uic)};
    row(QStringLiteral("**all %1 forms**").arg(m_bench.forms().size()), totals);
}

void BenchReport::writeFirstRun(QTextStream &out) const
{
    if (m_setup.firstRun.isEmpty())
        return;
    out << "\n## Once per process (" << m_setup.firstRuns << " fresh processes each, ms)\n\n"
        << "| Cost | median | min |\n|---|--:|--:|\n";
    for (const auto &cost : FirstRun::descriptions(m_setup.firstRunForm)) {
        const QVector<qint64> values = m_setup.firstRun.value(cost.first);
        if (!values.isEmpty())
            out << "| " << cost.second << " | " << milliseconds(median(values)) << " | " << milliseconds(minimum(values)) << " |\n";
    }
}

void BenchReport::writeScale(QTextStream &out) const
{
    if (m_setup.scale.isEmpty())
        return;
    out << "\n## Many live instances of the largest form (" << m_setup.scaledForm << ", through the module)\n\n"
        << "| Instances | ms per instance | ms per instance, events delivered after each | heap KiB per instance |\n"
        << "|--:|--:|--:|--:|\n";
    for (const FormBench::ScalePoint &point : m_setup.scale) {
        const int count = std::max(1, point.count);
        out << "| " << point.count << " | " << milliseconds(point.nanoseconds / count) << " | "
            << milliseconds(point.deliveredNanoseconds / count) << " | " << kibibytes(point.heapBytes / count) << " |\n";
    }
    // Against the smallest count above one, which is past the first build's costs.
    const FormBench::ScalePoint *base = nullptr;
    for (const FormBench::ScalePoint &point : m_setup.scale) {
        if (point.count > 1 && (!base || point.count < base->count))
            base = &point;
    }
    const FormBench::ScalePoint &last = m_setup.scale.last();
    if (base && last.count > base->count) {
        const auto growth = [&](qint64 FormBench::ScalePoint::*value) {
            return (double(last.*value) / last.count) / (double(base->*value) / base->count);
        };
        const double time = growth(&FormBench::ScalePoint::nanoseconds);
        const double delivered = growth(&FormBench::ScalePoint::deliveredNanoseconds);
        const double heap = base->heapBytes > 0 ? growth(&FormBench::ScalePoint::heapBytes) : 1.0;
        const auto verdict = [](double factor, double limit) {
            return factor < limit ? QStringLiteral(" (flat)") : QStringLiteral(" (NOT flat)");
        };
        out << "\nPer instance from " << base->count << " to " << last.count << ": time x"
            << QString::number(time, 'f', 2) << verdict(time, 1.15) << ", with events delivered after each x"
            << QString::number(delivered, 'f', 2) << verdict(delivered, 1.15) << ", heap x"
            << QString::number(heap, 'f', 2) << verdict(heap, 1.05) << ".\n";
        if (time >= 1.15 && delivered < time - 0.05) {
            out << "Part of the growth is Qt's queue of posted events: Qt searches the whole queue to merge a widget's "
                   "layout requests, so builds left with their events queued get slower as the queue grows. A host that "
                   "returns to the event loop between forms, or calls QCoreApplication::sendPostedEvents(), avoids that "
                   "part.\n";
        }
    }
}

void BenchReport::writeChurn(QTextStream &out) const
{
    const FormBench::Churn &churn = m_setup.churn;
    if (churn.rounds == 0)
        return;
    const qint64 growth = churn.heapAtEnd - churn.heapAfterWarmUp;
    const int measured = churn.rounds - churn.warmUpRounds;
    out << "\n## Build and destroy every form " << churn.rounds << " times (through the module)\n\n"
        << "A round (every form once) takes " << milliseconds(median(churn.roundNanoseconds)) << " ms (median). ";
    if (!HeapUsage::available()) {
        out << "Heap not measured on this C library.\n";
        return;
    }
    out << "Heap growth over the " << measured << " rounds after " << churn.warmUpRounds << " warm-up rounds: "
        << growth << " bytes";
    if (measured > 0)
        out << " (" << QString::number(double(growth) / measured, 'f', 1) << " bytes per round)";
    out << ", at most " << churn.heapHighest - churn.heapAfterWarmUp << " bytes above where it started";
    // Qt's caches (fonts, pixmaps, style sheets) settle within a few KiB.
    out << (growth <= 4096 ? ": nothing kept.\n" : ": GROWS, something is kept per build.\n");
}

void BenchReport::writeCsv(QTextStream &out) const
{
    out << "section,mode,form,arm,count,median_ns,min_ns,heap_bytes\n";
    auto line = [&out](const QString &section, const QString &mode, const QString &form, const QString &arm, qint64 count,
                       qint64 medianNs, qint64 minNs, qint64 heap) {
        out << section << ',' << csvField(mode) << ',' << csvField(form) << ',' << csvField(arm) << ',' << count << ','
            << medianNs << ',' << minNs << ',' << heap << '\n';
    };
    for (FormBench::Mode mode : m_setup.modes) {
        for (int f = 0; f < m_bench.forms().size(); ++f) {
            for (FormBench::Arm arm : arms) {
                const FormBench::Series &series = m_bench.series(mode, f, arm);
                line(QStringLiteral("form"), FormBench::modeName(mode), m_bench.forms().at(f).name, FormBench::armName(arm),
                     series.nanoseconds.size(), median(series.nanoseconds), minimum(series.nanoseconds),
                     median(series.heapBytes));
            }
        }
        for (FormBench::Arm arm : arms) {
            const FormBench::Series series = m_bench.total(mode, arm);
            line(QStringLiteral("total"), FormBench::modeName(mode), QString(), FormBench::armName(arm),
                 series.nanoseconds.size(), median(series.nanoseconds), minimum(series.nanoseconds), median(series.heapBytes));
        }
    }
    for (auto it = m_setup.firstRun.cbegin(); it != m_setup.firstRun.cend(); ++it)
        line(QStringLiteral("once"), it.key(), m_setup.firstRunForm, QString(), it.value().size(), median(it.value()),
             minimum(it.value()), 0);
    for (const FormBench::ScalePoint &point : m_setup.scale) {
        const int count = std::max(1, point.count);
        line(QStringLiteral("scale"), QStringLiteral("build"), m_setup.scaledForm, FormBench::armName(FormBench::Module),
             point.count, point.nanoseconds / count, point.nanoseconds / count, point.heapBytes / count);
        line(QStringLiteral("scale"), QStringLiteral("build-events-delivered"), m_setup.scaledForm,
             FormBench::armName(FormBench::Module), point.count, point.deliveredNanoseconds / count,
             point.deliveredNanoseconds / count, point.heapBytes / count);
    }
    if (m_setup.churn.rounds > 0)
        line(QStringLiteral("churn"), QStringLiteral("build"), QString(), FormBench::armName(FormBench::Module),
             m_setup.churn.rounds, median(m_setup.churn.roundNanoseconds), minimum(m_setup.churn.roundNanoseconds),
             m_setup.churn.heapAtEnd - m_setup.churn.heapAfterWarmUp);
    out.flush();
}
