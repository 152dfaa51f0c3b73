#include "scoring/CompetenceScales.h"
#include "scoring/NormFile.h"
#include "scoring/ProblemScales.h"
#include "scoring/Scorers.h"
#include "scoring/ScoringFiles.h"

#include "case/Questionnaire.h"

namespace {

constexpr int AdaptiveScales = 6;
constexpr int ProblemScales = 11;
constexpr int AdaptiveBlockSize = 100; // records of one adaptive scale in tstan2.tp
constexpr int AdaptiveTableTop = 99;
constexpr int NotComputedAdaptiveT = 0;

// round(factor x sum / count) over the answered positions, or -1 with fewer than 3 of them.
int scaledMean(const ScorerInput &input, int first, int last, int factor)
{
    qint64 sum = 0;
    int count = 0;
    for (int p = first; p <= last; ++p) {
        if (input[p] >= 0) {
            sum += input[p];
            ++count;
        }
    }
    return count >= 3 ? int(roundHalfEven(factor * sum, count)) : -1;
}

} // namespace

void ScoreTeacher(const ScorerInput &input, int resultCount, ScorerOutput &output)
{
    ScoreTeacher(input, resultCount, output, ScoringFiles::load(Teacher));
}

void ScoreTeacher(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files)
{
    RequireSexCode(input);
    const int sexCode = input[4];

    // Iskolai eredményesség as ten times the mean grade; the driver divides it back.
    const int adaptive[AdaptiveScales] = {
        scaledMean(input, 11, 15, 10),
        input[22],
        input[23],
        input[24],
        input[25],
        scaledMean(input, 22, 25, 4),
    };
    int adaptiveT[AdaptiveScales];
    {
        const NormFile &norms = files.competenceNorms();
        for (int z = 1; z <= AdaptiveScales; ++z) {
            const int r = adaptive[z - 1];
            // A value above the table (only a typed answer far outside the menu can give
            // one) would index the next scale's block: it is treated as not computable.
            if (r <= 0 || r > AdaptiveTableTop)
                adaptiveT[z - 1] = NotComputedAdaptiveT;
            else
                adaptiveT[z - 1] = norms.byteAt(qint64((sexCode - 1) * AdaptiveScales + z - 1) * AdaptiveBlockSize + r);
        }
    }

    const QVector<ProblemScaleConstants> &scales = problemScaleConstants(Teacher);
    int raw[ProblemScales + 1];
    {
        ScaleDefinitionReader reader = files.scaleDefinitions();
        for (int k = 1; k <= 10; ++k)
            raw[k] = ProblemRawScore(reader, input, scales[k - 1].K, scales[k - 1].MinValid);
    }
    raw[11] = ItemSumTotal(input);
    raw[10] = SumIfBothPresent(raw[7], raw[8]);

    int problemT[ProblemScales + 1];
    {
        const NormFile &norms = files.problemNorms();
        // A form with no problem at all marked is taken as not filled in.
        const bool noProblems = raw[11] == 0;
        for (int z = 1; z <= ProblemScales; ++z)
            problemT[z] = ProblemTScore(norms, scales, z, sexCode, noProblems ? -1 : raw[z]);
    }

    const int half = resultCount / 2;
    for (int z = 1; z <= AdaptiveScales; ++z) {
        output[z] = adaptive[z - 1];
        output[half + z] = adaptiveT[z - 1];
    }
    for (int z = 1; z <= ProblemScales; ++z) {
        output[AdaptiveScales + z] = raw[z];
        output[half + AdaptiveScales + z] = problemT[z];
    }
}
