#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// Overwrite confirmation ("Fontos figyelmeztetés !"). The caller puts the file name into
// Label2, shows the dialog and reads Confirmed.
class TFelulirForm : public QDialog
{
    Q_OBJECT
public:
    explicit TFelulirForm(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1; // "Ön felülírja a következő fájlt:"
    QLabel *Label2; // the file name, every character shown literally
    QPushButton *BitBtn1; // "Mégse"
    QPushButton *BitBtn2; // "Igen, felülírom"

    // True only when "Igen, felülírom" was pressed during the last showing.
    bool Confirmed = false;
    // Run by "Mégse" before closing: the maintenance window reloads its file.
    std::function<void()> onCancel;

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

    // Puts the file name into Label2, shows the dialog modally, returns Confirmed.
    bool confirmOverwrite(const QString &fileName);

protected:
    void showEvent(QShowEvent *event) override;
};
