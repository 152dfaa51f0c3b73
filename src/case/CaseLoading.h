#pragma once

#include <QString>
#include <QStringList>

class CaseRecord;

// Opening a stored examination safely: what the program takes for a case file, and loading
// one into the record whole or not at all. shownName is the path as the user knows it
// (the fixed path of last.mod or the command line, or the file picked in a folder); every
// message names it. Failures are thrown as MotraError.
namespace CaseLoading {

// A case file this program writes is some tens of kilobytes with lines of a few thousand
// characters at most; anything far beyond that is not an examination. A file in the
// program's own layout (hasOwnCaseFileLayout) is held to the size limit only: what a user
// typed into it may be long and hold any character.
constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
constexpr int MaxLineLength = 65536;

// The lines of a file offered as a case file. Throws when it cannot be read, is larger than
// MaxFileBytes or, not being in the program's own layout, is not a text file (it holds NUL
// characters).
QStringList readCaseFileText(const QString &hostFile, const QString &shownName);
// Whether any line is a tag line of the case file format ("<Neve=...>", "<szülői=>", ...).
bool hasCaseFileTags(const QStringList &lines);
// Throws when no line is a tag of the format.
void requireCaseFileTags(const QStringList &lines, const QString &shownName);
// requireCaseFileTags, and throws when a line is longer than MaxLineLength.
void requireCaseFile(const QStringList &lines, const QString &shownName);

// Reads the case file into the record (readCaseFile's rules) only when the whole file can
// be read: a file that cannot be opened, is not a case file (requireCaseFile, for a file not
// in the program's own layout), or whose age or sex is not a decimal integer leaves the
// record exactly as it was.
void loadCaseFile(CaseRecord &record, const QString &hostFile, const QString &shownName);

} // namespace CaseLoading
