#pragma once

#include <QString>

class CaseRecord;
class QWidget;
class TAboutForm;
class TEredmForm;
class TFelulirForm;
class THelpForm;
class TKalendForm;
class TProgHibaForm;
class TPwForm;
class TStatForm;
class TUzenetForm;
class TVelemenyForm;

// The program's small windows, created once at start-up as children of the main window.
//
//   TUzenetForm(parent)              notice box; ShowNotice() uses it     -> WindowServices::showNotice
//   TFelulirForm(parent)             overwrite confirmation; the maintenance dialog sets
//                                    onCancel and calls confirmOverwrite(fileName)
//   TAboutForm(parent)               about box, shown with ModalSeam::execDialog
//   TProgHibaForm(parent)            ShowProgramInfo() uses it
//   THelpForm(parent)                help and notes viewer; ShowHelp() uses it -> WindowServices::showHelp
//   TEredmForm(record, parent)       results list                           -> WindowServices::showResultsList
//   TVelemenyForm(record, parent)    opinion; call loadFromRecord() after a case file is read
//                                    or a new examination starts
//   TStatForm(record, parent)        statistics attach dialog              -> WindowServices::showStatAttach
//   TPwForm(password, parent)        password change; password is the running ProgramPassword
//   TKalendForm(parent)              date picker; set onDateChosen (or read dateText() after
//                                    an accepted showing)
//
// Every window is shown modally through ModalSeam::instance().execDialog(), except the help
// viewer asked for without modality.
struct SmallDialogs
{
    TUzenetForm *UzenetForm = nullptr;
    TFelulirForm *FelulirForm = nullptr;
    TAboutForm *AboutForm = nullptr;
    TProgHibaForm *ProgHibaForm = nullptr;
    THelpForm *HelpForm = nullptr;
    TEredmForm *EredmForm = nullptr;
    TVelemenyForm *VelemenyForm = nullptr;
    TStatForm *StatForm = nullptr;
    TPwForm *PwForm = nullptr;
    TKalendForm *KalendForm = nullptr;
};

// Creates all of them with the given parent and fills the WindowServices hooks showNotice,
// showHelp, showStatAttach and showResultsList. programPassword must outlive the windows.
SmallDialogs createSmallDialogs(CaseRecord &record, QString &programPassword, QWidget *parent);
