#include "case/MotraError.h"

MotraError::MotraError(QString message, Presentation presentation)
    : m_message(std::move(message)), m_presentation(presentation), m_utf8(m_message.toUtf8())
{ }

MotraError MotraError::notValidInteger(const QString &text)
{
    return MotraError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

MotraError MotraError::cannotOpen(const QString &path, const QString &reason)
{
    return MotraError(QStringLiteral("A(z) \"%1\" fájl nem nyitható meg. %2").arg(path, reason));
}

MotraError MotraError::ioError(const QString &path, const QString &reason)
{
    return MotraError(QStringLiteral("Írási vagy olvasási hiba: \"%1\". %2").arg(path, reason));
}

MotraError MotraError::notice(const QString &message) { return MotraError(message, Presentation::Notice); }

int toIntOrThrow(const QString &text)
{
    // Leading or trailing blanks are not accepted: " 1" is not a valid integer value.
    bool ok = false;
    int value = 0;
    if (!text.isEmpty() && !text.front().isSpace() && !text.back().isSpace())
        value = text.toInt(&ok, 10);
    if (!ok)
        throw MotraError::notValidInteger(text);
    return value;
}
