#include "app/CliCommands.h"
#include "app/CliOutput.h"
#include "app/CliSupport.h"
#include "case/HostPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringConverter>

#include <exception>
#include <memory>
#include <unistd.h>

static const char *const Usage = "használat:\n"
                                 "  motra-cli score FÁJL.mtr\n"
                                 "  motra-cli report FÁJL.mtr -o KIMENET.htm [--parent] [--teacher] [--self-report]\n"
                                 "  motra-cli chart FÁJL.mtr FAJTA MÓD -o KIMENET.bmp\n"
                                 "  motra-cli stats [--threads N] FAJTA FÁJL_VAGY_MAPPA...\n"
                                 "  motra-cli --help\n";

static const char *const HelpIntro
    = "A MOTRA parancssori eszköze: esetfájlok pontozása, jegyzőkönyv, diagram és statisztika készítése\n"
      "a MOTRA_ROOT alatti telepítés norma- és skálafájljaival.\n"
      "telepítés: $MOTRA_ROOT, különben $XDG_DATA_HOME/motra/c\n"
      "a fájlok a program saját útvonalával is megadhatók (c:\\_halden\\motra\\archivum\\X.mtr)\n";

static const char *const HelpCommands
    = "\n"
      "  score FÁJL.mtr        a három kérdőív nyers- és T-pontjai soronként\n"
      "  report FÁJL.mtr -o KIMENET.htm [--parent] [--teacher] [--self-report]\n"
      "                        a HTML jegyzőkönyv (kapcsoló nélkül mindhárom kérdőívvel)\n"
      "  chart FÁJL.mtr FAJTA MÓD -o KIMENET.bmp\n"
      "                        egy kérdőív profildiagramja (FAJTA: 1 szülői, 2 tanári, 3 önértékelő;\n"
      "                        MÓD: 1 színes oszlop, 2 fekete-fehér vonal, 3 fekete-fehér oszlop)\n"
      "  stats [--threads N] FAJTA FÁJL_VAGY_MAPPA...\n"
      "                        esetfájlok statisztikai sorai a szabványos kimenetre, a fájlok sorrendjében;\n"
      "                        nagy archívumot a gép minden magján dolgoz fel (--threads: ennyi szálon)\n"
      "\n"
      "Kilépési kódok:\n"
      "  0  minden kért kimenet hiánytalanul elkészült\n"
      "  1  váratlan hiba (például elfogyott a memória)\n"
      "  2  hibás parancssor: ismeretlen parancs, kapcsoló, fajta vagy mód, hiányzó argumentum\n"
      "  3  egy bemenet nem olvasható vagy nem pontozható (esetfájl, norma- vagy skálafájl, diagram\n"
      "     háttérképe); ami elkészíthető volt, az elkészült, a hibát a szabványos hibakimenet írja le\n"
      "  4  egy kimenet nem írható ki hiánytalanul (a -o fájl vagy a szabványos kimenet); ez erősebb a 3-nál\n";

static QtMessageHandler platformHandler = nullptr;

// A console session often has no runtime folder; Qt then takes one of its own and says so
// on every chart. That is no news to the user of the tool, so only that line is dropped.
static void withoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (platformHandler)
        platformHandler(type, context, message);
}

// The installation rule of the help text, applied to this run's environment.
static QString installationLine()
{
    const QFileInfo root(motraRoot());
    return QStringLiteral("a telepítés helye most: %1%2\n")
        .arg(root.absoluteFilePath(), root.isDir() ? QString() : QStringLiteral(" (ez a mappa nem létezik)"));
}

static bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("help");
}

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
        platformHandler = qInstallMessageHandler(withoutRuntimeFolderNotice);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Every write to standard output is checked: a full disk or a closed pipe must not end
    // in success.
    CliOutput standardOutput(STDOUT_FILENO);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        err << Usage;
        return ExitUsage;
    }
    const QString command = args.takeFirst();
    // Files may be named as the program shows them ("c:\_halden\motra\archivum\X.mtr") as
    // well as by their host paths; other arguments never start with a drive letter.
    for (QString &arg : args)
        arg = hostPath(arg);
    int status = ExitUsage;
    try {
        if (isHelp(command)) {
            out << Usage << '\n' << HelpIntro << installationLine() << HelpCommands;
            status = ExitSuccess;
        } else if (command == QLatin1String("score"))
            status = runScoreCommand(args, out, err);
        else if (command == QLatin1String("report"))
            status = runReportCommand(args, out, err);
        else if (command == QLatin1String("chart"))
            status = runChartCommand(args, out, err);
        else if (command == QLatin1String("stats"))
            status = runStatsCommand(args, out, err);
        else
            err << Usage;
    } catch (const std::exception &e) {
        err << "motra-cli " << command << ": váratlan hiba: " << e.what() << '\n';
        status = ExitUnexpected;
    }
    out.flush();
    if (standardOutput.failed()) {
        printCliError(err, isHelp(command) ? QStringLiteral("--help") : command,
            QStringLiteral("A kimenet nem írható ki hiánytalanul.\nFájl: szabványos kimenet\nOka: ")
                + standardOutput.failure());
        status = ExitWriteFailed;
    }
    err.flush();
    return status;
}
