#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of motra-cli, the same for every subcommand. 0 only when everything asked for
// was written completely.
enum CliExitCode : int {
    ExitSuccess = 0,
    // Something unforeseen stopped the tool (for example memory ran out).
    ExitUnexpected = 1,
    // The command line was wrong: unknown subcommand, option, kind or mode, missing argument.
    ExitUsage = 2,
    // An input could not be read or scored: a case file, a norm or scale file, a chart
    // background. What could be done was still written.
    ExitBadInput = 3,
    // An output could not be written completely (the -o file, standard output).
    ExitWriteFailed = 4,
};

// Subcommands of motra-cli. args are the arguments after the subcommand's name.
// Each returns the process exit status (a CliExitCode).
int runScoreCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runChartCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
