#pragma once

#include "ui/WindowServices.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

class CaseRecord;
class ClickLabel;
class MotraError;
class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The program's main window: the locked start, the workspace with the examination's parts,
// the step-by-step guide, New / Save / Close and the report commands.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    // The dialogs the main window opens; a window that is not there leaves its command idle.
    struct Windows
    {
        QDialog *personalData = nullptr;
        QDialog *parentEntry = nullptr;
        QDialog *teacherEntry = nullptr;
        QDialog *selfReportEntry = nullptr;
        QDialog *opinion = nullptr;
        QDialog *about = nullptr;
        QDialog *password = nullptr;
        QDialog *open = nullptr;
        QDialog *wordReport = nullptr;
        QDialog *statMaintenance = nullptr;
    };

    explicit TMainForm(CaseRecord &record, QWidget *parent = nullptr);

    void setWindows(const Windows &windows) { m_windows = windows; }
    const Windows &windows() const { return m_windows; }
    // The program's arguments, without the program name.
    void setCommandLine(const QStringList &arguments) { m_arguments = arguments; }

    // Start-up: reads ProgramPassword; a missing or damaged password file is reported and
    // the window stays locked (it can still be closed).
    void readPassword();
    // Start-up: "_kal=PASSWORD;" with a case file as the second argument types the password.
    void applyCommandLinePassword();
    // The password as the sibling program passes it; empty when the arguments are not such.
    static QString commandLinePassword(const QStringList &arguments);

    bool isLocked() const { return m_locked; }
    bool passwordKnown() const { return m_passwordKnown; }
    // ProgramPassword itself; the password dialog changes it in place.
    QString &programPassword() { return m_password; }
    int guideStep() const { return m_guideStep; }
    bool guideRunning() const;
    QPoint popupPoint() const { return m_popupPoint; }

    // The personal data dialog has closed: labels, caption, menus, check mark, guide.
    void personalDataClosed();
    // Shows the examined person in the workspace labels and the caption.
    void showPersonalLabels();

    // Reports a core failure the way it asks to be shown.
    void reportError(const MotraError &error);

    // Controls, under their component names.
    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Image1 = nullptr;
    ClickLabel *Image3 = nullptr;
    ClickLabel *Image4 = nullptr;
    ClickLabel *Image5 = nullptr;
    ClickLabel *Image6 = nullptr;
    ClickLabel *Image7 = nullptr;
    ClickLabel *Image8 = nullptr;
    ClickLabel *Label1 = nullptr;
    ClickLabel *Label2 = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    ClickLabel *Label5 = nullptr;
    QLabel *KodLabel = nullptr;
    QLabel *NevLabel = nullptr;
    QLabel *NemLabel = nullptr;
    QLabel *KorLabel = nullptr;
    QLabel *Check1 = nullptr;
    QLabel *Check2 = nullptr;
    QLabel *Check3 = nullptr;
    QLabel *Check4 = nullptr;
    QLabel *Check5 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QLabel *FileLabel = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *FileMenu = nullptr; // "&Fájlműveletek"
    QMenu *ExamMenu = nullptr; // "&Vizsgálat"
    QMenu *StatMenu = nullptr; // "&Statisztika..."
    QMenu *SettingsMenu = nullptr; // "&Beállítások"
    QMenu *HelpMenu = nullptr; // "&Súgó"
    QMenu *BookletMenu = nullptr; // "Üres tesztfüzet nyomtatása"
    QAction *NewItem = nullptr;
    QAction *OpenItem = nullptr;
    QAction *SaveItem = nullptr;
    QAction *WordItem = nullptr;
    QAction *HtmlItem = nullptr;
    QAction *SelfReportBookletItem = nullptr;
    QAction *ParentBookletItem = nullptr;
    QAction *TeacherBookletItem = nullptr;
    QAction *ExitItem = nullptr;
    QAction *PersonalDataItem = nullptr;
    QAction *ParentItem = nullptr;
    QAction *TeacherItem = nullptr;
    QAction *SelfReportItem = nullptr;
    QAction *OpinionItem = nullptr;
    QAction *StatMaintenanceItem = nullptr;
    QAction *PasswordItem = nullptr;
    QAction *AboutItem = nullptr;
    QAction *DescriptionItem = nullptr;

    QMenu *PopupMenu1 = nullptr;
    QAction *HtmlParent = nullptr;
    QAction *HtmlTeacher = nullptr;
    QAction *HtmlSelfReport = nullptr;
    QAction *HtmlParentTeacher = nullptr;
    QAction *HtmlParentSelfReport = nullptr;
    QAction *HtmlTeacherSelfReport = nullptr;
    QAction *HtmlAll = nullptr;

public slots:
    void Edit2Change(const QString &text);
    void MarkPartDone(ExamPart part);
    void AdvanceGuide();
    void PreviousGuideStep();
    void ShowGuideStep(int step);
    void Image7Click();
    void Button1Click();
    void Timer1Timer();

    void NewExamination();
    void OpenExamination();
    // Opens a stored examination (a fixed or host path): reads the file into the record,
    // then shows the personal data dialog, the three questionnaire windows and the opinion
    // window, each modally and in order; each questionnaire window rescores as it opens and
    // closes. False (after the message) when the file could not be read: the examination in
    // hand is then untouched and no window is shown.
    bool ReadCaseFile(const QString &path);
    // Save; false (after reporting why) when the examination could not be written.
    bool SaveExamination();
    void OpenQuestionnaire(int kind);
    void ShowPersonalData();
    void ShowOpinion();
    void ShowDialog(QDialog *dialog);
    void OpenBooklet(const QString &fixedPath);

    void Image8MouseDown(const QPoint &localPos);
    void ShowHtmlPopup();
    void WriteHtml(bool parent, bool teacher, bool selfReport);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLockPanel();
    void buildWorkspace();
    void buildMenus();
    void buildHtmlPopup();
    void unlock();
    void openCommandLineCase();
    void clearPartMarks();
    void setGuideControlsVisible(bool visible);
    void reloadOpinionWindow();

    CaseRecord &m_record;
    Windows m_windows;
    QStringList m_arguments;
    QString m_password;
    bool m_passwordKnown = false;
    bool m_locked = true;
    int m_guideStep = 0;
    QPoint m_popupPoint;
    bool m_image3Opaque = false;
    bool m_labelsOpaque = false;
};
