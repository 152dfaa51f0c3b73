#pragma once

#include <QVector>

// Constants of one problem scale: item count K, MinValid for prorating, and the norm
// breakpoints Cut (last raw score read from the norm file) and Mid (composite scales only,
// 0 where there is none), for boys and girls.
struct ProblemScaleConstants
{
    int K;
    int MinValid; // 0: no prorating (the parent and teacher total sums items itself)
    int CutBoys;
    int CutGirls;
    int MidBoys;
    int MidGirls;
    bool composite;
    bool normed; // false for the self-report's Szociális érettség (mean and SD instead)
};

// Problem scales in the scorer's order z = 1..P (index z - 1): P = 11 parent and teacher, 12 self-report.
const QVector<ProblemScaleConstants> &problemScaleConstants(int kind);
