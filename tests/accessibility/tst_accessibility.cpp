// What assistive technology (Narrator, Orca, switch access) gets of the forms,
// read through QAccessible as a screen reader reads it. A control without an
// accessible name is announced by its role alone ("button"); a tool tip does
// not help, because it is read as the description.

#include "builtform.h"
#include "multistatetoolbutton.h"
#include "qelidedlabel.h"
#include "qnopageslider.h"
#include "testdata.h"
#include "warningguard.h"

#include <QtCore/QTranslator>
#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QAbstractSlider>
#include <QtWidgets/QAbstractSpinBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTextEdit>

#include <memory>

namespace {

// What a user operates: buttons (check boxes included), sliders and scroll
// bars, text fields, combo and spin boxes, and the clickable eliding labels.
bool isInteractive(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const qelidedlabel *>(widget);
}

QString accessibleText(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(text) : QString();
}

const QString kLongName = QStringLiteral("Sommerferie på Bornholm med hele familien, juli");

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_guard = std::make_unique<WarningGuard>();
        QVERIFY(testFactory());
        QVERIFY2(m_english.load(QStringLiteral(VEXARO_ENGLISH_QM)), VEXARO_ENGLISH_QM);
    }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("english");
        for (const TestData::FormRow &row : TestData::forms()) {
            QTest::addRow("%s, Danish", qPrintable(row.defaultName)) << row.defaultName << false;
            QTest::addRow("%s, English", qPrintable(row.defaultName)) << row.defaultName << true;
        }
    }

    // Every member a user operates has a name, hidden stack pages included,
    // without a translator and with the English catalogue.
    void everyControlIsNamed()
    {
        QFETCH(QString, form);
        QFETCH(bool, english);
        if (english)
            QVERIFY(QCoreApplication::installTranslator(&m_english));
        const auto removeTranslator = qScopeGuard([this] { QCoreApplication::removeTranslator(&m_english); });
        std::unique_ptr<QWidget> host(buildFormByName(form));

        QStringList unnamed;
        const QList<QWidget *> widgets = host->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))
                || !isInteractive(widget))
                continue;
            if (accessibleText(widget, QAccessible::Name).trimmed().isEmpty())
                unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(), QLatin1String(widget->metaObject()->className()));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(form + QStringLiteral(": no accessible name: ") + unnamed.join(QStringLiteral(", "))));
    }

    // A shortened label is read out whole, and can be pressed as it can be
    // clicked; a name set for it takes precedence, as for any Qt widget.
    // Without the label's own interface Qt reads the display, "Som...".
    void elidedLabelReadOutWhole()
    {
        qelidedlabel label(nullptr);
        label.resize(60, 20);
        label.setText(kLongName);
        QVERIFY(static_cast<QLabel &>(label).text() != kLongName);

        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(&label);
        QVERIFY(interface);
        QCOMPARE(interface->role(), QAccessible::StaticText);
        QCOMPARE(interface->text(QAccessible::Name), kLongName);
        QVERIFY(interface->text(QAccessible::Description).isEmpty()); // not read twice

        QAccessibleActionInterface *actions = interface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QSignalSpy clicked(&label, &qelidedlabel::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);

        // A name that says what the label holds, as the forms give their
        // labels that the host fills: the text is read after it, whole.
        label.setAccessibleName(QStringLiteral("Vennens navn"));
        QCOMPARE(interface->text(QAccessible::Name), QStringLiteral("Vennens navn"));
        QCOMPARE(interface->text(QAccessible::Description), kLongName);
        label.setAccessibleDescription(QStringLiteral("Tryk for at se profilen"));
        QCOMPARE(interface->text(QAccessible::Description), QStringLiteral("Tryk for at se profilen"));
    }

    // The other custom widgets are read as their bases are.
    void customWidgetsKeepTheirBasesRoles()
    {
        QNoPageSlider slider(nullptr);
        slider.setRange(0, 100);
        slider.setValue(42);
        QAccessibleInterface *sliderInterface = QAccessible::queryAccessibleInterface(&slider);
        QVERIFY(sliderInterface);
        QCOMPARE(sliderInterface->role(), QAccessible::Slider);
        QVERIFY(sliderInterface->valueInterface());
        QCOMPARE(sliderInterface->valueInterface()->currentValue().toInt(), 42);

        MultiStateToolButton tab(nullptr);
        tab.setText(QStringLiteral("Bibliotek"));
        QAccessibleInterface *tabInterface = QAccessible::queryAccessibleInterface(&tab);
        QVERIFY(tabInterface);
        QCOMPARE(tabInterface->role(), QAccessible::Button);
        QCOMPARE(tabInterface->text(QAccessible::Name), QStringLiteral("Bibliotek"));
    }

private:
    std::unique_ptr<WarningGuard> m_guard;
    QTranslator m_english;
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
