#pragma once

class AnswerSet;

// The label an answer filled in by the zero fill carries instead of a menu entry's label.
extern const char ZeroFillLabelText[]; // "nullával feltöltve"

// "...a tüneti skálákat nullával !": every empty answer cell of the symptom rows
// (firstItemRow up to the result rows) gets "0" and the zero-fill label, every empty
// free-text row there gets "-". Cells that hold anything, a blank included, and the rows
// before and after are never touched.
void fillSymptomRowsWithZero(AnswerSet &answers);
