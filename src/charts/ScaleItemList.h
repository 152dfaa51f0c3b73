#pragma once

#include <QVector>

// The problem items shown as the items of a scale, in list order (a number listed twice
// gives two entries). scale is the 1-based scale number of the questionnaire (the chart's
// bar number). Scales without a list (competence, adaptive, total) give an empty list.
const QVector<int> &scaleItemList(int kind, int scale);
bool hasScaleItemList(int kind, int scale);
// First and last scale that has a list: parent 5..14, teacher 7..16, self-report 5..15.
int firstListedScale(int kind);
int lastListedScale(int kind);
