#pragma once

#include "entry/AnswerGridForm.h"

// The teacher's questionnaire entry window.
class TTanarForm : public AnswerGridForm
{
    Q_OBJECT
public:
    explicit TTanarForm(CaseRecord &record, QWidget *parent = nullptr);

    // The hidden row list: item r is the definition text of grid row r.
    QString TanarList(int row) const { return rowListItem(row); }

    void azaktulisjkvcsatolsa1Click();
    // The list of the current slot values.
    void mutasdXXt1Click();
};
