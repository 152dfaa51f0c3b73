#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// A look-alike of the word processor's link dialog that shows the user what to do: the
// linked files, the one button that matters ("F&rissítés") and the instructions, whose
// edits are kept in the help folder.
class TCsatDiagForm : public QDialog
{
    Q_OBJECT
public:
    explicit TCsatDiagForm(QWidget *parent = nullptr);

    // The closing note that "F&rissítés" shows.
    void setClosingNote(QDialog *note) { m_closingNote = note; }

    QLabel *Label1; // "Forrásfájl"
    QLabel *Label2; // "Típus"
    QListWidget *ListBox1;
    QPushButton *Button1; // "OK"
    QPushButton *Button2; // "mégse"
    QPushButton *Button3; // "F&rissítés"
    QPushButton *Button4; // "Megnyitás"
    QPushButton *Button5; // "Forrásváltás"
    QPushButton *Button6; // "Leválasztás"
    QPlainTextEdit *Memo1;

    // Loads the instructions (a failure is reported, the memo stays empty) and selects the
    // first list line.
    void FormActivate();
    // Saves the memo's lines to "help\csat.txt".
    void Memo1Change();
    // Shows the closing note; its "rendben" closes this window too.
    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QDialog *m_closingNote = nullptr;
    bool m_loading = false;
    bool m_saveFailureShown = false;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
