#include "tabletservice.h"

#include <QtCore/QByteArray>
#include <QtWidgets/QWidget>

#include <qt_windows.h>

namespace TabletService {

namespace {

const char kPropertyA[] = "MicrosoftTabletPenServiceProperty";
const wchar_t kPropertyW[] = L"MicrosoftTabletPenServiceProperty";

// winId() makes the widget a native window; only this backend needs one.
HWND windowOf(QWidget *widget)
{
    return reinterpret_cast<HWND>(widget->winId());
}

class Win32Backend final : public Backend
{
public:
    quintptr propertyA(QWidget *widget) override
    {
        return reinterpret_cast<quintptr>(::GetPropA(windowOf(widget), kPropertyA));
    }
    void setPropertyA(QWidget *widget, quintptr value) override
    {
        ::SetPropA(windowOf(widget), kPropertyA, reinterpret_cast<HANDLE>(value));
    }
    void setPropertyW(QWidget *widget, quintptr value) override
    {
        ::SetPropW(windowOf(widget), kPropertyW, reinterpret_cast<HANDLE>(value));
    }
    bool isContactQuery(const QByteArray &eventType, void *message) override
    {
        return message && eventType == "windows_generic_MSG"
            && static_cast<const MSG *>(message)->message == ContactQueryMessage;
    }
};

} // namespace

Backend &nativeBackend()
{
    static Win32Backend win32;
    return win32;
}

} // namespace TabletService
