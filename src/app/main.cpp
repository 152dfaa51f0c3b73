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
    // single step before the locked window can show text, and nothing else needs it until the
    // first window is laid out: it runs beside the start instead of in it. Qt's own call finds
    // the configuration ready (fontconfig sets it up once, safely from any thread).
    std::thread fontConfiguration([] { FcInit(); });
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
    const int result = app.exec();
    fontConfiguration.join();
    return result;
}
