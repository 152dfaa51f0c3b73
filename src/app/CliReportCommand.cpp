#include "app/CliCommands.h"

#include "app/CliSupport.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "reports/HtmlReport.h"

namespace {

const char *const ReportUsage
    = "használat: motra-cli report FÁJL.mtr -o KIMENET.htm [--parent] [--teacher] [--self-report]\n";

struct ReportArguments
{
    QString caseFile;
    QString output;
    bool sections[3] = {false, false, false};
};

// False (with the reason on err) when the arguments do not form a report command.
bool parseArguments(const QStringList &args, ReportArguments &parsed, QTextStream &err)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !parsed.output.isEmpty()) {
                err << "motra-cli report: a -o után egy kimeneti fájl nevét várom.\n";
                return false;
            }
            parsed.output = args[++i];
        } else if (arg == QLatin1String("--parent")) {
            parsed.sections[Parent - 1] = true;
        } else if (arg == QLatin1String("--teacher")) {
            parsed.sections[Teacher - 1] = true;
        } else if (arg == QLatin1String("--self-report")) {
            parsed.sections[SelfReport - 1] = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            err << "motra-cli report: ismeretlen kapcsoló: " << arg << "\n";
            return false;
        } else if (parsed.caseFile.isEmpty()) {
            parsed.caseFile = arg;
        } else {
            err << "motra-cli report: csak egy esetfájlt adhat meg.\n";
            return false;
        }
    }
    if (parsed.caseFile.isEmpty() || parsed.output.isEmpty()) {
        err << "motra-cli report: az esetfájl és a -o KIMENET.htm megadása kötelező.\n";
        return false;
    }
    // No section chosen means the whole examination.
    if (!parsed.sections[0] && !parsed.sections[1] && !parsed.sections[2])
        parsed.sections[0] = parsed.sections[1] = parsed.sections[2] = true;
    return true;
}

} // namespace

int runReportCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    const QString command = QStringLiteral("report");
    ReportArguments parsed;
    if (!parseArguments(args, parsed, err)) {
        err << ReportUsage;
        return ExitUsage;
    }

    CaseRecord record;
    if (!readCaseForCli(record, parsed.caseFile, command, err))
        return ExitBadInput;
    // Opening an examination passes through the personal data dialog, which copies the
    // personal data into the first rows of every questionnaire before it is scored.
    record.copyPersonalDataToAnswerSets();

    int status = ExitSuccess;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        // Only the questionnaires of the page count; one that fails keeps the scores the
        // case file holds, and the page is still written.
        if (parsed.sections[kind - 1] && !scoreForCli(record, kind, parsed.caseFile, command, err).isEmpty())
            status = ExitBadInput;
    }

    try {
        WriteHtmlReport(record, parsed.output, parsed.sections[0], parsed.sections[1], parsed.sections[2]);
    } catch (const MotraError &e) {
        printCliError(err, command, e.message());
        return ExitWriteFailed;
    }
    return status;
}
