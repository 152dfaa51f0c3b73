#include "case/ArchivedCodes.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"

ArchivedCodes ArchivedCodes::scan()
{
    return ArchivedCodes(matchingFiles(FixedPaths::ArchiveFolder, QStringLiteral("*")));
}

ArchivedCodes::ArchivedCodes(QStringList fileNames) : m_fileNames(std::move(fileNames))
{
    for (const QString &name : std::as_const(m_fileNames))
        m_codes.append(name.section(QLatin1Char('.'), 0, 0));
}

bool ArchivedCodes::wouldOverwrite(const QString &code, const QString &name) const
{
    // Saving with an empty code files the examination under the name.
    const QString caseFile = FixedPaths::caseFile(code.isEmpty() ? name : code);
    const QString fileName = caseFile.mid(FixedPaths::ArchiveFolder.size());
    for (const QString &existing : m_fileNames) {
        if (existing.compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
