#include "stats/StatisticsFiles.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <string>
#include <type_traits>
#include <cmath>

namespace {

const QLatin1String LineEnd("\r\n");

// A TAB or line break inside a text field would shift the columns or split the record.
QString fieldText(const QString &text)
{
    QString field = text;
    for (QChar &c : field) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return field;
}

// The kind whose line has this many TAB-separated fields (4 + SlotCount), or 0.
int kindOfFieldCount(qsizetype fields)
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (fields == 4 + kindInfo(kind).slotCount)
            return kind;
    }
    return 0;
}

struct SummaryTail
{
    bool empty = true; // missing or without content
    bool endsWithBreak = true; // last byte is CR or LF
    int lastKind = 0; // kind of the last line, 0 when unknown
};

// Looks only at the end of the summary file: it grows by one line per save.
SummaryTail readSummaryTail(const QString &hostFile)
{
    SummaryTail tail;
    QFile file(hostFile);
    // Not a regular file (a FIFO would block the open): the append itself refuses it.
    if (!QFileInfo(hostFile).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0)
        return tail;
    tail.empty = false;
    constexpr qint64 Window = 64 * 1024;
    const qint64 start = qMax<qint64>(0, file.size() - Window);
    file.seek(start);
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return tail;
    tail.endsWithBreak = bytes.endsWith('\n') || bytes.endsWith('\r');
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    const qsizetype lastBreak = qMax(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    if (lastBreak < 0 && start > 0)
        return tail; // a line longer than the window: kind unknown
    const QByteArray lastLine = bytes.mid(lastBreak + 1);
    if (lastLine.isEmpty())
        return tail;
    tail.lastKind = kindOfFieldCount(lastLine.count('\t') + 1);
    return tail;
}

bool lineHasCode(QStringView line, const QString &stored)
{
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    return (tab < 0 ? line : line.left(tab)) == stored;
}

bool codeInLines(const QString &code, const StatisticsFileLines &file)
{
    // A line holds the code as fieldText made it; the typed code would never match a code
    // with a TAB or a line break in it, and such an examination could be attached twice.
    const QString stored = fieldText(code);
    // A last line without its line end may be a whole record (a file edited by hand) or a
    // record cut short after its code: either way the code is in the file, and attaching
    // it again could only make a second record of it.
    if (file.partialLastLine && lineHasCode(file.partialLine, stored))
        return true;
    return std::any_of(
        file.lines.cbegin(), file.lines.cend(), [&](const QString &line) { return lineHasCode(line, stored); });
}

} // namespace

QString statisticsNumber(double value, const QString &decimalPoint)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // Whole numbers are the common case (answers, T-scores).
    if (value == std::nearbyint(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    QString text = QString::number(value, 'f', 4);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        qsizetype end = text.size();
        while (end > point + 1 && text[end - 1] == QLatin1Char('0'))
            --end;
        if (end == point + 1)
            --end;
        text.truncate(end);
        if (end > point)
            text.replace(point, 1, decimalPoint);
    }
    // -0.00001 rounds to zero; its sign means nothing.
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

namespace {

// The line is built once for both forms: text for the files the program appends to, and
// bytes in the code page for a batch that writes them out directly.
template<typename Line, typename AppendText> Line buildStatisticsLine(const CaseRecord &record, AppendText appendText)
{
    const QString decimalPoint = QLocale().decimalPoint();
    const int count = qBound(0, record.SlotCount, SlotArraySize);
    Line line;
    line.reserve(64 + size_t(count) * 6);
    const auto appendAscii = [&](const char *text, qsizetype length) {
        if constexpr (std::is_same_v<Line, QString>)
            line.append(QLatin1StringView(text, length));
        else
            line.append(text, size_t(length));
    };
    const auto appendNumber = [&](qint64 number) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, number);
        appendAscii(digits, written.ptr - digits);
    };
    appendText(line, fieldText(record.Personal.ChildCode));
    appendAscii("\t", 1);
    appendText(line, fieldText(record.Personal.ExamDate));
    appendAscii("\t", 1);
    appendNumber(record.Personal.SexCode());
    appendAscii("\t", 1);
    appendNumber(record.Personal.Age);
    for (int slot = 1; slot <= count; ++slot) {
        appendAscii("\t", 1);
        const double value = record.SlotValues[slot];
        // Whole numbers, nearly every value of a line, are written without a string of their own.
        if (value == std::nearbyint(value) && std::fabs(value) < 1e15)
            appendNumber(qint64(value));
        else
            appendText(line, statisticsNumber(value, decimalPoint));
    }
    appendAscii("\r\n", 2);
    return line;
}

// A last line without its line end, left by a crash of an older version or by a hand edit:
// it stays as it is, the new line starts on a line of its own, and the user hears of it.
void reportCutLastLine(const QString &hostFile)
{
    TextFile::reportNotice(QStringLiteral("A(z) \"%1\" fájl utolsó sora nem ér véget sorvéggel: egy korábbi, "
                                          "félbeszakadt írás csonka sora lehet. Az új sort külön sorba írom; a "
                                          "csonka sort kérem, ellenőrizze.")
                               .arg(shownPath(hostFile)));
}

} // namespace

QString StatisticsLine(const CaseRecord &record)
{
    return buildStatisticsLine<QString>(record, [](QString &line, const QString &text) { line += text; });
}

QByteArray statisticsLineBytes(const CaseRecord &record, const QString &where)
{
    // Built in a standard string, whose appends of a few characters are cheap.
    const std::string line = buildStatisticsLine<std::string>(record, [&](std::string &into, const QString &text) {
        const QByteArray bytes = TextFile::encode(text, where);
        into.append(bytes.constData(), size_t(bytes.size()));
    });
    return QByteArray(line.data(), qsizetype(line.size()));
}

QString StatisticsHeader(int kind)
{
    const int count = kindInfo(kind).slotCount;
    QString header = QStringLiteral("Kod\tDatum\tnem\tkor\t");
    for (int k = 1; k <= count; ++k) {
        header += QStringLiteral("x_") + QString::number(k);
        header += k < count ? QStringLiteral("\t") : QString(LineEnd);
    }
    return header;
}

void AppendText(const QString &hostFile, const QString &text) { TextFile::appendText(hostFile, text); }

void AppendToSummaryFile(const CaseRecord &record)
{
    const QString file = hostPath(FixedPaths::SummaryStatFile);
    // A line cut short by an earlier killed append is rolled back before the end is looked at.
    TextFile::recoverInterruptedAppend(file);
    const SummaryTail tail = readSummaryTail(file);
    QString text;
    // A hand-edited file may lack its last line end; the new line must not run into it.
    if (!tail.empty && !tail.endsWithBreak) {
        reportCutLastLine(file);
        text += LineEnd;
    }
    if (tail.empty || tail.lastKind != record.CurrentKind)
        text += StatisticsHeader(record.CurrentKind);
    text += StatisticsLine(record);
    AppendText(file, text);
}

bool CodeInStatisticsFile(const QString &code, const QString &hostFile)
{
    return codeInLines(code, readStatisticsFileLines(hostFile));
}

QString statisticsExtension(int kind)
{
    return isValidKind(kind) ? QStringLiteral(".da") + QString::number(kind) : QString();
}

QString statisticsMask(int kind)
{
    return isValidKind(kind) ? QLatin1Char('*') + statisticsExtension(kind) : QString();
}

int statisticsKindOfFile(const QString &fileName)
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (fileName.endsWith(statisticsExtension(kind), Qt::CaseInsensitive))
            return kind;
    }
    return 0;
}

QString statisticsFile(const QString &fileName) { return FixedPaths::StatFolder + fileName; }

QStringList statisticsFiles(const QString &mask) { return matchingFiles(FixedPaths::StatFolderNoSlash, mask); }

bool statisticsFileExists(const QString &fileName)
{
    // matchingFiles compares without regard to letter case; a name holding mask characters
    // cannot be a file the program made, so it counts as taken rather than as a pattern.
    if (fileName.contains(QLatin1Char('*')) || fileName.contains(QLatin1Char('?'))
        || fileName.contains(QLatin1Char('[')))
        return true;
    return !statisticsFiles(fileName).isEmpty();
}

bool isStatisticsNameCharacter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_');
}

bool isValidStatisticsName(const QString &name)
{
    return !name.isEmpty() && name.size() <= StatisticsNameMaxLength
        && std::all_of(name.begin(), name.end(), isStatisticsNameCharacter);
}

bool attachToStatisticsFile(const CaseRecord &record, const QString &fileName)
{
    const QString path = hostPath(statisticsFile(fileName));
    // A line cut short by an earlier killed append is rolled back before the file is read.
    TextFile::recoverInterruptedAppend(path);
    // Read again: the file may have changed since it was chosen.
    const StatisticsFileLines file = readStatisticsFileLines(path);
    if (codeInLines(record.Personal.ChildCode, file))
        return false;
    QString text;
    if (file.partialLastLine) {
        reportCutLastLine(path);
        text += LineEnd;
    }
    text += StatisticsLine(record);
    AppendText(path, text);
    return true;
}

void createStatisticsFile(const CaseRecord &record, const QString &name)
{
    const QString fileName = name + statisticsExtension(record.CurrentKind);
    if (!isValidStatisticsName(name) || !isValidKind(record.CurrentKind))
        throw MotraError(QStringLiteral("A(z) \"%1\" név nem lehet statisztikai fájl neve: legfeljebb %2 karakter, "
                                        "az angol ABC betűi, számjegyek, kötőjel és aláhúzásjel.")
                             .arg(name)
                             .arg(StatisticsNameMaxLength));
    if (statisticsFileExists(fileName))
        throw MotraError(
            QStringLiteral("A(z) \"%1\" fájl már létezik; új fájlként nem hozom létre.").arg(statisticsFile(fileName)));
    // Header and first line in one write, so a failure cannot leave a file that has a
    // header and no line.
    AppendText(hostPath(statisticsFile(fileName)), StatisticsHeader(record.CurrentKind) + StatisticsLine(record));
}

StatisticsFileLines readStatisticsFileLines(const QString &hostFile)
{
    StatisticsFileLines result;
    result.lines = TextFile::readLines(hostFile);
    if (result.lines.isEmpty())
        return result;
    // The lines do not tell whether the last one had its line end; its last byte does.
    QFile file(hostFile);
    char last = '\n';
    if (!file.open(QIODevice::ReadOnly) || file.size() < 1 || !file.seek(file.size() - 1) || !file.getChar(&last))
        throw MotraError::ioError(hostFile, file.errorString());
    if (last != '\n' && last != '\r') {
        result.partialLastLine = true;
        result.partialLine = result.lines.takeLast();
    }
    return result;
}
