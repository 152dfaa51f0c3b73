#include "scoring/NormFile.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"

#include <QFile>

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
    QFile file(hostPath(fixedPath));
    if (!file.open(QIODevice::ReadOnly))
        throw MotraError::notice(missingNotice);
    m_bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw MotraError::ioError(fixedPath, QStringLiteral("A fájl nem olvasható: %1").arg(file.errorString()));
    if (m_bytes.isEmpty())
        throw MotraError::ioError(fixedPath, QStringLiteral("A normafájl üres, a pontszámok nem számolhatók."));
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
