#include "case/CaseFile.h"

#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

#include <array>

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

struct TagLine
{
    bool valid = false;
    QString name;
    QString value;
};

TagLine parseTagLine(const QString &line)
{
    TagLine tag;
    if (!line.startsWith(QLatin1Char('<')))
        return tag;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return tag;
    tag.valid = true;
    tag.name = line.mid(1, equals - 1);
    // The value runs to the next ">"; without one it runs to the end of the line.
    const qsizetype close = line.indexOf(QLatin1Char('>'), equals + 1);
    tag.value = close < 0 ? line.mid(equals + 1) : line.mid(equals + 1, close - equals - 1);
    return tag;
}

void readSection(AnswerSet &set, const QStringList &lines, int start, int end)
{
    const KindInfo &info = kindInfo(set.kind());
    QVector<QString> values = set.values();
    QVector<QString> labels = set.labels();
    bool changed = false;
    for (int row = 0; row < set.size(); ++row) {
        const int lineIndex = start + 1 + row;
        if (lineIndex >= end || lineIndex >= lines.size())
            break;
        const QString &line = lines[lineIndex];
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        values[row] = equals < 0 ? line : line.left(equals);
        if (row < info.firstResultRow) {
            const qsizetype semicolon = equals < 0 ? -1 : line.indexOf(QLatin1Char(';'), equals + 1);
            labels[row] = semicolon < 0 ? QString() : line.mid(equals + 1, semicolon - equals - 1);
        }
        changed = true;
    }
    if (changed)
        set.assign(values, labels);
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
    const QStringList lines = TextFile::readLines(hostFile);

    // A missing start tag counts as found on line 0.
    std::array<int, 3> sectionStart = {0, 0, 0};
    int opinionStart = 0;

    PersonalData &personal = record.Personal;
    for (int index = 0; index < lines.size(); ++index) {
        const TagLine tag = parseTagLine(lines[index]);
        if (!tag.valid)
            continue;
        const QString &name = tag.name;
        if (name == u"Neve") {
            personal.ChildName = tag.value;
        } else if (name == u"Kódja") {
            personal.ChildCode = tag.value;
        } else if (name == u"Vv") {
            personal.Examiner = tag.value;
        } else if (name == u"Dátum") {
            personal.ExamDate = tag.value;
        } else if (name == u"Oka") {
            personal.ExamReason = tag.value;
        } else if (name == u"Kora") {
            personal.Age = toIntOrThrow(tag.value);
        } else if (name == u"Neme") {
            const int sex = toIntOrThrow(tag.value);
            if (sex == 1)
                personal.IsBoy = true;
            else if (sex == 2)
                personal.IsBoy = false;
        } else if (name == OpinionTag) {
            // The opinion is the file's last part and free text: a line of it that looks
            // like a tag must not overwrite the personal data or move a section.
            opinionStart = index;
            break;
        } else if (tag.value.isEmpty()) {
            for (int section = 0; section < 3; ++section) {
                if (name == SectionTags[section])
                    sectionStart[section] = index;
            }
        }
    }

    const std::array<int, 3> sectionEnd = {sectionStart[1], sectionStart[2], opinionStart};
    for (int kind = Parent; kind <= SelfReport; ++kind)
        readSection(record.answers(kind), lines, sectionStart[kind - 1], sectionEnd[kind - 1]);

    record.Opinion = lines.mid(opinionStart + 1);
}
