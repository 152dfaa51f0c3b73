#pragma once

#include <QDialog>

class FlashPanel;
class QButtonGroup;
class QLabel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;
class QToolButton;
class StatisticsRecordList;
class TFelulirForm;

// "MOTRA statisztikai fájlok karbantartása": shows the records of one statistics file and
// lets the user move, sort and delete them. The file is rewritten only after a deletion
// the overwrite confirmation agreed to.
class TStatTMKForm : public QDialog
{
    Q_OBJECT
public:
    explicit TStatTMKForm(QWidget *parent = nullptr);

    QToolButton *SpeedButton3 = nullptr; // "szülői"
    QToolButton *SpeedButton4 = nullptr; // "tanári"
    QToolButton *SpeedButton5 = nullptr; // "önértékelő"
    QListWidget *FileListBox1 = nullptr;
    QListView *ListBox1 = nullptr;
    QLabel *Label1 = nullptr; // "a kijelölt rekord"
    QToolButton *SpeedButton1 = nullptr; // move up
    QToolButton *SpeedButton2 = nullptr; // move down
    QLabel *Label2 = nullptr; // "mozgatása"
    QPushButton *BitBtn2 = nullptr; // "rendezd betűrendbe !"
    QPushButton *BitBtn5 = nullptr; // "töröld a kijelölt rekordot !"
    QPushButton *BitBtn4 = nullptr; // "Rendben"
    QPushButton *BitBtn1 = nullptr; // "Mégse"
    QPushButton *BitBtn7 = nullptr; // "&Súgó"
    FlashPanel *Panel2 = nullptr;
    QTimer *Timer1 = nullptr;

    static const QString FirstLineWarning;

    // The overwrite confirmation shown after a deletion; without one nothing is ever written.
    void setOverwriteConfirmation(TFelulirForm *form) { m_confirmation = form; }

    // The questionnaire kind of the pressed kind button, and the file list's mask.
    int kind() const { return m_kind; }
    QString fileMask() const;
    StatisticsRecordList *records() const { return m_records; }
    // The selected line of ListBox1, or -1.
    int selectedIndex() const;
    void selectIndex(int index);

    void FormActivate();
    // A kind button: 1 "szülői", 2 "tanári", 3 "önértékelő".
    void KindButtonClick(int kind);
    void FileListBox1Click();
    void ListBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn2Click();
    void BitBtn5Click();
    void BitBtn7Click();
    void Timer1Timer();
    void ShowFlashWarning(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The controls: made just after the main window has first been shown, or when first needed.
    void buildControls();
    // Step 5: the move and delete buttons by the selected index; flash tells whether the
    // header warning may show (when the user chose a line).
    void updateButtons(bool flash);
    void refreshFileList();
    // Puts the file list's selection on the file whose records are shown.
    void showLoadedFileInList();
    void onFileChosen(QListWidgetItem *item);

    StatisticsRecordList *m_records;
    QButtonGroup *m_kinds;
    TFelulirForm *m_confirmation = nullptr;
    int m_kind = 1;
    bool m_updating = false;
};
