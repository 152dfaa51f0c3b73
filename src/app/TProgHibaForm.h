#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "Programinfó!!!": a three-line notice with one button, for rules that need more words
// than a message box line.
class TProgHibaForm : public QDialog
{
    Q_OBJECT
public:
    explicit TProgHibaForm(QWidget *parent = nullptr);
    ~TProgHibaForm() override;

    QFrame *Panel1;
    QLabel *Image1;
    QLabel *Sor1;
    QLabel *Sor2;
    QLabel *Sor3;
    QPushButton *OKButton; // "&rendben"

    void OKButtonClick();
    // Writes the three lines into Sor1..Sor3 and shows the window modally.
    void showInfo(const QString &line1, const QString &line2, const QString &line3);

    // The instance the program created at start-up (the last one created), or nullptr.
    static TProgHibaForm *shared();
};

// Shows the three lines in the program information dialog; returns when it is closed.
void ShowProgramInfo(const QString &line1, const QString &line2, const QString &line3);
