#include "faketabletservice.h"
#include "hostreactions.h"
#include "touchpushbutton.h"
#include "touchtoolbutton.h"
#include "warningguard.h"

#include <QtCore/QElapsedTimer>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

// TouchPushButton and TouchToolButton are twins: every test runs on both.
// The one-second hold uses real time with generous margins on either side of
// the edge; the touch-down arrives through the platform layer's fake.

namespace {

template<class Button>
class Probe : public Button
{
public:
    using Button::Button;
    using Button::nativeEvent;
};

using Factory = std::function<QAbstractButton *()>;

// The pieces of either button the tests need, without knowing which it is.
struct Subject
{
    std::unique_ptr<QAbstractButton> button;
    std::function<bool(const QByteArray &, void *, NativeEventResult *)> nativeEvent;
};

Subject makeSubject(const QString &kind)
{
    Subject subject;
    if (kind == QLatin1String("push")) {
        auto *button = new Probe<TouchPushButton>(nullptr);
        subject.button.reset(button);
        subject.nativeEvent = [button](const QByteArray &type, void *message, NativeEventResult *result) {
            return button->nativeEvent(type, message, result);
        };
    } else {
        auto *button = new Probe<TouchToolButton>(nullptr);
        subject.button.reset(button);
        subject.nativeEvent = [button](const QByteArray &type, void *message, NativeEventResult *result) {
            return button->nativeEvent(type, message, result);
        };
    }
    subject.button->setText(QStringLiteral("Slet"));
    subject.button->resize(120, 40);
    return subject;
}

struct Counters
{
    explicit Counters(QAbstractButton *button)
        : clicked(button, &QAbstractButton::clicked)
        , rightClicked(button, SIGNAL(rightButtonClicked()))
    {
    }
    QSignalSpy clicked;
    QSignalSpy rightClicked;
};

} // namespace

class tst_TouchButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void setsTabletFlags_data() { kinds(); }
    void setsTabletFlags();
    void contactQuery_data() { kinds(); }
    void contactQuery();
    void disabledIgnoresTouch_data() { kinds(); }
    void disabledIgnoresTouch();
    void shortTouchClicks_data() { kinds(); }
    void shortTouchClicks();
    void touchJustBelowOneSecondClicks_data() { kinds(); }
    void touchJustBelowOneSecondClicks();
    void longTouchRightClicks_data() { kinds(); }
    void longTouchRightClicks();
    void mouseAfterTouchIsPlain_data() { kinds(); }
    void mouseAfterTouchIsPlain();
    void deletedFromRightButtonClicked_data() { kinds(); }
    void deletedFromRightButtonClicked();

private:
    static void kinds();
    bool touchDown(Subject &subject);
    std::unique_ptr<WarningGuard> m_guard;
    FakeTabletService m_tablet;
    std::unique_ptr<ScopedTabletBackend> m_backend;
};

void tst_TouchButtons::kinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("TouchPushButton") << QStringLiteral("push");
    QTest::newRow("TouchToolButton") << QStringLiteral("tool");
}

void tst_TouchButtons::initTestCase()
{
    m_guard = std::make_unique<WarningGuard>();
    m_backend = std::make_unique<ScopedTabletBackend>(&m_tablet);
}

void tst_TouchButtons::cleanup()
{
    m_tablet.calls.clear();
    m_guard->verifyNone();
}

void tst_TouchButtons::cleanupTestCase()
{
    m_backend.reset();
    m_guard.reset();
}

// The contact query as the platform would deliver it; returns whether the
// button reported it handled.
bool tst_TouchButtons::touchDown(Subject &subject)
{
    FakeNativeMessage message{TabletService::ContactQueryMessage};
    NativeEventResult result = 0;
    return subject.nativeEvent(FakeTabletService::eventType(), &message, &result);
}

void tst_TouchButtons::setsTabletFlags()
{
    QFETCH(QString, kind);
    m_tablet.initialProperty = 0x00000002;
    Subject subject = makeSubject(kind);
    m_tablet.initialProperty = 0;

    // Replaced, not merged: the old bit 0x2 is gone.
    const auto calls = m_tablet.callsFor(subject.button.get());
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].op, FakeTabletService::Op::SetW);
    QCOMPARE(calls[0].value, quintptr(0x00010019));
    // Only the Windows backend takes a native window.
    QVERIFY(!subject.button->testAttribute(Qt::WA_NativeWindow));
    QVERIFY(!subject.button->internalWinId());
}

void tst_TouchButtons::contactQuery()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);

    // Another message, or another event type, is not a touch-down.
    FakeNativeMessage other{0x0201};
    NativeEventResult result = 0;
    QVERIFY(!subject.nativeEvent(FakeTabletService::eventType(), &other, &result));
    FakeNativeMessage query{TabletService::ContactQueryMessage};
    QVERIFY(!subject.nativeEvent(QByteArrayLiteral("xcb_generic_event_t"), &query, &result));
    QVERIFY(!subject.button->isDown());

    // Shown pressed at once, and never reported handled.
    QVERIFY(!touchDown(subject));
    QVERIFY(subject.button->isDown());
}

void tst_TouchButtons::disabledIgnoresTouch()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    subject.button->setEnabled(false);
    Counters counters(subject.button.get());

    QVERIFY(!touchDown(subject));
    QVERIFY(!subject.button->isDown());

    // A disabled widget receives no mouse events from the platform; sent
    // directly, the release takes the base path and does nothing.
    const QPoint at(10, 10);
    QMouseEvent release(QEvent::MouseButtonRelease, at, subject.button->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(subject.button.get(), &release);
    QCOMPARE(counters.rightClicked.count(), 0);
    QCOMPARE(counters.clicked.count(), 0);
}

void tst_TouchButtons::shortTouchClicks()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    Counters counters(subject.button.get());

    touchDown(subject);
    QTest::mousePress(subject.button.get(), Qt::LeftButton);
    QTest::qWait(300);
    QTest::mouseRelease(subject.button.get(), Qt::LeftButton);
    QCOMPARE(counters.clicked.count(), 1);
    QCOMPARE(counters.rightClicked.count(), 0);
    QVERIFY(!subject.button->isDown());
}

// Qt's default coarse timers may fire up to 5 % early; the hold timer must
// not, or a touch of 950-999 ms would already count as a right click.
void tst_TouchButtons::touchJustBelowOneSecondClicks()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    Counters counters(subject.button.get());

    QElapsedTimer stopwatch;
    stopwatch.start(); // before the touch-down: never shorter than the hold
    touchDown(subject);
    QTest::mousePress(subject.button.get(), Qt::LeftButton);
    while (stopwatch.elapsed() < 960)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QTest::mouseRelease(subject.button.get(), Qt::LeftButton);
    if (stopwatch.elapsed() >= 1000)
        QSKIP("The machine was too slow to release before the second was up");
    QCOMPARE(counters.rightClicked.count(), 0);
    QCOMPARE(counters.clicked.count(), 1);
}

void tst_TouchButtons::longTouchRightClicks()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    Counters counters(subject.button.get());

    touchDown(subject);
    QTest::mousePress(subject.button.get(), Qt::LeftButton);
    QTest::qWait(1150);
    QVERIFY(subject.button->isDown());
    QTest::mouseRelease(subject.button.get(), Qt::LeftButton);
    QCOMPARE(counters.rightClicked.count(), 1);
    QCOMPARE(counters.clicked.count(), 0);
    QVERIFY(!subject.button->isDown());

    // The long touch is over: the next plain click is an ordinary one.
    QTest::mouseClick(subject.button.get(), Qt::LeftButton);
    QCOMPARE(counters.clicked.count(), 1);
    QCOMPARE(counters.rightClicked.count(), 1);
}

// Every release ends the touch: a mouse click a second after a short touch
// must not turn into a right click because the hold timer has run out since.
void tst_TouchButtons::mouseAfterTouchIsPlain()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    Counters counters(subject.button.get());

    touchDown(subject);
    QTest::mouseClick(subject.button.get(), Qt::LeftButton);
    QCOMPARE(counters.clicked.count(), 1);

    QTest::qWait(1150);
    QTest::mousePress(subject.button.get(), Qt::LeftButton);
    QTest::mouseRelease(subject.button.get(), Qt::LeftButton);
    QCOMPARE(counters.clicked.count(), 2);
    QCOMPARE(counters.rightClicked.count(), 0);
}

// A host that closes the panel on a long touch deletes the button from its
// own signal, inside the release.
void tst_TouchButtons::deletedFromRightButtonClicked()
{
    QFETCH(QString, kind);
    QWidget window;
    EventCounter parentSaw(&window, {QEvent::MouseButtonRelease});
    Subject subject = makeSubject(kind);
    QPointer<QAbstractButton> button = subject.button.release();
    button->setParent(&window);
    if (auto *push = qobject_cast<TouchPushButton *>(button))
        deleteFromSignal(push, &TouchPushButton::rightButtonClicked);
    else
        deleteFromSignal(qobject_cast<TouchToolButton *>(button), &TouchToolButton::rightButtonClicked);

    touchDown(subject);
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(1150);
    QTest::mouseRelease(button, Qt::LeftButton);
    QVERIFY(button.isNull());
    QCOMPARE(parentSaw.count, 0);
}

QTEST_MAIN(tst_TouchButtons)
#include "tst_touchbuttons.moc"
