#include "app/CliSupport.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/VisibleText.h"
#include "scoring/ScoringDriver.h"

namespace {

QString caseFileLine(const QString &caseFile)
{
    return QStringLiteral("Esetfájl: ") + VisibleText::showControls(shownPath(caseFile));
}

} // namespace

void printCliError(QTextStream &err, const QString &command, const QString &message)
{
    const QStringList lines = message.split(QLatin1Char('\n'));
    err << "motra-cli " << command << ": " << lines.first() << '\n';
    for (qsizetype i = 1; i < lines.size(); ++i)
        err << "  " << lines[i] << '\n';
}

bool readCaseForCli(CaseRecord &record, const QString &caseFile, const QString &command, QTextStream &err)
{
    try {
        readCaseFile(record, caseFile);
    } catch (const MotraError &error) {
        // A file failure names the file already; a value that does not convert does not.
        printCliError(err, command,
            error.cause() == MotraError::Cause::Other ? error.withLine(caseFileLine(caseFile)).message()
                                                      : error.message());
        return false;
    }
    return true;
}

QString scoreForCli(CaseRecord &record, int kind, const QString &caseFile, const QString &command, QTextStream &err)
{
    const QString prefix = kindInfo(kind).name + QStringLiteral(" kérdőív: ");
    record.setCurrentKind(kind);
    // Gathering first tells an answer of the case file that is not a number from a failure
    // of the scorer itself (a missing or damaged norm file).
    try {
        GatherSlotValues(record, kind);
    } catch (const MotraError &error) {
        printCliError(err, command, prefix + error.withLine(caseFileLine(caseFile)).message());
        return error.headline();
    }
    try {
        RunScoringCommand(record);
    } catch (const MotraError &error) {
        printCliError(err, command, prefix + error.message());
        return error.headline();
    }
    return QString();
}
