#pragma once

#include "IUIFactory.h"
#include "factoryslots.h"

// The module's one factory. It has no state: every instance behaves alike.
// Its operations are declared from the contract's slot list, in slot order.
class NEWUIFactory final : public IUIFactory
{
public:
#define VEXARO_DECLARE_INFO(Slot, Operation) const char *Operation() override;
#define VEXARO_DECLARE_CREATE(Slot, Operation, Form) I##Form *Operation() override;
    VEXARO_FACTORY_INFO_SLOTS(VEXARO_DECLARE_INFO)
    VEXARO_FACTORY_FORM_SLOTS(VEXARO_DECLARE_CREATE)
#undef VEXARO_DECLARE_CREATE
#undef VEXARO_DECLARE_INFO
};
