#pragma once

#include <QDialog>

class CaseRecord;
class FlashPanel;
class MotraError;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// "Eredmények előkészítése statisztikai feldolgozásra": appends the current questionnaire
// to an existing statistics file of its kind or to a new one.
class TStatForm : public QDialog
{
    Q_OBJECT
public:
    explicit TStatForm(CaseRecord &record, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // ". . . létező fájlhoz"
    QRadioButton *RadioButton2 = nullptr; // ". . . vagy új fájlt létesíthet"
    QListWidget *FileListBox1 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label3 = nullptr;
    FlashPanel *Panel3 = nullptr;
    QPushButton *BitBtn1 = nullptr; // "&csatol"
    QPushButton *BitBtn3 = nullptr; // "&mégse"
    QPushButton *BitBtn2 = nullptr; // "&súgó"
    QTimer *Timer1 = nullptr;

    // The file list's mask ("*.DA1", "*.DA2", "*.DA3"), set by the caller before showing.
    void setFileMask(const QString &mask);
    QString fileMask() const { return m_mask; }
    // ".da1", ".da2" or ".da3" by the record's CurrentKind (set at activation).
    QString extension() const { return m_extension; }

    void FormActivate();
    void RadioButton1Click();
    void RadioButton2Click();
    void Edit1Change();
    void FileListBox1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void Timer1Timer();
    void ShowFlashWarning(const QString &message);

    // Re-reads the statistics folder with the mask.
    void refreshFileList();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The controls: made just after the main window has first been shown, or when first needed.
    void buildControls();
    void checkChosenFile();
    void checkNewName();
    QString chosenFile() const;
    bool nameIsListed(const QString &fileName) const;
    // Shows a core failure; the dialog stays open.
    void report(const MotraError &error);

    CaseRecord &m_record;
    QString m_mask = QStringLiteral("*.DA1");
    QString m_extension = QStringLiteral(".da1");
    bool m_fixingName = false;
};
