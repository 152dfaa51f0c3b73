#pragma once

#include "entry/TOnertForm.h"
#include "entry/TSzuloForm.h"
#include "entry/TTanarForm.h"

// The three questionnaire entry windows, created once at start-up (in the start-up order
// TOnertForm, ..., TSzuloForm, TTanarForm) on the one CaseRecord and kept for the whole run.
//
// Opening one from the main window:
//     record.setCurrentKind(Parent);                 // CurrentKind and SlotCount together
//     ModalSeam::instance().execDialog(windows.szulo);
// The window scores on every activation and on closing; a successful close calls
// windowServices().markPartDone(ExamPart::Parent / Teacher / SelfReport). A wrong answer
// keeps the window open until the user mends it.
struct EntryWindows
{
    TSzuloForm *szulo = nullptr;
    TTanarForm *tanar = nullptr;
    TOnertForm *onert = nullptr;
};
