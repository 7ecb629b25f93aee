// Random lifecycles of the factory and its form objects, in the orders hosts
// really use: several factories, forms from every slot built into QWidget and
// QDialog hosts (named or not), shown and painted, released before or after
// their host is deleted, factories destroyed before their forms are used.
//
// Each lifecycle has its own seed, derived from a base seed that is printed
// first. VEXARO_STRESS_SEED replays a run (or, with VEXARO_STRESS_LIFECYCLES=1,
// one lifecycle by its printed seed); VEXARO_STRESS_LIFECYCLES makes a long
// run. A failure prints the lifecycle's seed and its steps; so does a
// sanitizer report, through the sanitizer's death callback.

#include "builtform.h"
#include "formslots.h"
#include "replaylog.h"
#include "testdata.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>

#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

struct FormObject
{
    int slot = 0;
    std::function<void(QWidget *)> setupUi;
    std::function<void()> release;
    QPointer<QWidget> host; // set once built
    bool built = false;
};

// The module, loaded once, as a host keeps it loaded.
const UiModule &module()
{
    static UiModule *loaded = [] {
        auto *m = new UiModule;
        if (!m->load())
            qFatal("%s", qPrintable(m->errorString()));
        return m;
    }();
    return *loaded;
}

class Lifecycle
{
public:
    explicit Lifecycle(quint32 seed) : m_random(seed) {}
    ~Lifecycle() { finish(); }

    // One random step; false when a check failed.
    bool step();
    void finish();

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    FormObject *pickForm(const std::function<bool(const FormObject &)> &wanted);
    bool createForm();
    bool build(FormObject &form);

    std::mt19937 m_random;
    const QVector<TestData::FormRow> m_rows = TestData::forms();
    std::vector<IUIFactory *> m_factories;
    std::vector<FormObject> m_forms;
    std::vector<std::unique_ptr<QWidget>> m_hosts;
};

FormObject *Lifecycle::pickForm(const std::function<bool(const FormObject &)> &wanted)
{
    std::vector<FormObject *> candidates;
    for (FormObject &form : m_forms) {
        if (wanted(form))
            candidates.push_back(&form);
    }
    return candidates.empty() ? nullptr : candidates[size_t(pick(int(candidates.size())))];
}

bool Lifecycle::createForm()
{
    IUIFactory *factory = m_factories[size_t(pick(int(m_factories.size())))];
    const int slot = FormSlots::First + pick(FormSlots::Last - FormSlots::First + 1);
    ReplayLog::step(QStringLiteral("%1 from factory %2").arg(QLatin1String(FormSlots::operationName(slot)))
                   .arg(quintptr(factory), 0, 16));
    FormObject form;
    form.slot = slot;
    const bool created = FormSlots::visit(factory, slot, [&form](auto *object) {
        if (!object)
            return false;
        form.setupUi = [object](QWidget *host) { object->setupUi(host); };
        form.release = [object] { object->release(); };
        return true;
    });
    if (!created)
        return false;
    m_forms.push_back(std::move(form));
    return true;
}

bool Lifecycle::build(FormObject &form)
{
    const bool dialog = pick(2) == 0;
    const bool named = pick(3) == 0;
    ReplayLog::step(QStringLiteral("setupUi slot %1 into a %2%3").arg(form.slot)
                   .arg(dialog ? QStringLiteral("QDialog") : QStringLiteral("QWidget"),
                        named ? QStringLiteral(" named \"host\"") : QString()));
    m_hosts.emplace_back(dialog ? new QDialog : new QWidget);
    QWidget *host = m_hosts.back().get();
    if (named)
        host->setObjectName(QStringLiteral("host"));
    form.setupUi(host);
    form.host = host;
    form.built = true;
    const QString expected = named ? QStringLiteral("host") : m_rows[form.slot - FormSlots::First].defaultName;
    return host->objectName() == expected && host->size() == m_rows[form.slot - FormSlots::First].size;
}

bool Lifecycle::step()
{
    // Mostly forms created, built, shown and painted; now and then a
    // factory created or destroyed, a form released or a host deleted.
    static const int weights[] = {1, 1, 3, 3, 2, 2, 2};
    int choice = pick(14);
    int kind = 0;
    while (choice >= weights[kind])
        choice -= weights[kind++];
    if (m_factories.empty() && kind != 1)
        kind = 0;
    switch (kind) {
    case 0:
        if (m_factories.size() < 2) {
            IUIFactory *factory = module().createFactory();
            ReplayLog::step(QStringLiteral("create factory %1").arg(quintptr(factory), 0, 16));
            if (!factory)
                return false;
            m_factories.push_back(factory);
        }
        return true;
    case 1:
        if (!m_factories.empty()) {
            const size_t i = size_t(pick(int(m_factories.size())));
            ReplayLog::step(QStringLiteral("destroy factory %1").arg(quintptr(m_factories[i]), 0, 16));
            module().destroyFactory(m_factories[i]);
            m_factories.erase(m_factories.begin() + long(i));
        }
        return true;
    case 2:
        return m_factories.empty() || createForm();
    case 3:
        if (FormObject *form = pickForm([](const FormObject &f) { return !f.built && f.release; }))
            return build(*form);
        return true;
    case 4:
        if (FormObject *form = pickForm([](const FormObject &f) { return !f.host.isNull(); })) {
            const bool paint = pick(2) == 0;
            ReplayLog::step(QStringLiteral("%1 slot %2").arg(paint ? QStringLiteral("paint") : QStringLiteral("show"))
                           .arg(form->slot));
            if (paint)
                form->host->grab();
            else
                showAndSettle(form->host);
        }
        return true;
    case 5:
        if (FormObject *form = pickForm([](const FormObject &f) { return bool(f.release); })) {
            ReplayLog::step(QStringLiteral("release slot %1%2").arg(form->slot)
                           .arg(form->built && form->host.isNull() ? QStringLiteral(" after its host") : QString()));
            form->release();
            form->release = nullptr;
        }
        return true;
    default:
        if (FormObject *form = pickForm([](const FormObject &f) { return !f.host.isNull(); })) {
            ReplayLog::step(QStringLiteral("delete host of slot %1").arg(form->slot));
            for (auto it = m_hosts.begin(); it != m_hosts.end(); ++it) {
                if (it->get() == form->host) {
                    m_hosts.erase(it);
                    break;
                }
            }
        }
        return true;
    }
}

void Lifecycle::finish()
{
    for (FormObject &form : m_forms) {
        if (form.release)
            form.release();
    }
    m_forms.clear();
    m_hosts.clear();
    for (IUIFactory *factory : m_factories)
        module().destroyFactory(factory);
    m_factories.clear();
}

} // namespace

class tst_LifecycleStress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomLifecycles();
};

void tst_LifecycleStress::initTestCase()
{
    testFactory(); // the placeholder skin
    module();
    ReplayLog::printOnSanitizerDeath();
}

void tst_LifecycleStress::randomLifecycles()
{
    const quint32 seed = ReplayLog::envNumber("VEXARO_STRESS_SEED", QRandomGenerator::global()->generate());
    const quint32 lifecycles = ReplayLog::envNumber("VEXARO_STRESS_LIFECYCLES", 300);
    qInfo("base seed %u, %u lifecycles (replay: VEXARO_STRESS_SEED=%u)", seed, lifecycles, seed);
    WarningGuard guard;
    const int windowsBefore = QApplication::topLevelWidgets().size();

    for (quint32 i = 0; i < lifecycles; ++i) {
        const quint32 lifecycleSeed = seed + i;
        ReplayLog::begin(QStringLiteral("lifecycle %1").arg(i), lifecycleSeed,
                         QStringLiteral("VEXARO_STRESS_SEED=%1 VEXARO_STRESS_LIFECYCLES=1").arg(lifecycleSeed));
        {
            Lifecycle lifecycle(lifecycleSeed);
            for (int n = 0; n < 24; ++n) {
                if (!lifecycle.step()) {
                    ReplayLog::print();
                    QFAIL("a step went wrong (the last one listed)");
                }
            }
            ReplayLog::step(QStringLiteral("finish"));
        }
        settle();
        const QStringList warnings = guard.take();
        if (!warnings.isEmpty() || QApplication::topLevelWidgets().size() != windowsBefore) {
            ReplayLog::print();
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
            QFAIL("a host widget outlived its lifecycle");
        }
    }
}

QTEST_MAIN(tst_LifecycleStress)
#include "tst_lifecyclestress.moc"
