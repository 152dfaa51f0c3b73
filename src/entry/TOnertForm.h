#pragma once

#include "entry/AnswerGridForm.h"

// The self-report questionnaire entry window.
class TOnertForm : public AnswerGridForm
{
    Q_OBJECT
public:
    explicit TOnertForm(CaseRecord &record, QWidget *parent = nullptr);

    // The hidden row list: item r is the definition text of grid row r.
    QString OnertList(int row) const { return rowListItem(row); }

    void azaktulisjkvcsatolsa1Click();
};
