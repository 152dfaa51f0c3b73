#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's one-button notice box ("MOTRA üzenet"). It widens itself to its message
// on every showing and keeps the button in the middle.
class TUzenetForm : public QDialog
{
    Q_OBJECT
public:
    explicit TUzenetForm(QWidget *parent = nullptr);
    ~TUzenetForm() override;

    QLabel *Image1;
    QLabel *Label1;
    QPushButton *Button1; // "rendben"

    // Puts the message into Label1 and lays the window out for it.
    void setMessage(const QString &message);
    // width := Label1's width + 80; button left := nearbyint(width / 2) - 40.
    void FormShow();
    void Button1Click();

    // Fills and shows the box modally; returns when it is closed.
    void showNotice(const QString &message);

    // The instance the program created at start-up (the last one created), or nullptr.
    static TUzenetForm *shared();

protected:
    void showEvent(QShowEvent *event) override;
};

// Shows the message in the program's notice box and returns when "rendben" is pressed.
void ShowNotice(const QString &message);
