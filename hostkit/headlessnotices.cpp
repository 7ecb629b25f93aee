#include "headlessnotices.h"

#include <QtCore/QString>
#include <QtCore/QtGlobal>

namespace {
QtMessageHandler s_next = nullptr;

void dropHeadlessNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!isHeadlessPlatformNotice(message))
        s_next(type, context, message);
}
} // namespace

bool isHeadlessPlatformNotice(const QString &message)
{
    // QPlatformWindow's defaults, which both headless platforms keep.
    return message.startsWith(QLatin1String("This plugin does not support "))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void muteHeadlessPlatformNotices()
{
    // Qt hands back its default handler when none was installed.
    if (!s_next)
        s_next = qInstallMessageHandler(dropHeadlessNotices);
}
