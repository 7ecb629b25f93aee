// vexaro-preview --atlas, read back as a host developer reads it: every
// getter of every form in slot order, held against tests/data/members.tsv
// (written independently of the forms) and against the forms as the module
// builds them, in Danish and in English.

#include "atlaspage.h"
#include "builtform.h"
#include "testdata.h"
#include "toolrun.h"
#include "warningguard.h"

#include <QtCore/QDirIterator>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTranslator>
#include <QtGui/QImage>
#include <QtTest/QtTest>
#include <QtWidgets/QLayout>

#include <memory>

using namespace AtlasPage;

namespace {

ToolRun preview(const QStringList &arguments)
{
    return runTool(QStringLiteral(VEXARO_PREVIEW), arguments);
}

// A form built through the module into a shown host at its initial size,
// with its getters' results in slot order.
struct Built
{
    std::unique_ptr<QWidget> host{new QWidget};
    FormProbe::Members members;
};

void build(int slot, Built &built)
{
    QVERIFY2(buildAndProbe(slot, built.host.get(), &built.members), "the factory gave no form object");
    showAndSettle(built.host.get());
}

} // namespace

class tst_Atlas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_guard = std::make_unique<WarningGuard>();
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_english.load(VEXARO_ENGLISH_QM), VEXARO_ENGLISH_QM);
        const ToolRun run = preview({"--atlas", m_dir.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        // Qt says nothing while the forms are built, shown and read.
        QCOMPARE(run.err, QString());
    }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void indexListsEveryForm()
    {
        const QString index = readFile(m_dir.filePath("index.html"));
        static const QRegularExpression card("<a class=\"card\" id=\"(\\w+)\" href=\"\\1\\.html\"><img src=\"\\1\\.png\" "
                                             "alt=\"\\1\"><b>\\1</b><span>(.*?)</span></a>");
        QStringList listed;
        QStringList captions;
        for (auto it = card.globalMatch(index); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            listed << m.captured(1);
            captions << m.captured(2).replace("&middot;", QString(QChar(0xb7))).replace("&times;", QString(QChar(0xd7)));
        }
        QStringList expected;
        QStringList expectedCaptions;
        for (const TestData::FormRow &row : TestData::forms()) {
            expected << row.defaultName;
            expectedCaptions << QString("slot %1 (%2) \u00b7 %3 \u00d7 %4 \u00b7 %5 getters")
                                    .arg(row.slot).arg(row.operation).arg(row.size.width()).arg(row.size.height())
                                    .arg(row.getters);
        }
        QCOMPARE(listed, expected);
        QCOMPARE(captions, expectedCaptions);
    }

    void formPage_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("form");
        for (const TestData::FormRow &row : TestData::forms())
            QTest::newRow(qPrintable(row.defaultName)) << row.slot << row.defaultName;
    }

    // The page names every getter in slot order with its class, marks
    // layouts and spacers, and tells for every member what the module's
    // form has: its parent, whether it shows, where, and what it says.
    void formPage()
    {
        QFETCH(int, slot);
        QFETCH(QString, form);
        const QString html = readFile(m_dir.filePath(form + ".html"));
        QVERIFY2(!html.isEmpty(), qPrintable(form));

        const QVector<Row> rows = AtlasPage::rows(html);
        const QVector<TestData::MemberRow> expected = TestData::members().value(form);
        QCOMPARE(rows.size(), expected.size());
        for (int i = 0; i < rows.size(); ++i) {
            const QString where = QString("%1 slot %2").arg(form).arg(i);
            QVERIFY2(rows[i].slot == i, qPrintable(where));
            QVERIFY2(rows[i].getter == expected[i].name, qPrintable(where + ": " + rows[i].getter));
            QVERIFY2(rows[i].className == expected[i].className, qPrintable(where + ": " + rows[i].className));
            const QString kind = expected[i].className == "QSpacerItem"       ? "spacer"
                                 : expected[i].className.endsWith("Layout") ? "layout"
                                                                            : "widget";
            QVERIFY2(rows[i].kind == kind, qPrintable(where + ": " + rows[i].kind));
        }

        Built danish;
        build(slot, danish);
        QCOMPARE(danish.members.size(), rows.size());
        Built english;
        QVERIFY(QCoreApplication::installTranslator(&m_english));
        build(slot, english);
        QCoreApplication::removeTranslator(&m_english);

        // The picture is the form as shown: at its initial size, or larger
        // where its layout needs more with this machine's fonts.
        QWidget *host = danish.host.get();
        const QSize size = host->size();
        QCOMPARE(QImage(m_dir.filePath(form + ".png")).size(), size);
        const QHash<int, QRectF> boxes = AtlasPage::boxes(html);
        for (int i = 0; i < rows.size(); ++i) {
            const Row &row = rows[i];
            const FormProbe::Entry &member = danish.members[i];
            const QString where = QString("%1 %2").arg(form, row.getter);
            const QString parent = member.spacer ? parentOf(host, member.spacer) : parentOf(member.object);
            QVERIFY2(row.parent == parent, qPrintable(where + ": " + row.parent + ", not " + parent));

            auto *widget = qobject_cast<QWidget *>(member.object);
            if (!widget) {
                QVERIFY2(!boxes.contains(i) || !row.hidden, qPrintable(where));
                continue;
            }
            const bool shown = widget->isVisibleTo(host);
            QVERIFY2(row.hidden == !shown, qPrintable(where));
            QCOMPARE(row.rect, shown ? rectText(rectIn(host, widget)) : QString("hidden"));
            // Outlined where the picture shows it, and only there.
            const QRect visible = visibleRectIn(host, widget);
            QVERIFY2(boxes.contains(i) == (shown && !visible.isEmpty()), qPrintable(where));
            if (boxes.contains(i)) {
                const QRectF box = boxes.value(i);
                const QRectF inPixels(box.x() * size.width() / 100, box.y() * size.height() / 100,
                                      box.width() * size.width() / 100, box.height() * size.height() / 100);
                QVERIFY2(inPixels.toRect() == visible, qPrintable(where));
            }

            auto *englishWidget = qobject_cast<QWidget *>(english.members[i].object);
            QVERIFY(englishWidget);
            const QString texts[2][3] = {
                {textOf(widget), widget->toolTip(), accessibleNameOf(widget)},
                {textOf(englishWidget), englishWidget->toolTip(), accessibleNameOf(englishWidget)},
            };
            for (int language = 0; language < 2; ++language) {
                QCOMPARE(row.text[language], texts[language][0]);
                QCOMPARE(row.toolTip[language], texts[language][1]);
                QCOMPARE(row.accessibleName[language], texts[language][2]);
            }
        }
    }

    // The pages work from the folder alone: every link and picture is a file
    // beside them or a row of the same page, and nothing comes from elsewhere.
    void selfContained()
    {
        static const QRegularExpression reference("(?:src|href)=\"([^\"]*)\"");
        QDirIterator pages(m_dir.path(), {"*.html"}, QDir::Files);
        int count = 0;
        while (pages.hasNext()) {
            const QString page = pages.next();
            const QString html = readFile(page);
            ++count;
            QVERIFY2(!html.contains("url(") && !html.contains("@import") && !html.contains("<link"), qPrintable(page));
            for (auto it = reference.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                const QString where = QFileInfo(page).fileName() + ": " + target;
                QVERIFY2(!target.contains(':') && !target.startsWith('/'), qPrintable(where));
                const QString file = target.section('#', 0, 0);
                const QString fragment = target.section('#', 1);
                if (!file.isEmpty())
                    QVERIFY2(QFile::exists(m_dir.filePath(file)), qPrintable(where));
                if (!fragment.isEmpty())
                    QVERIFY2(readFile(file.isEmpty() ? page : m_dir.filePath(file)).contains("id=\"" + fragment + "\""),
                             qPrintable(where));
            }
        }
        QCOMPARE(count, TestData::forms().size() + 1);
    }

    // scripts/run.sh writes the atlas into the contact sheet's folder first;
    // the sheet then links to it, and without one it has no dead link.
    void contactSheetLinksToTheAtlas()
    {
        QTemporaryDir dir;
        QCOMPARE(preview({"--out", dir.path(), "NavBar"}).exitCode, 0);
        QVERIFY(!readFile(dir.filePath("index.html")).contains("atlas/"));
        QCOMPARE(preview({"--atlas", dir.filePath("atlas"), "NavBar"}).exitCode, 0);
        QCOMPARE(preview({"--out", dir.path(), "NavBar"}).exitCode, 0);
        const QString sheet = readFile(dir.filePath("index.html"));
        QVERIFY(sheet.contains("href=\"atlas/index.html\""));
        QVERIFY(sheet.contains("href=\"atlas/NavBarClass.html\""));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("one language") << QStringList{"--atlas", QDir::tempPath(), "--language", "en"} << "--language";
        QTest::newRow("pictures too") << QStringList{"--atlas", QDir::tempPath(), "--out", QDir::tempPath()} << "--out";
        QTest::newRow("unknown form") << QStringList{"--atlas", QDir::tempPath(), "NoSuchForm"} << "no form called \"NoSuchForm\"";
    }

    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolRun run = preview(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("vexaro-preview: ") && run.err.contains(message), qPrintable(run.err));
    }

private:
    std::unique_ptr<WarningGuard> m_guard;
    QTemporaryDir m_dir;
    QTranslator m_english;
};

QTEST_MAIN(tst_Atlas)
#include "tst_atlas.moc"
