#pragma once

#include <QtCore/QStringList>

// Collects every Qt warning (and worse) while it is installed: a form that
// makes Qt complain while it is built, shown or painted is faulty. The
// offscreen platform's own notes are left out.
class WarningGuard
{
public:
    WarningGuard();
    ~WarningGuard();
    WarningGuard(const WarningGuard &) = delete;
    WarningGuard &operator=(const WarningGuard &) = delete;

    // The messages collected since the last call.
    QStringList take();

    // Fails the running test if any message was collected since the last
    // take() or verifyNone(), listing them.
    void verifyNone();
};
