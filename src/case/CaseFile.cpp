#include "case/CaseFile.h"

#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/Untraced.h"

#include <QVarLengthArray>

#include <array>
#include <cstring>

namespace {

const QString YesText = QStringLiteral("yes");
const QString NoText = QStringLiteral("no");
const QString OpinionTag = QStringLiteral("vélemény");

// Start tags of the three answer sets, in file order.
const std::array<QString, 3> SectionTags
    = {QStringLiteral("szülői"), QStringLiteral("tanári"), QStringLiteral("önértékelő")};
// The yes/no lines written after the personal data; this program never reads them back.
const std::array<QString, 3> YesNoTags
    = {QStringLiteral("Szülői"), QStringLiteral("Tanári"), QStringLiteral("Önértékelő")};

QString tagLine(const QString &name, const QString &value)
{
    return QLatin1Char('<') + name + QLatin1Char('=') + value + QLatin1Char('>');
}

// A line break inside a field would shift every later line of the fixed layout, so the
// writer keeps each field on its line.
QString oneLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat;
}

// Rows 0..3 mirror the personal data and result rows hold scores: both are written bare.
bool isValueOnlyRow(const KindInfo &info, int row) { return row < 4 || row >= info.firstResultRow; }

// Both readers work on the file's bytes: the code page has one character per byte and its
// delimiters ("<", "=", ">", ";", line ends) are ASCII, so splitting the bytes splits the
// text alike, and only the pieces kept are decoded.

using ByteLines = QVarLengthArray<QByteArrayView, 1024>;

// Lines ended by CR LF, LF or CR, as TextFile::splitLines splits text. A plain loop, nearly
// every byte being above CR, is quicker here than a search call per line.
MOTRA_UNTRACED void splitByteLines(QByteArrayView bytes, ByteLines &lines)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char c = data[i];
        if (c > '\r' || (c != '\r' && c != '\n'))
            continue;
        lines.append(QByteArrayView(bytes.data() + start, i - start));
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QByteArrayView(bytes.data() + start, n - start));
}

MOTRA_UNTRACED bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

QString decodePiece(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes); // plain ASCII reads the same in the code page
    return TextFile::decode(bytes.toByteArray());
}

QString decodeShared(CaseTextPool &pool, QByteArrayView bytes) { return pool.get(bytes); }

QByteArray encoded(const QString &text) { return TextFile::encode(text, QString()); }

// The tag names, in the file's code page.
struct TagNames
{
    QByteArray neve = encoded(QStringLiteral("Neve"));
    QByteArray kodja = encoded(QStringLiteral("Kódja"));
    QByteArray neme = encoded(QStringLiteral("Neme"));
    QByteArray kora = encoded(QStringLiteral("Kora"));
    QByteArray vv = encoded(QStringLiteral("Vv"));
    QByteArray datum = encoded(QStringLiteral("Dátum"));
    QByteArray oka = encoded(QStringLiteral("Oka"));
    QByteArray opinion = encoded(OpinionTag);
    std::array<QByteArray, 3> sections = {encoded(SectionTags[0]), encoded(SectionTags[1]), encoded(SectionTags[2])};
    std::array<QByteArray, 3> yesNo = {encoded(YesNoTags[0]), encoded(YesNoTags[1]), encoded(YesNoTags[2])};
};

const TagNames &tagNames()
{
    static const TagNames names;
    return names;
}

// ---- Files of other origin: read by their tags -------------------------------------------

struct TagLine
{
    bool valid = false;
    QByteArrayView name;
    QByteArrayView value;
};

TagLine parseTagLine(QByteArrayView line)
{
    TagLine tag;
    if (!line.startsWith('<'))
        return tag;
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return tag;
    tag.valid = true;
    tag.name = line.sliced(1, equals - 1);
    // The value runs to the next ">"; without one it runs to the end of the line.
    const qsizetype close = line.indexOf('>', equals + 1);
    tag.value = close < 0 ? line.sliced(equals + 1) : line.sliced(equals + 1, close - equals - 1);
    return tag;
}

void readSection(AnswerSet &set, const ByteLines &lines, int start, int end, bool withLabels, CaseTextPool &pool)
{
    const KindInfo &info = kindInfo(set.kind());
    QVector<QString> values = set.values();
    QVector<QString> labels = set.labels();
    bool changed = false;
    for (int row = 0; row < set.size(); ++row) {
        const int lineIndex = start + 1 + row;
        if (lineIndex >= end || lineIndex >= lines.size())
            break;
        const QByteArrayView line = lines[lineIndex];
        const qsizetype equals = line.indexOf('=');
        values[row] = decodeShared(pool, equals < 0 ? line : line.first(equals));
        if (withLabels && row < info.firstResultRow) {
            const qsizetype semicolon = equals < 0 ? -1 : line.indexOf(';', equals + 1);
            labels[row]
                = semicolon < 0 ? QString() : decodeShared(pool, line.sliced(equals + 1, semicolon - equals - 1));
        }
        changed = true;
    }
    if (changed)
        set.assign(values, labels);
}

void readTaggedFile(CaseRecord &record, const ByteLines &lines, int onlyKind, CaseTextPool &pool)
{
    const TagNames &names = tagNames();
    // A missing start tag counts as found on line 0.
    std::array<int, 3> sectionStart = {0, 0, 0};
    int opinionStart = 0;

    PersonalData &personal = record.Personal;
    for (int index = 0; index < lines.size(); ++index) {
        const TagLine tag = parseTagLine(lines[index]);
        if (!tag.valid)
            continue;
        const QByteArrayView name = tag.name;
        if (name == names.neve) {
            personal.ChildName = decodePiece(tag.value);
        } else if (name == names.kodja) {
            personal.ChildCode = decodePiece(tag.value);
        } else if (name == names.vv) {
            personal.Examiner = decodePiece(tag.value);
        } else if (name == names.datum) {
            personal.ExamDate = decodePiece(tag.value);
        } else if (name == names.oka) {
            personal.ExamReason = decodePiece(tag.value);
        } else if (name == names.kora) {
            personal.Age = toIntOrThrow(decodePiece(tag.value));
        } else if (name == names.neme) {
            const int sex = toIntOrThrow(decodePiece(tag.value));
            if (sex == 1)
                personal.IsBoy = true;
            else if (sex == 2)
                personal.IsBoy = false;
        } else if (name == names.opinion) {
            // The opinion is the file's last part and free text: a line of it that looks
            // like a tag must not overwrite the personal data or move a section.
            opinionStart = index;
            break;
        } else if (tag.value.isEmpty()) {
            for (int section = 0; section < 3; ++section) {
                if (name == names.sections[section])
                    sectionStart[section] = index;
            }
        }
    }

    const std::array<int, 3> sectionEnd = {sectionStart[1], sectionStart[2], opinionStart};
    if (onlyKind != 0) {
        readSection(record.answers(onlyKind), lines, sectionStart[onlyKind - 1], sectionEnd[onlyKind - 1], false, pool);
        return;
    }
    for (int kind = Parent; kind <= SelfReport; ++kind)
        readSection(record.answers(kind), lines, sectionStart[kind - 1], sectionEnd[kind - 1], true, pool);
    // Without an opinion tag everything after line 0 counts as opinion; its repeated short
    // lines share one text each.
    QStringList opinion;
    opinion.reserve(qMax<qsizetype>(0, lines.size() - opinionStart - 1));
    for (qsizetype index = opinionStart + 1; index < lines.size(); ++index)
        opinion.append(decodeShared(pool, lines[index]));
    record.Opinion = std::move(opinion);
}

// ---- Files this program wrote: read by position --------------------------------------------

// The tag lines of the layout, in the file's code page.
struct OwnLayoutTags
{
    QByteArray header = "<MOTRA=>";
    // "<Neve=" ... "<Oka=": the personal data of lines 1..10 (the yes/no lines are not read).
    std::array<QByteArray, 10> personal;
    std::array<QByteArray, 3> sections; // "<szülői=>" ...
    QByteArray opinion; // "<vélemény="
    std::array<int, 4> lines; // line of each section's tag and of the opinion tag

    OwnLayoutTags()
    {
        const std::array<QString, 10> names = {QStringLiteral("Neve"), QStringLiteral("Kódja"), QStringLiteral("Neme"),
            QStringLiteral("Kora"), YesNoTags[0], YesNoTags[1], YesNoTags[2], QStringLiteral("Vv"),
            QStringLiteral("Dátum"), QStringLiteral("Oka")};
        for (size_t i = 0; i < names.size(); ++i)
            personal[i] = TextFile::encode(QLatin1Char('<') + names[i] + QLatin1Char('='), QString());
        for (int section = 0; section < 3; ++section)
            sections[section]
                = TextFile::encode(QLatin1Char('<') + SectionTags[section] + QLatin1String("=>"), QString());
        opinion = TextFile::encode(QLatin1Char('<') + OpinionTag + QLatin1Char('='), QString());
        lines[0] = 1 + int(personal.size());
        for (int kind = Parent; kind <= SelfReport; ++kind)
            lines[kind] = lines[kind - 1] + 1 + kindInfo(kind).rowCount;
    }
};

const OwnLayoutTags &ownLayoutTags()
{
    static const OwnLayoutTags tags;
    return tags;
}

bool isTagLine(QByteArrayView line, const QByteArray &start)
{
    return line.size() > start.size() && line.startsWith(start) && line.endsWith('>');
}

// Whether the lines have exactly the layout caseFileLines writes: then every line is read by
// its position, so that a name or an answer typed as "<vélemény=...", "<Kora=..." or "a=b;c"
// comes back as it was typed instead of being taken for a tag or a separator.
bool hasOwnLayout(const ByteLines &lines)
{
    const OwnLayoutTags &tags = ownLayoutTags();
    if (lines.size() <= tags.lines[3] || lines[0] != tags.header)
        return false;
    for (size_t i = 0; i < tags.personal.size(); ++i) {
        if (!isTagLine(lines[qsizetype(i) + 1], tags.personal[i]))
            return false;
    }
    for (int section = 0; section < 3; ++section) {
        if (lines[tags.lines[section]] != tags.sections[section])
            return false;
    }
    return isTagLine(lines[tags.lines[3]], tags.opinion);
}

void readOwnSection(AnswerSet &set, const ByteLines &lines, int tagLine, bool withLabels, CaseTextPool &pool)
{
    const KindInfo &info = kindInfo(set.kind());
    // Every value is in the file: a new array, handed over whole. Result rows carry no label
    // in the file and keep theirs, as the tag scan leaves them.
    QVector<QString> values(set.size());
    QVector<QString> labels = withLabels ? set.labels() : QVector<QString>();
    for (int row = 0; row < set.size(); ++row) {
        const QByteArrayView line = lines[tagLine + 1 + row];
        if (isValueOnlyRow(info, row)) {
            values[row] = decodeShared(pool, line);
            if (withLabels && row < info.firstResultRow)
                labels[row] = QString();
            continue;
        }
        // value "=" label ";": the label is a menu caption's, which holds no "=".
        const qsizetype equals = line.endsWith(';') ? line.lastIndexOf('=') : -1;
        values[row] = decodeShared(pool, equals < 0 ? line : line.first(equals));
        if (withLabels)
            labels[row] = equals < 0 ? QString() : decodeShared(pool, line.sliced(equals + 1).chopped(1));
    }
    if (withLabels)
        set.assign(std::move(values), std::move(labels));
    else
        set.assign(std::move(values), set.labels());
}

void readOwnLayout(CaseRecord &record, const ByteLines &lines, int onlyKind, CaseTextPool &pool)
{
    const OwnLayoutTags &tags = ownLayoutTags();
    // Everything between the tag's "=" and the line's last ">".
    const auto value
        = [&](int line) { return decodePiece(lines[line].sliced(tags.personal[line - 1].size()).chopped(1)); };
    PersonalData &personal = record.Personal;
    // In the file's order, as the tag scan reads them: a sex or age that is not a number
    // stops the reading after the name and the code.
    personal.ChildName = value(1);
    personal.ChildCode = value(2);
    const int sex = toIntOrThrow(value(3));
    if (sex == 1)
        personal.IsBoy = true;
    else if (sex == 2)
        personal.IsBoy = false;
    personal.Age = toIntOrThrow(value(4));
    personal.Examiner = value(8);
    personal.ExamDate = value(9);
    personal.ExamReason = value(10);

    if (onlyKind != 0) {
        readOwnSection(record.answers(onlyKind), lines, tags.lines[onlyKind - 1], false, pool);
        return;
    }
    for (int kind = Parent; kind <= SelfReport; ++kind)
        readOwnSection(record.answers(kind), lines, tags.lines[kind - 1], true, pool);
    QStringList opinion;
    opinion.reserve(lines.size() - tags.lines[3] - 1);
    for (qsizetype line = tags.lines[3] + 1; line < lines.size(); ++line)
        opinion.append(decodePiece(lines[line]));
    record.Opinion = opinion;
}

} // namespace

QStringList caseFileLines(const CaseRecord &record)
{
    const PersonalData &personal = record.Personal;
    QStringList lines;
    lines.reserve(700 + record.Opinion.size());
    lines << QStringLiteral("<MOTRA=>");
    lines << tagLine(QStringLiteral("Neve"), oneLine(personal.ChildName));
    lines << tagLine(QStringLiteral("Kódja"), oneLine(personal.ChildCode));
    lines << tagLine(QStringLiteral("Neme"), QString::number(personal.SexCode()));
    lines << tagLine(QStringLiteral("Kora"), QString::number(personal.Age));
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const bool filled = record.answers(kind).valueText(kindInfo(kind).yesNoRow) != QLatin1String("-");
        lines << tagLine(YesNoTags[kind - 1], filled ? YesText : NoText);
    }
    lines << tagLine(QStringLiteral("Vv"), oneLine(personal.Examiner));
    lines << tagLine(QStringLiteral("Dátum"), oneLine(personal.ExamDate));
    lines << tagLine(QStringLiteral("Oka"), oneLine(personal.ExamReason));

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        const AnswerSet &set = record.answers(kind);
        lines << tagLine(SectionTags[kind - 1], QString());
        for (int row = 0; row < set.size(); ++row) {
            const QString value = oneLine(set.valueText(row));
            if (isValueOnlyRow(info, row))
                lines << value;
            else
                lines << value + QLatin1Char('=') + oneLine(set.answerLabel(row)) + QLatin1Char(';');
        }
    }

    lines << tagLine(OpinionTag, oneLine(personal.ChildCode));
    // An opinion line holding a line break is stored as the lines it shows.
    for (const QString &line : record.Opinion) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            lines << TextFile::splitLines(line + QLatin1Char('\n'));
        else
            lines << line;
    }
    return lines;
}

void writeCaseFileTo(const CaseRecord &record, const QString &hostFile)
{
    TextFile::writeLines(hostFile, caseFileLines(record));
}

void readCaseFile(CaseRecord &record, const QString &hostFile)
{
    readCaseFileBytes(record, TextFile::readBytes(hostFile));
}

void readCaseFileBytes(CaseRecord &record, const QByteArray &bytes, int onlyKind, CaseTextPool *pool)
{
    // Even one file repeats its answers ("0", "1", the labels) hundreds of times.
    std::unique_ptr<CaseTextPool> ownPool;
    if (!pool) {
        ownPool = std::make_unique<CaseTextPool>(61);
        pool = ownPool.get();
    }
    ByteLines lines;
    splitByteLines(bytes, lines);
    if (hasOwnLayout(lines))
        readOwnLayout(record, lines, onlyKind, *pool);
    else
        readTaggedFile(record, lines, onlyKind, *pool);
}

bool hasOwnCaseFileLayout(const QByteArray &bytes)
{
    ByteLines lines;
    splitByteLines(bytes, lines);
    return hasOwnLayout(lines);
}

// Answers and labels come from a small vocabulary ("0", "1", "-", the menu labels). A small
// direct-mapped table is enough: a clash only costs the work it would have cost anyway.
struct CaseTextPool::Slot
{
    qsizetype length = -1;
    char bytes[CaseTextPool::LongestShared];
    QString text;
};

CaseTextPool::CaseTextPool(int slotCount)
    : m_slotCount(quint32(qMax(1, slotCount))), m_slots(std::make_unique<Slot[]>(m_slotCount))
{ }

CaseTextPool::~CaseTextPool() = default;

QString CaseTextPool::get(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > LongestShared)
        return decodePiece(bytes);
    // Length and the bytes at both ends tell the vocabulary's texts apart well.
    const auto at = [&](qsizetype i) { return quint32(static_cast<unsigned char>(bytes[i])); };
    const qsizetype last = bytes.size() - 1;
    const quint32 hash = quint32(bytes.size()) * 0x9E3779B1u ^ at(0) * 0x85EBCA77u
        ^ at(qMin<qsizetype>(1, last)) * 0xC2B2AE3Du ^ at(last) * 0x27D4EB2Fu
        ^ at(qMax<qsizetype>(0, last - 1)) * 0x165667B1u;
    Slot &slot = m_slots[hash % m_slotCount];
    if (slot.length != bytes.size() || std::memcmp(slot.bytes, bytes.data(), size_t(bytes.size())) != 0) {
        slot.length = bytes.size();
        std::memcpy(slot.bytes, bytes.data(), size_t(bytes.size()));
        slot.text = decodePiece(bytes);
    }
    return slot.text;
}
