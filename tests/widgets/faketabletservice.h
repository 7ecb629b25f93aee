#pragma once

#include "tabletservice.h"

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QVector>

class QWidget;

// A native message as the fake backend understands it; nativeEvent receives
// a pointer to one with the event type FakeTabletService::eventType().
struct FakeNativeMessage
{
    quint32 message = 0;
};

// Where QWidget::nativeEvent stores its result.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using NativeEventResult = qintptr;
#else
using NativeEventResult = long;
#endif

// Records what the widgets ask of the tablet service and keeps one property
// value per widget, starting from 'initialProperty'.
class FakeTabletService final : public TabletService::Backend
{
public:
    enum class Op { GetA, SetA, SetW };
    struct Call
    {
        Op op;
        const QWidget *widget;
        quintptr value;
    };

    static QByteArray eventType() { return QByteArrayLiteral("vexaro_test_MSG"); }

    quintptr propertyA(QWidget *widget) override
    {
        const quintptr value = m_properties.value(widget, initialProperty);
        calls.append({Op::GetA, widget, value});
        return value;
    }
    void setPropertyA(QWidget *widget, quintptr value) override
    {
        m_properties.insert(widget, value);
        calls.append({Op::SetA, widget, value});
    }
    void setPropertyW(QWidget *widget, quintptr value) override
    {
        m_properties.insert(widget, value);
        calls.append({Op::SetW, widget, value});
    }
    bool isContactQuery(const QByteArray &type, void *message) override
    {
        return message && type == eventType()
            && static_cast<const FakeNativeMessage *>(message)->message
                   == TabletService::ContactQueryMessage;
    }

    QVector<Call> callsFor(const QWidget *widget) const
    {
        QVector<Call> result;
        for (const Call &call : calls) {
            if (call.widget == widget)
                result.append(call);
        }
        return result;
    }

    quintptr initialProperty = 0;
    QVector<Call> calls;

private:
    QHash<const QWidget *, quintptr> m_properties;
};

// Routes the platform layer to 'fake' for the scope's lifetime.
class ScopedTabletBackend
{
public:
    explicit ScopedTabletBackend(TabletService::Backend *fake) { TabletService::setBackend(fake); }
    ~ScopedTabletBackend() { TabletService::setBackend(nullptr); }
    ScopedTabletBackend(const ScopedTabletBackend &) = delete;
    ScopedTabletBackend &operator=(const ScopedTabletBackend &) = delete;
};
