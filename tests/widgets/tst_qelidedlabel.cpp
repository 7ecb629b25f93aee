#include "hostreactions.h"
#include "qelidedlabel.h"
#include "warningguard.h"

#include <QtTest/QtTest>
#include <QtWidgets/QHBoxLayout>

#include <limits>
#include <memory>

namespace {

const QString kLongText = QStringLiteral("Sommerferie på Bornholm med hele familien, juli");
const QChar kEllipsis(0x2026);

// What the label displays, as opposed to text(), which the label hides.
QString shown(const qelidedlabel &label)
{
    return static_cast<const QLabel &>(label).text();
}

int textWidth(const QWidget &widget, const QString &text)
{
    return widget.fontMetrics().horizontalAdvance(text);
}

// Records the keys that travel on to the parent.
class KeySink : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

} // namespace

class tst_qelidedlabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_guard = std::make_unique<WarningGuard>(); }
    void cleanup() { m_guard->verifyNone(); }
    void cleanupTestCase() { m_guard.reset(); }

    void defaults();
    void exactWidthBoundary_data();
    void exactWidthBoundary();
    void textStaysWhole();
    void widenAndNarrow();
    void elideModes_data();
    void elideModes();
    void reservedWidth();
    void extremeReservedWidths();
    void alignmentDoesNotRefit();
    void sizeHints();
    void textProperty();
    void refitsToTextArea_data();
    void refitsToTextArea();
    void narrowsInLayout();
    void activationKeys_data();
    void activationKeys();
    void mouseRelease_data();
    void mouseRelease();
    void deletedFromClicked_data();
    void deletedFromClicked();

private:
    std::unique_ptr<WarningGuard> m_guard;
};

void tst_qelidedlabel::defaults()
{
    qelidedlabel label(nullptr);
    QCOMPARE(label.textElideMode(), Qt::ElideRight);
    QCOMPARE(label.property("textElideMode").value<Qt::TextElideMode>(), Qt::ElideRight);
    QCOMPARE(label.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(label.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(label.text().isEmpty());

    // The property and slot that Designer and connections by name see.
    const QMetaObject *meta = label.metaObject();
    QCOMPARE(QByteArray(meta->className()), QByteArrayLiteral("qelidedlabel"));
    const QMetaProperty mode = meta->property(meta->indexOfProperty("textElideMode"));
    QVERIFY(mode.isValid() && mode.isWritable() && mode.isDesignable() && mode.isStored());
    QVERIFY(meta->indexOfSlot("setText(QString)") >= meta->methodOffset());
    QVERIFY(meta->indexOfSignal("clicked()") >= meta->methodOffset());

    QVERIFY(label.setProperty("textElideMode", QVariant::fromValue(Qt::ElideLeft)));
    QCOMPARE(label.textElideMode(), Qt::ElideLeft);

    qelidedlabel withText(kLongText, nullptr);
    QCOMPARE(withText.text(), kLongText);
}

void tst_qelidedlabel::exactWidthBoundary_data()
{
    QTest::addColumn<int>("reserved");
    QTest::addColumn<int>("extra");
    QTest::addColumn<bool>("elided");

    QTest::newRow("exact fit") << 0 << 0 << false;
    QTest::newRow("one pixel short") << 0 << -1 << true;
    QTest::newRow("one pixel spare") << 0 << 1 << false;
    QTest::newRow("exact fit, reserved") << 17 << 0 << false;
    QTest::newRow("one pixel short, reserved") << 17 << -1 << true;
}

void tst_qelidedlabel::exactWidthBoundary()
{
    QFETCH(int, reserved);
    QFETCH(int, extra);
    QFETCH(bool, elided);

    qelidedlabel label(nullptr);
    label.setReservedWidth(reserved);
    const int full = textWidth(label, kLongText);
    label.resize(full + reserved + extra, 20);
    label.setText(kLongText);

    QCOMPARE(label.text(), kLongText);
    if (elided) {
        QCOMPARE(shown(label), label.fontMetrics().elidedText(kLongText, Qt::ElideRight, full + extra, 0));
        QVERIFY(shown(label) != kLongText);
        QCOMPARE(label.toolTip(), kLongText);
    } else {
        QCOMPARE(shown(label), kLongText);
        QVERIFY(label.toolTip().isEmpty());
    }
}

void tst_qelidedlabel::textStaysWhole()
{
    qelidedlabel label(nullptr);
    label.resize(60, 20);
    label.setText(kLongText);
    QCOMPARE(label.text(), kLongText);
    QVERIFY(shown(label).endsWith(kEllipsis));
    QVERIFY(textWidth(label, shown(label)) <= 60);
}

void tst_qelidedlabel::widenAndNarrow()
{
    qelidedlabel label(nullptr);
    label.setText(kLongText);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));

    const int full = textWidth(label, kLongText);
    label.resize(full / 2, label.height());
    QTRY_COMPARE(label.width(), full / 2);
    QCOMPARE(label.toolTip(), kLongText);
    QVERIFY(shown(label) != kLongText);

    label.resize(full + 40, label.height());
    QTRY_COMPARE(label.width(), full + 40);
    QCOMPARE(shown(label), kLongText);
    QVERIFY(label.toolTip().isEmpty());
}

void tst_qelidedlabel::elideModes_data()
{
    QTest::addColumn<Qt::TextElideMode>("mode");

    QTest::newRow("ElideRight") << Qt::ElideRight;
    QTest::newRow("ElideLeft") << Qt::ElideLeft;
    QTest::newRow("ElideMiddle") << Qt::ElideMiddle;
    QTest::newRow("ElideNone") << Qt::ElideNone;
}

void tst_qelidedlabel::elideModes()
{
    QFETCH(Qt::TextElideMode, mode);

    qelidedlabel label(nullptr);
    label.resize(80, 20);
    label.setText(kLongText);
    label.setTextElideMode(mode);

    const QString expected = label.fontMetrics().elidedText(kLongText, mode, 80, 0);
    QCOMPARE(shown(label), expected);
    QCOMPARE(label.toolTip(), kLongText);
    switch (mode) {
    case Qt::ElideLeft:
        QVERIFY(shown(label).startsWith(kEllipsis));
        break;
    case Qt::ElideRight:
        QVERIFY(shown(label).endsWith(kEllipsis));
        break;
    case Qt::ElideMiddle:
        QVERIFY(shown(label).contains(kEllipsis));
        break;
    case Qt::ElideNone:
        // Qt hands the whole text back; painting clips it, and the tool tip
        // still offers it.
        QCOMPARE(shown(label), kLongText);
        break;
    }
    QCOMPARE(label.text(), kLongText);
}

void tst_qelidedlabel::reservedWidth()
{
    qelidedlabel label(nullptr);
    const int full = textWidth(label, kLongText);
    label.resize(full, 20);
    label.setText(kLongText);
    QCOMPARE(shown(label), kLongText);

    label.setReservedWidth(30);
    QCOMPARE(shown(label), label.fontMetrics().elidedText(kLongText, Qt::ElideRight, full - 30, 0));
    QCOMPARE(label.toolTip(), kLongText);

    // An unchanged value does not refit: a display set behind the label's
    // back stays.
    static_cast<QLabel &>(label).setText(QStringLiteral("x"));
    label.setReservedWidth(30);
    QCOMPARE(shown(label), QStringLiteral("x"));
    label.setReservedWidth(0);
    QCOMPARE(shown(label), kLongText);
    QVERIFY(label.toolTip().isEmpty());
}

// The whole int range is accepted: everything fits beside INT_MIN, nothing
// beside INT_MAX.
void tst_qelidedlabel::extremeReservedWidths()
{
    qelidedlabel label(kLongText, nullptr);
    label.resize(50, 20);
    label.setReservedWidth(std::numeric_limits<int>::min());
    QCOMPARE(shown(label), kLongText);
    QVERIFY(label.toolTip().isEmpty());

    label.setReservedWidth(std::numeric_limits<int>::max());
    QVERIFY(shown(label) != kLongText);
    QCOMPARE(label.toolTip(), kLongText);
    QCOMPARE(label.text(), kLongText);
}

void tst_qelidedlabel::alignmentDoesNotRefit()
{
    qelidedlabel label(nullptr);
    label.resize(60, 20);
    label.setText(kLongText);
    static_cast<QLabel &>(label).setText(QStringLiteral("x"));

    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(shown(label), QStringLiteral("x"));
    QCOMPARE(label.text(), kLongText);

    // Refitting is what the mode setter does, also for the same mode.
    label.setTextElideMode(Qt::ElideRight);
    QVERIFY(shown(label).endsWith(kEllipsis));
}

void tst_qelidedlabel::sizeHints()
{
    qelidedlabel label(nullptr);
    label.resize(50, 20);
    label.setText(kLongText);
    QLabel reference(kLongText);
    reference.setFont(label.font());

    QCOMPARE(label.sizeHint().width(), textWidth(label, kLongText));
    QCOMPARE(label.sizeHint().height(), reference.sizeHint().height());
    QCOMPARE(label.minimumSizeHint().width(), -1);
    QCOMPARE(label.minimumSizeHint().height(), reference.minimumSizeHint().height());
}

// Designer, QUiLoader and setProperty() set the text as a property: it must
// reach the label's own setter, or the next refit shows an empty text.
void tst_qelidedlabel::textProperty()
{
    qelidedlabel label(nullptr);
    label.resize(60, 20);
    QVERIFY(label.setProperty("text", kLongText));
    QCOMPARE(label.text(), kLongText);
    QCOMPARE(label.property("text").toString(), kLongText);
    QVERIFY(shown(label).endsWith(kEllipsis));
    QCOMPARE(label.toolTip(), kLongText);
}

void tst_qelidedlabel::refitsToTextArea_data()
{
    QTest::addColumn<QString>("change");
    // Pixels of the label's width that the change takes from the text.
    QTest::addColumn<int>("chrome");

    QTest::newRow("larger font") << "font" << 0;
    QTest::newRow("sheet font") << "sheet font" << 0;
    QTest::newRow("sheet padding") << "sheet padding" << 12;
    QTest::newRow("sheet border") << "sheet border" << 6;
    QTest::newRow("margin") << "margin" << 8;
    QTest::newRow("indent") << "indent" << 11;
    QTest::newRow("frame") << "frame" << 4;
    QTest::newRow("contents margins") << "contents margins" << 10;
}

// A label whose text just fits, on screen, then changed: the shown text must
// follow at once, elided to the text area that QLabel itself leaves, and the
// size hint must ask for the text plus that chrome.
void tst_qelidedlabel::refitsToTextArea()
{
    QFETCH(QString, change);
    QFETCH(int, chrome);

    QWidget window;
    auto *label = new qelidedlabel(&window);
    // A frame, also a sheet's border or padding, otherwise brings QLabel's
    // default indent of half an 'x'.
    label->setIndent(0);
    label->setText(kLongText);
    label->resize(textWidth(*label, kLongText), 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(shown(*label), kLongText);
    const QFont before = label->font();

    if (change == QLatin1String("font")) {
        QFont larger = label->font();
        larger.setPixelSize(QFontInfo(larger).pixelSize() * 2);
        label->setFont(larger);
    } else if (change == QLatin1String("sheet font")) {
        label->setStyleSheet(QStringLiteral("font: 30px;"));
    } else if (change == QLatin1String("sheet padding")) {
        label->setStyleSheet(QStringLiteral("padding: 0 6px;"));
    } else if (change == QLatin1String("sheet border")) {
        label->setStyleSheet(QStringLiteral("border: 3px solid red;"));
    } else if (change == QLatin1String("margin")) {
        label->setMargin(4);
    } else if (change == QLatin1String("indent")) {
        label->setIndent(11);
    } else if (change == QLatin1String("frame")) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(2);
    } else {
        label->setContentsMargins(5, 0, 5, 0);
    }
    if (chrome == 0)
        QVERIFY(label->font() != before);

    const int full = textWidth(*label, kLongText);
    QCOMPARE(shown(*label), label->fontMetrics().elidedText(kLongText, Qt::ElideRight, label->width() - chrome, 0));
    QVERIFY(shown(*label).endsWith(kEllipsis));
    QCOMPARE(label->toolTip(), kLongText);
    QCOMPARE(label->text(), kLongText);
    QCOMPARE(label->sizeHint().width(), full + chrome);

    // Given room for text and chrome, the whole text shows again.
    label->resize(full + chrome, 40);
    QCOMPARE(shown(*label), kLongText);
    QVERIFY(label->toolTip().isEmpty());
}

void tst_qelidedlabel::narrowsInLayout()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *label = new qelidedlabel(&window);
    layout->addWidget(label);
    label->setText(kLongText);
    const int full = textWidth(*label, kLongText);

    window.resize(full + 100, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(shown(*label), kLongText);

    window.resize(full / 3, 40);
    QTRY_VERIFY(label->width() < full / 3);
    QTRY_VERIFY(shown(*label) != kLongText);
    QCOMPARE(shown(*label), label->fontMetrics().elidedText(kLongText, Qt::ElideRight, label->width(), 0));
    QCOMPARE(label->toolTip(), kLongText);
    QCOMPARE(label->text(), kLongText);
}

void tst_qelidedlabel::activationKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");

    QTest::newRow("Space") << int(Qt::Key_Space) << 1;
    QTest::newRow("Return") << int(Qt::Key_Return) << 1;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 1;
    QTest::newRow("A") << int(Qt::Key_A) << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0;
}

void tst_qelidedlabel::activationKeys()
{
    QFETCH(int, key);
    QFETCH(int, clicks);

    KeySink parent;
    auto *label = new qelidedlabel(kLongText, &parent);
    label->setFocusPolicy(Qt::StrongFocus);
    QSignalSpy clicked(label, &qelidedlabel::clicked);

    QTest::keyClick(label, Qt::Key(key));
    QCOMPARE(clicked.count(), clicks);
    // An activation key is swallowed; any other travels on to the parent.
    QCOMPARE(parent.keys, clicks ? QList<int>() : QList<int>{key});
    QCOMPARE(label->text(), kLongText);
}

void tst_qelidedlabel::mouseRelease_data()
{
    QTest::addColumn<int>("buttonValue");

    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_qelidedlabel::mouseRelease()
{
    QFETCH(int, buttonValue);
    const auto button = Qt::MouseButton(buttonValue);

    qelidedlabel label(kLongText, nullptr);
    QSignalSpy clicked(&label, &qelidedlabel::clicked);
    QTest::mousePress(&label, button);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseRelease(&label, button);
    QCOMPARE(clicked.count(), 1);
}

void tst_qelidedlabel::deletedFromClicked_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("mouse release") << false;
    QTest::newRow("space") << true;
}

// A host that closes the panel from clicked() deletes the label inside its
// handler: the event must then stop there rather than travel on through it.
void tst_qelidedlabel::deletedFromClicked()
{
    QFETCH(bool, byKey);
    QWidget window;
    EventCounter parentSaw(&window, {QEvent::MouseButtonRelease, QEvent::KeyPress});
    QPointer<qelidedlabel> label = new qelidedlabel(kLongText, &window);
    label->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    label->setFocus();
    deleteFromSignal(label.data(), &qelidedlabel::clicked);

    if (byKey) {
        QTest::keyClick(label, Qt::Key_Space);
    } else {
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton);
    }
    QVERIFY(label.isNull());
    QCOMPARE(parentSaw.count, 0);
}

QTEST_MAIN(tst_qelidedlabel)
#include "tst_qelidedlabel.moc"
