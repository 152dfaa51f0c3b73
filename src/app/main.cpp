#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("TMainForm"));
    window.setWindowTitle(QStringLiteral("Ostravine MOTRA"));
    window.showMaximized();
    return app.exec();
}
