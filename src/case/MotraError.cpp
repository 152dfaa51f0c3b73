#include "case/MotraError.h"

#include <limits>

#include "case/HostPath.h"
#include "case/VisibleText.h"

namespace {

// Long enough for any real answer, short enough for one line of a message box.
constexpr int ShownValueLength = 50;

QString actionHeadline(MotraError::FileAction action)
{
    switch (action) {
    case MotraError::FileAction::Open: return QStringLiteral("A fájl nem nyitható meg.");
    case MotraError::FileAction::Read: return QStringLiteral("A fájl nem olvasható.");
    case MotraError::FileAction::Replace:
        return QStringLiteral("A fájl nem írható; ha volt korábbi változata, az változatlanul megmaradt.");
    case MotraError::FileAction::Append:
        return QStringLiteral("A fájlhoz nem fűzhető hozzá az új sor; a fájl a korábbi állapotában maradt.");
    case MotraError::FileAction::Remove: return QStringLiteral("A fájl nem törölhető.");
    }
    return QStringLiteral("Írási vagy olvasási hiba.");
}

} // namespace

MotraError::MotraError(QString message, Presentation presentation)
    : MotraError(std::move(message), presentation, Cause::Other)
{ }

MotraError::MotraError(QString message, Presentation presentation, Cause cause)
    : m_message(std::move(message)), m_presentation(presentation), m_cause(cause), m_utf8(m_message.toUtf8())
{ }

QString MotraError::headline() const { return m_message.section(QLatin1Char('\n'), 0, 0); }

QString MotraError::details() const
{
    const qsizetype end = m_message.indexOf(QLatin1Char('\n'));
    return end < 0 ? QString() : m_message.mid(end + 1);
}

MotraError MotraError::withLine(const QString &line) const
{
    return MotraError(m_message + QLatin1Char('\n') + line, m_presentation, m_cause);
}

MotraError MotraError::withHeadline(const QString &headline) const
{
    const QString below = details();
    return MotraError(below.isEmpty() ? headline : headline + QLatin1Char('\n') + below, m_presentation, m_cause);
}

MotraError MotraError::asNotice(const QString &noticeText) const
{
    MotraError notice = withHeadline(noticeText);
    notice.m_presentation = Presentation::Notice;
    return notice;
}

MotraError MotraError::notValidInteger(const QString &text)
{
    return MotraError(
        QStringLiteral("'%1' is not a valid integer value").arg(VisibleText::shortened(text, ShownValueLength)));
}

QString fileFailureLines(const QString &path, const QString &reason)
{
    const QString host = hostPath(path);
    const QString fixed = fixedPathOf(host);
    QString lines = QStringLiteral("Fájl: ") + VisibleText::showControls(fixed.isEmpty() ? host : fixed);
    if (!fixed.isEmpty())
        lines += QStringLiteral("\nA gépen: ") + VisibleText::showControls(host);
    if (!reason.isEmpty())
        lines += QStringLiteral("\nOka: ") + reason;
    return lines;
}

MotraError MotraError::fileFailure(FileAction action, const QString &path, const QString &reason)
{
    const Cause cause = action == FileAction::Open ? Cause::CannotOpen : Cause::InputOutput;
    return MotraError(
        actionHeadline(action) + QLatin1Char('\n') + fileFailureLines(path, reason), Presentation::MessageBox, cause);
}

MotraError MotraError::cannotOpen(const QString &path, const QString &reason)
{
    return fileFailure(FileAction::Open, path, reason);
}

MotraError MotraError::ioError(const QString &path, const QString &reason)
{
    return MotraError(QStringLiteral("Írási vagy olvasási hiba.\n") + fileFailureLines(path, reason),
        Presentation::MessageBox, Cause::InputOutput);
}

MotraError MotraError::notice(const QString &message) { return MotraError(message, Presentation::Notice); }

int toIntOrThrow(QStringView text)
{
    // An optional sign and decimal digits, nothing else: " 1" (blanks) and "1" followed by a
    // NUL (which the C conversion underneath would stop at) are not valid integer values,
    // nor is a number outside the range of an int.
    const bool negative = !text.isEmpty() && text.front() == QLatin1Char('-');
    const qsizetype start = !text.isEmpty() && (negative || text.front() == QLatin1Char('+')) ? 1 : 0;
    bool ok = start < text.size();
    qint64 magnitude = 0;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    for (qsizetype i = start; i < text.size() && ok; ++i) {
        const char16_t c = text[i].unicode();
        ok = c >= u'0' && c <= u'9';
        magnitude = magnitude * 10 + (c - u'0');
        ok = ok && magnitude <= limit;
    }
    if (!ok)
        throw MotraError::notValidInteger(text.toString());
    return int(negative ? -magnitude : magnitude);
}
