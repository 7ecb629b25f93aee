#pragma once

#include <QtCore/QtGlobal>

// Bytes of the C heap in use (handed out and not yet freed, mapped blocks
// included): what a built form keeps, read before and after it is built.
namespace HeapUsage {

// False where the C library cannot tell; inUse() is then 0.
bool available();

qint64 inUse();

} // namespace HeapUsage
