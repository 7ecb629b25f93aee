// Rules for the forms' .ui files that uic would not enforce by itself.

#include "testdata.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QXmlStreamReader>
#include <QtTest/QtTest>

namespace {

struct UiFile
{
    QString className;
    QString topClass;
    QString topName;
    bool hasLayoutDefault = false;
    QStringList customHeaders;
    QString error;
};

UiFile parse(const QString &path)
{
    UiFile ui;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ui.error = file.errorString();
        return ui;
    }
    QXmlStreamReader xml(&file);
    int widgetDepth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("widget")) {
            --widgetDepth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("widget")) {
            if (widgetDepth++ == 0 && ui.topClass.isEmpty()) {
                ui.topClass = xml.attributes().value(QLatin1String("class")).toString();
                ui.topName = xml.attributes().value(QLatin1String("name")).toString();
            }
        } else if (name == QLatin1String("class") && ui.className.isEmpty() && widgetDepth == 0) {
            ui.className = xml.readElementText();
        } else if (name == QLatin1String("layoutdefault")) {
            ui.hasLayoutDefault = true;
        } else if (name == QLatin1String("header")) {
            ui.customHeaders.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        ui.error = xml.errorString();
    return ui;
}

} // namespace

class tst_UiFiles : public QObject
{
    Q_OBJECT

private slots:
    void oneFilePerForm()
    {
        QSet<QString> names;
        for (const QString &path : TestData::uiFiles())
            names.insert(QFileInfo(path).completeBaseName());
        QSet<QString> expected;
        for (const TestData::FormRow &form : TestData::forms())
            expected.insert(form.defaultName);
        QCOMPARE(names, expected);
    }

    void rules_data()
    {
        QTest::addColumn<QString>("path");
        const QDir root(QStringLiteral(VEXARO_SOURCE_DIR));
        for (const QString &path : TestData::uiFiles())
            QTest::newRow(qPrintable(root.relativeFilePath(path))) << path;
    }

    void rules()
    {
        QFETCH(QString, path);
        const UiFile ui = parse(path);
        QVERIFY2(ui.error.isEmpty(), qPrintable(ui.error));
        const QString base = QFileInfo(path).completeBaseName();
        // The class gives uic's Ui_<class> and the translation context.
        QCOMPARE(ui.className, base);
        QCOMPARE(ui.topName, base);
        // A QWidget top level lets the host pass a dialog or a plain widget.
        QCOMPARE(ui.topClass, QStringLiteral("QWidget"));
        // Designer's <layoutdefault> would override the style's margins.
        QVERIFY2(!ui.hasLayoutDefault, "remove <layoutdefault>");
        for (const QString &header : ui.customHeaders)
            QVERIFY2(QFile::exists(QStringLiteral(VEXARO_SOURCE_DIR "/widgets/") + header), qPrintable(header));
    }
};

QTEST_GUILESS_MAIN(tst_UiFiles)
#include "tst_uifiles.moc"
