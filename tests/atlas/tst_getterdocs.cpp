// The generated interfaces say above each getter what it returns, in one
// line an IDE shows on hover: its class, the member (or the host widget) it
// sits in, and its Danish text, tool tip or accessible name. Held against
// the forms as the module builds them.

#include "atlaspage.h"
#include "testdata.h"
#include "warningguard.h"

#include <QtTest/QtTest>

#include <memory>

namespace {

QString quoted(const QString &text)
{
    QString line = text.simplified();
    if (line.size() > 60)
        line = line.left(59).trimmed() + QChar(0x2026);
    return "\"" + line + "\"";
}

QString expectedComment(const QString &className, const QString &parent, QWidget *widget)
{
    QString line = className + " in " + parent;
    if (!widget)
        return line;
    const QString text = AtlasPage::textOf(widget);
    const QString toolTip = widget->toolTip();
    if (!text.isEmpty())
        line += ": " + quoted(text);
    if (!toolTip.isEmpty() && toolTip != text)
        line += ", tool tip " + quoted(toolTip);
    if (text.isEmpty() && toolTip.isEmpty() && !widget->accessibleName().isEmpty())
        line += ", accessible name " + quoted(widget->accessibleName());
    return line;
}

} // namespace

class tst_GetterDocs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void everyGetterIsDocumented_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("form");
        for (const TestData::FormRow &row : TestData::forms())
            QTest::newRow(qPrintable(row.defaultName)) << row.slot << row.defaultName;
    }

    void everyGetterIsDocumented()
    {
        QFETCH(int, slot);
        QFETCH(QString, form);
        const QString header = AtlasPage::readFile(VEXARO_INTERFACE_DIR "/I" + form + ".h");
        QVERIFY2(!header.isEmpty(), qPrintable(form));

        // Every getter, and the line above it.
        static const QRegularExpression getter("^(.*)\\n    virtual (\\w+) \\*(\\w+)\\(\\) = 0;$",
                                               QRegularExpression::MultilineOption);
        QStringList names;
        QStringList comments;
        for (auto it = getter.globalMatch(header); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            names << m.captured(3);
            comments << m.captured(1);
        }
        const QVector<TestData::MemberRow> members = TestData::members().value(form);
        QStringList expectedNames;
        for (const TestData::MemberRow &member : members)
            expectedNames << member.name;
        QCOMPARE(names, expectedNames);

        QWidget host;
        FormProbe::Members built;
        QVERIFY2(AtlasPage::buildAndProbe(slot, &host, &built), "the factory gave no form object");
        QCOMPARE(built.size(), members.size());
        for (int i = 0; i < built.size(); ++i) {
            const FormProbe::Entry &member = built[i];
            const QString parent = member.spacer ? AtlasPage::parentOf(&host, member.spacer)
                                                 : AtlasPage::parentOf(member.object);
            const QString expected = "    /// " + expectedComment(members[i].className, parent,
                                                               qobject_cast<QWidget *>(member.object));
            QVERIFY2(comments[i] == expected,
                     qPrintable(QString("%1 %2:\n  header:   %3\n  expected: %4").arg(form, names[i], comments[i], expected)));
        }
    }

private:
    std::unique_ptr<WarningGuard> m_guard;
};

QTEST_MAIN(tst_GetterDocs)
#include "tst_getterdocs.moc"
