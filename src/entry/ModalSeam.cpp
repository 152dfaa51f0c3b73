#include "entry/ModalSeam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

static ModalSeam *installedSeam = nullptr;

QAction *ModalSeam::popupMenu(QMenu *menu, const QPoint &screenPos)
{
    return menu->exec(screenPos);
}

int ModalSeam::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

void ModalSeam::showMessage(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool ModalSeam::askYesNo(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void ModalSeam::openDocument(const QString &hostPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(hostPath));
}

ModalSeam &ModalSeam::instance()
{
    static ModalSeam real;
    return installedSeam ? *installedSeam : real;
}

void ModalSeam::install(ModalSeam *seam)
{
    installedSeam = seam;
}
