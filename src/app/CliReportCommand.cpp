#include "app/CliCommands.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "reports/HtmlReport.h"
#include "scoring/ScoringDriver.h"

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
    ReportArguments parsed;
    if (!parseArguments(args, parsed, err)) {
        err << ReportUsage;
        return 2;
    }

    CaseRecord record;
    try {
        readCaseFile(record, parsed.caseFile);
    } catch (const MotraError &e) {
        err << "motra-cli report: " << parsed.caseFile << ": " << e.message() << "\n";
        return 2;
    }
    // Opening an examination passes through the personal data dialog, which copies the
    // personal data into the first rows of every questionnaire before it is scored.
    record.copyPersonalDataToAnswerSets();

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        try {
            ScoreKind(record, kind);
        } catch (const MotraError &e) {
            // The questionnaire keeps the scores the case file holds.
            err << "motra-cli report: " << kindInfo(kind).name << " kérdőív: " << e.message() << "\n";
        }
    }

    try {
        WriteHtmlReport(record, parsed.output, parsed.sections[0], parsed.sections[1], parsed.sections[2]);
    } catch (const MotraError &e) {
        err << "motra-cli report: " << e.message() << "\n";
        return 1;
    }
    return 0;
}
