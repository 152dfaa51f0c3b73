#include "scoring/CompetenceScales.h"
#include "scoring/NormFile.h"
#include "scoring/ProblemScales.h"
#include "scoring/Scorers.h"
#include "scoring/ScoringFiles.h"

#include "case/Questionnaire.h"

namespace {

constexpr int ProblemScales = 11;
constexpr int CorrectionAgeLimit = 11;

// T-score indices (0-based) in the parent's scale order.
enum ParentScale {
    Activity,
    Social,
    School,
    TotalCompetence,
    Withdrawn,
    Somatic,
    AnxiousDepressed,
    SocialProblems,
    Thought,
    Attention,
    RuleBreaking,
    Aggressive,
    Internalizing,
    Externalizing,
    TotalProblems,
    ParentScaleCount
};

// Young children are compared with older norms; each step tests Társas tevékenység as it
// stands at that moment, so the order matters.
void correctForAge(int (&t)[ParentScaleCount], bool girl)
{
    if (t[Activity] > 55)
        t[Activity] -= 1;
    if (t[Social] > 55)
        t[Social] -= 2;
    if (t[Social] > 53)
        t[School] += 2;
    if (t[Social] > 55)
        t[TotalCompetence] -= 2;
    if (t[Social] > 55)
        t[Withdrawn] -= 1;
    if (t[Social] > 55)
        t[Somatic] -= girl ? 3 : 2;
    if (t[Social] > 55)
        t[Attention] -= 1;
    if (t[Social] > 55)
        t[RuleBreaking] -= 2;
    if (t[Social] > 55)
        t[Internalizing] -= girl ? 2 : 1;
}

} // namespace

void ScoreParent(const ScorerInput &input, int resultCount, ScorerOutput &output)
{
    ScoreParent(input, resultCount, output, ScoringFiles::load(Parent));
}

void ScoreParent(const ScorerInput &input, int resultCount, ScorerOutput &output, const ScoringFiles &files)
{
    RequireSexCode(input);
    const int sexCode = input[4];

    const std::array<int, 4> doubled = DoubledCompetenceScores(CompetenceScores(input));

    const QVector<ProblemScaleConstants> &scales = problemScaleConstants(Parent);
    int raw[ProblemScales + 1];
    {
        ScaleDefinitionReader reader = files.scaleDefinitions();
        for (int k = 1; k <= 10; ++k)
            raw[k] = ProblemRawScore(reader, input, scales[k - 1].K, scales[k - 1].MinValid);
    }
    raw[11] = ItemSumTotal(input);
    raw[10] = SumIfBothPresent(raw[7], raw[8]); // the file's Externalizáció is not used

    int t[ParentScaleCount];
    {
        const NormFile &norms = files.competenceNorms();
        const std::array<int, 4> competenceT = CompetenceTScores(norms, doubled, sexCode);
        for (int z = 0; z < 4; ++z)
            t[z] = competenceT[z];
    }
    {
        const NormFile &norms = files.problemNorms();
        for (int z = 1; z <= ProblemScales; ++z)
            t[3 + z] = ProblemTScore(norms, scales, z, sexCode, raw[z]);
    }
    if (input[3] < CorrectionAgeLimit)
        correctForAge(t, sexCode == 2);

    const int half = resultCount / 2;
    for (int z = 0; z < 4; ++z)
        output[1 + z] = doubled[z];
    for (int z = 1; z <= ProblemScales; ++z)
        output[4 + z] = raw[z];
    for (int k = 0; k < ParentScaleCount; ++k)
        output[half + 1 + k] = t[k];
}
