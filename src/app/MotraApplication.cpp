#include "app/MotraApplication.h"

#include "app/TAboutForm.h"
#include "app/TFelulirForm.h"
#include "app/THelpForm.h"
#include "app/TKalendForm.h"
#include "app/TLastEdForm.h"
#include "app/TMainForm.h"
#include "app/TMegnyitForm.h"
#include "app/TProgHibaForm.h"
#include "app/TPwForm.h"
#include "app/TSzemAdForm.h"
#include "app/TUzenetForm.h"
#include "app/TVV_lista.h"
#include "case/CaseRecord.h"
#include "case/TextFile.h"
#include "charts/ChartWindows.h"
#include "charts/TOneDiagForm.h"
#include "charts/TSkalaForm.h"
#include "charts/TSzuDiagForm.h"
#include "charts/TTanDiagForm.h"
#include "entry/TOnertForm.h"
#include "entry/TSzuloForm.h"
#include "entry/TTanarForm.h"
#include "reports/TCsatDiagForm.h"
#include "reports/TEredmForm.h"
#include "reports/TEzAzForm.h"
#include "reports/TVelemenyForm.h"
#include "reports/TWordCsatForm.h"
#include "stats/TStatForm.h"
#include "stats/TStatTMKForm.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/QtTranslation.h"
#include "ui/WindowServices.h"

#include <QApplication>
#include <QDialog>

#include <optional>

template<class Window, class... Args> Window *MotraApplication::create(Args &&...args)
{
    auto *window = new Window(std::forward<Args>(args)..., m_mainForm);
    m_windows.append(window);
    return window;
}

MotraApplication::MotraApplication(const QStringList &arguments, Start start)
    : m_record(std::make_unique<CaseRecord>()), m_deferring(start == Start::ShowFirst)
{
    std::optional<DeferredBuild::StartupScope> deferring;
    if (m_deferring)
        deferring.emplace();
    // Qt's own texts (the message box buttons) in the program's language.
    installQtTranslation();
    CaseRecord &record = *m_record;
    m_mainForm = new TMainForm(record);
    m_windows.append(m_mainForm);
    m_mainForm->setCommandLine(arguments);
    // What a save finds left over from an interrupted one is removed; the user hears of it.
    TextFile::setNoticeReporter(
        [](const QString &text) { ModalSeam::instance().showMessage(QApplication::activeWindow(), text); });

    // Every dialog once, in the program's order; each one's creation step runs now.
    auto *about = create<TAboutForm>();
    auto *onert = create<TOnertForm>(record);
    m_personalData = create<TSzemAdForm>(record);
    auto *szulo = create<TSzuloForm>(record);
    auto *tanar = create<TTanarForm>(record);
    auto *eredm = create<TEredmForm>(record);
    create<TUzenetForm>();
    auto *pw = create<TPwForm>(m_mainForm->programPassword());
    create<THelpForm>();
    auto *stat = create<TStatForm>(record);
    create<TProgHibaForm>();
    auto *megnyit = create<TMegnyitForm>();
    auto *kalend = create<TKalendForm>();
    m_listEditor = create<TVV_lista>();
    auto *velemeny = create<TVelemenyForm>(record);
    // The chart windows need their scale picker when they are made, so it comes with them.
    const ChartWindows charts = installChartWindows(record, m_mainForm);
    m_windows.append(charts.skala);
    m_windows.append(charts.szuDiag);
    m_windows.append(charts.tanDiag);
    m_windows.append(charts.oneDiag);
    auto *statTMK = create<TStatTMKForm>();
    statTMK->setOverwriteConfirmation(create<TFelulirForm>());
    auto *wordCsat = create<TWordCsatForm>(record);
    auto *csatDiag = create<TCsatDiagForm>();
    auto *ezAz = create<TEzAzForm>();
    wordCsat->setLinkDialog(csatDiag);
    csatDiag->setClosingNote(ezAz);
    auto *lastEd = create<TLastEdForm>();

    TMainForm::Windows windows;
    windows.personalData = m_personalData;
    windows.parentEntry = szulo;
    windows.teacherEntry = tanar;
    windows.selfReportEntry = onert;
    windows.opinion = velemeny;
    windows.about = about;
    windows.password = pw;
    windows.open = megnyit;
    windows.statMaintenance = statTMK;
    windows.wordReport = wordCsat;
    m_mainForm->setWindows(windows);

    // Opening a stored examination: the open dialog and the recent list share its preview,
    // and "rendben" runs the one opening walk.
    TMainForm *opener = m_mainForm;
    megnyit->setOpener([opener](const QString &file) { return opener->ReadCaseFile(file); });
    megnyit->setRecentWindow(lastEd);
    lastEd->setOpenForm(megnyit);

    // A click in the scale picker scrolls the grid of the questionnaire being entered.
    charts.skala->jumpToRow = [szulo, tanar, onert](int kind, int row) {
        AnswerGridForm *form = kind == Parent ? static_cast<AnswerGridForm *>(szulo)
            : kind == Teacher                 ? static_cast<AnswerGridForm *>(tanar)
                                              : static_cast<AnswerGridForm *>(onert);
        form->jumpToRow(row);
    };

    m_personalData->setMainForm(m_mainForm);
    m_personalData->setListEditor(m_listEditor);
    m_personalData->setCalendar([kalend]() -> std::optional<QString> {
        if (ModalSeam::instance().execDialog(kalend) != QDialog::Accepted)
            return std::nullopt;
        return kalend->dateText();
    });

    WindowServices &services = windowServices();
    TMainForm *main = m_mainForm;
    services.showPersonalData = [main] { main->ShowPersonalData(); };
    services.markPartDone = [main](ExamPart part) { main->MarkPartDone(part); };
    services.showNotice = [](const QString &message) { ShowNotice(message); };
    services.showHelp = [](const QString &caption, const QString &helpFile, const QString &notesFile, bool modal) {
        ShowHelp(caption, helpFile, notesFile, modal);
    };
    services.showStatAttach = [stat](const QString &mask) {
        stat->setFileMask(mask);
        ModalSeam::instance().execDialog(stat);
    };
    services.showResultsList = [eredm] { ModalSeam::instance().execDialog(eredm); };

    m_mainForm->readPassword();
    m_mainForm->applyCommandLinePassword();
}

MotraApplication::~MotraApplication()
{
    windowServices() = WindowServices{};
    TextFile::setNoticeReporter({});
    delete m_mainForm;
}

QStringList MotraApplication::creationOrder() const
{
    QStringList names;
    for (const QWidget *w : m_windows)
        names.append(QString::fromLatin1(w->metaObject()->className()));
    return names;
}

QWidget *MotraApplication::window(const QString &className) const
{
    for (QWidget *w : m_windows)
        if (QLatin1String(w->metaObject()->className()) == className)
            return w;
    return nullptr;
}

void MotraApplication::show()
{
    if (m_deferring)
        DeferredBuild::afterFirstPaint(m_mainForm, [] { DeferredBuild::runPending(); });
    m_mainForm->showMaximized();
}
