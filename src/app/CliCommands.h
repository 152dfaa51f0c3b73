#pragma once

#include <QStringList>
#include <QTextStream>

// Subcommands of motra-cli. args are the arguments after the subcommand's name.
// Each returns the process exit status.
int runScoreCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runChartCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
