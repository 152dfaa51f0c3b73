#include "charts/TTanDiagForm.h"

#include "case/Questionnaire.h"

TTanDiagForm::TTanDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent)
    : ProfileChartWindow(record, Teacher, picker, parent)
{ }
