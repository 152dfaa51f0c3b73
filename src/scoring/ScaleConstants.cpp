#include "scoring/ScaleConstants.h"

#include "case/Questionnaire.h"

static const QVector<ProblemScaleConstants> ParentScales{
    {9, 7, 7, 6, 0, 0, false, true}, // Visszahúzódás
    {9, 7, 4, 4, 0, 0, false, true}, // Szomatikus panaszok
    {14, 12, 9, 9, 0, 0, false, true}, // Szorongás, depresszió
    {8, 7, 5, 4, 0, 0, false, true}, // Szociális problémák
    {7, 6, 2, 1, 0, 0, false, true}, // Gondolkodási zavarok
    {11, 9, 9, 7, 0, 0, false, true}, // Figyelmi problémák
    {14, 12, 5, 3, 0, 0, false, true}, // Szabályszegő magatartás
    {22, 18, 18, 13, 0, 0, false, true}, // Agresszió
    {31, 27, 17, 15, 28, 36, true, true}, // Internalizáció
    {36, 30, 22, 15, 34, 28, true, true}, // Externalizáció
    {120, 0, 49, 41, 87, 70, true, true}, // Összprobléma
};

static const QVector<ProblemScaleConstants> TeacherScales{
    {9, 7, 10, 10, 0, 0, false, true},
    {9, 7, 5, 5, 0, 0, false, true},
    {18, 15, 16, 18, 0, 0, false, true},
    {13, 11, 11, 11, 0, 0, false, true},
    {8, 7, 3, 2, 0, 0, false, true},
    {20, 17, 26, 24, 0, 0, false, true},
    {10, 8, 8, 8, 0, 0, false, true},
    {25, 21, 34, 27, 0, 0, false, true},
    {35, 30, 26, 27, 39, 40, true, true},
    {35, 30, 41, 32, 48, 51, true, true},
    {122, 0, 86, 77, 110, 117, true, true},
};

static const QVector<ProblemScaleConstants> SelfReportScales{
    {7, 6, 7, 8, 0, 0, false, true},
    {9, 7, 8, 10, 0, 0, false, true},
    {16, 13, 15, 20, 0, 0, false, true},
    {8, 7, 7, 8, 0, 0, false, true},
    {7, 6, 5, 6, 0, 0, false, true},
    {9, 7, 10, 10, 0, 0, false, true},
    {12, 10, 9, 8, 0, 0, false, true},
    {21, 18, 21, 20, 0, 0, false, true},
    {16, 13, 0, 0, 0, 0, false, false}, // Szociális érettség
    {31, 27, 26, 33, 33, 40, true, true},
    {33, 28, 29, 30, 46, 38, true, true},
    {103, 95, 81, 80, 107, 97, true, true},
};

const QVector<ProblemScaleConstants> &problemScaleConstants(int kind)
{
    switch (kindInfo(kind).kind) {
    case Parent: return ParentScales;
    case Teacher: return TeacherScales;
    default: return SelfReportScales;
    }
}
