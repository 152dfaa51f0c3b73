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
    CaseRecord &record = FuzzSupport::freshRecord();
    try {
        readCaseFileBytes(record, QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const MotraError &) { }
    FuzzSupport::checkRecordShape(record);

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        try {
            ScoreKind(record, kind, &FuzzSupport::demoScoringFiles(kind));
            FuzzSupport::checkResultRows(record, kind);
        } catch (const MotraError &) { }
        FuzzSupport::checkRecordShape(record);
    }
    return 0;
}
