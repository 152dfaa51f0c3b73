#include "app/MotraApplication.h"
#include "app/StartupProbe.h"
#include "app/TMainForm.h"
#include "ui/DeferredBuild.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("motra"));
    // The desktop entry and icon of the installed program (MOTRA_APP_ID: see packaging/).
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTRA_APP_ID));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    MotraApplication motra(arguments, MotraApplication::Start::ShowFirst);
    StartupProbe::watch(motra.mainForm());
    motra.show();
    // Looking the icon up in the desktop's icon theme takes longer than showing the window.
    DeferredBuild::afterFirstPaint(
        motra.mainForm(), [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MOTRA_APP_ID))); });
    return app.exec();
}
