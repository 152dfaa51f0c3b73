#include "charts/ProfilePreview.h"

#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "case/RowList.h"
#include "charts/ProfileChart.h"

#include <cmath>

namespace ProfilePreview {

namespace {

// The line of each questionnaire's row 0 (just after its start tag).
int firstRowLine(int kind)
{
    switch (kind) {
    case Parent: return 12;
    case Teacher: return 246;
    default: return 441;
    }
}

// Scores are small numbers; a larger one is damage, not a score.
constexpr double LargestScore = 10000;

} // namespace

int firstScoreLine(int kind)
{
    const KindInfo &info = kindInfo(kind);
    return firstRowLine(kind) + info.rowCount - info.scaleCount;
}

int requiredLineCount() { return firstScoreLine(SelfReport) + kindInfo(SelfReport).scaleCount; }

int lineValue(const QString &line)
{
    if (line.isEmpty() || line == QLatin1String("***"))
        return NotComputedValue;
    bool ok = false;
    const double value = line.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > LargestScore)
        return NoBar;
    return int(std::nearbyint(value));
}

std::array<QVector<int>, 3> previewValues(const QStringList &lines, const QString &shownName)
{
    std::array<QVector<int>, 3> values;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const int first = firstScoreLine(kind);
        const int count = kindInfo(kind).scaleCount;
        if (lines.size() < first + count) {
            const int missing = int(qMax<qsizetype>(first, lines.size()));
            throw MotraError(QStringLiteral("A(z) \"%1\" fájlnak csak %2 sora van, a profil előnézetéhez legalább %3 "
                                            "sor kell: ez nem teljes MOTRA vizsgálat (List index out of bounds (%4)).")
                                 .arg(shownName)
                                 .arg(lines.size())
                                 .arg(requiredLineCount())
                                 .arg(missing));
        }
        QVector<int> &bars = values[kind - 1];
        bars.reserve(count);
        for (int i = 0; i < count; ++i)
            bars.append(lineValue(lines[first + i]));
    }
    return values;
}

QString barHint(int kind, int bar)
{
    const KindInfo &info = kindInfo(kind);
    const QVector<RowDefinition> &rows = rowList(kind);
    const int row = info.rowCount - info.scaleCount + bar;
    if (bar < 0 || bar >= info.scaleCount || row >= rows.size())
        return QString();
    QString hint = rows[row].Label.trimmed();
    if (hint.endsWith(QLatin1Char(':')))
        hint.chop(1);
    return hint;
}

QRect barRect(int bar, int value)
{
    if (value < 0)
        return QRect();
    return QRect(FirstBarLeft + bar * BarPitch, BaseLine - value, BarWidth, value);
}

QColor barColour(int value) { return BandColour(value); }

} // namespace ProfilePreview
