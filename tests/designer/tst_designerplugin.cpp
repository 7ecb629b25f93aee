// The Designer plugin, loaded the way Designer loads it.

#include "testdata.h"
#include "warningguard.h"

#include <QtCore/QBuffer>
#include <QtCore/QPluginLoader>
#include <QtCore/QXmlStreamReader>
#include <QtTest/QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>
#include <QtWidgets/QWidget>

#include <algorithm>
#include <memory>

namespace {

struct CustomWidget
{
    QString className;
    QString extends;
    QString header;
};

// The <customwidget> entries of every form, once per class.
QVector<CustomWidget> formsCustomWidgets()
{
    QVector<CustomWidget> found;
    for (const QString &path : TestData::uiFiles()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        CustomWidget entry;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("customwidget")) {
                entry = CustomWidget();
            } else if (xml.name() == QLatin1String("class") && entry.className.isNull()) {
                entry.className = xml.readElementText();
            } else if (xml.name() == QLatin1String("extends")) {
                entry.extends = xml.readElementText();
            } else if (xml.name() == QLatin1String("header")) {
                entry.header = xml.readElementText();
                const bool known = std::any_of(found.cbegin(), found.cend(), [&entry](const CustomWidget &w) {
                    return w.className == entry.className;
                });
                if (!known && !entry.className.isEmpty())
                    found.append(entry);
            }
        }
    }
    return found;
}

QDesignerCustomWidgetInterface *findWidget(QDesignerCustomWidgetCollectionInterface *collection, const QString &name)
{
    for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
        if (widget->name() == name)
            return widget;
    }
    return nullptr;
}

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_loader.setFileName(QStringLiteral(VEXARO_DESIGNER_PLUGIN));
        QObject *instance = m_loader.instance();
        QVERIFY2(instance, qPrintable(m_loader.errorString()));
        m_collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(instance);
        QVERIFY(m_collection);
    }

    void cleanupTestCase()
    {
        m_loader.unload();
    }

    void offersTheModulesWidgets()
    {
        QStringList names;
        for (QDesignerCustomWidgetInterface *widget : m_collection->customWidgets())
            names << widget->name();
        names.sort();
        QCOMPARE(names, (QStringList{"MultiStateToolButton", "QNoPageScrollBar", "QNoPageSlider", "QTouchFrame",
                                     "TouchPushButton", "TouchToolButton", "qelidedlabel"}));
    }

    void widget_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("baseClass");
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("container");
        QTest::newRow("MultiStateToolButton") << "MultiStateToolButton" << "QToolButton" << "multistatetoolbutton.h" << false;
        QTest::newRow("QNoPageSlider") << "QNoPageSlider" << "QSlider" << "qnopageslider.h" << false;
        QTest::newRow("QNoPageScrollBar") << "QNoPageScrollBar" << "QScrollBar" << "qnopagescrollbar.h" << false;
        QTest::newRow("qelidedlabel") << "qelidedlabel" << "QLabel" << "qelidedlabel.h" << false;
        QTest::newRow("QTouchFrame") << "QTouchFrame" << "QFrame" << "qtouchframe.h" << true;
        QTest::newRow("TouchPushButton") << "TouchPushButton" << "QPushButton" << "touchpushbutton.h" << false;
        QTest::newRow("TouchToolButton") << "TouchToolButton" << "QToolButton" << "touchtoolbutton.h" << false;
    }

    void widget()
    {
        QFETCH(QString, className);
        QFETCH(QString, baseClass);
        QFETCH(QString, header);
        QFETCH(bool, container);
        QDesignerCustomWidgetInterface *widget = findWidget(m_collection, className);
        QVERIFY(widget);
        QCOMPARE(widget->includeFile(), header);
        QCOMPARE(widget->group(), QStringLiteral("VexaroUI_NEW"));
        QVERIFY(!widget->toolTip().isEmpty());
        QVERIFY(!widget->whatsThis().isEmpty());
        QVERIFY(!widget->icon().isNull());
        QCOMPARE(widget->isContainer(), container);

        QWidget parent;
        QWidget *created = widget->createWidget(&parent);
        QVERIFY(created);
        QCOMPARE(created->parentWidget(), &parent);
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), className);
        QCOMPARE(QString::fromLatin1(created->metaObject()->superClass()->className()), baseClass);
    }

    // What Designer writes into a form for a new widget names the same class,
    // base and header, and loads without a warning.
    void defaultXml_data() { widget_data(); }

    void defaultXml()
    {
        QFETCH(QString, className);
        QFETCH(QString, baseClass);
        QFETCH(QString, header);
        QDesignerCustomWidgetInterface *widget = findWidget(m_collection, className);
        QVERIFY(widget);
        const QString xmlText = widget->domXml();
        QXmlStreamReader xml(xmlText);
        QString widgetClass, widgetName, extends, include;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("widget") && widgetClass.isEmpty()) {
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
                widgetName = xml.attributes().value(QLatin1String("name")).toString();
            } else if (xml.name() == QLatin1String("extends")) {
                extends = xml.readElementText();
            } else if (xml.name() == QLatin1String("header")) {
                include = xml.readElementText();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(widgetClass, className);
        QVERIFY(!widgetName.isEmpty());
        QVERIFY(widgetName != className); // uic could not declare a member named as its class
        QCOMPARE(extends, baseClass);
        QCOMPARE(include, header);

        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(VEXARO_DESIGNER_PLUGIN_DIR));
        QByteArray bytes = xmlText.toUtf8();
        QBuffer buffer(&bytes);
        WarningGuard guard;
        std::unique_ptr<QWidget> loaded(loader.load(&buffer));
        guard.verifyNone();
        QVERIFY2(loaded, qPrintable(loader.errorString()));
        QCOMPARE(QString::fromLatin1(loaded->metaObject()->className()), className);
        QCOMPARE(loaded->objectName(), widgetName);
    }

    // The plugin offers each class that the forms use, with their header and
    // base class.
    void matchesForms_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("extends");
        QTest::addColumn<QString>("header");
        for (const CustomWidget &entry : formsCustomWidgets())
            QTest::newRow(qPrintable(entry.className)) << entry.className << entry.extends << entry.header;
    }

    void matchesForms()
    {
        QFETCH(QString, className);
        QFETCH(QString, extends);
        QFETCH(QString, header);
        QDesignerCustomWidgetInterface *widget = findWidget(m_collection, className);
        QVERIFY2(widget, qPrintable(className));
        QCOMPARE(widget->includeFile(), header);
        QWidget parent;
        QWidget *created = widget->createWidget(&parent);
        QCOMPARE(QString::fromLatin1(created->metaObject()->superClass()->className()), extends);
    }

private:
    QPluginLoader m_loader;
    QDesignerCustomWidgetCollectionInterface *m_collection = nullptr;
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
