#pragma once

#include <QtCore/qglobal.h>

QT_BEGIN_NAMESPACE
class QByteArray;
class QWidget;
QT_END_NAMESPACE

// The Windows tablet (pen and touch) service, as far as the touch widgets use
// it: a window property that switches service gestures off per window, and the
// message the service sends when a contact begins.
//
// On Windows the backend calls user32 on the widget's native window. Elsewhere
// there is no such service and the backend does nothing observable; in
// particular it never creates a native window. Tests install a fake backend.
namespace TabletService {

// Bits of the "MicrosoftTabletPenServiceProperty" window property.
enum Flag : quint32 {
    DisablePressAndHold = 0x00000001,
    DisablePenTapFeedback = 0x00000008,
    DisablePenBarrelFeedback = 0x00000010,
    DisableFlicks = 0x00010000,
};

// WM_TABLET_QUERYSYSTEMGESTURESTATUS: sent when a touch or pen contact begins.
constexpr quint32 ContactQueryMessage = 0x02CC;

class Backend
{
public:
    // GetPropA / SetPropA / SetPropW of the property on the widget's window.
    virtual quintptr propertyA(QWidget *widget) = 0;
    virtual void setPropertyA(QWidget *widget, quintptr value) = 0;
    virtual void setPropertyW(QWidget *widget, quintptr value) = 0;
    // Whether a native event (QWidget::nativeEvent) is the contact query.
    virtual bool isContactQuery(const QByteArray &eventType, void *message) = 0;

protected:
    ~Backend() = default;
};

Backend &backend();

// For tests: routes every call to 'fake' until called again with nullptr.
void setBackend(Backend *fake);

// Adds DisableFlicks to the window's property, keeping its other bits.
void disableFlicks(QWidget *widget);

// Replaces the window's property with 'flags'.
void setFlags(QWidget *widget, quint32 flags);

inline bool isContactQuery(const QByteArray &eventType, void *message)
{
    return backend().isContactQuery(eventType, message);
}

} // namespace TabletService
