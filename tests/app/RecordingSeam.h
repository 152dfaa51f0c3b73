#pragma once

#include "ui/ModalSeam.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

// Stands in for every modal showing during a test: records the dialogs and messages and
// returns at once.
class RecordingSeam : public ModalSeam
{
public:
    RecordingSeam() { ModalSeam::install(this); }
    ~RecordingSeam() override { ModalSeam::install(nullptr); }

    QList<QDialog *> dialogs;
    QStringList messages;
    // Runs "while the dialog is up"; its value is the dialog's result.
    std::function<int(QDialog *)> onExec;

    QAction *popupMenu(QMenu *, const QPoint &) override { return nullptr; }
    int execDialog(QDialog *dialog) override
    {
        dialogs << dialog;
        return onExec ? onExec(dialog) : int(QDialog::Accepted);
    }
    void showMessage(QWidget *, const QString &text) override { messages << text; }
    bool askYesNo(QWidget *, const QString &) override { return false; }
    void openDocument(const QString &) override { }
};
