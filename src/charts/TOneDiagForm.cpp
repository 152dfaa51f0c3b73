#include "charts/TOneDiagForm.h"

#include "case/Questionnaire.h"

#include <QMenu>

TOneDiagForm::TOneDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent)
    : ProfileChartWindow(record, SelfReport, picker, parent)
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("színes oszlopdiagram"));
    PopupMenu1->addAction(QStringLiteral("fekete-fehér oszlopdiagram"));
    PopupMenu1->addAction(QStringLiteral("fekete-fehér vonaldiagram"));
}
