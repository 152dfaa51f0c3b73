#include "case/Questionnaire.h"

#include <QtGlobal>

static const KindInfo Kinds[3] = {
    {Parent, 233, 200, 15, 30, 49, 65, 203, 199, 48, QStringLiteral("63a"), QStringLiteral("63.a."),
        QStringLiteral("szülői")},
    {Teacher, 194, 176, 17, 34, 21, 24, 160, 171, 20, QStringLiteral("94a"), QStringLiteral("94.a."),
        QStringLiteral("tanári")},
    {SelfReport, 223, 189, 16, 32, 36, 52, 191, 188, 35, QString(), QString(), QStringLiteral("önértékelő")},
};

bool isValidKind(int kind) { return kind >= 1 && kind <= 3; }

const KindInfo &kindInfo(int kind)
{
    Q_ASSERT(isValidKind(kind));
    return Kinds[qBound(1, kind, 3) - 1];
}
