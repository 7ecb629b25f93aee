#include "warningguard.h"

#include "headlessnotices.h"

#include <QtCore/QtGlobal>
#include <QtTest/QtTest>

namespace {
QtMessageHandler s_previous = nullptr;
QStringList s_messages;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && !isHeadlessPlatformNotice(message))
        s_messages.append(message);
    if (s_previous)
        s_previous(type, context, message);
}
} // namespace

WarningGuard::WarningGuard()
{
    s_previous = qInstallMessageHandler(collect);
}

WarningGuard::~WarningGuard()
{
    qInstallMessageHandler(s_previous);
    s_previous = nullptr;
}

QStringList WarningGuard::take()
{
    QStringList messages;
    messages.swap(s_messages);
    return messages;
}

void WarningGuard::verifyNone()
{
    const QStringList messages = take();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}
