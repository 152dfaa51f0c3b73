#pragma once

#include <QString>

// The three questionnaires and their fixed dimensions.
enum QuestionnaireKind : int { Parent = 1, Teacher = 2, SelfReport = 3 };

constexpr int SlotArraySize = 225; // SlotValues are indexed 1..225
constexpr int NoSlot = 999; // slot number of a free-text row
constexpr double MissingValue = -1;

struct KindInfo
{
    int kind;
    int rowCount; // rows of the row list and of the answer set
    int slotCount; // SlotCount
    int scaleCount; // ScaleCount
    int resultCount; // ResultCount = 2 x ScaleCount
    int firstItemSlot; // slot of problem item 1
    int firstItemRow; // first row of the zero fill (symptom rows)
    int firstResultRow; // result rows run from here to the last row
    int yesNoRow; // the row whose "-" marks the questionnaire as not filled in the case file
    int itemSlotOffset; // slot of problem item i = i + itemSlotOffset
    QString subQuestionNumber; // "63a", "94a" or empty
    QString subQuestionPrefix; // "63.a.", "94.a." or empty
    QString name; // "szülői", "tanári", "önértékelő"

    int firstResultSlot() const { return slotCount - resultCount + 1; }
    int resultRowOfSlot(int slot) const { return firstResultRow + slot - firstResultSlot(); }
    int lastHintRow() const { return firstResultRow - 2; }
};

// The dimensions of kind 1, 2 or 3.
const KindInfo &kindInfo(int kind);
bool isValidKind(int kind);
