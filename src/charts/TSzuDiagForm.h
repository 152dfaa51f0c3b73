#pragma once

#include "charts/ProfileChartWindow.h"

// The profile chart of the parent questionnaire.
class TSzuDiagForm : public ProfileChartWindow
{
    Q_OBJECT
public:
    explicit TSzuDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent = nullptr);
};
