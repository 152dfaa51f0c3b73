#include "entry/TOnertForm.h"

#include "case/Questionnaire.h"
#include "ui/DeferredBuild.h"

namespace {
AnswerGridForm::FormData selfReportData()
{
    AnswerGridForm::FormData data;
    data.kind = SelfReport;
    data.caption = QStringLiteral("MOTRA önétékelő változat");
    data.stayOnTop = true;
    data.fixedRowHeight = true;
    data.enterMovesDown = true;
    data.fillDashes = true;
    data.statisticsMask = QStringLiteral("*.DA3");
    data.helpCaption = QStringLiteral("súgó az önértékelő adatlap kitöltéséhez");
    data.helpName = QStringLiteral("o_utmut.hlp");
    data.part = ExamPart::SelfReport;
    return data;
}
} // namespace

TOnertForm::TOnertForm(CaseRecord &record, QWidget *parent) : AnswerGridForm(record, selfReportData(), parent)
{
    setObjectName(QStringLiteral("TOnertForm"));
    // The menus come with the grid they belong to.
    DeferredBuild::later(this, [this] {
        // The captions carry their own blanks, underscores and dots.
        addMenuCommand(
            QStringLiteral("számolj, rajzolj ! "), QStringLiteral("szmoljrajzolj1"), [this] { szmoljrajzolj1Click(); });
        QMenu *fill = addSubmenu(QStringLiteral("Töltsd_fel . . ."), QStringLiteral("Tltsdfel1"));
        addMenuCommand(fill, QStringLiteral("...a tüneti skálákat nullával !"), QStringLiteral("amaradkotnullkkal1"),
            [this] { amaradkotnullkkal1Click(); });
        QMenu *stats = addSubmenu(QStringLiteral("statisztika_előkészítése . . ."), QStringLiteral("statisztika1"));
        addMenuCommand(stats, QStringLiteral(". . . az aktuális jkv. csatolása későbbi feldolgozás céljából"),
            QStringLiteral("azaktulisjkvcsatolsa1"), [this] { azaktulisjkvcsatolsa1Click(); });
        addMenuCommand(QStringLiteral("           &Súgó"), QStringLiteral("Sg1"), [this] { Sg1Click(); });
    });
}

void TOnertForm::azaktulisjkvcsatolsa1Click() { statisticsCommand(); }
