#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class TMegnyitForm;

// The recently modified examinations, newest first, from last.mod. Choosing one draws its
// lines and profile into the open dialog's preview; single entries or the whole list can
// be deleted.
class TLastEdForm : public QDialog
{
    Q_OBJECT
public:
    explicit TLastEdForm(QWidget *parent = nullptr);

    // The open dialog whose preview this window draws into.
    void setOpenForm(TMegnyitForm *openForm) { m_openForm = openForm; }

    // The entries as shown, newest first.
    QStringList shownEntries() const;

    QListWidget *ListBox1 = nullptr;
    QPushButton *CloseButton = nullptr; // "bezár"
    QPushButton *HelpButton = nullptr; // "&súgó"
    QPushButton *DeleteListButton = nullptr; // "töröld a listát!"
    QPushButton *DeleteRowButton = nullptr; // "töröld a kijelölt sort!"

public slots:
    void FormActivate();
    void ListBox1Click(int row);
    void DeleteRowClick();
    void DeleteListClick();
    void HelpClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The controls: made just after the main window has first been shown, or when first needed.
    void buildControls();
    void message(const QString &text);

    TMegnyitForm *m_openForm = nullptr;
};
