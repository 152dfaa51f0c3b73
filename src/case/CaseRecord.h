#pragma once

#include "case/AnswerSet.h"
#include "case/Questionnaire.h"

#include <QStringList>
#include <QVector>

#include <array>
#include <memory>

struct PersonalData
{
    QString ChildCode;
    QString ChildName;
    bool IsBoy = true;
    int Age = 0;
    QString Examiner;
    QString ExamDate;
    QString ExamReason;

    int SexCode() const { return IsBoy ? 1 : 2; }
    // The defaults of a new examination: "Név Nélkül", "aktualis", boy, 14 years.
    // Examiner, date and reason carry over.
    void resetToDefaults();
};

struct ScaleScores
{
    QVector<double> RawScores; // ScaleCount reals; -1 when not computable
    QVector<int> TScores; // ScaleCount integers; -1 when not computable
};

// The one examination in memory, shared by every window for the whole run.
class CaseRecord
{
public:
    CaseRecord();
    CaseRecord(const CaseRecord &) = delete;
    CaseRecord &operator=(const CaseRecord &) = delete;

    PersonalData Personal;
    // SlotValues[1..225]; index 0 is unused.
    std::array<double, SlotArraySize + 1> SlotValues{};
    int CurrentKind = Parent;
    int SlotCount = 200;
    QStringList Opinion;

    AnswerSet &answers(int kind) { return *m_answers[kindInfo(kind).kind - 1]; }
    const AnswerSet &answers(int kind) const { return *m_answers[kindInfo(kind).kind - 1]; }
    ScaleScores &scores(int kind) { return m_scores[kindInfo(kind).kind - 1]; }
    const ScaleScores &scores(int kind) const { return m_scores[kindInfo(kind).kind - 1]; }

    // Sets CurrentKind and its SlotCount together (1/200, 2/176, 3/189).
    void setCurrentKind(int kind);
    // New examination: every value cell emptied, "***" in every result row, personal data
    // back to the defaults. Scale scores, labels and opinion are left as they are.
    void startNewExamination();
    // New for the next child: startNewExamination, and nothing of the previous child kept
    // for the next report or statistics line either: every answer label "-", scale scores
    // and slot values zero (a questionnaire not done shows zeros, as after the start), no
    // opinion.
    void startNextChild();
    // Copies name, code, sex code and age into rows 0..3 of all three answer sets.
    void copyPersonalDataToAnswerSets();

private:
    std::unique_ptr<AnswerSet> m_answers[3];
    ScaleScores m_scores[3];
};
