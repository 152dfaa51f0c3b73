#pragma once

#include <QString>
#include <QStringList>

struct PersonalData;

// The program's small list files: the examiner and reason lists ("vv.txt", "ok.txt"), the
// recently-modified list ("last.mod") and the personal-data summary ("aktualis\szemad.txt").
// Paths are the fixed path texts; every failure is thrown as MotraError.
namespace ListFiles {

// The entries of a list file, one per line as stored (empty lines are entries too).
// Throws when the file is missing or unreadable (the personal data drop-down).
QStringList readList(const QString &fixedPath);
// As readList, but a missing file gives an empty list (the list editor starts empty).
QStringList readListOrEmpty(const QString &fixedPath);
// Replaces the list file with the entries, in the given order, unsorted and untrimmed.
void writeList(const QString &fixedPath, const QStringList &entries);

// The recently-modified case files, oldest first; empty when "last.mod" is missing.
QStringList readRecentList();
// The save rule: path appended as the last line, then the first earlier line equal to it
// (exact text) removed.
QStringList withSavedPath(QStringList lines, const QString &casePath);
// Reads "last.mod" (missing = empty), applies withSavedPath and writes it back.
void addToRecentList(const QString &casePath);
// Removes the entry at fileIndex (file order, oldest first) and writes the rest back in
// the file's order. An index outside the list changes nothing.
void removeRecentEntry(int fileIndex);
// Deletes "last.mod"; a missing file is fine.
void deleteRecentList();

// The three lines of the personal-data summary, from the personal data as the dialog
// leaves them (its date and examiner field texts are ExamDate and Examiner).
QStringList personalSummaryLines(const PersonalData &personal);
// Replaces "aktualis\szemad.txt" with personalSummaryLines, then its word-processor copy
// (WordCopy::PersonalSummary).
void writePersonalSummary(const PersonalData &personal);

} // namespace ListFiles
