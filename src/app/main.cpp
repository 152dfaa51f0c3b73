#include "app/MotraApplication.h"
#include "app/StartupProbe.h"
#include "app/TMainForm.h"
#include "ui/DeferredBuild.h"

#include <QApplication>
#include <QIcon>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char *argv[])
{
    // Loading the font configuration (a few dozen XML files and the font caches) is the longest
    // single step before the locked window can show text. Nothing needs it while Qt connects to
    // the display, so it runs beside that; the first window waits for it to be done, so the
    // configuration is never set up twice or from two threads at once.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("motra"));
    // The desktop entry and icon of the installed program (MOTRA_APP_ID: see packaging/).
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTRA_APP_ID));
    fontConfiguration.join();
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
