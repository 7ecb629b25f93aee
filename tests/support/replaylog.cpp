#include "replaylog.h"

#include <QtCore/QtGlobal>

#include <cstdio>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define VEXARO_HAVE_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define VEXARO_HAVE_SANITIZER 1
#endif
#endif
#ifdef VEXARO_HAVE_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace {
QString s_what;
quint32 s_seed = 0;
QString s_replay;
QStringList s_steps;
} // namespace

namespace ReplayLog {

void begin(const QString &what, quint32 seed, const QString &replay)
{
    s_what = what;
    s_seed = seed;
    s_replay = replay;
    s_steps.clear();
}

void step(const QString &step)
{
    s_steps << step;
}

void print()
{
    if (s_what.isEmpty())
        return;
    std::fprintf(stderr, "%s, seed %u (replay: %s), steps:\n", qPrintable(s_what), s_seed, qPrintable(s_replay));
    for (const QString &step : qAsConst(s_steps))
        std::fprintf(stderr, "  %s\n", qPrintable(step));
}

void printOnSanitizerDeath()
{
#ifdef VEXARO_HAVE_SANITIZER
    __sanitizer_set_death_callback(print);
#endif
}

} // namespace ReplayLog

#ifdef VEXARO_HAVE_SANITIZER
// UndefinedBehaviorSanitizer stops without the death callback; it calls this
// hook before each report instead.
extern "C" void __ubsan_on_report()
{
    ReplayLog::print();
}
#endif

namespace ReplayLog {

quint32 envNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace ReplayLog
