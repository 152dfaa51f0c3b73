#include "app/CliCommands.h"

// Not built yet.
int runReportCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "not implemented\n";
    return 2;
}
