#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;

// "program-jelszó változtatás": changes the program password. Three pages: the entry
// page, the confirmation and the refusal.
class TPwForm : public QDialog
{
    Q_OBJECT
public:
    // programPassword is the running program's ProgramPassword; a valid change updates it.
    explicit TPwForm(QString &programPassword, QWidget *parent = nullptr);

    QStackedWidget *PageControl1;
    QWidget *TabSheet1; // entry
    QWidget *TabSheet2; // "A jelszóváltozás érvénybe lépett"
    QWidget *TabSheet3; // "A jelszóváltozás érvénytelen!!!"
    QLabel *Label1; // the rule
    QLineEdit *Edit1; // old
    QLineEdit *Edit2; // new
    QLineEdit *Edit3; // confirmation
    QPushButton *KeszButton;
    QPushButton *RendbenButton1;
    QPushButton *RendbenButton2;

    // Opening: checks the password file, empties the fields, shows the entry page.
    void FormShow();
    void Edit1Change();
    void KeszButtonClick();
    void RendbenButtonClick();

    bool fileUsable() const { return m_fileUsable; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString &m_programPassword;
    bool m_fileUsable = false;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
