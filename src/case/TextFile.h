#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's text files: Windows-1250 with CR LF line ends. Readers also accept LF or
// CR alone. All functions take host paths (see hostPath()) and throw MotraError with the
// path and the reason on failure.
namespace TextFile {

// All lines of the file. A final line end does not start another (empty) line.
QStringList readLines(const QString &path);
// Replaces the file with the lines, each ended by CR LF. Written through QSaveFile: on any
// failure the old file stays whole. A character that Windows-1250 cannot hold stops the
// write with a message naming the character and its line; nothing is written then.
void writeLines(const QString &path, const QStringList &lines);
// Appends the text unchanged (it carries its own line ends), creating the file when
// missing. The same character check as writeLines runs before anything is written.
void appendText(const QString &path, const QString &text);

// Conversion helpers for the few places that handle bytes themselves.
QString decode(const QByteArray &bytes);
// Throws MotraError (naming where) when a character cannot be encoded.
QByteArray encode(const QString &text, const QString &where);
// Splits decoded text into lines at CR LF, LF or CR.
QStringList splitLines(const QString &text);

} // namespace TextFile
