#pragma once

#include <QtCore/qglobal.h>

// Marks the classes that the module exports to its host (the custom widgets
// that forms hand out through their getters). Everything else stays hidden.
#if defined(VEXAROUI_BUILDING)
#  define VEXAROUI_EXPORT Q_DECL_EXPORT
#else
#  define VEXAROUI_EXPORT Q_DECL_IMPORT
#endif
