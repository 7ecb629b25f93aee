#include "multistatetoolbutton.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QVBoxLayout>

#include <limits>
#include <memory>

namespace {

const QString kSelectedSheet = QStringLiteral("QToolButton{color: yellow;}");

void sendFocus(QWidget *widget, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(widget, &event);
}

// Enter and leave as Qt delivers them: entering says where the pointer is.
void sendCrossing(QWidget *widget, QEvent::Type type)
{
    if (type == QEvent::Enter) {
        const QPoint local = widget->rect().center();
        QEnterEvent event(local, widget->mapTo(widget->window(), local), widget->mapToGlobal(local));
        QCoreApplication::sendEvent(widget, &event);
    } else {
        QEvent event(type);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// A button as the forms build it: sheet first, then the text through the
// button's own setText.
std::unique_ptr<MultiStateToolButton> formButton(const QString &sheet)
{
    auto button = std::make_unique<MultiStateToolButton>(nullptr);
    button->setStyleSheet(sheet);
    button->setText(QStringLiteral("Bibliotek"));
    return button;
}

// The highlight sheet is only observable once a selected sheet makes the
// handlers switch sheets: focus applies it.
QString highlightSheetOf(MultiStateToolButton *button)
{
    const QString before = button->styleSheet();
    const QString selected = button->selectedSheet();
    button->setSelectedSheet(kSelectedSheet);
    sendFocus(button, QEvent::FocusIn);
    const QString highlight = button->styleSheet();
    button->setSelectedSheet(selected);
    button->setStyleSheet(before);
    return highlight;
}

int boldWidth(const QWidget *widget, const QString &text)
{
    QFont font = widget->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(text);
}

} // namespace

class tst_MultiStateToolButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void highlightSheet_data();
    void highlightSheet();
    void sheetsAreCapturedOnce();
    void withoutSelectedSheetNothingIsReplaced();
    void sheetSwitching_data();
    void sheetSwitching();
    void leaveKeepsFocusedHighlight();
    void fixedWidth_data();
    void fixedWidth();
    void extremePaddings_data();
    void extremePaddings();
    void secondTextIsMeasuredAgain();
    void fontBeforePolishIsMeasured();
    void promotedInForm();

private:
    std::unique_ptr<WarningGuard> m_guard;
};

void tst_MultiStateToolButton::highlightSheet_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("highlight");

    QTest::newRow("simple") << QStringLiteral("QToolButton{border: none;}")
                            << QStringLiteral("QToolButton{font: bold;border: none;color: white;}");
    QTest::newRow("spaced, with pseudo-states")
        << QStringLiteral("QToolButton {\n  background: transparent;\n}\nQToolButton:hover { color: gray; }")
        << QStringLiteral("QToolButton {font: bold;\n  background: transparent;\ncolor: white;}\nQToolButton:hover { color: gray; }");
    QTest::newRow("first rule after the first selector only")
        << QStringLiteral("QLabel{color: red;} QToolButton#tab{padding: 2px;} QToolButton:focus{border: 0;}")
        << QStringLiteral("QLabel{color: red;} QToolButton#tab{font: bold;padding: 2px;color: white;} QToolButton:focus{border: 0;}");
    QTest::newRow("no QToolButton") << QStringLiteral("QPushButton{border: none;}")
                                    << QStringLiteral("QPushButton{border: none;}");
    QTest::newRow("selector is case-sensitive") << QStringLiteral("qtoolbutton{border: none;}")
                                                << QStringLiteral("qtoolbutton{border: none;}");
    QTest::newRow("empty") << QString() << QString();
    // No '{' after the selector: the '}' search runs from -1, so only a
    // closing brace in the very last position is found.
    QTest::newRow("no brace after selector, last character '}'")
        << QStringLiteral("QLabel{color: red;}QToolButton}")
        << QStringLiteral("QLabel{color: red;}QToolButtoncolor: white;}");
    QTest::newRow("no brace after selector")
        << QStringLiteral("QLabel{color: red;} QToolButton")
        << QStringLiteral("QLabel{color: red;} QToolButton");
}

void tst_MultiStateToolButton::highlightSheet()
{
    QFETCH(QString, sheet);
    QFETCH(QString, highlight);

    auto button = formButton(sheet);
    // The -1 search can leave a sheet Qt cannot parse; that is the sheet
    // the hosts get, so only the parser's complaint is expected here.
    const bool parses = !QTest::currentDataTag() || !QByteArray(QTest::currentDataTag()).contains("last character");
    QCOMPARE(highlightSheetOf(button.get()), highlight);
    if (!parses) {
        const QStringList warnings = m_guard->take();
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings.first().startsWith(QLatin1String("Could not parse stylesheet")));
    }
    QCOMPARE(button->styleSheet(), sheet);
}

void tst_MultiStateToolButton::sheetsAreCapturedOnce()
{
    auto button = formButton(QStringLiteral("QToolButton{border: none;}"));
    button->setStyleSheet(QStringLiteral("QToolButton{border: 1px solid red;}"));
    button->setText(QStringLiteral("Video"));
    button->setSelectedSheet(kSelectedSheet);

    sendFocus(button.get(), QEvent::FocusIn);
    QCOMPARE(button->styleSheet(), QStringLiteral("QToolButton{font: bold;border: none;color: white;}"));
    sendFocus(button.get(), QEvent::FocusOut);
    QCOMPARE(button->styleSheet(), QStringLiteral("QToolButton{border: none;}"));
}

// The forms never supply a selected sheet: the button must then behave as a
// plain tool button, keeping the sheet the form (or the host) gave it.
void tst_MultiStateToolButton::withoutSelectedSheetNothingIsReplaced()
{
    auto button = formButton(QStringLiteral("QToolButton{border: none;}"));
    const QString later = QStringLiteral("QToolButton{border: 2px;}");
    button->setStyleSheet(later);
    button->setSelected(true);

    for (QEvent::Type type : {QEvent::FocusIn, QEvent::Enter, QEvent::Leave, QEvent::FocusOut}) {
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            sendFocus(button.get(), type);
        else
            sendCrossing(button.get(), type);
        QCOMPARE(button->styleSheet(), later);
    }
}

void tst_MultiStateToolButton::sheetSwitching_data()
{
    const QString normal = QStringLiteral("QToolButton{border: none;}");
    const QString highlight = QStringLiteral("QToolButton{font: bold;border: none;color: white;}");

    QTest::addColumn<bool>("selected");
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<QString>("expected");

    const int in = QEvent::FocusIn;
    const int out = QEvent::FocusOut;
    const int enter = QEvent::Enter;
    const int leave = QEvent::Leave;

    QTest::newRow("focus in") << false << QList<int>{in} << highlight;
    QTest::newRow("focus out, not selected") << false << QList<int>{in, out} << normal;
    QTest::newRow("focus out, selected") << true << QList<int>{in, out} << kSelectedSheet;
    QTest::newRow("enter while highlighted") << false << QList<int>{in, enter} << highlight;
    QTest::newRow("enter, selected: hover shows normal") << true << QList<int>{leave, enter} << normal;
    QTest::newRow("leave, selected") << true << QList<int>{enter, leave} << kSelectedSheet;
    QTest::newRow("leave, not selected") << false << QList<int>{enter, leave} << normal;
    // Applying the selected sheet leaves the highlight flag as it was, so
    // entering after a selected focus-out brings the highlight back.
    QTest::newRow("enter after selected focus-out") << true << QList<int>{in, out, enter} << highlight;
    QTest::newRow("enter after plain focus-out") << false << QList<int>{in, out, enter} << normal;
}

void tst_MultiStateToolButton::sheetSwitching()
{
    QFETCH(bool, selected);
    QFETCH(QList<int>, events);
    QFETCH(QString, expected);

    auto button = formButton(QStringLiteral("QToolButton{border: none;}"));
    button->setSelectedSheet(kSelectedSheet);
    button->setSelected(selected);
    QCOMPARE(button->styleSheet(), QStringLiteral("QToolButton{border: none;}"));

    for (int type : events) {
        if (type == QEvent::FocusIn || type == QEvent::FocusOut)
            sendFocus(button.get(), QEvent::Type(type));
        else
            sendCrossing(button.get(), QEvent::Type(type));
    }
    QCOMPARE(button->styleSheet(), expected);
}

void tst_MultiStateToolButton::leaveKeepsFocusedHighlight()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *button = new MultiStateToolButton(&window);
    layout->addWidget(button);
    button->setStyleSheet(QStringLiteral("QToolButton{border: none;}"));
    button->setText(QStringLiteral("Foto"));
    button->setSelectedSheet(kSelectedSheet);
    button->setSelected(true);
    button->setFocusPolicy(Qt::StrongFocus);

    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        QSKIP("The platform does not activate windows");
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const QString highlight = QStringLiteral("QToolButton{font: bold;border: none;color: white;}");
    QCOMPARE(button->styleSheet(), highlight);

    sendCrossing(button, QEvent::Leave);
    QCOMPARE(button->styleSheet(), highlight);

    button->clearFocus();
    QCOMPARE(button->styleSheet(), kSelectedSheet);
}

void tst_MultiStateToolButton::fixedWidth_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("viaProperty");

    const QString boxy = QStringLiteral("QToolButton{border: 7px solid red; padding: 0 20px; font-size: 30px;}");
    QTest::newRow("plain") << QString() << QStringLiteral("Bibliotek") << 0 << false;
    QTest::newRow("sheet borders and padding do not count") << boxy << QStringLiteral("Bibliotek") << 0 << false;
    QTest::newRow("padding on both sides") << QString() << QStringLiteral("Indstillinger") << 12 << false;
    QTest::newRow("Danish letters") << boxy << QStringLiteral("Fælles album på Øen") << 3 << false;
    QTest::newRow("empty, no padding") << QString() << QString() << 0 << false;
    QTest::newRow("empty") << boxy << QString() << 9 << false;
    // Designer, QUiLoader and setProperty() set the text as a property.
    QTest::newRow("property") << boxy << QStringLiteral("Bibliotek") << 0 << true;
    QTest::newRow("property, padding") << QString() << QStringLiteral("Indstillinger") << 12 << true;
}

void tst_MultiStateToolButton::fixedWidth()
{
    QFETCH(QString, sheet);
    QFETCH(QString, text);
    QFETCH(int, padding);
    QFETCH(bool, viaProperty);

    MultiStateToolButton button(nullptr);
    button.setStyleSheet(sheet);
    button.setTextPadding(padding);
    if (viaProperty)
        QVERIFY(button.setProperty("text", text));
    else
        button.setText(text);

    const int expected = boldWidth(&button, text) + 2 * padding;
    QCOMPARE(button.minimumWidth(), expected);
    QCOMPARE(button.maximumWidth(), expected);
    QCOMPARE(button.text(), text);
    QCOMPARE(button.property("text").toString(), text);
    if (viaProperty && !sheet.isEmpty()) {
        // The property path captures the sheets too.
        QVERIFY(highlightSheetOf(&button).startsWith(QStringLiteral("QToolButton{font: bold;")));
    }
}

void tst_MultiStateToolButton::extremePaddings_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<int>("expected");
    QTest::newRow("INT_MAX") << std::numeric_limits<int>::max() << QWIDGETSIZE_MAX - 1;
    QTest::newRow("too wide for Qt") << QWIDGETSIZE_MAX / 2 << QWIDGETSIZE_MAX - 1;
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min() << 0;
    QTest::newRow("negative") << -1000 << 0;
}

// An absurd padding gives the narrowest or widest width Qt allows, without a
// warning.
void tst_MultiStateToolButton::extremePaddings()
{
    QFETCH(int, padding);
    QFETCH(int, expected);
    MultiStateToolButton button(nullptr);
    button.setTextPadding(padding);
    button.setText(QStringLiteral("Bibliotek"));
    QCOMPARE(button.minimumWidth(), expected);
    QCOMPARE(button.maximumWidth(), expected);
}

void tst_MultiStateToolButton::secondTextIsMeasuredAgain()
{
    auto button = formButton(QStringLiteral("QToolButton{border: none;}"));
    const QString longer = QStringLiteral("En betydeligt længere fanetekst");
    button->setText(longer);
    QCOMPARE(button->width(), boldWidth(button.get(), longer));
    QCOMPARE(button->text(), longer);
}

// QUiLoader builds a stacked page apart and moves it into the stack, which
// brings the sheet's font after the text: that font counts. Once polished, the
// width stays as setText fixed it, as the forms are built against.
void tst_MultiStateToolButton::fontBeforePolishIsMeasured()
{
    auto button = formButton(QStringLiteral("QToolButton{border: none;}"));
    QFont larger = button->font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() * 2);
    button->setFont(larger);
    const int width = boldWidth(button.get(), QStringLiteral("Bibliotek"));
    QCOMPARE(button->minimumWidth(), width);
    QCOMPARE(button->maximumWidth(), width);

    button->ensurePolished();
    button->setFont(QFont());
    QCOMPARE(button->minimumWidth(), width);
}

// Forms hold the button through its own type, so retranslation reaches the
// hiding setText; through the base type only the text changes.
void tst_MultiStateToolButton::promotedInForm()
{
    QWidget form;
    MultiStateToolButton *tab = new MultiStateToolButton(&form);
    tab->setStyleSheet(QStringLiteral("QToolButton{border: none;}"));
    tab->setText(QStringLiteral("Alle"));
    QCOMPARE(tab->parentWidget(), &form);
    QCOMPARE(tab->width(), boldWidth(tab, QStringLiteral("Alle")));
    QCOMPARE(QByteArray(tab->metaObject()->className()), QByteArrayLiteral("MultiStateToolButton"));

    static_cast<QToolButton *>(tab)->setText(QStringLiteral("Alle billeder"));
    QCOMPARE(tab->width(), boldWidth(tab, QStringLiteral("Alle")));
}

QTEST_MAIN(tst_MultiStateToolButton)
#include "tst_multistatetoolbutton.moc"
