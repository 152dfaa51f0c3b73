#pragma once

#include <QString>
#include <exception>

// The one failure type of the core: it carries the exact text the user is shown.
// Handlers at the window boundary catch it and show it, as a message box or, for the
// program's own norm-file messages, in the notice box.
class MotraError : public std::exception
{
public:
    enum class Presentation { MessageBox, Notice };

    explicit MotraError(QString message, Presentation presentation = Presentation::MessageBox);

    const QString &message() const { return m_message; }
    Presentation presentation() const { return m_presentation; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // "'%s' is not a valid integer value"
    static MotraError notValidInteger(const QString &text);
    // The file could not be opened (for reading or for writing).
    static MotraError cannotOpen(const QString &path, const QString &reason);
    // Reading or writing an open file failed.
    static MotraError ioError(const QString &path, const QString &reason);
    // A program message for the notice box, such as " Nem találom a SKALA1.TXT fájlt."
    static MotraError notice(const QString &message);

private:
    QString m_message;
    Presentation m_presentation;
    QByteArray m_utf8;
};

// The whole text as a decimal integer (optional sign, no blanks), the way the platform's
// conversion accepts it; throws notValidInteger otherwise.
int toIntOrThrow(const QString &text);
