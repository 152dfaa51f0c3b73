#include "charts/ScaleItemEntries.h"

#include "case/CaseRecord.h"
#include "case/RowList.h"
#include "charts/ScaleItemList.h"

namespace {
constexpr int NoRowNumber = 999; // what a text without a row number reads as
}

QVector<ScaleItemEntry> BuildScaleItemEntries(const CaseRecord &record, int kind, int scale)
{
    QVector<ScaleItemEntry> entries;
    const QVector<int> &items = scaleItemList(kind, scale);
    const QVector<RowDefinition> &rows = rowList(kind);
    const AnswerSet &answers = record.answers(kind);
    const int offset = kindInfo(kind).itemSlotOffset;
    for (const int item : items) {
        const int slot = item + offset;
        for (int r = 0; r < rows.size(); ++r) {
            const RowDefinition &row = rows[r];
            if (row.SlotNumber != slot)
                continue;
            // The sub-question rows ("63a", "94a") read as 999 like any other non-number.
            const QString number = QString::number(row.rowNumberValue());
            const QString value = r < answers.size() ? answers.valueText(r) : QString();
            entries.append({QLatin1Char('(') + value + QLatin1Char(')') + number + QLatin1Char('.') + row.Label,
                value != QLatin1String("0")});
        }
    }
    return entries;
}

int scaleEntryRowNumber(const QString &entry)
{
    const int paren = entry.indexOf(QLatin1Char(')'));
    if (paren < 0)
        return NoRowNumber;
    const int dot = entry.indexOf(QLatin1Char('.'), paren + 1);
    const QString digits = entry.mid(paren + 1, dot < 0 ? -1 : dot - paren - 1);
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    return ok && !digits.isEmpty() && !digits.front().isSpace() ? number : NoRowNumber;
}

int scaleEntryJumpRow(int kind, int rowNumber)
{
    if (!isValidKind(kind))
        return -1;
    const int row = rowNumber - (kind == SelfReport ? 3 : 2);
    if (row < 0 || row >= kindInfo(kind).rowCount)
        return -1;
    for (const RowDefinition &definition : rowList(kind)) {
        if (definition.rowNumberValue() == rowNumber)
            return row;
    }
    return -1;
}
