#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The short note after "F&rissítés" in the link dialog mock; "rendben" closes it and the
// link dialog mock with it (the note is accepted, which the mock takes as its own close).
class TEzAzForm : public QDialog
{
    Q_OBJECT
public:
    explicit TEzAzForm(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Image1;
    QPushButton *BitBtn1; // "rendben"

    void BitBtn1Click();
};
