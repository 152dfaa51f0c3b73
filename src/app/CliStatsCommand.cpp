#include "app/CliCommands.h"

// Not built yet.
int runStatsCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "not implemented\n";
    return 2;
}
