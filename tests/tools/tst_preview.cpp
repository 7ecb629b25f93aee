// vexaro-preview end to end, run as a separate process the way a developer
// runs it.

#include "placeholderskin.h"
#include "testdata.h"
#include "toolrun.h"

#include <QtCore/QLibraryInfo>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

namespace {

ToolRun preview(const QStringList &arguments)
{
    return runTool(QStringLiteral(VEXARO_PREVIEW), arguments);
}

// A picture in one colour shows nothing of the form.
bool isBlank(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if (image.pixel(x, y) != first)
                return false;
        }
    }
    return true;
}

// A folder holding every image of the skin but 'left out', plus 'extra'.
void writeHostResources(const QString &dir, const QString &leftOut, const QString &extra)
{
    QDir(dir).mkpath(QStringLiteral("quorvel/UIResources"));
    for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest()) {
        if (image.name != leftOut)
            QFile::copy(QString::fromLatin1(PlaceholderSkin::Prefix) + image.name, dir + QStringLiteral("/quorvel/UIResources/") + image.name);
    }
    QFile file(dir + QStringLiteral("/quorvel/UIResources/") + extra);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QImage renderSaveColl(const QStringList &options)
{
    QTemporaryDir out;
    const ToolRun run = preview(options + QStringList{QStringLiteral("--out"), out.path(), QStringLiteral("SaveColl")});
    if (run.exitCode != 0) {
        qWarning("%s", qPrintable(run.err));
        return QImage();
    }
    return QImage(out.filePath(QStringLiteral("SaveCollClass.png")));
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT

private slots:
    void rendersNamedForms_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("form");
        QTest::newRow("class") << "TopShadowClass" << "TopShadowClass";
        QTest::newRow("short name") << "Flower" << "FlowerClass";
        QTest::newRow("operation") << "createVexaro" << "VexaroClass";
        QTest::newRow("slot") << "25" << "NavBarClass";
        QTest::newRow("lower case") << "msgbox" << "MsgBoxClass";
    }

    void rendersNamedForms()
    {
        QFETCH(QString, query);
        QFETCH(QString, form);
        QTemporaryDir out;
        const ToolRun run = preview({QStringLiteral("--out"), out.path(), query});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        // Its own progress only: a form with layouts draws the headless
        // platform's notices when shown, which the preview keeps to itself.
        QCOMPARE(run.err, QStringLiteral("[1/1] %1\n").arg(form));

        const QImage picture(out.filePath(form + QStringLiteral(".png")));
        QVERIFY2(!picture.isNull(), qPrintable(run.out + run.err));
        QSize expected;
        for (const TestData::FormRow &row : TestData::forms()) {
            if (row.defaultName == form)
                expected = row.size;
        }
        QCOMPARE(picture.size(), expected);
        QFile index(out.filePath(QStringLiteral("index.html")));
        QVERIFY(index.open(QIODevice::ReadOnly));
        QVERIFY(index.readAll().contains(QByteArray(form.toUtf8() + ".png")));
    }

    void skinnedFormIsNotBlank()
    {
        QTemporaryDir out;
        const ToolRun run = preview({QStringLiteral("--out"), out.path(), QStringLiteral("VexaroClass")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!isBlank(QImage(out.filePath(QStringLiteral("VexaroClass.png")))));
    }

    void showsButtonStates()
    {
        QTemporaryDir out;
        const ToolRun run = preview({QStringLiteral("--out"), out.path(), QStringLiteral("NavBar")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVector<QImage> states;
        for (const char *state : {"hover", "pressed", "focus", "disabled"}) {
            states.append(QImage(out.filePath(QStringLiteral("NavBarClass.%1.png").arg(QLatin1String(state)))));
            QVERIFY2(!states.last().isNull(), state);
        }
        // Each state shows its own picture of the button.
        for (int i = 0; i < states.size(); ++i) {
            for (int j = i + 1; j < states.size(); ++j)
                QVERIFY2(states[i] != states[j], qPrintable(QStringLiteral("states %1 and %2 look the same").arg(i).arg(j)));
        }
    }

    // The plain picture shows every widget at rest, wherever the pointer is.
    // The view mode panel is two alike buttons side by side, the first in the
    // corner where a window shown at the origin finds the pointer.
    void plainPictureHasNothingHovered()
    {
        QTemporaryDir out;
        const ToolRun run = preview({QStringLiteral("--out"), out.path(), QStringLiteral("ViewModePanel")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QImage picture(out.filePath(QStringLiteral("ViewModePanelClass.png")));
        QVERIFY(!picture.isNull());
        const int middle = picture.height() / 2;
        QCOMPARE(QColor(picture.pixel(picture.width() / 4, middle)), QColor(picture.pixel(picture.width() * 3 / 4, middle)));
    }

    void listsEveryForm()
    {
        const ToolRun run = preview({QStringLiteral("--list")});
        QCOMPARE(run.exitCode, 0);
        for (const TestData::FormRow &row : TestData::forms()) {
            QVERIFY2(run.out.contains(QRegularExpression(QStringLiteral("\\b%1\\s+%2\\s+Ui_%3\\s+%3\\s+%4x%5\\b")
                                                              .arg(row.slot).arg(row.operation, row.defaultName)
                                                              .arg(row.size.width()).arg(row.size.height()))),
                     qPrintable(row.defaultName));
        }
    }

    void checksAFolder()
    {
        QTemporaryDir host;
        writeHostResources(host.path(), QStringLiteral("Horzontal line.png"), QStringLiteral("logo_old.png"));
        const ToolRun run = preview({QStringLiteral("--check-resources"), host.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QStringLiteral("missing (1):\n  Horzontal line.png\n")), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("not used by any form (1):\n  logo_old.png\n")), qPrintable(run.out));
    }

    void checksAQrc()
    {
        QTemporaryDir host;
        QFile qrc(host.filePath(QStringLiteral("host.qrc")));
        QVERIFY(qrc.open(QIODevice::WriteOnly));
        QTextStream s(&qrc);
        s << "<RCC>\n<qresource prefix=\"/quorvel/UIResources\">\n";
        for (const PlaceholderSkin::Image &image : PlaceholderSkin::manifest()) {
            if (image.name != QLatin1String("Vexaro.ico"))
                s << "<file>" << image.name.toHtmlEscaped() << "</file>\n";
        }
        s << "</qresource>\n<qresource prefix=\"/\"><file>quorvel/UIResources/extra.png</file></qresource>\n</RCC>\n";
        qrc.close();
        const ToolRun run = preview({QStringLiteral("--check-resources"), qrc.fileName()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QStringLiteral("missing (1):\n  Vexaro.ico\n")), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("not used by any form (1):\n  extra.png\n")), qPrintable(run.out));
    }

    void completeResourcesPass()
    {
        QTemporaryDir host;
        writeHostResources(host.path(), QString(), QStringLiteral("readme.txt"));
        QCOMPARE(preview({QStringLiteral("--check-resources"), host.path()}).exitCode, 0);
    }

    void clearErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString qtCore = QLibraryInfo::location(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt5Core.so.5");
        QTest::newRow("missing module") << QStringList{"--module", "/nonexistent/libVexaroUI_NEW.so", "--list"}
                                        << "cannot load the form module";
        QTest::newRow("not a form module") << QStringList{"--module", qtCore, "--list"} << "is not a form module";
        QTest::newRow("unknown form") << QStringList{"--out", QDir::tempPath(), "NoSuchForm"}
                                      << "no form called \"NoSuchForm\"";
        QTest::newRow("all without out") << QStringList{"--all"} << "--out DIR";
        QTest::newRow("missing resources path") << QStringList{"--check-resources", "/nonexistent/res"} << "does not exist";
        QTest::newRow("no such language") << QStringList{"--language", "fr", "--list"} << "no translation for \"fr\"";
        QTest::newRow("two translations") << QStringList{"--language", "en", "--translation", VEXARO_ENGLISH_QM, "--list"}
                                          << "not both";
        QTest::newRow("dump without forms") << QStringList{"--dump"} << "name the forms to dump";
    }

    void clearErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ToolRun run = preview(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("vexaro-preview: ")) && run.err.contains(message), qPrintable(run.err));
    }

    void unwritableOutputFolder()
    {
        // A file where the folder should be: refused whoever runs the test.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ToolRun run = preview({QStringLiteral("--out"), blocker.fileName() + QStringLiteral("/pictures"), QStringLiteral("Flower")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("output folder")), qPrintable(run.err));
    }

    // The built English translation, named by language or by file.
    void rendersInEnglish()
    {
        // The album dialog shows its texts, so the languages look different.
        const QImage danish = renderSaveColl({});
        const QImage byLanguage = renderSaveColl({QStringLiteral("--language"), QStringLiteral("en")});
        const QImage byFile = renderSaveColl({QStringLiteral("--translation"), QStringLiteral(VEXARO_ENGLISH_QM)});
        QVERIFY(!danish.isNull() && !byLanguage.isNull() && !byFile.isNull());
        QVERIFY(byLanguage != danish);
        QVERIFY(byFile == byLanguage);
    }

    void translationReplacesTexts()
    {
        // A .qm file whose only entry translates the flower's title.
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("t.ts"));
        QFile tsFile(ts);
        QVERIFY(tsFile.open(QIODevice::WriteOnly));
        tsFile.write("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"en\">"
                     "<context><name>FlowerClass</name><message><source>Form</source>"
                     "<translation>Flower form</translation></message></context></TS>");
        tsFile.close();
        const QString qm = dir.filePath(QStringLiteral("t.qm"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QString binaries = QLibraryInfo::path(QLibraryInfo::BinariesPath);
#else
        const QString binaries = QLibraryInfo::location(QLibraryInfo::BinariesPath);
#endif
        QProcess lrelease;
        lrelease.start(binaries + QStringLiteral("/lrelease"), {ts, QStringLiteral("-qm"), qm});
        if (!lrelease.waitForFinished() || lrelease.exitCode() != 0)
            QSKIP("lrelease is not available");
        QCOMPARE(preview({QStringLiteral("--translation"), qm, QStringLiteral("--out"), dir.path(), QStringLiteral("Flower")}).exitCode, 0);
        QCOMPARE(preview({QStringLiteral("--translation"), dir.filePath(QStringLiteral("none.qm")), QStringLiteral("--list")}).exitCode, 2);
    }

    // The tool writes what the snapshot test compares, so that
    // scripts/update-snapshots.sh rewrites exactly the files the test reads.
    void dumpsWhatTheSnapshotHolds()
    {
        QTemporaryDir dir;
        QCOMPARE(preview({QStringLiteral("--dump"), QStringLiteral("--out"), dir.path(), QStringLiteral("Flower")}).exitCode, 0);
        QFile written(dir.filePath(QStringLiteral("FlowerClass.txt")));
        QFile snapshot(QStringLiteral(VEXARO_TEST_DATA_DIR "/snapshots/FlowerClass.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(snapshot.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), QString::fromUtf8(snapshot.readAll()));
    }
};

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
