#include "app/MotraApplication.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("MOTRA"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    MotraApplication motra(arguments);
    motra.show();
    return app.exec();
}
