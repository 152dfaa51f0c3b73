#include "app/MotraApplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("motra"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    MotraApplication motra(arguments);
    motra.show();
    return app.exec();
}
