// A damaged norm file: the first byte picks tstan1..3.tp or fakst1..3.tp, the rest is its
// content; a fully answered record is then scored against it.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "scoring/ScoringFiles.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(normFile)
{
    if (size == 0)
        return 0;
    const int selector = data[0] % 6;
    const int kind = selector % 3 + 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const ScoringFiles::File file
        = selector < 3 ? ScoringFiles::File::CompetenceNorms : ScoringFiles::File::ProblemNorms;
    FuzzSupport::scoreWithFiles(FuzzSupport::demoScoringFiles(kind).with(file, bytes), kind);
    return 0;
}
