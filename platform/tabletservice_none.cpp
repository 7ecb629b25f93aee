#include "tabletservice.h"

// Platforms without the Windows tablet service: nothing to switch off, and no
// contact query ever arrives.

namespace TabletService {

namespace {
class NoBackend final : public Backend
{
public:
    quintptr propertyA(QWidget *) override { return 0; }
    void setPropertyA(QWidget *, quintptr) override {}
    void setPropertyW(QWidget *, quintptr) override {}
    bool isContactQuery(const QByteArray &, void *) override { return false; }
};
} // namespace

Backend &nativeBackend()
{
    static NoBackend none;
    return none;
}

} // namespace TabletService
