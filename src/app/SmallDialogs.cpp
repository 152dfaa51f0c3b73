#include "app/SmallDialogs.h"

#include "app/TAboutForm.h"
#include "app/TFelulirForm.h"
#include "app/THelpForm.h"
#include "app/TKalendForm.h"
#include "app/TProgHibaForm.h"
#include "app/TPwForm.h"
#include "app/TUzenetForm.h"
#include "entry/ModalSeam.h"
#include "entry/WindowServices.h"
#include "reports/TEredmForm.h"
#include "reports/TVelemenyForm.h"
#include "stats/TStatForm.h"

SmallDialogs createSmallDialogs(CaseRecord &record, QString &programPassword, QWidget *parent)
{
    SmallDialogs dialogs;
    dialogs.UzenetForm = new TUzenetForm(parent);
    dialogs.FelulirForm = new TFelulirForm(parent);
    dialogs.AboutForm = new TAboutForm(parent);
    dialogs.ProgHibaForm = new TProgHibaForm(parent);
    dialogs.HelpForm = new THelpForm(parent);
    dialogs.EredmForm = new TEredmForm(record, parent);
    dialogs.VelemenyForm = new TVelemenyForm(record, parent);
    dialogs.StatForm = new TStatForm(record, parent);
    dialogs.PwForm = new TPwForm(programPassword, parent);
    dialogs.KalendForm = new TKalendForm(parent);

    WindowServices &services = windowServices();
    services.showNotice = [](const QString &message) { ShowNotice(message); };
    services.showHelp = [](const QString &caption, const QString &helpFile, const QString &notesFile, bool modal) {
        ShowHelp(caption, helpFile, notesFile, modal);
    };
    TStatForm *statForm = dialogs.StatForm;
    services.showStatAttach = [statForm](const QString &mask) {
        statForm->setFileMask(mask);
        ModalSeam::instance().execDialog(statForm);
    };
    TEredmForm *eredmForm = dialogs.EredmForm;
    services.showResultsList = [eredmForm]() { ModalSeam::instance().execDialog(eredmForm); };
    return dialogs;
}
