#pragma once

#include <QString>
#include <QVector>

class CaseRecord;

struct ScaleItemEntry
{
    QString text; // "(" + value + ")" + row number + "." + label
    bool ticked; // value other than "0"
};

// The items of one listed scale with the answers given to them: for each number of the
// scale's item list, every row of the kind's row list whose slot is the number plus the
// kind's item slot offset gives one entry. Scales without a list give none.
QVector<ScaleItemEntry> BuildScaleItemEntries(const CaseRecord &record, int kind, int scale);

// The row number an entry names: the characters after its first ")" up to the first "."
// after it, read as a decimal number; 999 when there are none or they are no number.
int scaleEntryRowNumber(const QString &entry);
// The answer-grid row that the scale picker's jump to a printed row number selects in
// questionnaire kind: the number less 2 (parent, teacher) or 3 (self-report), when some
// row of the kind's row list bears that number; -1 otherwise.
int scaleEntryJumpRow(int kind, int rowNumber);
