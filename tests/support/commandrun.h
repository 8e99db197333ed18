#pragma once
// One command of the tool run in this process, its output and exit code captured: the way the
// command tests call the commands without a process of their own.

#include "cli/clicommands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zuvo::cli::test {

struct CommandRun
{
    int code = -1;
    QString out;
    QString err;
};

inline CommandRun run(CommandFunction command, const QStringList &args)
{
    CommandRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = command(args, out, err);
    out.flush();
    err.flush();
    return r;
}

} // namespace zuvo::cli::test
