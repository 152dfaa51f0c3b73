#include "scoring/ScoringDriver.h"

#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/VisibleText.h"
#include "scoring/ScorerData.h"
#include "scoring/Scorers.h"
#include "scoring/ScoringFiles.h"

#include <charconv>
#include <cmath>

namespace {

constexpr double HighestAnswer = 10000;
constexpr double IdentifierSlotValue = 11;

// A run of scorer positions filled from consecutive slots.
struct SlotRange
{
    int firstPosition;
    int firstSlot;
    int count;
};

const QVector<SlotRange> ParentRanges{
    {31, 17, 6},
    {38, 23, 6},
    {45, 29, 3},
    {49, 32, 3},
    {52, 35, 2},
    {54, 37, 3},
    {57, 40, 1},
    {59, 41, 5},
    {66, 46, 3},
    {82, 49, 122},
};
const QVector<SlotRange> TeacherRanges{
    {11, 11, 5},
    {22, 16, 4},
    {82, 21, 122},
};
const QVector<SlotRange> SelfReportRanges{
    {31, 4, 6},
    {38, 10, 6},
    {45, 16, 3},
    {49, 19, 3},
    {52, 22, 2},
    {54, 24, 3},
    {57, 27, 1},
    {59, 28, 5},
    {66, 33, 3},
    {82, 36, 122},
};

const QVector<SlotRange> &slotRanges(int kind)
{
    switch (kind) {
    case Parent: return ParentRanges;
    case Teacher: return TeacherRanges;
    default: return SelfReportRanges;
    }
}

void requireKind(int kind)
{
    if (!isValidKind(kind))
        throw MotraError(QStringLiteral("Ismeretlen kérdőívfajta (%1), a kérdőív nem számolható.").arg(kind));
}

// Where a cell that is not a whole number stands, so that the user can find and mend it.
QString badAnswerPlace(int kind, const RowDefinition &row)
{
    return QStringLiteral("A hibás válasz helye: %1 kérdőív, %2. sor: „%3”")
        .arg(kindInfo(kind).name, VisibleText::showControls(row.RowNumber),
            VisibleText::shortened(row.Label.trimmed(), 120));
}

// value with one decimal, as QString::number(value, 'f', 1) writes it. Results are whole,
// half or tenth numbers, written here without the general formatter's cost.
QString oneDecimal(double value)
{
    const double tenths = value * 10;
    const double whole = std::nearbyint(tenths);
    if (!(std::fabs(whole) < 1e9) || std::fabs(tenths - whole) > 1e-6)
        return QString::number(value, 'f', 1);
    const qint64 n = qint64(whole);
    const qint64 magnitude = n < 0 ? -n : n;
    char digits[24];
    char *end = digits;
    if (n < 0)
        *end++ = '-';
    end = std::to_chars(end, digits + sizeof digits - 2, magnitude / 10).ptr;
    *end++ = '.';
    *end++ = char('0' + magnitude % 10);
    return QLatin1StringView(digits, end - digits).toString();
}

} // namespace

int ToScorerValue(double x)
{
    if (!(x >= 0 && x <= HighestAnswer))
        return -1;
    return int(std::nearbyint(x));
}

void GatherSlotValues(CaseRecord &record, int kind)
{
    requireKind(kind);
    for (int s = 1; s <= SlotArraySize; ++s)
        record.SlotValues[s] = 0;
    const KindInfo &info = kindInfo(kind);
    const QVector<RowDefinition> &rows = rowList(kind);
    const AnswerSet &answers = record.answers(kind);
    const int lastRow = qMin(info.firstResultRow, int(rows.size())) - 1;
    for (int r = 0; r <= lastRow; ++r) {
        const int slot = rows[r].SlotNumber;
        if (slot == NoSlot || slot < 1 || slot > SlotArraySize)
            continue;
        if (slot == 1) {
            record.SlotValues[1] = IdentifierSlotValue; // the code row never carries a number
            continue;
        }
        const QString &text = answers.valueText(r);
        if (text.isEmpty()) {
            record.SlotValues[slot] = 0;
            continue;
        }
        try {
            record.SlotValues[slot] = toIntOrThrow(text);
        } catch (const MotraError &error) {
            throw error.withLine(badAnswerPlace(kind, rows[r]));
        }
    }
}

void ScoreQuestionnaire(CaseRecord &record, int kind, const ScoringFiles *files)
{
    requireKind(kind);
    if (files && files->kind() != kindInfo(kind).kind)
        files = nullptr;
    const KindInfo &info = kindInfo(kind);
    const int resultCount = info.resultCount;

    ScorerInput input;
    input[4] = ToScorerValue(record.SlotValues[2]);
    input[3] = ToScorerValue(record.SlotValues[3]);
    for (const SlotRange &range : slotRanges(kind)) {
        for (int i = 0; i < range.count; ++i)
            input[range.firstPosition + i] = ToScorerValue(record.SlotValues[range.firstSlot + i]);
    }

    // Nothing of the record changes before the scorer has succeeded.
    ScorerOutput output;
    switch (kind) {
    case Parent:
        files ? ScoreParent(input, resultCount, output, *files) : ScoreParent(input, resultCount, output);
        break;
    case Teacher:
        files ? ScoreTeacher(input, resultCount, output, *files) : ScoreTeacher(input, resultCount, output);
        break;
    default:
        files ? ScoreSelfReport(input, resultCount, output, *files) : ScoreSelfReport(input, resultCount, output);
        break;
    }

    // The slot count is the kind's own, so the results can never land in another
    // questionnaire's slots.
    AnswerSet &answers = record.answers(kind);
    for (int i = 1; i <= resultCount; ++i) {
        const int r = output[i];
        const int slot = info.slotCount - resultCount + i;
        double value = -1;
        if (r >= 0) {
            // Dividing gives the nearest real to the one-decimal value (27 -> 2.7 exactly as
            // printed), where multiplying by 0.1 would leave 2.7000000000000002 in the record.
            if (kind == Teacher && i == 1)
                value = r / 10.0; // ten times the mean grade
            else if (kind != Teacher && i <= 4)
                value = r / 2.0; // competence scores in half points
            else
                value = r;
        }
        record.SlotValues[slot] = value;
        answers.setValueText(info.resultRowOfSlot(slot), oneDecimal(value));
    }
}

void CopyScaleScores(CaseRecord &record, int kind)
{
    requireKind(kind);
    const KindInfo &info = kindInfo(kind);
    ScaleScores &scores = record.scores(kind);
    scores.RawScores.resize(info.scaleCount);
    scores.TScores.resize(info.scaleCount);
    for (int k = 1; k <= info.scaleCount; ++k) {
        scores.TScores[k - 1] = int(std::nearbyint(record.SlotValues[info.slotCount - info.scaleCount + k]));
        scores.RawScores[k - 1] = record.SlotValues[info.slotCount - 2 * info.scaleCount + k];
    }
}

void RunScoringCommand(CaseRecord &record, const ScoringFiles *files)
{
    const int kind = record.CurrentKind;
    requireKind(kind);
    GatherSlotValues(record, kind);
    record.Personal.ChildName = record.answers(kind).valueText(0);
    ScoreQuestionnaire(record, kind, files);
    CopyScaleScores(record, kind);
}

void ScoreKind(CaseRecord &record, int kind, const ScoringFiles *files)
{
    requireKind(kind);
    record.setCurrentKind(kind);
    RunScoringCommand(record, files);
}
