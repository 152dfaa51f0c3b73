#include "case/CaseRecord.h"

void PersonalData::resetToDefaults()
{
    ChildName = QStringLiteral("Név Nélkül");
    ChildCode = QStringLiteral("aktualis");
    IsBoy = true;
    Age = 14;
}

CaseRecord::CaseRecord()
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        m_answers[kind - 1] = std::make_unique<AnswerSet>(kind);
        const int scales = kindInfo(kind).scaleCount;
        m_scores[kind - 1].RawScores.fill(0.0, scales);
        m_scores[kind - 1].TScores.fill(0, scales);
    }
    Personal.resetToDefaults();
}

void CaseRecord::setCurrentKind(int kind)
{
    CurrentKind = kindInfo(kind).kind;
    SlotCount = kindInfo(kind).slotCount;
}

void CaseRecord::startNewExamination()
{
    for (int kind = Parent; kind <= SelfReport; ++kind)
        answers(kind).startNewExamination();
    Personal.resetToDefaults();
}

void CaseRecord::startNextChild()
{
    startNewExamination();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        answers(kind).resetLabels();
        ScaleScores &kindScores = scores(kind);
        kindScores.RawScores.fill(0.0);
        kindScores.TScores.fill(0);
    }
    SlotValues.fill(0.0);
    Opinion.clear();
}

void CaseRecord::copyPersonalDataToAnswerSets()
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = answers(kind);
        set.setValueText(0, Personal.ChildName);
        set.setValueText(1, Personal.ChildCode);
        set.setValueText(2, QString::number(Personal.SexCode()));
        set.setValueText(3, QString::number(Personal.Age));
    }
}
