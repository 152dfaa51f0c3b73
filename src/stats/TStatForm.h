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

    QLabel *Label1;
    QRadioButton *RadioButton1; // ". . . létező fájlhoz"
    QRadioButton *RadioButton2; // ". . . vagy új fájlt létesíthet"
    QListWidget *FileListBox1;
    QFrame *Panel1;
    QLabel *Label2;
    QLineEdit *Edit1;
    QLabel *Label3;
    FlashPanel *Panel3;
    QPushButton *BitBtn1; // "&csatol"
    QPushButton *BitBtn3; // "&mégse"
    QPushButton *BitBtn2; // "&súgó"
    QTimer *Timer1;

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
