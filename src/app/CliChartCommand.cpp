#include "app/CliCommands.h"

// Not built yet.
int runChartCommand(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "not implemented\n";
    return 2;
}
