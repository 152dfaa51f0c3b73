// The floor of start-up: a Qt Widgets program that shows one empty maximized window, built
// with the same Qt. With MOTRA_EXIT_WHEN_SHOWN set it ends as soon as the window has been
// painted, as the program does, so that bench_startup can time both the same way.
#include "app/StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    StartupProbe::watch(&window);
    window.showMaximized();
    return app.exec();
}
