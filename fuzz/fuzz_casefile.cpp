// A case file as users and other programs leave it: read it, then score all three questionnaires.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "scoring/ScoringDriver.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(caseFile)
{
    const QString path = FuzzSupport::scratchPath(QStringLiteral("fuzz.mtr"));
    FuzzSupport::writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    CaseRecord record;
    try {
        readCaseFile(record, path);
    } catch (const MotraError &) { }
    FuzzSupport::checkRecordShape(record);

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        try {
            ScoreKind(record, kind);
            FuzzSupport::checkResultRows(record, kind);
        } catch (const MotraError &) { }
        FuzzSupport::checkRecordShape(record);
    }
    return 0;
}
