#include "app/CliCommands.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "scoring/ScoringDriver.h"

// motra-cli score FILE.mtr: scores the three questionnaires of a case file with the
// installation under MOTRA_ROOT. Per questionnaire either one line per scale,
// "KIND<TAB>k<TAB>RAW<TAB>T", or one line "KIND<TAB>error<TAB>MESSAGE".
int runScoreCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "használat: motra-cli score FÁJL.mtr\n";
        return 2;
    }
    CaseRecord record;
    try {
        readCaseFile(record, args.first());
    } catch (const MotraError &error) {
        err << error.message() << '\n';
        return 2;
    }

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        try {
            ScoreKind(record, kind);
        } catch (const MotraError &error) {
            out << kind << "\terror\t" << error.message() << '\n';
            continue;
        }
        const AnswerSet &set = record.answers(kind);
        const ScaleScores &scores = record.scores(kind);
        for (int scale = 1; scale <= info.scaleCount; ++scale) {
            out << kind << '\t' << scale << '\t' << set.valueText(info.firstResultRow + scale - 1) << '\t'
                << scores.TScores.value(scale - 1) << '\n';
        }
    }
    return 0;
}
