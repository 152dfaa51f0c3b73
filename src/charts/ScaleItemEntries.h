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
