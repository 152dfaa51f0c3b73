#pragma once

class CaseRecord;
class ScoringFiles;

// -1 when x is below 0 or above 10000; otherwise x rounded, halves to even.
int ToScorerValue(double x);

// SlotValues[1..225] := 0, then the slotted rows before the first result row of `kind`
// (slot 1 := 11; empty cell := 0; otherwise the whole number the text spells).
// Throws MotraError "'%s' is not a valid integer value" with a line naming the
// questionnaire, the row number and the question below it; slots keep what was gathered.
void GatherSlotValues(CaseRecord &record, int kind);

// Builds the scorer input from SlotValues, runs the scorer of `kind`, writes the result
// slots and the result rows (one decimal). Throws MotraError (notice text for the
// program's own norm-file messages); on failure result slots and rows are untouched.
// The scorer reads its files anew unless `files` (of the same kind) holds them already.
void ScoreQuestionnaire(CaseRecord &record, int kind, const ScoringFiles *files = nullptr);

// The kind's ScaleScores from its result slots: T-scores rounded halves to even, raw
// scores unchanged.
void CopyScaleScores(CaseRecord &record, int kind);

// The scoring command of an entry window for CurrentKind: GatherSlotValues,
// ChildName := row 0, ScoreQuestionnaire, CopyScaleScores. On failure results and
// ScaleScores keep their old contents.
void RunScoringCommand(CaseRecord &record, const ScoringFiles *files = nullptr);

// setCurrentKind(kind) then RunScoringCommand.
void ScoreKind(CaseRecord &record, int kind, const ScoringFiles *files = nullptr);
