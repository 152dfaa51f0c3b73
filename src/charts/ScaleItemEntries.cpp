#include "charts/ScaleItemEntries.h"

#include "case/CaseRecord.h"
#include "case/RowList.h"
#include "charts/ScaleItemList.h"

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
