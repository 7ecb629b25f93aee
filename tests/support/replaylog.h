#pragma once

#include <QtCore/QStringList>

// The seed and the steps of the random run in progress, so that a failure can
// be replayed: printed by the test when a check fails, and by the sanitizer's
// death callback when a sanitizer report ends the process.
namespace ReplayLog {

// Starts a new run of 'what' (a lifecycle, an event stream) from 'seed'.
// 'replay' tells how to run just this one again.
void begin(const QString &what, quint32 seed, const QString &replay);
void step(const QString &step);
void print();

// Prints the log if a sanitizer stops the process. Call once.
void printOnSanitizerDeath();

// The number in environment variable 'name', or 'fallback'.
quint32 envNumber(const char *name, quint32 fallback);

} // namespace ReplayLog
