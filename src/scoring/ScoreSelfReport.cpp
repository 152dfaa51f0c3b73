#include "scoring/CompetenceScales.h"
#include "scoring/NormFile.h"
#include "scoring/ProblemScales.h"
#include "scoring/Scorers.h"
#include "scoring/ScoringFiles.h"

#include "case/Questionnaire.h"

#include <cmath>

namespace {

constexpr int ProblemScales = 12;
constexpr int SocialMaturity = 9;
constexpr int Externalizing = 11;
constexpr int TotalProblems = 12;

// Szociális érettség is normed by mean and standard deviation, not by a table.
struct MeanAndDeviation
{
    double mean;
    double sd;
};
constexpr MeanAndDeviation SocialMaturityNorms[2] = {{22.0, 4.68}, {22.2, 4.44}}; // boys, girls

} // namespace

void ScoreSelfReport(const ScorerInput &input, int resultCount, ScorerOutput &output)
{
    ScoreSelfReport(input, resultCount, output, ScoringFiles::load(SelfReport));
}

void ScoreSelfReport(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files)
{
    RequireSexCode(input);
    const int sexCode = input[4];

    const std::array<int, 4> doubled = DoubledCompetenceScores(CompetenceScores(input));
    std::array<int, 4> competenceT{};
    {
        const NormFile &norms = files.competenceNorms();
        competenceT = CompetenceTScores(norms, doubled, sexCode);
    }

    const QVector<ProblemScaleConstants> &scales = problemScaleConstants(SelfReport);
    int raw[ProblemScales + 1];
    {
        ScaleDefinitionReader reader = files.scaleDefinitions();
        for (int k = 1; k <= ProblemScales; ++k)
            raw[k] = ProblemRawScore(reader, input, scales[k - 1].K, scales[k - 1].MinValid);
    }
    raw[Externalizing] = SumIfBothPresent(raw[7], raw[8]);
    // A form with no problem at all marked is taken as not filled in.
    if (raw[TotalProblems] == 0) {
        for (int z = 1; z <= ProblemScales; ++z)
            raw[z] = -1;
    }

    int problemT[ProblemScales + 1];
    {
        const NormFile &norms = files.problemNorms();
        for (int z = 1; z <= ProblemScales; ++z) {
            if (raw[z] < 0) {
                problemT[z] = -1;
            } else if (z == SocialMaturity) {
                const MeanAndDeviation &norm = SocialMaturityNorms[sexCode - 1];
                problemT[z] = int(std::nearbyint(50.0 + 10.0 * (raw[z] - norm.mean) / norm.sd));
            } else {
                problemT[z] = ProblemTScore(norms, scales, z, sexCode, raw[z]);
            }
        }
    }

    const int half = resultCount / 2;
    for (int z = 0; z < 4; ++z) {
        output[1 + z] = doubled[z];
        output[half + 1 + z] = competenceT[z];
    }
    for (int z = 1; z <= ProblemScales; ++z) {
        output[4 + z] = raw[z];
        output[half + 4 + z] = problemT[z];
    }
}
