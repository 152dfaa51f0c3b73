#include "scoring/ProblemScales.h"

#include "case/MotraError.h"
#include "scoring/CompetenceScales.h"
#include "scoring/NormFile.h"

namespace {

constexpr int BlockSize = 100; // records of one scale's block in fakstN.tp
constexpr int SyndromeTop = 30; // T from 70 to 100 above the cut
constexpr int CompositeToMid = 19; // T from 70 to 89 up to Mid
constexpr int CompositeAboveMid = 11; // T from 89 to 100 above Mid
constexpr int MaxMissingItems = 10;

int roundedQuotient(qint64 num, qint64 den) { return int(roundHalfEven(num, den)); }

} // namespace

int ProblemRawScore(ScaleDefinitionReader &reader, const ScorerInput &input, int K, int minValid)
{
    ScaleDefinitionReader::Items items;
    reader.readNextScale(items);
    int valid = K;
    qint64 sum = 0;
    for (int item : items) {
        const int v = input[ScorerInput::FirstItemPosition - 1 + item];
        if (v < 0)
            --valid;
        else
            sum += v;
    }
    if (valid < minValid || valid <= 0)
        return -1;
    return roundedQuotient(qint64(K) * sum, valid);
}

int ProblemTScore(const NormFile &norms, const QVector<ProblemScaleConstants> &scales, int z, int sexCode, int raw)
{
    if (raw < 0)
        return -1;
    const ProblemScaleConstants &scale = scales[z - 1];
    const bool boy = sexCode == 1;
    const int cut = boy ? scale.CutBoys : scale.CutGirls;
    const int block = (sexCode - 1) * int(scales.size()) + z;
    if (raw <= cut)
        return norms.byteAt(qint64(block - 1) * BlockSize + raw);
    const int highest = 2 * scale.K;
    if (!scale.composite)
        return 70 + roundedQuotient(qint64(raw - cut) * SyndromeTop, highest - cut);
    const int mid = boy ? scale.MidBoys : scale.MidGirls;
    if (raw <= mid)
        return 70 + roundedQuotient(qint64(raw - cut) * CompositeToMid, mid - cut);
    return 89 + roundedQuotient(qint64(raw - mid) * CompositeAboveMid, highest - mid);
}

int ItemSumTotal(const ScorerInput &input)
{
    int missing = 1; // item 3 (position 84) is never counted
    qint64 sum = 0;
    for (int p = 83; p <= ScorerInput::Size; ++p) {
        if (p == 84)
            continue;
        if (input[p] < 0)
            ++missing;
        else
            sum += input[p];
    }
    return missing > MaxMissingItems ? -1 : int(sum);
}

int SumIfBothPresent(int a, int b) { return a >= 0 && b >= 0 ? a + b : -1; }

void RequireSexCode(const ScorerInput &input)
{
    if (input[4] != 1 && input[4] != 2)
        throw MotraError(
            QStringLiteral("A vizsgált személy neme nem 1 (fiú) vagy 2 (lány), ezért a kérdőív nem számolható. "
                           "Kérem, javítsa a személyi adatokat."));
}
