#pragma once

#include "charts/ProfileChartWindow.h"

// The profile chart of the teacher questionnaire.
class TTanDiagForm : public ProfileChartWindow
{
    Q_OBJECT
public:
    explicit TTanDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent = nullptr);
};
