#pragma once

#include <QString>
#include <exception>

// The one failure type of the core: it carries the exact text the user is shown.
// Handlers at the window boundary catch it and show it, as a message box or, for the
// program's own norm-file messages, in the notice box.
//
// A file failure always reads the same way: a first line saying what failed (or the
// program's own fixed message), then the lines
//     Fájl: c:\_halden\motra\stat\_sum.dat
//     A gépen: /home/.../_halden/motra/stat/_sum.dat     (only where it differs)
//     Oka: No space left on device
class MotraError : public std::exception
{
public:
    enum class Presentation { MessageBox, Notice };
    // What went wrong, for callers that put their own fixed message over a file failure.
    enum class Cause { Other, CannotOpen, InputOutput };
    // What was being done with the file when it failed.
    enum class FileAction { Open, Read, Replace, Append, Remove };

    explicit MotraError(QString message, Presentation presentation = Presentation::MessageBox);

    const QString &message() const { return m_message; }
    Presentation presentation() const { return m_presentation; }
    Cause cause() const { return m_cause; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // The first line of the message (the fixed text where the program has one).
    QString headline() const;
    // The lines below the first one (path and reason of a file failure), or empty.
    QString details() const;
    // The same failure with one more line below the message.
    MotraError withLine(const QString &line) const;
    // Another first line over the path and reason of this failure.
    MotraError withHeadline(const QString &headline) const;
    // The program's own notice text over the path and reason of this failure.
    MotraError asNotice(const QString &noticeText) const;

    // "'%s' is not a valid integer value", the value shortened and its control characters
    // shown, so that a huge or binary cell cannot flood the message.
    static MotraError notValidInteger(const QString &text);
    // A file failure: the headline of the action, the path (fixed path of a host path under
    // the installation, and the host path) and the system's reason.
    static MotraError fileFailure(FileAction action, const QString &path, const QString &reason);
    // The file could not be opened (for reading or for writing).
    static MotraError cannotOpen(const QString &path, const QString &reason);
    // Reading or writing an open file failed, or its content is damaged.
    static MotraError ioError(const QString &path, const QString &reason);
    // A program message for the notice box, such as " Nem találom a SKALA1.TXT fájlt."
    static MotraError notice(const QString &message);

private:
    MotraError(QString message, Presentation presentation, Cause cause);

    QString m_message;
    Presentation m_presentation;
    Cause m_cause = Cause::Other;
    QByteArray m_utf8;
};

// The "Fájl:", "A gépen:" and "Oka:" lines of a file failure. path may be a fixed path or
// a host path; an empty reason leaves out the last line.
QString fileFailureLines(const QString &path, const QString &reason);

// The whole text as a decimal integer (optional sign, no blanks), the way the platform's
// conversion accepts it; throws notValidInteger otherwise.
int toIntOrThrow(QStringView text);
