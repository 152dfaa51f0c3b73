#pragma once

#include "charts/ProfileChartWindow.h"

class QMenu;

// The profile chart of the self-report questionnaire.
class TOneDiagForm : public ProfileChartWindow
{
    Q_OBJECT
public:
    explicit TOneDiagForm(CaseRecord &record, TSkalaForm *picker, QWidget *parent = nullptr);

    // The design's pop-up menu of the three chart kinds; its entries do nothing.
    QMenu *PopupMenu1;
};
