#pragma once

#include "entry/AnswerGridForm.h"

// The parent's questionnaire entry window.
class TSzuloForm : public AnswerGridForm
{
    Q_OBJECT
public:
    explicit TSzuloForm(CaseRecord &record, QWidget *parent = nullptr);

    // The hidden row list: item r is the definition text of grid row r.
    QString SzuloList(int row) const { return rowListItem(row); }

    void azaktulisjegyzknyvcsatolsa1Click();
};
