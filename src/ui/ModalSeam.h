#pragma once

#include <QPoint>
#include <QString>

class QAction;
class QDialog;
class QMenu;
class QWidget;

// Everything a window would show modally goes through this seam: popup menus, the
// program's own dialogs, message boxes, questions and the desktop's document opener.
// The program uses the real implementation; tests install their own so that no handler
// ever blocks on a nested event loop.
class ModalSeam
{
public:
    virtual ~ModalSeam() = default;

    // Pops the menu up at a screen point; the chosen action, or nullptr when dismissed.
    virtual QAction *popupMenu(QMenu *menu, const QPoint &screenPos);
    // Shows one of the program's windows modally and returns its result code.
    virtual int execDialog(QDialog *dialog);
    // Standard message box with one OK button.
    virtual void showMessage(QWidget *parent, const QString &text);
    // Yes/No confirmation box; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text);
    // Opens a host file with the desktop's default application (browser, word processor).
    virtual void openDocument(const QString &hostPath);

    static ModalSeam &instance();
    // Installs a replacement (tests); nullptr restores the real one. Not owned.
    static void install(ModalSeam *seam);
};
