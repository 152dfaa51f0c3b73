#include "charts/ChartLayout.h"

#include "case/Questionnaire.h"

#include <cmath>

static QString withHint(const QString &caption) { return caption + QStringLiteral(" T-érték"); }

static ChartBarDesign bar(int left, int width, const QString &caption, const QString &hint = QString())
{
    return {left, width, caption, hint.isEmpty() ? withHint(caption) : hint};
}

static ChartLayout makeParent()
{
    ChartLayout c;
    c.kind = Parent;
    c.windowClass = QStringLiteral("TSzuDiagForm");
    c.caption = QStringLiteral("MOTRA szülői kérdőív diagram");
    c.imageName = QStringLiteral("SzuImage");
    c.boyWord = QStringLiteral("fiú");
    c.girlWord = QStringLiteral("lány");
    c.designDpi = 120;
    c.insetBars = true;
    c.fillColouredBars = false;
    c.markerSize = 11; // 14 x 14 at 120 pixels per inch
    c.markerColour = QColor(0, 255, 0);
    c.helpCaption = QStringLiteral("súgó a szülői adatlap diagramjához");
    c.helpName = QStringLiteral("s_diag.hlp");
    c.bars = {
        bar(55, 25, QStringLiteral("Aktivitás")),
        bar(86, 25, QStringLiteral("Társas tevékenység")),
        bar(117, 25, QStringLiteral("Iskolai eredményesség")),
        bar(148, 24, QStringLiteral("Összkompetencia")),
        bar(178, 25, QStringLiteral("Visszahúzódás")),
        bar(209, 25, QStringLiteral("Szomatikus panaszok")),
        bar(240, 25, QStringLiteral("Szorongás, depresszió")),
        bar(271, 24, QStringLiteral("Szociális problémák")),
        bar(303, 24, QStringLiteral("Gondolkodási zavarok")),
        bar(334, 24, QStringLiteral("Figyelmi problémák")),
        bar(364, 25, QStringLiteral("Szabályszegő magatartás")),
        bar(396, 25, QStringLiteral("Agresszió")),
        bar(426, 24, QStringLiteral("Internalizáció")),
        bar(457, 24, QStringLiteral("Externalizáció")),
        bar(487, 25, QStringLiteral("Összprobléma"), QStringLiteral("Összprobléma skála T-érték")),
    };
    return c;
}

static ChartLayout makeTeacher()
{
    ChartLayout c;
    c.kind = Teacher;
    c.windowClass = QStringLiteral("TTanDiagForm");
    c.caption = QStringLiteral("MOTRA tanári kérdőív diagram");
    c.imageName = QStringLiteral("TanImage");
    c.boyWord = QStringLiteral("férfi");
    c.girlWord = QStringLiteral("nő");
    c.designDpi = 96;
    c.insetBars = false;
    c.fillColouredBars = false;
    c.markerSize = 11;
    c.markerColour = QColor(0, 255, 255);
    c.helpCaption = QStringLiteral("súgó a tanári adatlap diagramjához");
    c.helpName = QStringLiteral("t_diag.hlp");
    const QStringList captions = {QStringLiteral("Iskolai eredményesség"), QStringLiteral("Iskolai szorgalom"),
        QStringLiteral("Iskolai magatartás"), QStringLiteral("Tanulás"), QStringLiteral("Boldogság"),
        QStringLiteral("Összesített iskolai adaptivitás"), QStringLiteral("Visszahúzódás"),
        QStringLiteral("Szomatikus panaszok"), QStringLiteral("Szorongás, depresszió"),
        QStringLiteral("Szociális problémák"), QStringLiteral("Gondolkodási zavarok"),
        QStringLiteral("Figyelmi problémák"), QStringLiteral("Szabályszegő magatartás"), QStringLiteral("Agresszió"),
        QStringLiteral("Internalizáció"), QStringLiteral("Externalizáció"), QStringLiteral("Összprobléma")};
    const int lefts[] = {42, 68, 94, 120, 145, 170, 194, 218, 242, 268, 294, 318, 344, 370, 394, 418, 444};
    for (int i = 0; i < captions.size(); ++i)
        c.bars.append(bar(lefts[i], 20, captions[i]));
    c.bars.last().hint = QStringLiteral("Összprobléma skála T-érték");
    return c;
}

static ChartLayout makeSelfReport()
{
    ChartLayout c;
    c.kind = SelfReport;
    c.windowClass = QStringLiteral("TOneDiagForm");
    c.caption = QStringLiteral("MOTRA önértékelő kérdőív diagram");
    c.imageName = QStringLiteral("OneImage");
    c.boyWord = QStringLiteral("fiú");
    c.girlWord = QStringLiteral("lány");
    c.designDpi = 96;
    c.insetBars = false;
    c.fillColouredBars = true;
    c.markerSize = 11;
    c.markerColour = QColor(0, 255, 255);
    c.helpCaption = QStringLiteral("súgó az önértékelő adatlap diagramjához");
    c.helpName = QStringLiteral("o_diag.hlp");
    const QStringList captions
        = {QStringLiteral("Aktivitás"), QStringLiteral("Társas tevékenység"), QStringLiteral("Iskolai eredményesség"),
            QStringLiteral("Összkompetencia"), QStringLiteral("Visszahúzódás"), QStringLiteral("Szomatikus panaszok"),
            QStringLiteral("Szorongás, depresszió"), QStringLiteral("Szociális problémák"),
            QStringLiteral("Gondolkodási zavarok"), QStringLiteral("Figyelmi problémák"),
            QStringLiteral("Szabályszegő mag."), QStringLiteral("Agresszó"), QStringLiteral("Szociális érettség"),
            QStringLiteral("Internalizáció"), QStringLiteral("Externalizáció"), QStringLiteral("Összprobléma")};
    for (int i = 0; i < captions.size(); ++i)
        c.bars.append(bar(46 + 25 * i, 20, captions[i]));
    c.bars[3].hint = QStringLiteral("Összkompetencia skála T-érték");
    c.bars[10].hint = QStringLiteral("Szabályszegő magatartás T-érték");
    c.bars[15].hint = QStringLiteral("Összprobléma skála T-érték");
    return c;
}

const ChartLayout &chartLayout(int kind)
{
    static const ChartLayout layouts[3] = {makeParent(), makeTeacher(), makeSelfReport()};
    return layouts[kindInfo(kind).kind - 1];
}

// Design pixels to 96-dpi pixels; 96/120 never produces a half, so plain rounding is exact.
static int toScreen(int design, int designDpi) { return static_cast<int>(std::nearbyint(design * 96.0 / designDpi)); }

int ChartLayout::screenLeft(int bar) const { return toScreen(bars.at(bar - 1).left, designDpi); }

int ChartLayout::screenRight(int bar) const
{
    const ChartBarDesign &b = bars.at(bar - 1);
    return toScreen(b.left + b.width, designDpi);
}
