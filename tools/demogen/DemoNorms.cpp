#include "DemoNorms.h"

#include "charts/ScaleItemList.h"
#include "scoring/ScaleConstants.h"

#include <QVector>
#include <algorithm>
#include <cmath>

// DEMONSTRATION DATA ONLY. None of the numbers below comes from a norm sample: the tables
// rise smoothly from T = 50 to the clinical cut-off T = 70 so that every part of the program
// can be tried out. A real installation replaces these files with its licensed ones.

namespace DemoNorms {

namespace {

const QStringList ParentTeacherTitles{QStringLiteral("Visszahúzódás"), QStringLiteral("Szomatikus panaszok"),
    QStringLiteral("Szorongás, depresszió"), QStringLiteral("Szociális problémák"),
    QStringLiteral("Gondolkodási zavarok"), QStringLiteral("Figyelmi problémák"),
    QStringLiteral("Szabályszegő magatartás"), QStringLiteral("Agresszió"), QStringLiteral("Internalizáció"),
    QStringLiteral("Externalizáció")};

const QStringList SelfReportTitles{QStringLiteral("Visszahúzódás"), QStringLiteral("Szomatikus panaszok"),
    QStringLiteral("Szorongás, depresszió"), QStringLiteral("Szociális problémák"),
    QStringLiteral("Gondolkodási zavarok"), QStringLiteral("Figyelmi problémák"),
    QStringLiteral("Szabályszegő magatartás"), QStringLiteral("Agresszió"), QStringLiteral("Szociális érettség"),
    QStringLiteral("Internalizáció"), QStringLiteral("Externalizáció"), QStringLiteral("Összprobléma")};

// File scale k is chart scale k + offset.
int chartScaleOffset(int kind) { return kind == 2 ? 6 : 4; }

QString dataLine(const QVector<int> &items)
{
    QStringList parts{QString::number(items.size())};
    for (int item : items)
        parts.append(QString::number(item));
    return parts.join(QLatin1Char(' '));
}

char tByte(double t) { return char(qBound(0, int(std::nearbyint(t)), 100)); }

} // namespace

QVector<int> selfReportTotalItems()
{
    const QVector<int> &maturity = scaleItemList(3, 13);
    QVector<int> candidates;
    QVector<int> unlisted; // items on no syndrome scale: the first three of them stay out
    for (int item = 1; item <= 122; ++item) {
        if (maturity.contains(item))
            continue;
        candidates.append(item);
        bool listed = false;
        for (int scale = 5; scale <= 12; ++scale)
            listed = listed || scaleItemList(3, scale).contains(item);
        if (!listed)
            unlisted.append(item);
    }
    for (int i = 0; i < 3 && i < unlisted.size(); ++i)
        candidates.removeOne(unlisted[i]);
    candidates.resize(std::min<qsizetype>(candidates.size(), 103));
    return candidates;
}

QStringList scaleDefinitionLines(int kind)
{
    const QStringList &titles = kind == 3 ? SelfReportTitles : ParentTeacherTitles;
    QStringList lines;
    for (int k = 1; k <= titles.size(); ++k) {
        lines.append(titles[k - 1]);
        if (kind == 3 && k == 12)
            lines.append(dataLine(selfReportTotalItems()));
        else
            lines.append(dataLine(scaleItemList(kind, k + chartScaleOffset(kind))));
    }
    return lines;
}

QByteArray competenceNorms(int kind)
{
    QByteArray bytes;
    if (kind == 2) {
        // Adaptive scales: raw value 1..99, T from 25 to 55 (girls 26 to 55); record 0 unused.
        for (int sex = 1; sex <= 2; ++sex) {
            for (int z = 1; z <= 6; ++z) {
                for (int r = 0; r < 100; ++r)
                    bytes.append(sex == 1 ? tByte(25 + r * 30.0 / 99) : tByte(26 + r * 29.0 / 99));
            }
        }
        return bytes;
    }
    // Three competence scales over the doubled raw score 0..20, then Összkompetencia 0..60.
    for (int z = 1; z <= 3; ++z) {
        for (int r = 0; r <= 20; ++r) {
            bytes.append(tByte(25 + r * 30.0 / 20));
            bytes.append(tByte(27 + r * 28.0 / 20));
        }
    }
    for (int r = 0; r <= 60; ++r) {
        bytes.append(tByte(20 + r));
        bytes.append(tByte(22 + r * 58.0 / 60));
    }
    return bytes;
}

QByteArray problemNorms(int kind)
{
    const QVector<ProblemScaleConstants> &scales = problemScaleConstants(kind);
    QByteArray bytes;
    for (int sex = 1; sex <= 2; ++sex) {
        for (const ProblemScaleConstants &c : scales) {
            // The self-report's Szociális érettség is never looked up; it gets a table all the same.
            int cut = sex == 1 ? c.CutBoys : c.CutGirls;
            if (cut <= 0)
                cut = c.K;
            const int top = std::max(2 * c.K, cut + 1);
            for (int r = 0; r < 100; ++r) {
                if (r <= cut)
                    bytes.append(tByte(50 + r * 20.0 / cut));
                else
                    bytes.append(tByte(70 + (r - cut) * 30.0 / (top - cut)));
            }
        }
    }
    return bytes;
}

} // namespace DemoNorms
