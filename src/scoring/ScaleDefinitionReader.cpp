#include "scoring/ScaleDefinitionReader.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/Untraced.h"
#include "case/VisibleText.h"
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
bool parseWholeNumber(QByteArrayView token, int &value)
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

ScaleDefinitionReader::ScaleDefinitionReader(int kind) : ScaleDefinitionReader(kind, readFile(kind)) { }

QByteArray ScaleDefinitionReader::readFile(int kind)
{
    const int k = kindInfo(kind).kind;
    try {
        return TextFile::readBytes(hostPath(FixedPaths::scaleDefinitionFile(k)));
    } catch (const MotraError &error) {
        // The program's own message, with the path and the reason (a folder in the file's
        // place, a missing installation folder) on the lines below it.
        if (error.cause() == MotraError::Cause::CannotOpen)
            throw error.asNotice(Missing[k - 1]);
        throw;
    }
}

ScaleDefinitionReader::ScaleDefinitionReader(int kind, const QByteArray &bytes)
    : m_kind(kindInfo(kind).kind), m_fixedPath(FixedPaths::scaleDefinitionFile(m_kind)), m_bytes(bytes)
{ }

MOTRA_UNTRACED void ScaleDefinitionReader::skipLine()
{
    while (m_pos < m_bytes.size() && !isLineEnd(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
        ++m_pos;
}

MOTRA_UNTRACED void ScaleDefinitionReader::skipBlanks()
{
    while (m_pos < m_bytes.size() && (isBlank(m_bytes[m_pos]) || isLineEnd(m_bytes[m_pos])))
        ++m_pos;
}

MOTRA_UNTRACED QByteArrayView ScaleDefinitionReader::nextToken()
{
    skipBlanks();
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && !isBlank(m_bytes[m_pos]) && !isLineEnd(m_bytes[m_pos]))
        ++m_pos;
    return QByteArrayView(m_bytes.constData() + start, m_pos - start);
}

ScaleDefinitionReader ScaleDefinitionReader::preparsed(int kind, const QByteArray &bytes, int scales)
{
    ScaleDefinitionReader parser(kind, bytes);
    auto parsed = std::make_shared<Parsed>();
    try {
        for (int k = 0; k < scales; ++k) {
            Items items;
            parser.readNextScale(items);
            parsed->scales.append(items);
        }
    } catch (const MotraError &error) {
        parsed->failure.emplace(error);
    }
    parsed->endPos = parser.m_pos;
    ScaleDefinitionReader reader(kind, bytes);
    reader.m_parsed = std::move(parsed);
    return reader;
}

void ScaleDefinitionReader::readNextScale(Items &items)
{
    if (m_parsed) {
        if (m_scale < m_parsed->scales.size()) {
            items = m_parsed->scales[m_scale++];
            return;
        }
        ++m_scale;
        if (m_parsed->failure)
            throw *m_parsed->failure;
        // Beyond the parsed scales: go on parsing where they ended.
        m_pos = m_parsed->endPos;
        m_parsed.reset();
        --m_scale;
    }
    items.clear();
    ++m_scale;
    skipLine(); // the scale's title
    const QByteArrayView countToken = nextToken();
    if (countToken.isEmpty())
        throw MotraError::ioError(
            m_fixedPath, QStringLiteral("A fájl véget ért a(z) %1. skála adatsora előtt.").arg(m_scale));
    int count = 0;
    if (!parseWholeNumber(countToken, count))
        throw MotraError::ioError(m_fixedPath,
            QStringLiteral("A(z) %1. skála tételszáma (\"%2\") nem egész szám.")
                .arg(m_scale)
                .arg(QString::fromLatin1(countToken.first(qMin<qsizetype>(40, countToken.size())))));
    if (count < 0)
        throw MotraError::ioError(
            m_fixedPath, QStringLiteral("A(z) %1. skála tételszáma (%2) negatív.").arg(m_scale).arg(count));
    for (int n = 0; n < count; ++n) {
        const QByteArrayView token = nextToken();
        if (token.isEmpty())
            throw MotraError::ioError(m_fixedPath,
                QStringLiteral("A fájl véget ért, mielőtt a(z) %1. skála mind a(z) %2 tétele beolvasható lett volna.")
                    .arg(m_scale)
                    .arg(count));
        int item = 0;
        // An item outside the questionnaire would name an answer that does not exist.
        if (!parseWholeNumber(token, item) || item < 1 || item > ScorerInput::ItemCount)
            throw MotraError::ioError(m_fixedPath,
                QStringLiteral("A(z) %1. skála %2. tétele („%3”) nem 1 és %4 közötti egész szám.")
                    .arg(m_scale)
                    .arg(n + 1)
                    .arg(VisibleText::shortened(QString::fromLatin1(token), 40))
                    .arg(ScorerInput::ItemCount))
                .asNotice(Damaged[m_kind - 1]);
        items.append(item);
    }
    skipLine(); // whatever follows the last item on its line
}
