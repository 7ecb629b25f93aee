// The contract between the module and its host, exercised the way the host
// uses it: the module is loaded by name through QLibrary, the factory is
// called by slot, and every form object is driven through its interface.
// Expectations come from tests/data, written independently of the forms.

#include "VexaroForms.h"
#include "formprobes.h"
#include "formslots.h"
#include "placeholderskin.h"
#include "testdata.h"
#include "uimodule.h"
#include "warningguard.h"

#include <QtCore/QPointer>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLayout>
#include <QtWidgets/QWidget>

#include <functional>
#include <memory>

namespace {

// A form object seen through its interface, whatever its type.
struct FormObject
{
    const void *identity = nullptr;
    std::function<void(QWidget *)> setupUi;
    std::function<void()> release;
    std::function<FormProbe::Members()> members;
};

FormObject createForm(IUIFactory *factory, int slot)
{
    return FormSlots::visit(factory, slot, [](auto *form) -> FormObject {
        if (!form)
            return {};
        return {form, [form](QWidget *w) { form->setupUi(w); }, [form] { form->release(); },
                [form] { return probeMembers(form); }};
    });
}

// Answers every lookup with a marked text, and remembers the contexts asked.
class RecordingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        contexts.insert(QString::fromUtf8(context));
        sources.append(QString::fromUtf8(sourceText));
        return marked(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

    static QString marked(const QString &source) { return QStringLiteral("[tr]") + source; }

    mutable QSet<QString> contexts;
    mutable QStringList sources;
};

bool isDescendant(const QObject *object, const QObject *ancestor)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (o == ancestor)
            return true;
    }
    return false;
}

// Every spacer item in the layouts under 'host'.
QSet<QSpacerItem *> spacersUnder(QWidget *host)
{
    QSet<QSpacerItem *> spacers;
    QList<QLayout *> layouts = host->findChildren<QLayout *>();
    for (QLayout *layout : qAsConst(layouts)) {
        for (int i = 0; i < layout->count(); ++i) {
            if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                spacers.insert(spacer);
        }
    }
    return spacers;
}

} // namespace

class tst_FormContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void identityStrings();
    void destroyNullFactory();
    void slotTableIsComplete();

    void setupUiNamesSizesAndTitles_data() { formRows(); }
    void setupUiNamesSizesAndTitles();
    void newObjectPerCall_data() { formRows(); }
    void newObjectPerCall();
    void usableAfterFactoryDestroyed_data() { formRows(); }
    void usableAfterFactoryDestroyed();
    void presetNameKeptTextsTranslated_data() { formRows(); }
    void presetNameKeptTextsTranslated();
    void gettersMatchMembers_data() { formRows(); }
    void gettersMatchMembers();
    void misuseBuildsNothing_data() { formRows(); }
    void misuseBuildsNothing();
    void releaseLeavesTreeAlive_data() { formRows(); }
    void releaseLeavesTreeAlive();
    void showAndPaintQuietly_data() { formRows(); }
    void showAndPaintQuietly();

private:
    void formRows();
    TestData::FormRow row() const;

    std::unique_ptr<WarningGuard> m_warnings;
    UiModule m_module;
    IUIFactory *m_factory = nullptr;
    QVector<TestData::FormRow> m_forms;
    QHash<QString, QVector<TestData::MemberRow>> m_members;
};

void tst_FormContract::initTestCase()
{
    m_warnings.reset(new WarningGuard);
    // The host's images, as far as the forms name them: a form naming an image
    // the skin does not list makes Qt warn, and fails.
    PlaceholderSkin::install();
    QVERIFY2(m_module.load(), qPrintable(m_module.errorString()));
    m_factory = m_module.createFactory();
    QVERIFY(m_factory);
    m_forms = TestData::forms();
    m_members = TestData::members();
    QCOMPARE(m_forms.size(), FormSlots::Last - FormSlots::First + 1);
}

void tst_FormContract::cleanup()
{
    m_warnings->verifyNone();
}

void tst_FormContract::cleanupTestCase()
{
    m_module.destroyFactory(m_factory);
    m_warnings.reset();
}

void tst_FormContract::formRows()
{
    QTest::addColumn<int>("index");
    const QVector<TestData::FormRow> forms = TestData::forms();
    for (int i = 0; i < forms.size(); ++i)
        QTest::addRow("%d %s", forms[i].slot, qPrintable(forms[i].defaultName)) << i;
}

TestData::FormRow tst_FormContract::row() const
{
    QFETCH(int, index);
    return m_forms.at(index);
}

void tst_FormContract::identityStrings()
{
    IUIFactory *other = m_module.createFactory();
    QVERIFY(other);
    QVERIFY(other != m_factory);

    const char *product = m_factory->productName();
    const char *skin = m_factory->skinName();
    QCOMPARE(QByteArray(product), QByteArrayLiteral("Vexaro"));
    QCOMPARE(QByteArray(skin), QByteArrayLiteral("NEW"));
    QCOMPARE(m_factory->productName(), product);
    QCOMPARE(m_factory->skinName(), skin);
    QCOMPARE(other->productName(), product);
    QCOMPARE(other->skinName(), skin);

    // The module's name is made of the two strings.
    QCOMPARE(QByteArray(product) + "UI_" + skin, QByteArrayLiteral("VexaroUI_NEW"));
    m_module.destroyFactory(other);
}

// Destroying null is harmless: no warning (cleanup checks) and no factory
// touched.
void tst_FormContract::destroyNullFactory()
{
    m_module.destroyFactory(nullptr);
    QCOMPARE(QByteArray(m_factory->productName()), QByteArrayLiteral("Vexaro"));
}

// The host kit's names of the slots against the independent table: a slot
// that drifted in one of them would call the wrong operation.
void tst_FormContract::slotTableIsComplete()
{
    for (int i = 0; i < m_forms.size(); ++i) {
        QCOMPARE(m_forms[i].slot, FormSlots::First + i);
        QCOMPARE(QString::fromLatin1(FormSlots::operationName(m_forms[i].slot)), m_forms[i].operation);
    }
}

void tst_FormContract::setupUiNamesSizesAndTitles()
{
    const TestData::FormRow form = row();
    FormObject object = createForm(m_factory, form.slot);
    QVERIFY(object.identity);

    QWidget host;
    object.setupUi(&host);
    QCOMPARE(host.objectName(), form.defaultName);
    QCOMPARE(host.size(), form.size);
    QCOMPARE(host.windowTitle(), form.windowTitle);
    if (form.getters == 0) {
        QVERIFY(host.children().isEmpty());
        QVERIFY(!host.layout());
    }
    object.release();
}

void tst_FormContract::newObjectPerCall()
{
    const TestData::FormRow form = row();
    FormObject first = createForm(m_factory, form.slot);
    FormObject second = createForm(m_factory, form.slot);
    QVERIFY(first.identity && second.identity);
    QVERIFY(first.identity != second.identity);

    first.release();
    QWidget host;
    second.setupUi(&host);
    QCOMPARE(host.objectName(), form.defaultName);
    const FormProbe::Members members = second.members();
    for (const FormProbe::Entry &member : members)
        QVERIFY(!member.object || isDescendant(member.object, &host));
    second.release();
}

void tst_FormContract::usableAfterFactoryDestroyed()
{
    const TestData::FormRow form = row();
    IUIFactory *factory = m_module.createFactory();
    QVERIFY(factory);
    FormObject object = createForm(factory, form.slot);
    m_module.destroyFactory(factory);

    QWidget host;
    object.setupUi(&host);
    QCOMPARE(host.objectName(), form.defaultName);
    const FormProbe::Members members = object.members();
    for (const FormProbe::Entry &member : members)
        QVERIFY(member.object || member.spacer);
    object.release();
}

void tst_FormContract::presetNameKeptTextsTranslated()
{
    const TestData::FormRow form = row();
    RecordingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // Installing asks for Qt's own texts; only the form's lookups count.
    translator.contexts.clear();
    translator.sources.clear();

    QWidget host;
    host.setObjectName(QStringLiteral("hostWidget"));
    FormObject object = createForm(m_factory, form.slot);
    object.setupUi(&host);
    object.release();
    const QSet<QString> contexts = translator.contexts;
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(host.objectName(), QStringLiteral("hostWidget"));
    // Texts are looked up in the form's own context, never the host's name.
    for (const QString &context : contexts)
        QCOMPARE(context, form.defaultName);
    if (form.titleTranslated) {
        QCOMPARE(host.windowTitle(), RecordingTranslator::marked(form.windowTitle));
    } else {
        QCOMPARE(host.windowTitle(), form.windowTitle);
        QVERIFY(!translator.sources.contains(form.windowTitle));
    }
}

void tst_FormContract::gettersMatchMembers()
{
    const TestData::FormRow form = row();
    const QVector<TestData::MemberRow> expected = m_members.value(form.defaultName);
    QCOMPARE(expected.size(), form.getters);

    FormObject object = createForm(m_factory, form.slot);
    QWidget host;
    object.setupUi(&host);
    const FormProbe::Members members = object.members();
    object.release();

    QCOMPARE(members.size(), expected.size());
    const QSet<QSpacerItem *> spacers = spacersUnder(&host);
    for (int slot = 0; slot < members.size(); ++slot) {
        const FormProbe::Entry &member = members[slot];
        const TestData::MemberRow &want = expected[slot];
        const QByteArray where = QByteArray::number(slot) + ' ' + want.name.toUtf8();
        QVERIFY2(QLatin1String(member.getter) == want.name, QByteArray(where + " is named " + member.getter).constData());
        QVERIFY2(QLatin1String(member.declaredClass) == want.className,
                 QByteArray(where + " is declared " + member.declaredClass).constData());
        if (want.className == QLatin1String("QSpacerItem")) {
            QVERIFY2(member.spacer && spacers.contains(member.spacer), QByteArray(where + " is not in the form's layouts").constData());
            const QSizePolicy policy = member.spacer->sizePolicy();
            if (want.name.startsWith(QLatin1String("horizontalSpacer")))
                QVERIFY2(policy.verticalPolicy() == QSizePolicy::Minimum, where.constData());
            else
                QVERIFY2(policy.horizontalPolicy() == QSizePolicy::Minimum, where.constData());
            continue;
        }
        QVERIFY2(member.object, QByteArray(where + " is null").constData());
        QCOMPARE(member.object->objectName(), want.name);
        QCOMPARE(QLatin1String(member.object->metaObject()->className()), want.className);
        QVERIFY2(isDescendant(member.object, &host), QByteArray(where + " is outside the host widget").constData());
        const QList<QObject *> named = host.findChildren<QObject *>(want.name);
        QVERIFY2(named.contains(member.object), where.constData());
    }
}

// Both misuses are outside the contract but detectable: each builds nothing
// and says so once, naming the form. Without the check, a null host crashes
// and a second call builds a second tree into the host and repoints every
// getter.
void tst_FormContract::misuseBuildsNothing()
{
    const TestData::FormRow form = row();
    FormObject object = createForm(m_factory, form.slot);
    const auto getters = [&object] {
        QVector<const void *> results;
        for (const FormProbe::Entry &member : object.members())
            results << (member.object ? static_cast<const void *>(member.object) : member.spacer);
        return results;
    };

    const auto expectWarning = [&form](const char *misuse) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^%1::setupUi: .*%2")
                                                                  .arg(form.defaultName, QLatin1String(misuse))));
    };

    expectWarning("null");
    object.setupUi(nullptr);
    QCOMPARE(m_warnings->take().size(), 1);
    QCOMPARE(getters(), QVector<const void *>(form.getters, nullptr));

    QWidget host;
    object.setupUi(&host);
    m_warnings->verifyNone();
    const QVector<const void *> built = getters();
    const QObjectList children = host.children();

    QWidget other;
    for (QWidget *again : {&host, &other}) {
        expectWarning("already built");
        object.setupUi(again);
        QCOMPARE(m_warnings->take().size(), 1);
    }
    QCOMPARE(getters(), built);
    QCOMPARE(host.children(), children);
    QVERIFY(other.children().isEmpty());
    QVERIFY(other.objectName().isEmpty());
    object.release();
}

void tst_FormContract::releaseLeavesTreeAlive()
{
    const TestData::FormRow form = row();
    QWidget host;
    FormObject object = createForm(m_factory, form.slot);
    object.setupUi(&host);
    host.show();

    struct Seen { QPointer<QObject> object; QObject *parent; bool visible; };
    QVector<Seen> before;
    const QList<QObject *> descendants = host.findChildren<QObject *>();
    for (QObject *o : descendants) {
        auto *w = qobject_cast<QWidget *>(o);
        before.append({o, o->parent(), w && w->isVisible()});
    }
    object.release();

    for (const Seen &seen : qAsConst(before)) {
        QVERIFY(seen.object);
        QCOMPARE(seen.object->parent(), seen.parent);
        if (auto *w = qobject_cast<QWidget *>(seen.object.data()))
            QCOMPARE(w->isVisible(), seen.visible);
    }
    QCOMPARE(host.findChildren<QObject *>().size(), descendants.size());
}

void tst_FormContract::showAndPaintQuietly()
{
    const TestData::FormRow form = row();
    FormObject object = createForm(m_factory, form.slot);
    {
        QWidget host;
        object.setupUi(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QImage picture = host.grab().toImage();
        QCOMPARE(picture.size(), host.size() * host.devicePixelRatioF());
        host.resize(host.size() * 2);
        host.grab();
    }
    object.release();
    // cleanup() fails the row if Qt warned on the way.
}

QTEST_MAIN(tst_FormContract)
#include "tst_formcontract.moc"
