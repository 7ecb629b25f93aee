// Every form through QUiLoader, Designer's run-time loader, with the Designer
// plugin: it must load without a warning and give the tree that the module
// builds through the factory.

#include "builtform.h"
#include "formdump.h"
#include "testdata.h"
#include "warningguard.h"

#include <QtCore/QFileInfo>
#include <QtTest/QtTest>
#include <QtUiTools/QUiLoader>

#include <memory>

class tst_UiLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(testFactory());
    }

    void sameTreeAsTheModule_data()
    {
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(VEXARO_SOURCE_DIR));
        const QStringList files = TestData::uiFiles();
        QCOMPARE(files.size(), 51);
        for (const QString &path : files) {
#ifdef VEXARO_SANITIZED
            // Under the sanitizers, whose stack on every allocation makes
            // QUiLoader slow, a sample that holds every custom widget the
            // forms use: the sanitizers check the loader, the plugin and the
            // module, which the normal build already compares for every form.
            static const QStringList sample{"NavBarClass", "SocialVideoClass", "VideoDetailClass"};
            if (!sample.contains(QFileInfo(path).completeBaseName()))
                continue;
#endif
            QTest::newRow(qPrintable(root.relativeFilePath(path))) << path;
        }
    }

    // Only the structure is compared: object names, classes (the custom
    // ones from the plugin included), parentage and order. Properties are
    // left out because QUiLoader sets them through the property system and
    // in its own order, unlike uic's generated code: the custom widgets'
    // own text setters (MultiStateToolButton's width, qelidedlabel's
    // eliding) do not run, and a grid's spacing is applied after its
    // horizontal and vertical spacing. The snapshot test covers properties.
    void sameTreeAsTheModule()
    {
        QFETCH(QString, path);
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(VEXARO_DESIGNER_PLUGIN_DIR));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));

        WarningGuard guard;
        std::unique_ptr<QWidget> loaded(loader.load(&file));
        guard.verifyNone();
        QVERIFY2(loaded, qPrintable(loader.errorString()));

        std::unique_ptr<QWidget> built(buildFormByName(QFileInfo(path).completeBaseName()));
        guard.verifyNone();
        QCOMPARE(FormDump::structure(loaded.get()), FormDump::structure(built.get()));
    }
};

QTEST_MAIN(tst_UiLoader)
#include "tst_uiloader.moc"
