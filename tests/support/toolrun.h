#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// A command-line tool run to its end as a separate process, the way a
// developer runs it. exitCode is -1 when it crashed or did not end in time
// (err then says "timed out").
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString &program, const QStringList &arguments, int timeoutMs = 120000);
