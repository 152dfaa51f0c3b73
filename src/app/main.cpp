#include "app/MotraApplication.h"
#include "app/StartupProbe.h"
#include "app/TMainForm.h"
#include "ui/DeferredBuild.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

#include <fontconfig/fontconfig.h>

#include <future>
#include <thread>

int main(int argc, char *argv[])
{
    // Loading the fonts (the font configuration's few dozen XML files and caches, then the list
    // of installed fonts) is the longest single step before the locked window can show text.
    // The configuration loads while Qt connects to the display; the first window waits for it,
    // so it is never set up twice or from two threads at once. Qt's font list is then filled
    // beside the making of the windows: the first one to need a font waits for the list.
    std::promise<void> applicationMade;
    std::promise<void> configurationLoaded;
    std::thread fonts([made = applicationMade.get_future(), &configurationLoaded] {
        FcInit();
        configurationLoaded.set_value();
        made.wait();
        (void)QFontDatabase::families();
    });
    QApplication app(argc, argv);
    applicationMade.set_value();
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("motra"));
    // The desktop entry and icon of the installed program (MOTRA_APP_ID: see packaging/).
    QGuiApplication::setDesktopFileName(QStringLiteral(MOTRA_APP_ID));
    configurationLoaded.get_future().wait();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    MotraApplication motra(arguments, MotraApplication::Start::ShowFirst);
    StartupProbe::watch(motra.mainForm());
    motra.show();
    // Looking the icon up in the desktop's icon theme takes longer than showing the window.
    DeferredBuild::afterFirstPaint(
        motra.mainForm(), [] { QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(MOTRA_APP_ID))); });
    const int result = app.exec();
    fonts.join();
    return result;
}
