#include "app/CliCommands.h"

#include "app/CliSupport.h"
#include "case/CaseRecord.h"

// motra-cli score FILE.mtr: scores the three questionnaires of a case file with the
// installation under MOTRA_ROOT. Per questionnaire either one line per scale,
// "KIND<TAB>k<TAB>RAW<TAB>T", or one line "KIND<TAB>error<TAB>MESSAGE" (the message's first
// line; the whole message with the file and the reason goes to standard error).
int runScoreCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "használat: motra-cli score FÁJL.mtr\n";
        return ExitUsage;
    }
    const QString &caseFile = args.first();
    CaseRecord record;
    if (!readCaseForCli(record, caseFile, QStringLiteral("score"), err))
        return ExitBadInput;

    int status = ExitSuccess;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        const QString failure = scoreForCli(record, kind, caseFile, QStringLiteral("score"), err);
        if (!failure.isEmpty()) {
            out << kind << "\terror\t" << failure << '\n';
            status = ExitBadInput;
            continue;
        }
        const AnswerSet &set = record.answers(kind);
        const ScaleScores &scores = record.scores(kind);
        for (int scale = 1; scale <= info.scaleCount; ++scale) {
            out << kind << '\t' << scale << '\t' << set.valueText(info.firstResultRow + scale - 1) << '\t'
                << scores.TScores.value(scale - 1) << '\n';
        }
    }
    return status;
}
