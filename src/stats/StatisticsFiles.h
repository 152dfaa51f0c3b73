#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CaseRecord;

// Code, date, sex code, age and SlotValues[1..SlotCount] of CurrentKind, TAB separated,
// ended by CR LF; values rounded to four decimals, shortest form, the locale's decimal separator.
QString StatisticsLine(const CaseRecord &record);
// The same line in the code page of the files; a character it cannot hold throws
// MotraError naming `where`.
QByteArray statisticsLineBytes(const CaseRecord &record, const QString &where);
// "Kod\tDatum\tnem\tkor\tx_1\t...x_N" + CR LF for the kind's SlotCount.
QString StatisticsHeader(int kind);
// One slot value as a statistics line writes it: rounded to four decimals, no trailing
// zeros, decimalPoint as separator (2 -> "2", 7.5 -> "7,5", -0.00001 -> "0").
QString statisticsNumber(double value, const QString &decimalPoint);
// Appends text to a host file, creating it when missing.
void AppendText(const QString &hostFile, const QString &text);
// Appends the StatisticsLine of the current questionnaire to "c:\_halden\motra\stat\_sum.dat",
// preceded by the kind's StatisticsHeader when the file is new or its last line belongs to
// another questionnaire kind, so that every run of lines sits under its own header.
void AppendToSummaryFile(const CaseRecord &record);
// True when some record of the host file begins with the code as a statistics line stores
// it (TAB and line breaks made blank), compared case-sensitively with the text before the
// line's first TAB. A last line that no line end closes counts too.
bool CodeInStatisticsFile(const QString &code, const QString &hostFile);

// The per-questionnaire statistics files of "c:\_halden\motra\stat\".

// ".da1", ".da2" or ".da3"; empty for another kind.
QString statisticsExtension(int kind);
// "*.da1", "*.da2" or "*.da3" (file masks match without regard to letter case).
QString statisticsMask(int kind);
// The kind whose extension the file name has (any letter case), or 0.
int statisticsKindOfFile(const QString &fileName);
// The fixed path "c:\_halden\motra\stat\" + fileName.
QString statisticsFile(const QString &fileName);
// The names of the statistics folder's files matching the mask, sorted by name.
QStringList statisticsFiles(const QString &mask);
// True when the statistics folder holds a file of that name, in any letter case.
bool statisticsFileExists(const QString &fileName);

// A new file's name: at most 8 characters, each an English letter, a digit, "-" or "_".
constexpr int StatisticsNameMaxLength = 8;
bool isStatisticsNameCharacter(QChar c);
bool isValidStatisticsName(const QString &name);

// Appends the current questionnaire's StatisticsLine to an existing statistics file of the
// folder. False, writing nothing, when the file already holds a record of the code. A last
// line left without its line end by an interrupted append is closed first, so the new
// record always stands on a line of its own. Throws MotraError when reading or writing fails.
bool attachToStatisticsFile(const CaseRecord &record, const QString &fileName);
// Creates "c:\_halden\motra\stat\" + name + the kind's extension with the header and the
// current questionnaire's line, in one write. Throws MotraError for a name the rule does
// not allow, for a file that exists already, and when writing fails.
void createStatisticsFile(const CaseRecord &record, const QString &name);

// The lines of a statistics file as they stand. A last line that no line end closes is
// left by an interrupted write: it is kept apart and is not one of the lines.
struct StatisticsFileLines
{
    QStringList lines;
    bool partialLastLine = false;
    QString partialLine;

    bool operator==(const StatisticsFileLines &) const = default;
};
// Reads a host file through TextFile; throws MotraError (path and reason) on failure.
StatisticsFileLines readStatisticsFileLines(const QString &hostFile);
