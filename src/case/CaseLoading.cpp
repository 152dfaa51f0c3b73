#include "case/CaseLoading.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QFileInfo>
#include <QSet>

namespace CaseLoading {

namespace {

const QString Unchanged = QStringLiteral(" A program eddigi vizsgálata nem változott.");

// Every tag name the case file format knows, the header's included.
const QSet<QString> &formatTags()
{
    static const QSet<QString> tags = {QStringLiteral("MOTRA"), QStringLiteral("Neve"), QStringLiteral("Kódja"),
        QStringLiteral("Neme"), QStringLiteral("Kora"), QStringLiteral("Szülői"), QStringLiteral("Tanári"),
        QStringLiteral("Önértékelő"), QStringLiteral("Vv"), QStringLiteral("Dátum"), QStringLiteral("Oka"),
        QStringLiteral("szülői"), QStringLiteral("tanári"), QStringLiteral("önértékelő"), QStringLiteral("vélemény")};
    return tags;
}

// What the reader fills: the personal data, the values and labels of the answer sets and
// the opinion.
void copyExamination(const CaseRecord &from, CaseRecord &to)
{
    to.Personal = from.Personal;
    for (int kind = Parent; kind <= SelfReport; ++kind)
        to.answers(kind).assign(from.answers(kind).values(), from.answers(kind).labels());
    to.Opinion = from.Opinion;
}

// The bytes of a file offered as a case file; refused when it is missing, cannot be read or
// is larger than MaxFileBytes.
QByteArray readOfferedBytes(const QString &hostFile, const QString &shownName)
{
    const QFileInfo info(hostFile);
    if (!info.exists())
        throw MotraError::cannotOpen(shownName, QStringLiteral("A fájl nem található."));
    if (info.isFile() && info.size() > MaxFileBytes)
        throw MotraError(QStringLiteral("A(z) \"%1\" nem MOTRA vizsgálati fájl: %2 bájt hosszú, a program legfeljebb "
                                        "%3 bájtos vizsgálati fájlt olvas be.")
                             .arg(shownName)
                             .arg(info.size())
                             .arg(MaxFileBytes));
    return TextFile::readBytes(hostFile, MaxFileBytes);
}

// The file's lines. A file of other origin holding a NUL character is not a text file; in a
// file of the program's own layout it is something the user typed or pasted.
QStringList textLines(const QByteArray &bytes, const QString &shownName, bool ownLayout)
{
    QStringList lines = TextFile::splitLines(TextFile::decode(bytes));
    if (ownLayout)
        return lines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(QChar(0)))
            throw MotraError(QStringLiteral(
                "A(z) \"%1\" nem MOTRA vizsgálati fájl: nem szöveges fájl (a %2. sorában nulla bájt áll).")
                                 .arg(shownName)
                                 .arg(i + 1));
    }
    return lines;
}

} // namespace

QStringList readCaseFileText(const QString &hostFile, const QString &shownName)
{
    const QByteArray bytes = readOfferedBytes(hostFile, shownName);
    return textLines(bytes, shownName, hasOwnCaseFileLayout(bytes));
}

bool hasCaseFileTags(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (!line.startsWith(QLatin1Char('<')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && formatTags().contains(line.mid(1, equals - 1)))
            return true;
    }
    return false;
}

void requireCaseFileTags(const QStringList &lines, const QString &shownName)
{
    if (!hasCaseFileTags(lines))
        throw MotraError(QStringLiteral("A(z) \"%1\" nem MOTRA vizsgálati fájl: egyetlen sora sem a vizsgálati fájlok "
                                        "címkéje (például <Neve=...> vagy <szülői=>).")
                             .arg(shownName));
}

void requireCaseFile(const QStringList &lines, const QString &shownName)
{
    requireCaseFileTags(lines, shownName);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > MaxLineLength)
            throw MotraError(QStringLiteral("A(z) \"%1\" fájl %2. sora %3 karakter hosszú; egy vizsgálati fájl sora "
                                            "legfeljebb %4 karakter lehet, ezért a fájlt nem nyitom meg.")
                                 .arg(shownName)
                                 .arg(i + 1)
                                 .arg(lines[i].size())
                                 .arg(MaxLineLength));
    }
}

void loadCaseFile(CaseRecord &record, const QString &hostFile, const QString &shownName)
{
    QByteArray bytes;
    try {
        bytes = readOfferedBytes(hostFile, shownName);
        // A file this program wrote opens again whatever was typed into it (a pasted NUL
        // character, an answer or opinion line of any length); only the size limit holds.
        if (!hasOwnCaseFileLayout(bytes))
            requireCaseFile(textLines(bytes, shownName, false), shownName);
    } catch (const MotraError &error) {
        throw MotraError(error.message() + Unchanged);
    }
    // The reader keeps whatever the file does not reach, so it works on a copy of the
    // examination in hand; the copy replaces it only once the whole file has been read.
    CaseRecord scratch;
    copyExamination(record, scratch);
    try {
        readCaseFileBytes(scratch, bytes);
    } catch (const MotraError &error) {
        throw MotraError(
            QStringLiteral("A(z) \"%1\" fájl nem olvasható be: %2.").arg(shownName, error.message()) + Unchanged);
    }
    copyExamination(scratch, record);
}

} // namespace CaseLoading
