#pragma once

// The module's two entry points, as the host resolves them by name:
//
//     QLibrary module(QStringLiteral("VexaroUI_NEW"));
//     auto create = reinterpret_cast<CreateUIFactoryFunction>(module.resolve("create_UIFactory"));
//     IUIFactory *factory = create();
//     ...
//     reinterpret_cast<DestroyUIFactoryFunction>(module.resolve("destroy_UIFactory"))(factory);
//
// create_UIFactory() returns a new factory, or null when memory runs out.
// destroy_UIFactory() frees a factory from create_UIFactory(); null does nothing.

#include "IUIFactory.h"

extern "C" {
typedef IUIFactory *(*CreateUIFactoryFunction)();
typedef void (*DestroyUIFactoryFunction)(IUIFactory *factory);
}
