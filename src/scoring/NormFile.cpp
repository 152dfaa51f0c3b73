#include "scoring/NormFile.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/Questionnaire.h"

namespace {

const QString CompetenceMissing[3] = {
    QStringLiteral(" Nem találom a TSTAN1.TP fájlt."),
    QStringLiteral(" Nem találom a TSTAN2.TP fájlt."),
    QStringLiteral(" Nem találom a TSTAN3.TP fájlt."),
};

const QString ProblemMissing[3] = {
    QStringLiteral(" Nem találom a FAKST1.TP fájlt."),
    QStringLiteral(" Nem találom a FAKST2.TP fájlt."),
    QStringLiteral(" Nem találom a FAKST3.TP fájlt."),
};

} // namespace

NormFile::NormFile(const QString &fixedPath, const QString &missingNotice) : m_fixedPath(fixedPath)
{
    try {
        m_bytes = TextFile::readBytes(hostPath(fixedPath));
    } catch (const MotraError &error) {
        // The program's own message, with the path and the reason on the lines below it.
        if (error.cause() == MotraError::Cause::CannotOpen)
            throw error.asNotice(missingNotice);
        throw;
    }
    requireContent();
}

NormFile::NormFile(const QString &fixedPath, const QByteArray &bytes) : m_fixedPath(fixedPath), m_bytes(bytes)
{
    requireContent();
}

void NormFile::requireContent() const
{
    if (m_bytes.isEmpty())
        throw MotraError::ioError(m_fixedPath, QStringLiteral("A normafájl üres, a pontszámok nem számolhatók."));
}

NormFile NormFile::competenceNorms(int kind)
{
    const int k = kindInfo(kind).kind;
    return NormFile(FixedPaths::competenceNormFile(k), CompetenceMissing[k - 1]);
}

NormFile NormFile::problemNorms(int kind)
{
    const int k = kindInfo(kind).kind;
    return NormFile(FixedPaths::problemNormFile(k), ProblemMissing[k - 1]);
}

int NormFile::byteAt(qint64 offset) const
{
    if (offset < 0 || offset >= m_bytes.size())
        throw MotraError::ioError(m_fixedPath,
            QStringLiteral("A keresett adat (%1. bájt) túl van a fájl végén; a fájl csak %2 bájt hosszú, "
                           "ezért sérült vagy hiányos.")
                .arg(offset)
                .arg(m_bytes.size()));
    return static_cast<unsigned char>(m_bytes[offset]);
}
