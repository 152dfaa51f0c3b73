#include "app/CliCommands.h"

#include <QGuiApplication>
#include <QStringConverter>

static const char *const Usage =
    "használat:\n"
    "  motra-cli score FÁJL.mtr\n"
    "  motra-cli report FÁJL.mtr -o KIMENET.htm [--parent] [--teacher] [--self-report]\n"
    "  motra-cli chart FÁJL.mtr FAJTA MÓD -o KIMENET.bmp\n"
    "  motra-cli stats FAJTA FÁJL_VAGY_MAPPA...\n";

int main(int argc, char *argv[])
{
    // Chart lettering needs the font system of a GUI application; the tool never opens a
    // window, so it runs without a display unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = app.arguments().mid(1);
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
