#include "stats/ExaminationSave.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
#include "stats/StatisticsFiles.h"

QString WriteCaseFile(CaseRecord &record, const QString &baseName)
{
    QString name = baseName;
    if (record.Personal.ChildCode.isEmpty()) {
        record.Personal.ChildCode = QStringLiteral("aktualis");
        name = record.Personal.ChildName;
    }
    // The base name comes from a typed code or name: caseFile() keeps it inside the archive.
    const QString casePath = FixedPaths::caseFile(name);
    writeCaseFileTo(record, hostPath(casePath));
    ListFiles::addToRecentList(casePath);
    AppendToSummaryFile(record);
    const QString shownName = FixedPaths::safeBaseName(name);
    return QStringLiteral("lemezre írva: ") + shownName + QStringLiteral(", statisztika csatolva: ") + shownName
        + QStringLiteral(" =>> stat\\_sum.dat");
}
