#include "ui/ModalSeam.h"

#include "ui/DeferredBuild.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>
#include <QVariant>

static ModalSeam *installedSeam = nullptr;

QAction *ModalSeam::popupMenu(QMenu *menu, const QPoint &screenPos) { return menu->exec(screenPos); }

int ModalSeam::execDialog(QDialog *dialog)
{
    DeferredBuild::runPendingOf(dialog);
    // A dialog opened from a stay-on-top window (the parent and self-report forms) must
    // come up above it, or it would sit hidden behind the window it blocks.
    const QWidget *active = QApplication::activeWindow();
    const bool onTop = active && active != dialog && active->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const char *const raisedMark = "motraRaisedOnTop";
    if (!dialog->isVisible()) {
        if (onTop && !dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            dialog->setProperty(raisedMark, true);
        } else if (!onTop && dialog->property(raisedMark).toBool()) {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, false);
            dialog->setProperty(raisedMark, false);
        }
    }
    // Qt on X11 counts the window frame twice when a dialog is shown again, so it would
    // come up lower right of where the user left it: put it back there ourselves.
    const char *const placeMark = "motraLastFramePosition";
    const QVariant last = dialog->property(placeMark);
    if (last.isValid() && !dialog->isVisible())
        dialog->move(last.toPoint());
    const int result = dialog->exec();
    dialog->setProperty(placeMark, dialog->pos());
    return result;
}

// Messages carry codes, names and file contents: shown as typed, never read as markup.
static int execPlainBox(
    QMessageBox::Icon icon, QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QStringLiteral("MOTRA"), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

void ModalSeam::showMessage(QWidget *parent, const QString &text)
{
    execPlainBox(QMessageBox::Information, parent, text, QMessageBox::Ok);
}

bool ModalSeam::askYesNo(QWidget *parent, const QString &text)
{
    return execPlainBox(QMessageBox::Question, parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ModalSeam::openDocument(const QString &hostPath) { QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath)); }

ModalSeam &ModalSeam::instance()
{
    static ModalSeam real;
    return installedSeam ? *installedSeam : real;
}

void ModalSeam::install(ModalSeam *seam) { installedSeam = seam; }
