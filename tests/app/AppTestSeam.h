#pragma once

#include "ui/ModalSeam.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QStringList>

#include <deque>
#include <functional>

// A modal seam for the program's window tests: it records every message, question,
// dialog, popup and opened document, answers questions from a script, and "shows" a
// dialog by showing it non-modally, running the test's handler and returning.
class AppTestSeam : public ModalSeam
{
public:
    AppTestSeam() { ModalSeam::install(this); }
    ~AppTestSeam() override { ModalSeam::install(nullptr); }

    QStringList messages;
    QStringList questions;
    QStringList dialogs; // object names, in showing order
    QStringList documents; // host paths
    QStringList popups; // object names of the menus popped up
    std::deque<bool> answers; // answers to questions, in order; No when empty
    std::function<void(QDialog *)> onDialog; // runs while the dialog is shown
    std::function<QAction *(QMenu *)> onPopup;

    QAction *popupMenu(QMenu *menu, const QPoint &) override
    {
        popups.append(menu->objectName());
        return onPopup ? onPopup(menu) : nullptr;
    }

    int execDialog(QDialog *dialog) override
    {
        dialogs.append(dialog->objectName());
        dialog->setResult(QDialog::Rejected);
        dialog->show();
        if (onDialog)
            onDialog(dialog);
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected); // the close box
        return dialog->result();
    }

    void showMessage(QWidget *, const QString &text) override { messages.append(text); }

    bool askYesNo(QWidget *, const QString &text) override
    {
        questions.append(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void openDocument(const QString &hostPath) override { documents.append(hostPath); }

    static QAction *actionByText(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
};
