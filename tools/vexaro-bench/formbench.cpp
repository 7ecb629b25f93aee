#include "formbench.h"

#include "formcatalog.h"
#include "heapusage.h"

#include <QtCore/QBuffer>
#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEvent>
#include <QtCore/QFile>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <algorithm>

namespace {

// Lets pending layout requests and show events run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void showAndPaint(QWidget *widget)
{
    widget->show();
    const QPixmap picture = widget->grab();
    Q_UNUSED(picture)
}

// Pairs the differing lines of two trees: line by line when they have the
// same members, otherwise the lines only one of them has.
QStringList differences(const QStringList &module, const QStringList &other, const QString &otherName, int *count)
{
    QStringList lines;
    const QString moduleLabel = FormBench::armName(FormBench::Module) + QLatin1String(": ");
    const QString otherLabel = otherName + QLatin1String(": ");
    if (module.size() == other.size()) {
        for (int i = 0; i < module.size(); ++i) {
            if (module.at(i) != other.at(i))
                lines << moduleLabel + module.at(i) << otherLabel + other.at(i);
        }
    } else {
        for (const QString &line : module) {
            if (!other.contains(line))
                lines << moduleLabel + line;
        }
        for (const QString &line : other) {
            if (!module.contains(line))
                lines << otherLabel + line;
        }
    }
    *count = lines.size();
    return lines;
}

} // namespace

FormBench::FormBench(const FormCatalog &catalog, BenchReferences *references)
    : m_catalog(catalog)
    , m_references(references)
{
}

bool FormBench::addForm(int slot, const QString &name, const QString &uiFile, QString *error)
{
    Form form;
    form.name = name;
    form.slot = slot;
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(uiFile, file.errorString());
        return false;
    }
    form.ui = file.readAll();
    form.uic = m_references->uicBuild(name);
    if (!form.uic) {
        *error = QStringLiteral("no uic class for %1").arg(name);
        return false;
    }
    m_forms.append(form);
    for (auto &series : m_series)
        series.append(std::array<Series, ArmCount>());
    return true;
}

QWidget *FormBench::build(Arm arm, const Form &form)
{
    switch (arm) {
    case Module: {
        auto *host = new QWidget;
        if (!m_catalog.build(form.slot, host)) {
            m_errors << QStringLiteral("%1: the factory gave no form object").arg(form.name);
            delete host;
            return nullptr;
        }
        return host;
    }
    case UiLoader: {
        QByteArray ui = form.ui; // shares the data: no copy
        QBuffer buffer(&ui);
        buffer.open(QIODevice::ReadOnly);
        QString error;
        QWidget *loaded = m_references->loadUi(&buffer, &error);
        if (!loaded)
            m_errors << QStringLiteral("%1: QUiLoader: %2").arg(form.name, error);
        return loaded;
    }
    case Uic: {
        auto *host = new QWidget;
        form.uic(host);
        return host;
    }
    }
    return nullptr;
}

void FormBench::destroy(QWidget *widget)
{
    delete widget;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QVector<FormBench::Difference> FormBench::compareTrees()
{
    QVector<Difference> found;
    for (Form &form : m_forms) {
        std::array<QStringList, ArmCount> trees;
        for (int arm = 0; arm < ArmCount; ++arm) {
            QWidget *widget = build(Arm(arm), form);
            if (!widget)
                continue;
            widget->show();
            settle();
            trees[arm] = m_references->tree(widget);
            destroy(widget);
        }
        form.members = trees[Module].size();
        for (Arm arm : {UiLoader, Uic}) {
            if (trees[arm] == trees[Module])
                continue;
            Difference difference{form.name, arm, {}, 0};
            difference.lines = differences(trees[Module], trees[arm], armName(arm), &difference.differingLines);
            found.append(difference);
        }
    }
    settle();
    return found;
}

void FormBench::measure(Mode mode, int repetitions, const std::function<void(int)> &progress)
{
    QElapsedTimer timer;
    for (int repetition = -1; repetition < repetitions; ++repetition) {
        if (progress)
            progress(repetition);
        for (int f = 0; f < m_forms.size(); ++f) {
            for (int turn = 0; turn < ArmCount; ++turn) {
                const Arm arm = Arm((repetition + 1 + f + turn) % ArmCount);
                const qint64 heapBefore = HeapUsage::inUse();
                timer.start();
                QWidget *widget = build(arm, m_forms.at(f));
                if (widget && mode == BuildShowPaint)
                    showAndPaint(widget);
                const qint64 elapsed = timer.nsecsElapsed();
                const qint64 heapAfter = HeapUsage::inUse();
                destroy(widget);
                if (repetition < 0)
                    continue; // warm-up
                Series &series = m_series[mode][f][arm];
                series.nanoseconds.append(elapsed);
                series.heapBytes.append(heapAfter - heapBefore);
            }
        }
        // Whatever showing posted for widgets now gone.
        settle();
    }
}

FormBench::Series FormBench::total(Mode mode, Arm arm) const
{
    Series sum;
    for (int f = 0; f < m_forms.size(); ++f) {
        const Series &series = m_series[mode][f][arm];
        sum.nanoseconds.resize(std::max(sum.nanoseconds.size(), series.nanoseconds.size()));
        sum.heapBytes.resize(sum.nanoseconds.size());
        for (int i = 0; i < series.nanoseconds.size(); ++i) {
            sum.nanoseconds[i] += series.nanoseconds.at(i);
            sum.heapBytes[i] += series.heapBytes.at(i);
        }
    }
    return sum;
}

// Building a form posts layout requests to its widgets. Qt compresses a
// second request to the same widget by searching the whole queue of posted
// events, so while they stay queued every build costs more than the last.
qint64 FormBench::buildLive(const Form &form, int count, bool deliverEvents, qint64 *heapBytes)
{
    QVector<QWidget *> hosts;
    hosts.reserve(count);
    QElapsedTimer timer;
    const qint64 heapBefore = HeapUsage::inUse();
    timer.start();
    for (int i = 0; i < count; ++i) {
        hosts.append(build(Module, form));
        if (deliverEvents)
            QCoreApplication::sendPostedEvents();
    }
    const qint64 elapsed = timer.nsecsElapsed();
    if (heapBytes)
        *heapBytes = HeapUsage::inUse() - heapBefore;
    for (QWidget *host : hosts)
        delete host;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    return elapsed;
}

FormBench::ScalePoint FormBench::scale(const Form &form, int count)
{
    ScalePoint point;
    point.count = count;
    point.nanoseconds = buildLive(form, count, false, &point.heapBytes);
    point.deliveredNanoseconds = buildLive(form, count, true, nullptr);
    return point;
}

FormBench::Churn FormBench::churn(int rounds, const std::function<void(int)> &progress)
{
    Churn churn;
    churn.rounds = rounds;
    churn.warmUpRounds = std::max(1, rounds / 10);
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        if (progress)
            progress(round);
        timer.start();
        for (const Form &form : m_forms)
            destroy(build(Module, form));
        churn.roundNanoseconds.append(timer.nsecsElapsed());
        settle();
        const qint64 heap = HeapUsage::inUse();
        if (round + 1 == churn.warmUpRounds)
            churn.heapAfterWarmUp = churn.heapHighest = heap;
        churn.heapHighest = std::max(churn.heapHighest, heap);
    }
    churn.heapAtEnd = HeapUsage::inUse();
    return churn;
}

QString FormBench::armName(Arm arm)
{
    switch (arm) {
    case Module: return QStringLiteral("module");
    case UiLoader: return QStringLiteral("QUiLoader");
    case Uic: return QStringLiteral("uic");
    }
    return QString();
}

QString FormBench::modeName(Mode mode)
{
    return mode == BuildOnly ? QStringLiteral("build") : QStringLiteral("build+show+paint");
}
