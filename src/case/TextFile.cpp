#include "case/TextFile.h"

#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/Untraced.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TextFile {

static const char *const CodePage = "windows-1250";

namespace {

using Action = MotraError::FileAction;

void reportOnStandardError(const QString &message)
{
    std::fputs(message.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

std::function<void(const QString &)> &noticeReporter()
{
    static std::function<void(const QString &)> reporter = reportOnStandardError;
    return reporter;
}

void tellUser(const QString &message) { noticeReporter()(message); }

// The system's text for errno, or the device's own text when it has a better one.
QString reasonOf(const QFileDevice &device, int savedErrno)
{
    if (device.error() != QFileDevice::NoError && !device.errorString().isEmpty()
        && device.errorString() != QLatin1String("Unknown error"))
        return device.errorString();
    return savedErrno != 0 ? qt_error_string(savedErrno) : device.errorString();
}

// Why opening failed: a missing folder on the way says more than "No such file or directory".
QString openFailureReason(const QString &path, int savedErrno)
{
    if (savedErrno == ENOENT || savedErrno == ENOTDIR) {
        const QString folder = missingFolderReason(path);
        if (!folder.isEmpty())
            return folder;
    }
    return qt_error_string(savedErrno);
}

// Opens without ever blocking (a FIFO would wait for a writer) and refuses everything that is
// not a regular file. Returns the descriptor; throws with the path and the reason.
int openRegular(const QString &path, int flags, Action action, struct stat &info)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        const int saved = errno;
        if (saved == EISDIR || saved == ENXIO)
            throw MotraError::fileFailure(action, path, notRegularFileReason(path));
        throw MotraError::fileFailure(action, path, openFailureReason(path, saved));
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const QString reason = notRegularFileReason(path);
        ::close(fd);
        throw MotraError::fileFailure(
            action, path, reason.isEmpty() ? QStringLiteral("ez nem közönséges fájl") : reason);
    }
    // Regular files never block; the flag only mattered for the open itself.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Writes every byte, going on after a short write so that the system's reason for the
// failure (a full disk, a size limit) is the one that is reported.
bool writeAll(QFileDevice &device, const QByteArray &bytes, QString &reason)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            reason = reasonOf(device, errno);
            return false;
        }
        done += written;
    }
    return true;
}

// Plain POSIX variant for the append, which works on a descriptor of its own.
bool writeAllFd(int fd, const QByteArray &bytes, int &savedErrno)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            savedErrno = written < 0 ? errno : ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

void refuseNonRegularTarget(const QString &path, Action action)
{
    const QString reason = notRegularFileReason(path);
    if (!reason.isEmpty())
        throw MotraError::fileFailure(action, path, reason);
}

// Removes what interrupted saves of the target left beside it (QSaveFile's temporary files).
// The folder is listed whole and matched here: a code may hold characters that a name
// filter would take for wildcards.
void removeSaveLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    const QDir folder = target.absoluteDir();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    QStringList removed;
    for (const QString &entry : entries) {
        if (!isSaveLeftoverOf(entry, name))
            continue;
        const QString full = folder.filePath(entry);
        if (QFileInfo(full).isFile() && QFile::remove(full))
            removed << shownPath(full);
    }
    if (!removed.isEmpty())
        tellUser(
            QStringLiteral("Egy korábbi, félbeszakadt mentés maradékát töröltem:\n") + removed.join(QLatin1Char('\n')));
}

QString appendNotePath(const QString &path) { return path + QStringLiteral(".before-append"); }

} // namespace

bool isSaveLeftoverOf(const QString &fileName, const QString &targetName)
{
    if (fileName.size() != targetName.size() + 7 || !fileName.startsWith(targetName)
        || fileName[targetName.size()] != QLatin1Char('.'))
        return false;
    // QSaveFile draws the six characters from letters of both cases and digits. A user's own
    // "NAME.backup" or "NAME.old123" has letters of one case only, so only names with both
    // are taken: the few real leftovers without them stay, which does no harm.
    bool upper = false;
    bool lower = false;
    for (qsizetype i = targetName.size() + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        upper = upper || (c >= 'A' && c <= 'Z');
        lower = lower || (c >= 'a' && c <= 'z');
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return upper && lower;
}

void setNoticeReporter(std::function<void(const QString &)> reporter)
{
    noticeReporter() = reporter ? std::move(reporter) : reportOnStandardError;
}

void reportNotice(const QString &message) { tellUser(message); }

// Opening a converter looks the code page up by name each time, which costs more than
// decoding a short value, so every thread keeps one decoder. The code page has one byte per
// character: nothing carries over from one text to the next.
static QStringDecoder &threadDecoder()
{
    thread_local QStringDecoder decoder(CodePage);
    return decoder;
}

QString decode(const QByteArray &bytes) { return threadDecoder().decode(bytes); }

static QString describeUnencodable(const QString &text, const QString &where)
{
    const QString shownWhere = shownPath(where);
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            ++line;
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QStringEncoder single(CodePage);
        // encode() converts lazily: only taking the bytes runs the encoder and sets the error.
        const QByteArray ignored = single.encode(character);
        if (single.hasError()) {
            return QStringLiteral("A(z) „%1” karakter (U+%2) nem írható a Windows-1250 kódlapú \"%3\" fájlba "
                                  "(%4. sor). Kérem, cserélje le egy másik karakterre; a fájl nem változott.")
                .arg(character)
                .arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0'))
                .arg(shownWhere)
                .arg(line);
        }
        i += length - 1;
    }
    return QStringLiteral("A szöveg nem írható a Windows-1250 kódlapú \"%1\" fájlba.").arg(shownWhere);
}

namespace {

MOTRA_UNTRACED bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QByteArray encode(const QString &text, const QString &where)
{
    // Plain ASCII, most of what the program writes, is the same in the code page.
    if (isAscii(text))
        return text.toLatin1();
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        throw MotraError(describeUnencodable(text, where));
    return bytes;
}

MOTRA_UNTRACED QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray readBytes(const QString &path, qint64 maxBytes)
{
    struct stat info;
    const int fd = openRegular(path, O_RDONLY, Action::Open, info);
    if (maxBytes >= 0 && info.st_size > maxBytes) {
        ::close(fd);
        throw MotraError::fileFailure(Action::Read, path,
            QStringLiteral("a fájl %1 bájt hosszú, ilyen célra legfeljebb %2 bájtos fájlt olvasok be")
                .arg(qint64(info.st_size))
                .arg(maxBytes));
    }
    // Read straight into the array: the size is known, and a file that grows meanwhile is
    // read to its end all the same.
    QByteArray bytes;
    qint64 done = 0;
    qint64 capacity = qMax<qint64>(info.st_size, 0) + 1;
    for (;;) {
        if (maxBytes >= 0 && capacity > maxBytes + 1)
            capacity = maxBytes + 1;
        bytes.resize(capacity);
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(capacity - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int saved = errno;
            ::close(fd);
            throw MotraError::fileFailure(Action::Read, path, qt_error_string(saved));
        }
        done += got;
        if (got == 0)
            break;
        if (maxBytes >= 0 && done > maxBytes) {
            ::close(fd);
            throw MotraError::fileFailure(
                Action::Read, path, QStringLiteral("a fájl olvasás közben %1 bájtnál hosszabbra nőtt").arg(maxBytes));
        }
        if (done == capacity)
            capacity *= 2;
    }
    ::close(fd);
    bytes.truncate(done);
    return bytes;
}

QStringList readLines(const QString &path) { return splitLines(decode(readBytes(path))); }

void writeBytes(const QString &path, const QByteArray &bytes)
{
    refuseNonRegularTarget(path, Action::Replace);
    QSaveFile file(path);
    // Unbuffered: every write reaches the system at once, so a failure is seen here and not
    // lost in a final flush that commit() would not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString folder = missingFolderReason(path);
        throw MotraError::fileFailure(Action::Replace, path, folder.isEmpty() ? file.errorString() : folder);
    }
    QString reason;
    if (!writeAll(file, bytes, reason)) {
        // The reason is taken before cancelling, which would replace it with its own.
        file.cancelWriting();
        throw MotraError::fileFailure(Action::Replace, path, reason);
    }
    if (!file.commit())
        throw MotraError::fileFailure(Action::Replace, path, file.errorString());
    removeSaveLeftovers(path);
}

void writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    writeBytes(path, encode(text, path));
}

void recoverInterruptedAppend(const QString &path)
{
    const QString notePath = appendNotePath(path);
    struct stat noteInfo;
    if (::stat(QFile::encodeName(notePath).constData(), &noteInfo) != 0)
        return;
    // The note holds the file's size before the append, the size it was to reach, and "new"
    // when the append created the file. Opened as every file is: a FIFO is refused, not waited on.
    QByteArray content;
    {
        struct stat info;
        const int fd = openRegular(notePath, O_RDONLY, Action::Read, info);
        content.resize(64);
        ssize_t got;
        do
            got = ::read(fd, content.data(), size_t(content.size()));
        while (got < 0 && errno == EINTR);
        content.resize(qMax<ssize_t>(got, 0));
        ::close(fd);
    }
    const QList<QByteArray> fields = content.trimmed().split(' ');
    bool okBefore = false;
    bool okAfter = false;
    const qint64 before = fields.value(0).toLongLong(&okBefore);
    const qint64 after = fields.value(1).toLongLong(&okAfter);
    const bool created = fields.value(2) == "new";
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (okBefore && okAfter && ::stat(native.constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        const qint64 size = info.st_size;
        if (created && size < after) {
            // The append made the file and did not finish it: the file goes, as if it never began.
            if (::unlink(native.constData()) != 0)
                throw MotraError::fileFailure(Action::Remove, path,
                    QStringLiteral("egy korábbi, félbeszakadt hozzáfűzés csonka fájlja nem törölhető: ")
                        + qt_error_string(errno));
            tellUser(QStringLiteral("Egy korábbi, félbeszakadt hozzáfűzés csonka fájlját (%1 bájt) töröltem:\n%2")
                         .arg(size)
                         .arg(shownPath(path)));
        } else if (size > before && size < after) {
            // Only a part of the append reached the file: it is cut away, as if it never began.
            if (::truncate(native.constData(), before) != 0)
                throw MotraError::fileFailure(Action::Append, path,
                    QStringLiteral("egy korábbi, félbeszakadt hozzáfűzés csonka sora nem távolítható el: ")
                        + qt_error_string(errno));
            tellUser(QStringLiteral("Egy korábbi, félbeszakadt hozzáfűzés csonka sorát (%1 bájt) eltávolítottam:\n%2")
                         .arg(size - before)
                         .arg(shownPath(path)));
        }
    }
    if (::unlink(QFile::encodeName(notePath).constData()) != 0)
        throw MotraError::fileFailure(Action::Remove, notePath, qt_error_string(errno));
}

namespace {

// Writes the append's note (see recoverInterruptedAppend); throws naming the appended file.
void writeAppendNote(const QString &path, qint64 before, qint64 after, bool created)
{
    const QString notePath = appendNotePath(path);
    QByteArray note = QByteArray::number(before) + ' ' + QByteArray::number(after);
    if (created)
        note += " new";
    note += '\n';
    struct stat info;
    const int fd = openRegular(notePath, O_WRONLY | O_CREAT | O_TRUNC, Action::Append, info);
    int saved = 0;
    const bool written = writeAllFd(fd, note, saved);
    if (::close(fd) != 0 && written)
        saved = errno;
    if (!written || saved != 0) {
        ::unlink(QFile::encodeName(notePath).constData());
        throw MotraError::fileFailure(Action::Append, path, qt_error_string(saved));
    }
}

} // namespace

void appendText(const QString &path, const QString &text)
{
    const QByteArray bytes = encode(text, path);
    recoverInterruptedAppend(path);

    // A note beside the file lets the next append undo this one if the program is killed
    // while it writes; without the note nothing is appended. A file that this append makes
    // is noted before it exists, so that neither a failure nor a kill leaves it behind empty.
    const QByteArray native = QFile::encodeName(path);
    const QString notePath = appendNotePath(path);
    struct stat info;
    const bool creates = ::stat(native.constData(), &info) != 0 && errno == ENOENT;
    int fd = -1;
    qint64 before = 0;
    if (creates) {
        const QString folder = missingFolderReason(path);
        if (!folder.isEmpty())
            throw MotraError::fileFailure(Action::Append, path, folder);
        writeAppendNote(path, 0, bytes.size(), true);
        try {
            fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, Action::Append, info);
        } catch (const MotraError &) {
            QFile::remove(notePath);
            throw;
        }
    } else {
        fd = openRegular(path, O_WRONLY | O_APPEND, Action::Append, info);
        before = info.st_size;
        try {
            writeAppendNote(path, before, before + bytes.size(), false);
        } catch (const MotraError &) {
            ::close(fd);
            throw;
        }
    }

    // Whole or absent: what reached the file of this append is cut away again, and a file
    // the append made is removed.
    int saved = 0;
    if (!writeAllFd(fd, bytes, saved)) {
        QString reason = qt_error_string(saved);
        const bool undone = (creates ? ::unlink(native.constData()) : ::ftruncate(fd, before)) == 0;
        if (!undone)
            reason += QStringLiteral("; a félbemaradt hozzáfűzés nem volt visszavonható (%1), "
                                     "a következő hozzáfűzés vonja vissza")
                          .arg(qt_error_string(errno));
        ::close(fd);
        if (undone)
            QFile::remove(notePath);
        throw MotraError::fileFailure(Action::Append, path, reason);
    }
    if (::close(fd) != 0) {
        const QString reason = qt_error_string(errno);
        if ((creates ? ::unlink(native.constData()) : ::truncate(native.constData(), before)) == 0)
            QFile::remove(notePath);
        throw MotraError::fileFailure(Action::Append, path, reason);
    }
    QFile::remove(notePath);
}

} // namespace TextFile
