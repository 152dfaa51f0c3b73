#include "app/CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringConverter>

#include <memory>

static const char *const Usage = "használat:\n"
                                 "  motra-cli score FÁJL.mtr\n"
                                 "  motra-cli report FÁJL.mtr -o KIMENET.htm [--parent] [--teacher] [--self-report]\n"
                                 "  motra-cli chart FÁJL.mtr FAJTA MÓD -o KIMENET.bmp\n"
                                 "  motra-cli stats FAJTA FÁJL_VAGY_MAPPA...\n"
                                 "telepítés: $MOTRA_ROOT, különben $XDG_DATA_HOME/motra/c\n";

int main(int argc, char *argv[])
{
    // Only chart lettering needs the font system of a GUI application; the other commands
    // stay plain console programs. The tool never opens a window, so it runs without a
    // display unless told otherwise.
    const bool drawsCharts = argc > 1 && qstrcmp(argv[1], "chart") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawsCharts) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << Usage;
        return 2;
    }
    const QString command = args.takeFirst();
    int status = 2;
    if (command == QLatin1String("score"))
        status = runScoreCommand(args, out, err);
    else if (command == QLatin1String("report"))
        status = runReportCommand(args, out, err);
    else if (command == QLatin1String("chart"))
        status = runChartCommand(args, out, err);
    else if (command == QLatin1String("stats"))
        status = runStatsCommand(args, out, err);
    else
        err << Usage;
    out.flush();
    err.flush();
    return status;
}
