#include "tabletservice.h"

namespace TabletService {

Backend &nativeBackend(); // tabletservice_win.cpp or tabletservice_none.cpp

namespace {
Backend *s_fake = nullptr; // constant-initialised: no work at load time
}

Backend &backend()
{
    return s_fake ? *s_fake : nativeBackend();
}

void setBackend(Backend *fake)
{
    s_fake = fake;
}

void disableFlicks(QWidget *widget)
{
    Backend &b = backend();
    b.setPropertyA(widget, b.propertyA(widget) | DisableFlicks);
}

void setFlags(QWidget *widget, quint32 flags)
{
    backend().setPropertyW(widget, flags);
}

} // namespace TabletService
