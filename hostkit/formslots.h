#pragma once

#include "IUIFactory.h"
#include "factoryslots.h"

#include <iterator>
#include <utility>

// Host-side helpers: calling the factory's creation operations by slot number.
namespace FormSlots {

constexpr int First = VEXARO_FACTORY_FIRST_FORM_SLOT;  // the slots before name the product and the skin
constexpr int Last = VEXARO_FACTORY_LAST_FORM_SLOT;

// The factory's operation names, by slot.
inline const char *operationName(int slot)
{
#define VEXARO_INFO_NAME(Slot, Operation) #Operation,
#define VEXARO_FORM_NAME(Slot, Operation, Form) #Operation,
    static const char *const names[] = {
        VEXARO_FACTORY_INFO_SLOTS(VEXARO_INFO_NAME)
        VEXARO_FACTORY_FORM_SLOTS(VEXARO_FORM_NAME)
    };
#undef VEXARO_FORM_NAME
#undef VEXARO_INFO_NAME
    static_assert(std::size(names) == Last + 1, "the slot table has a gap");
    return slot >= 0 && slot <= Last ? names[slot] : nullptr;
}

// Calls creation slot 'slot' of 'factory' and passes the new form object, typed
// with its interface, to 'visit'; returns what 'visit' returns. 'visit' must
// accept null: a slot returns null when memory runs out, and a slot outside
// [First, Last] creates nothing.
template<class Visitor>
auto visit(IUIFactory *factory, int slot, Visitor &&visit)
{
    switch (slot) {
#define VEXARO_VISIT(Slot, Operation, Form) \
    case Slot: return visit(factory->Operation());
        VEXARO_FACTORY_FORM_SLOTS(VEXARO_VISIT)
#undef VEXARO_VISIT
    }
    return visit(static_cast<IQTransitionClass *>(nullptr));
}

} // namespace FormSlots
