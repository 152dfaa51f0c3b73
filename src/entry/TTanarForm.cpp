#include "entry/TTanarForm.h"

#include "case/Questionnaire.h"
#include "ui/DeferredBuild.h"

namespace {
AnswerGridForm::FormData teacherData()
{
    AnswerGridForm::FormData data;
    data.kind = Teacher;
    data.caption = QStringLiteral("MOTRA tanári változat");
    data.stayOnTop = false;
    data.enterMovesDown = true;
    data.statisticsMask = QStringLiteral("*.DA2");
    data.helpCaption = QStringLiteral("súgó a tanári adatlap kitöltéséhez");
    data.helpName = QStringLiteral("t_utmut.hlp");
    data.part = ExamPart::Teacher;
    return data;
}
} // namespace

TTanarForm::TTanarForm(CaseRecord &record, QWidget *parent) : AnswerGridForm(record, teacherData(), parent)
{
    setObjectName(QStringLiteral("TTanarForm"));
    // The menus come with the grid they belong to.
    DeferredBuild::later(this, [this] {
        addMenuCommand(
            QStringLiteral("számolj, rajzolj!"), QStringLiteral("szmoljrajzolj1"), [this] { szmoljrajzolj1Click(); });
        QMenu *fill = addSubmenu(QStringLiteral("töltsd fel..."), QStringLiteral("tltsdfel1"));
        addMenuCommand(fill, QStringLiteral("...a tüneti skálákat nullával !"), QStringLiteral("amaradkotnullkkal1"),
            [this] { amaradkotnullkkal1Click(); });
        QMenu *stats = addSubmenu(QStringLiteral("statisztika"), QStringLiteral("statisztika1"));
        addMenuCommand(stats, QStringLiteral("az aktuális jkv. csatolása"), QStringLiteral("azaktulisjkvcsatolsa1"),
            [this] { azaktulisjkvcsatolsa1Click(); });
        addMenuCommand(QStringLiteral("mutasd XX-t !"), QStringLiteral("mutasdXXt1"), [this] { mutasdXXt1Click(); });
        addMenuCommand(QStringLiteral("&Súgó"), QStringLiteral("Sg1"), [this] { Sg1Click(); });
    });
}

void TTanarForm::azaktulisjkvcsatolsa1Click() { statisticsCommand(); }

void TTanarForm::mutasdXXt1Click()
{
    if (windowServices().showResultsList)
        windowServices().showResultsList();
}
