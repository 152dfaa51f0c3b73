#include "charts/TSzuDiagForm.h"

#include "case/Questionnaire.h"

TSzuDiagForm::TSzuDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent)
    : ProfileChartWindow(record, Parent, picker, parent)
{ }
