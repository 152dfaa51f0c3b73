#pragma once

#include <QDialog>

class CaseRecord;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

// The word-processor report window: the steps to follow in the word processor, the name to
// save the new document under (put on the clipboard) and the start of the word processor
// with a new document from the installed template. Its menu bar imitates the word
// processor's; only the link command does something.
class TWordCsatForm : public QDialog
{
    Q_OBJECT
public:
    explicit TWordCsatForm(CaseRecord &record, QWidget *parent = nullptr);

    // The link dialog mock that "&Csatolások . . ." shows.
    void setLinkDialog(QDialog *dialog) { m_linkDialog = dialog; }

    QMenuBar *MainMenu1;
    QMenu *Fjl1; // "&Fájl"
    QMenu *Szerkeszts1; // "S&zerkesztés"
    QMenu *Nzet1; // "&Nézet"
    QMenu *Beszrs1; // "&Beszúrás"
    QMenu *Formtum1; // "Formá&tum"
    QAction *Csatolsok1; // "&Csatolások . . ."
    QLabel *Image1;
    QLabel *Label1; // "Teendők a WORD-del"
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1; // "indulhat a WORD"
    QPushButton *BitBtn2; // "mégse"
    QLineEdit *Edit1; // hidden: the clipboard goes through it

    // Loads the instructions; a file that cannot be read is reported and leaves the memo empty.
    void FormActivate();
    // Document name on the clipboard, the template to the desktop, then closes.
    void BitBtn1Click();
    void BitBtn2Click();
    void Csatolsok1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    CaseRecord &m_record;
    QDialog *m_linkDialog = nullptr;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
