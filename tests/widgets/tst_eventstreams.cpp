// Random event streams thrown at each custom widget, as a confused user, a
// touch driver or a careless host might send them: presses, moves and releases
// of every button at any position, huge wheel deltas, keys, focus, enter and
// leave, resizes to nothing and to huge sizes, empty and inverted ranges,
// absurd settings, hide and show mid-gesture, and the widget deleted from
// inside its own signal. Every stream ends with all buttons and keys
// released; the widget must then be at rest (not held, no drag or fling
// running, a button up unless a touch-down was never released), and Qt must
// not have warned.
//
// VEXARO_STREAM_SEED replays a run, VEXARO_STREAMS sets the streams per
// widget. A failure prints the stream's seed and its steps; so does a
// sanitizer report, through the sanitizer's death callback.

#include "faketabletservice.h"
#include "multistatetoolbutton.h"
#include "qelidedlabel.h"
#include "qnopagescrollbar.h"
#include "qnopageslider.h"
#include "qtouchframe.h"
#include "replaylog.h"
#include "touchpushbutton.h"
#include "touchtoolbutton.h"
#include "warningguard.h"

#include <QtTest/QtTest>

#include <functional>
#include <limits>
#include <memory>
#include <random>

namespace {

class StreamFrame : public QTouchFrame
{
public:
    using QTouchFrame::QTouchFrame;
    void OnTouchMove(QPoint, int) override
    {
        ++steps;
        if (deleteOnStep)
            delete this;
    }
    int steps = 0;
    bool deleteOnStep = false;
};

template<class Button>
class TouchProbe : public Button
{
public:
    using Button::Button;
    void touchDown()
    {
        FakeNativeMessage message{TabletService::ContactQueryMessage};
        NativeEventResult result = 0;
        this->nativeEvent(FakeTabletService::eventType(), &message, &result);
    }
};

// The widget under test, and what the stream may do with it beyond plain
// events.
struct Subject
{
    QPointer<QWidget> widget;
    std::function<void()> touchDown;       // touch buttons
    std::function<void(int)> tweak;        // a random setting, by a random number
    std::function<QString(const Subject &)> restingFault; // empty when at rest
    bool touchPending = false;             // a touch-down no left release has ended
};

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

class Stream
{
public:
    Stream(quint32 seed, QWidget *window) : m_random(seed), m_window(window) {}

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    QPoint position(QWidget *widget)
    {
        switch (pick(8)) {
        case 0: // qRound inside Qt cannot take INT_MIN itself
            return QPoint(pick(2) ? IntMax : IntMin + 2, pick(2) ? IntMax : IntMin + 2);
        case 1:
            return QPoint(number(-500, 500), number(-500, 500));
        default:
            return QPoint(number(-5, qMax(5, qMin(widget->width(), 2000))),
                          number(-5, qMax(5, qMin(widget->height(), 2000))));
        }
    }

    // A small move from 'pos', staying inside the int range.
    QPoint nudged(const QPoint &pos)
    {
        auto nudge = [this](int v) { return int(qBound(qint64(IntMin + 2), qint64(v) + number(-300, 300), qint64(IntMax))); };
        return QPoint(nudge(pos.x()), nudge(pos.y()));
    }

    void run(Subject &subject, int length);
    void finish(Subject &subject);

private:
    void mouse(Subject &subject, QEvent::Type type, Qt::MouseButton button);
    void send(QWidget *widget, QEvent *event) { QCoreApplication::sendEvent(widget, event); }

    std::mt19937 m_random;
    QWidget *m_window;
    Qt::MouseButtons m_held;
    QPoint m_pos;
};

void Stream::mouse(Subject &subject, QEvent::Type type, Qt::MouseButton button)
{
    QWidget *widget = subject.widget;
    if (type == QEvent::MouseButtonPress)
        m_held |= button;
    else if (type == QEvent::MouseButtonRelease)
        m_held &= ~button;
    ReplayLog::step(QStringLiteral("mouse %1 button %2 at %3,%4 held %5")
                        .arg(type).arg(button).arg(m_pos.x()).arg(m_pos.y()).arg(m_held));
    QMouseEvent event(type, m_pos, m_pos, button, m_held, Qt::NoModifier);
    send(widget, &event);
    if (type == QEvent::MouseButtonRelease && button == Qt::LeftButton)
        subject.touchPending = false;
}

void Stream::run(Subject &subject, int length)
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    static const int keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down,
                               Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                               Qt::Key_Home, Qt::Key_End, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_A};

    for (int i = 0; i < length && subject.widget; ++i) {
        QWidget *widget = subject.widget;
        switch (pick(14)) {
        case 0:
        case 1: {
            const Qt::MouseButton button = buttons[pick(3)];
            if (m_held & button)
                break;
            m_pos = position(widget);
            mouse(subject, QEvent::MouseButtonPress, button);
            break;
        }
        case 2:
        case 3:
            m_pos = pick(4) ? nudged(m_pos) : position(widget);
            mouse(subject, QEvent::MouseMove, Qt::NoButton);
            break;
        case 4: {
            // Mostly a held button; sometimes a stray release.
            const Qt::MouseButton button = buttons[pick(3)];
            if (!(m_held & button) && pick(3))
                break;
            mouse(subject, QEvent::MouseButtonRelease, button);
            break;
        }
        case 5: {
            const int delta = pick(2) ? number(-1200, 1200) : (pick(2) ? IntMax / 2 : IntMin / 2);
            ReplayLog::step(QStringLiteral("wheel %1").arg(delta));
            const QPointF at(m_pos);
            QWheelEvent event(at, at, QPoint(), QPoint(0, delta), m_held, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            send(widget, &event);
            break;
        }
        case 6: {
            const int key = keys[pick(int(sizeof keys / sizeof *keys))];
            ReplayLog::step(QStringLiteral("key %1").arg(key, 0, 16));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            send(widget, &press);
            if (subject.widget) {
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
                send(widget, &release);
            }
            break;
        }
        case 7: {
            const bool in = pick(2);
            ReplayLog::step(in ? QStringLiteral("focus in") : QStringLiteral("focus out"));
            QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::MouseFocusReason);
            send(widget, &event);
            break;
        }
        case 8: {
            const bool enter = pick(2);
            ReplayLog::step(enter ? QStringLiteral("enter") : QStringLiteral("leave"));
            if (enter) {
                const QPointF at(m_pos);
                QEnterEvent event(at, at, at);
                send(widget, &event);
            } else {
                QEvent event(QEvent::Leave);
                send(widget, &event);
            }
            break;
        }
        case 9: {
            // Huge in one direction: styles paint buttons through a pixmap of
            // the whole widget, which Qt cannot make for huge squares.
            static const QSize huge[] = {QSize(16000, 90), QSize(90, 16000), QSize(QWIDGETSIZE_MAX, 0)};
            const QSize size = pick(3) == 0 ? QSize(0, 0)
                : pick(2) ? huge[pick(3)] : QSize(number(1, 600), number(1, 400));
            ReplayLog::step(QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height()));
            widget->resize(size);
            break;
        }
        case 10:
            ReplayLog::step(widget->isVisible() ? QStringLiteral("hide") : QStringLiteral("show"));
            widget->setVisible(!widget->isVisible());
            break;
        case 11:
            if (subject.touchDown && widget->isEnabled()) {
                ReplayLog::step(QStringLiteral("touch down"));
                subject.touchDown();
                subject.touchPending = true;
            }
            break;
        case 12:
            if (subject.tweak) {
                const int value = number(0, 1 << 20);
                ReplayLog::step(QStringLiteral("tweak %1").arg(value));
                subject.tweak(value);
            }
            break;
        default: {
            const int ms = number(0, 60);
            ReplayLog::step(QStringLiteral("wait %1 ms").arg(ms));
            QTest::qWait(ms);
            break;
        }
        }
    }
}

// Lets go of every button still held, shows the widget again and lets its
// timers run.
void Stream::finish(Subject &subject)
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    for (Qt::MouseButton button : buttons) {
        if (subject.widget && (m_held & button))
            mouse(subject, QEvent::MouseButtonRelease, button);
    }
    if (subject.widget) {
        ReplayLog::step(QStringLiteral("finish"));
        subject.widget->resize(200, 40);
        subject.widget->show();
    }
    QTest::qWait(10);
}

// --- the widgets --------------------------------------------------------

template<class Slider>
Subject makeSlider(QWidget *window, std::mt19937 &random)
{
    auto *slider = new Slider(window);
    slider->setOrientation(random() % 2 ? Qt::Horizontal : Qt::Vertical);
    slider->setRange(0, 100);
    Subject subject;
    subject.widget = slider;
    if (random() % 4 == 0)
        QObject::connect(slider, &QAbstractSlider::sliderPressed, slider, [slider] { delete slider; });
    subject.tweak = [slider](int value) {
        switch (value % 4) {
        case 0: slider->setRange(value % 7, value % 7); break;           // empty
        case 1: slider->setRange(value % 100, -(value % 100)); break;    // inverted
        case 2: slider->setRange(IntMin, IntMax); break;
        default: slider->setRange(0, value); break;
        }
    };
    subject.restingFault = [slider](const Subject &) {
        return slider->isSliderDown() ? QStringLiteral("still held") : QString();
    };
    return subject;
}

Subject makeFrame(QWidget *window, std::mt19937 &random)
{
    auto *frame = new StreamFrame(window);
    frame->deleteOnStep = random() % 4 == 0;
    Subject subject;
    subject.widget = frame;
    frame->setMouseTracking(random() % 2);
    subject.tweak = [frame](int value) {
        static const float decelerations[] = {0.0f, 99.9f, 100.0f, 1e6f, std::numeric_limits<float>::max(),
                                              std::numeric_limits<float>::infinity(),
                                              std::numeric_limits<float>::quiet_NaN()};
        frame->setDeceleration(decelerations[value % 7]);
    };
    subject.restingFault = [frame](const Subject &) {
        // Any fling ends within one tick at this deceleration; its step may
        // still delete the frame.
        const QPointer<StreamFrame> alive(frame);
        frame->setDeceleration(std::numeric_limits<float>::max());
        QTest::qWait(60);
        if (!alive)
            return QString();
        const int before = frame->steps;
        QTest::qWait(60);
        if (frame->steps != before)
            return QStringLiteral("a fling is still running");
        // A move that reports the left button must not drag without a press.
        QTest::qWait(55);
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), QPointF(50, 50), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &move);
        return frame->steps != before ? QStringLiteral("a drag is still going on") : QString();
    };
    return subject;
}

template<class Button>
Subject makeTouchButton(QWidget *window, std::mt19937 &random)
{
    auto *button = new TouchProbe<Button>(window);
    button->setText(QStringLiteral("Slet"));
    Subject subject;
    subject.widget = button;
    if (random() % 4 == 0)
        QObject::connect(button, &QAbstractButton::clicked, button, [button] { delete button; });
    if (random() % 4 == 0)
        QObject::connect(button, &Button::rightButtonClicked, button, [button] { delete button; });
    subject.touchDown = [button] { button->touchDown(); };
    subject.tweak = [button](int value) { button->setEnabled(value % 3 != 0); };
    subject.restingFault = [button](const Subject &subject) {
        return button->isDown() && !subject.touchPending ? QStringLiteral("down without a touch") : QString();
    };
    return subject;
}

Subject makeLabel(QWidget *window, std::mt19937 &random)
{
    auto *label = new qelidedlabel(window);
    label->setText(QStringLiteral("Sommerferie på Bornholm med hele familien"));
    Subject subject;
    subject.widget = label;
    if (random() % 4 == 0)
        QObject::connect(label, &qelidedlabel::clicked, label, [label] { delete label; });
    subject.tweak = [label](int value) {
        static const int widths[] = {0, 30, -30, IntMin, IntMax, IntMin + 1, IntMax - 1};
        switch (value % 3) {
        case 0: label->setReservedWidth(widths[value % 7]); break;
        case 1: label->setTextElideMode(Qt::TextElideMode(value % 4)); break;
        default: label->setText(QString(value % 200, QLatin1Char('x'))); break;
        }
    };
    subject.restingFault = [label](const Subject &) {
        const QString tip = label->toolTip();
        return tip.isEmpty() || tip == label->text() ? QString() : QStringLiteral("tool tip is not the text");
    };
    return subject;
}

Subject makeTab(QWidget *window, std::mt19937 &random)
{
    auto *tab = new MultiStateToolButton(window);
    tab->setStyleSheet(QStringLiteral("QToolButton { color: gray; }"));
    if (random() % 2)
        tab->setSelectedSheet(QStringLiteral("QToolButton { color: black; }"));
    tab->setText(QStringLiteral("Diasshow"));
    Subject subject;
    subject.widget = tab;
    if (random() % 4 == 0)
        QObject::connect(tab, &QAbstractButton::clicked, tab, [tab] { delete tab; });
    subject.tweak = [tab](int value) {
        static const int paddings[] = {0, 12, -12, IntMin, IntMax, QWIDGETSIZE_MAX};
        tab->setTextPadding(paddings[value % 6]);
        tab->setSelected(value % 2);
        tab->setText(QString(value % 30, QLatin1Char('W')));
        // Qt's styles cannot paint a button millions of pixels wide; the
        // width itself is checked at rest.
        if (tab->width() > 16000) {
            tab->setTextPadding(value % 20);
            tab->setText(QString(value % 30, QLatin1Char('W')));
        }
    };
    subject.restingFault = [tab](const Subject &) {
        const bool fixed = tab->minimumWidth() == tab->maximumWidth() && tab->maximumWidth() < QWIDGETSIZE_MAX;
        return fixed ? QString() : QStringLiteral("width is not fixed");
    };
    return subject;
}

using Maker = Subject (*)(QWidget *, std::mt19937 &);

} // namespace

class tst_EventStreams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void streams_data();
    void streams();

private:
    std::unique_ptr<WarningGuard> m_guard;
    FakeTabletService m_tablet;
    std::unique_ptr<ScopedTabletBackend> m_backend;
};

void tst_EventStreams::initTestCase()
{
    m_guard = std::make_unique<WarningGuard>();
    m_backend = std::make_unique<ScopedTabletBackend>(&m_tablet);
    ReplayLog::printOnSanitizerDeath();
}

void tst_EventStreams::cleanupTestCase()
{
    m_backend.reset();
    m_guard.reset();
}

void tst_EventStreams::streams_data()
{
    QTest::addColumn<void *>("maker");
    QTest::newRow("QNoPageSlider") << reinterpret_cast<void *>(Maker(makeSlider<QNoPageSlider>));
    QTest::newRow("QNoPageScrollBar") << reinterpret_cast<void *>(Maker(makeSlider<QNoPageScrollBar>));
    QTest::newRow("QTouchFrame") << reinterpret_cast<void *>(Maker(makeFrame));
    QTest::newRow("TouchPushButton") << reinterpret_cast<void *>(Maker(makeTouchButton<TouchPushButton>));
    QTest::newRow("TouchToolButton") << reinterpret_cast<void *>(Maker(makeTouchButton<TouchToolButton>));
    QTest::newRow("qelidedlabel") << reinterpret_cast<void *>(Maker(makeLabel));
    QTest::newRow("MultiStateToolButton") << reinterpret_cast<void *>(Maker(makeTab));
}

void tst_EventStreams::streams()
{
    QFETCH(void *, maker);
    const quint32 seed = ReplayLog::envNumber("VEXARO_STREAM_SEED", QRandomGenerator::global()->generate());
    const quint32 count = ReplayLog::envNumber("VEXARO_STREAMS", 30);
    qInfo("base seed %u, %u streams (replay: VEXARO_STREAM_SEED=%u)", seed, count, seed);

    for (quint32 i = 0; i < count; ++i) {
        const quint32 streamSeed = seed + i;
        ReplayLog::begin(QStringLiteral("%1 stream %2").arg(QLatin1String(QTest::currentDataTag())).arg(i),
                         streamSeed,
                         QStringLiteral("VEXARO_STREAM_SEED=%1 VEXARO_STREAMS=1 tst_eventstreams streams:%2")
                             .arg(streamSeed).arg(QLatin1String(QTest::currentDataTag())));
        QWidget window;
        window.resize(300, 200);
        window.show();
        std::mt19937 random(streamSeed);
        Subject subject = reinterpret_cast<Maker>(maker)(&window, random);
        subject.widget->resize(200, 40);
        subject.widget->show();

        Stream stream(streamSeed, &window);
        stream.run(subject, 40);
        stream.finish(subject);
        const QString fault = subject.widget ? subject.restingFault(subject) : QString();
        const QStringList warnings = m_guard->take();
        if (!fault.isEmpty() || !warnings.isEmpty()) {
            ReplayLog::print();
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
            QFAIL(qPrintable(fault));
        }
    }
}

QTEST_MAIN(tst_EventStreams)
#include "tst_eventstreams.moc"
