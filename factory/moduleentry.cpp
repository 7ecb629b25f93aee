#include "NEWUIFactory.h"
#include "uifactory.h"

#include <QtCore/qglobal.h>

#include <new>

extern "C" Q_DECL_EXPORT IUIFactory *create_UIFactory() noexcept
{
    return new (std::nothrow) NEWUIFactory;
}

extern "C" Q_DECL_EXPORT void destroy_UIFactory(IUIFactory *factory) noexcept
{
    // Every factory is a NEWUIFactory; IUIFactory has no virtual destructor.
    delete static_cast<NEWUIFactory *>(factory);
}
