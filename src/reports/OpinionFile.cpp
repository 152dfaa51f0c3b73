#include "reports/OpinionFile.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/TextFile.h"
#include "case/WordCopy.h"

void writeOpinionFile(const CaseRecord &record)
{
    TextFile::writeLines(hostPath(FixedPaths::OpinionText), record.Opinion);
    WordCopy::write(WordCopy::OpinionText, record.Opinion);
}
