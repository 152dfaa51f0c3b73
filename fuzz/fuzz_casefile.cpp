// A case file as users and other programs leave it: read it, then score one questionnaire,
// picked by the input's last byte (so every questionnaire is scored over the run and one input
// costs a third).
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "scoring/ScoringDriver.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(caseFile)
{
    FuzzSupport::FreshRecord fresh;
    CaseRecord &record = fresh.record();
    try {
        readCaseFileBytes(record, QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const MotraError &) { }
    FuzzSupport::checkRecordShape(record);

    const int kind = size == 0 ? Parent : Parent + data[size - 1] % 3;
    try {
        ScoreKind(record, kind, &FuzzSupport::demoScoringFiles(kind));
        FuzzSupport::checkResultRows(record, kind);
    } catch (const MotraError &) { }
    FuzzSupport::checkRecordShape(record);
    return 0;
}
