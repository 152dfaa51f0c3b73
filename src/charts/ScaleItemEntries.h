#pragma once

#include <QString>
#include <QVector>

class CaseRecord;

struct ScaleItemEntry
{
    QString text;  // "(" + value + ")" + row number + "." + label
    bool ticked;   // value other than "0"
};

// The items of one listed scale with the answers given to them.
QVector<ScaleItemEntry> BuildScaleItemEntries(const CaseRecord &record, int kind, int scale);
