#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The program's files: Windows-1250 text with CR LF line ends (readers also accept LF or CR
// alone), and the bytes of the few binary ones. All functions take host paths (see
// hostPath()) and throw MotraError on failure, naming the file (its fixed path too when it
// lies in the installation) and the system's reason.
//
// A FIFO, a device or a folder where a file is expected is refused at once: nothing here
// ever blocks on opening.
namespace TextFile {

// The whole content of a regular file. A file longer than maxBytes (when not negative) is
// refused without reading it.
QByteArray readBytes(const QString &path, qint64 maxBytes = -1);
// All lines of the file. A final line end does not start another (empty) line.
QStringList readLines(const QString &path);

// Replaces the file with the bytes through QSaveFile: on any failure the old file stays
// whole. A save that succeeds also removes what earlier interrupted saves of the same file
// left behind (only QSaveFile's own temporary names for it, see isSaveLeftoverOf), and tells
// the notice reporter when it removed something.
void writeBytes(const QString &path, const QByteArray &bytes);
// Replaces the file with the lines, each ended by CR LF, as writeBytes does. A character
// that Windows-1250 cannot hold stops the write with a message naming the character and
// its line; nothing is written then.
void writeLines(const QString &path, const QStringList &lines);

// Appends the text unchanged (it carries its own line ends), creating the file when
// missing. The append is whole or absent: a failure cuts the file back to its size before
// the append (removes it when the append created it) and is reported; an append killed part-way is rolled back by the
// next append to the same file (see recoverInterruptedAppend). The same character check as writeLines runs before
// anything is written.
void appendText(const QString &path, const QString &text);
// Rolls back what an append killed part-way left at the end of the file, from the note the
// append keeps beside the file while it writes (NAME.before-append). Tells the notice
// reporter when it cut something. Callers that look at the end of a file before appending
// call this first; appendText calls it itself.
void recoverInterruptedAppend(const QString &path);

// Where the notes about removed leftovers go. The default (also after an empty function)
// writes them to standard error; the program shows them to the user.
void setNoticeReporter(std::function<void(const QString &)> reporter);
// Passes a note of the same kind (something found and mended in a file) to the reporter.
void reportNotice(const QString &message);

// Conversion helpers for the few places that handle bytes themselves.
QString decode(const QByteArray &bytes);
// Throws MotraError (naming where) when a character cannot be encoded.
QByteArray encode(const QString &text, const QString &where);
// Splits decoded text into lines at CR LF, LF or CR.
QStringList splitLines(const QString &text);

// The name QSaveFile's temporary files of the target take: the target's file name, a
// full stop and six letters or digits. True when fileName is one of them and its six
// characters hold both an upper-case and a lower-case letter: a user's "NAME.backup",
// "NAME.BACKUP" or "NAME.old123" is never taken for one.
bool isSaveLeftoverOf(const QString &fileName, const QString &targetName);

} // namespace TextFile
