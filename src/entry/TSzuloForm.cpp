#include "entry/TSzuloForm.h"

#include "case/Questionnaire.h"
#include "ui/DeferredBuild.h"

namespace {
AnswerGridForm::FormData parentData()
{
    AnswerGridForm::FormData data;
    data.kind = Parent;
    data.caption = QStringLiteral("MOTRA szülői változat");
    data.stayOnTop = true;
    // Enter moves on here as in the other two forms: the user expects it to.
    data.enterMovesDown = true;
    data.statisticsMask = QStringLiteral("*.DA1");
    data.helpCaption = QStringLiteral("súgó a szülői adatlap kitöltéséhez");
    data.helpName = QStringLiteral("s_utmut.hlp");
    data.part = ExamPart::Parent;
    return data;
}
} // namespace

TSzuloForm::TSzuloForm(CaseRecord &record, QWidget *parent) : AnswerGridForm(record, parentData(), parent)
{
    setObjectName(QStringLiteral("TSzuloForm"));
    // The menus come with the grid they belong to.
    DeferredBuild::later(this, [this] {
        addMenuCommand(
            QStringLiteral("számolj, rajzolj!"), QStringLiteral("szmoljrajzolj1"), [this] { szmoljrajzolj1Click(); });
        QMenu *fill = addSubmenu(QStringLiteral("töltsd fel..."), QStringLiteral("tltsdfel1"));
        addMenuCommand(fill, QStringLiteral("...a tüneti skálákat nullával !"), QStringLiteral("amaradkotnullkkal1"),
            [this] { amaradkotnullkkal1Click(); });
        QMenu *stats = addSubmenu(QStringLiteral("statisztika"), QStringLiteral("statisztika1"));
        addMenuCommand(stats, QStringLiteral("az aktuális jkv. csatolása"),
            QStringLiteral("azaktulisjegyzknyvcsatolsa1"), [this] { azaktulisjegyzknyvcsatolsa1Click(); });
        addMenuCommand(QStringLiteral("&Súgó"), QStringLiteral("Sg1"), [this] { Sg1Click(); });
    });
}

void TSzuloForm::azaktulisjegyzknyvcsatolsa1Click() { statisticsCommand(); }
