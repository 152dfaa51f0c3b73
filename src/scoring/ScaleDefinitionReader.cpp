#include "scoring/ScaleDefinitionReader.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/Questionnaire.h"
#include "scoring/ScorerData.h"

#include <charconv>

namespace {

const QString Missing[3] = {
    QStringLiteral(" Nem találom a SKALA1.TXT fájlt."),
    QStringLiteral(" Nem találom a SKALA2.TXT fájlt."),
    QStringLiteral(" Nem találom a SKALA3.TXT fájlt."),
};

const QString Damaged[3] = {
    QStringLiteral(" A SKALA1.TXT fájl meghibásodott."),
    QStringLiteral(" A SKALA2.TXT fájl meghibásodott."),
    QStringLiteral(" A SKALA3.TXT fájl meghibásodott."),
};

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

// A whole number as the token spells it: optional sign, digits only, within int range.
bool parseWholeNumber(const QByteArray &token, int &value)
{
    const char *begin = token.constData();
    const char *end = begin + token.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin == end || *begin < '0' || *begin > '9')
            return false;
    }
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

ScaleDefinitionReader::ScaleDefinitionReader(int kind)
    : m_kind(kindInfo(kind).kind), m_fixedPath(FixedPaths::scaleDefinitionFile(m_kind))
{
    try {
        m_bytes = TextFile::readBytes(hostPath(m_fixedPath));
    } catch (const MotraError &error) {
        // The program's own message, with the path and the reason (a folder in the file's
        // place, a missing installation folder) on the lines below it.
        if (error.cause() == MotraError::Cause::CannotOpen)
            throw error.asNotice(Missing[m_kind - 1]);
        throw;
    }
}

ScaleDefinitionReader::ScaleDefinitionReader(int kind, const QByteArray &bytes)
    : m_kind(kindInfo(kind).kind), m_fixedPath(FixedPaths::scaleDefinitionFile(m_kind)), m_bytes(bytes)
{ }

void ScaleDefinitionReader::skipLine()
{
    while (m_pos < m_bytes.size() && !isLineEnd(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

void ScaleDefinitionReader::skipBlanks()
{
    while (m_pos < m_bytes.size() && (isBlank(m_bytes[m_pos]) || isLineEnd(m_bytes[m_pos])))
        ++m_pos;
}

QByteArray ScaleDefinitionReader::nextToken()
{
    skipBlanks();
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && !isBlank(m_bytes[m_pos]) && !isLineEnd(m_bytes[m_pos]))
        ++m_pos;
    return m_bytes.mid(start, m_pos - start);
}

void ScaleDefinitionReader::readNextScale(Items &items)
{
    items.clear();
    ++m_scale;
    skipLine(); // the scale's title
    const QByteArray countToken = nextToken();
    if (countToken.isEmpty())
        throw MotraError::ioError(
            m_fixedPath, QStringLiteral("A fájl véget ért a(z) %1. skála adatsora előtt.").arg(m_scale));
    int count = 0;
    if (!parseWholeNumber(countToken, count))
        throw MotraError::ioError(m_fixedPath,
            QStringLiteral("A(z) %1. skála tételszáma (\"%2\") nem egész szám.")
                .arg(m_scale)
                .arg(QString::fromLatin1(countToken.left(40))));
    if (count < 0)
        throw MotraError::ioError(
            m_fixedPath, QStringLiteral("A(z) %1. skála tételszáma (%2) negatív.").arg(m_scale).arg(count));
    for (int n = 0; n < count; ++n) {
        const QByteArray token = nextToken();
        if (token.isEmpty())
            throw MotraError::ioError(m_fixedPath,
                QStringLiteral("A fájl véget ért, mielőtt a(z) %1. skála mind a(z) %2 tétele beolvasható lett volna.")
                    .arg(m_scale)
                    .arg(count));
        int item = 0;
        // An item outside the questionnaire would name an answer that does not exist.
        if (!parseWholeNumber(token, item) || item < 1 || item > ScorerInput::ItemCount)
            throw MotraError::notice(Damaged[m_kind - 1]);
        items.append(item);
    }
    skipLine(); // whatever follows the last item on its line
}
