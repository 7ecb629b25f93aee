// Every form as a host sees it, compared with its snapshot in
// tests/data/snapshots/. After an intended change scripts/update-snapshots.sh
// rewrites the files, and the change is reviewed as a diff.
//
// The snapshots are Qt 5's. Where Qt 6 shows a form differently (its own
// style-sheet polish or text metrics, never the form's settings), the form has
// a second file in tests/data/snapshots/qt6/, so that a diff between the two
// shows exactly what Qt 6 changes.

#include "builtform.h"
#include "formdump.h"
#include "formslots.h"
#include "testdata.h"
#include "textdiff.h"
#include "warningguard.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QSet>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>

#include <cstdio>
#include <functional>

namespace {

const QString SnapshotDir = QStringLiteral(VEXARO_TEST_DATA_DIR "/snapshots");
const QString Qt6SnapshotDir = SnapshotDir + QStringLiteral("/qt6");

int slotOf(const QString &form)
{
    for (const TestData::FormRow &row : TestData::forms()) {
        if (row.defaultName == form)
            return row.slot;
    }
    qFatal("no form called %s", qPrintable(form));
}

using Change = std::function<void(QWidget *host)>;

// Builds the form as the host does, then applies 'change' to the result.
QString dumpForm(const QString &form, const Change &change = {})
{
    const int slot = slotOf(form);
    return FormDump::dump([slot, &change](QWidget *host) {
        FormSlots::visit(testFactory(), slot, [host](auto *object) {
            if (!object)
                qFatal("the factory gave no form object");
            object->setupUi(host);
            object->release();
        });
        if (change)
            change(host);
    });
}

// The snapshot for the Qt this test runs on, relative to the test data.
QString snapshotPath(const QString &form)
{
    const QString name = form + QStringLiteral(".txt");
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (QFile::exists(Qt6SnapshotDir + QLatin1Char('/') + name))
        return QStringLiteral("snapshots/qt6/") + name;
#endif
    return QStringLiteral("snapshots/") + name;
}

bool readSnapshot(const QString &form, QString *text)
{
    QFile file(QStringLiteral(VEXARO_TEST_DATA_DIR "/") + snapshotPath(form));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// Under the sanitizers, whose stack on every allocation makes a dump about
// fifty times slower, only forms that together hold every custom widget, a
// grid, icons, pixmaps, a text edit and a combo box are compared: the
// sanitizers check the dump's and the forms' code, which the normal build
// already compares for every form.
bool comparedHere(const QString &form)
{
#ifdef VEXARO_SANITIZED
    return QStringList{"NavBarClass", "SocialVideoClass", "VideoDetailClass", "uploadDialogClass"}.contains(form);
#else
    Q_UNUSED(form);
    return true;
#endif
}

const char Advice[] = "if the change is intended, run scripts/update-snapshots.sh and review git diff tests/data/snapshots";

} // namespace

Q_DECLARE_METATYPE(Change)

class tst_FormSnapshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(testFactory());
    }

    void matchesSnapshot_data()
    {
        QTest::addColumn<QString>("form");
        for (const TestData::FormRow &row : TestData::forms()) {
            if (comparedHere(row.defaultName))
                QTest::newRow(qPrintable(row.defaultName)) << row.defaultName;
        }
    }

    void matchesSnapshot()
    {
        QFETCH(QString, form);
        WarningGuard guard;
        const QString actual = dumpForm(form);
        guard.verifyNone();
        QString expected;
        QVERIFY2(readSnapshot(form, &expected), qPrintable(QStringLiteral("%1 has no snapshot: %2").arg(form, QLatin1String(Advice))));
        if (actual != expected) {
            std::printf("%s differs from tests/data/%s (- snapshot, + now):\n%s", qPrintable(form),
                        qPrintable(snapshotPath(form)), qPrintable(TextDiff::unified(expected, actual)));
            std::fflush(stdout);
            QFAIL(qPrintable(QStringLiteral("the form differs from its snapshot (diff above); %1").arg(QLatin1String(Advice))));
        }
    }

    void everySnapshotIsAForm()
    {
        QSet<QString> forms;
        for (const TestData::FormRow &row : TestData::forms())
            forms.insert(row.defaultName);
        for (const QString &dir : {SnapshotDir, Qt6SnapshotDir}) {
            QSet<QString> files;
            for (const QString &file : QDir(dir).entryList({QStringLiteral("*.txt")}, QDir::Files))
                files.insert(file.chopped(4));
            QCOMPARE(files - forms, QSet<QString>());
        }
    }

    // The guard sees the changes that Designer is known to make on saving.
    void showsChange_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("grid spacing") << "VideoDetailClass"
                                      << Change([](QWidget *host) {
                                             host->findChild<QGridLayout *>()->setSpacing(-1);
                                         })
                                      << QStringList{QStringLiteral("-    horizontalSpacing: 20"),
                                                     QStringLiteral("+    horizontalSpacing: (from the style)")};
        QTest::newRow("mouse tracking") << "NavBarClass"
                                        << Change([](QWidget *host) {
                                               host->findChild<QAbstractButton *>()->setMouseTracking(true);
                                           })
                                        << QStringList{QStringLiteral("+    mouseTracking: true")};
        QTest::newRow("fixed size") << "NavBarClass"
                                    << Change([](QWidget *host) {
                                           host->findChild<QFrame *>()->setFixedSize(123, 45);
                                       })
                                    << QStringList{QStringLiteral("+    minimumSize: 123x45"),
                                                   QStringLiteral("+    maximumSize: 123x45")};
    }

    void showsChange()
    {
        QFETCH(QString, form);
        QFETCH(Change, change);
        QFETCH(QStringList, lines);
        QString expected;
        QVERIFY(readSnapshot(form, &expected));
        const QString diff = TextDiff::unified(expected, dumpForm(form, change));
        for (const QString &line : lines)
            QVERIFY2(diff.contains(QLatin1Char('\n') + line), qPrintable(diff));
    }
};

QTEST_MAIN(tst_FormSnapshots)
#include "tst_formsnapshots.moc"
