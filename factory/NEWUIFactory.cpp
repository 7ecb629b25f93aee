#include "NEWUIFactory.h"

#include "formobjects.h"

namespace {
// Module-owned, read-only: the same address for every caller.
constexpr char kProductName[] = "Vexaro";
constexpr char kSkinName[] = "NEW";
} // namespace

const char *NEWUIFactory::productName()
{
    return kProductName;
}

const char *NEWUIFactory::skinName()
{
    return kSkinName;
}

// Each creation operation allocates without throwing: no exception may cross
// into a host that calls through a C entry point.
#define VEXARO_CREATE(Slot, Operation, Form) \
    I##Form *NEWUIFactory::Operation() { return vexaroNew##Form(); }

VEXARO_FACTORY_FORM_SLOTS(VEXARO_CREATE)

#undef VEXARO_CREATE
