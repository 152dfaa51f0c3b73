#include "app/CliCommands.h"

#include "app/CliSupport.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "charts/ProfileChart.h"

static const char *const ChartUsage = "használat: motra-cli chart FÁJL.mtr FAJTA MÓD -o KIMENET.bmp\n"
                                      "  FAJTA: 1 szülői, 2 tanári, 3 önértékelő kérdőív\n"
                                      "  MÓD: 1 színes oszlopdiagram, 2 fekete-fehér vonaldiagram, "
                                      "3 fekete-fehér oszlopdiagram\n";

// A whole decimal number within [low, high], or 0.
static int numberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed() == text ? text.toInt(&ok, 10) : 0;
    return ok && value >= low && value <= high ? value : 0;
}

// motra-cli chart FILE.mtr KIND MODE -o OUT.bmp: scores one questionnaire of a case file
// with the installation under MOTRA_ROOT and writes its profile chart as a Windows bitmap.
// A scoring failure is reported (exit code 3) and the chart shows the scores the file held.
int runChartCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    QStringList positional;
    QString output;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o")) {
            if (i + 1 >= args.size() || !output.isEmpty()) {
                err << ChartUsage;
                return ExitUsage;
            }
            output = args[++i];
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 3 || output.isEmpty()) {
        err << ChartUsage;
        return ExitUsage;
    }
    const int kind = numberIn(positional[1], Parent, SelfReport);
    const int mode = numberIn(positional[2], ColouredBars, BlackWhiteBars);
    if (kind == 0 || mode == 0) {
        err << ChartUsage;
        return ExitUsage;
    }

    const QString command = QStringLiteral("chart");
    const QString &caseFile = positional[0];
    CaseRecord record;
    if (!readCaseForCli(record, caseFile, command, err))
        return ExitBadInput;
    // A questionnaire that cannot be scored is drawn with the scores the file holds.
    const int status = scoreForCli(record, kind, caseFile, command, err).isEmpty() ? ExitSuccess : ExitBadInput;
    QImage image;
    try {
        image = DrawProfile(record, kind, mode);
    } catch (const MotraError &error) {
        printCliError(err, command, error.message());
        return ExitBadInput; // the background of the installation
    }
    try {
        saveChartBitmap(image, output);
    } catch (const MotraError &error) {
        printCliError(err, command, error.message());
        return ExitWriteFailed;
    }
    return status;
}
