// A damaged norm file: the first byte picks tstan1..3.tp or fakst1..3.tp, the rest is its
// content; a fully answered record is then scored against it.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/FixedPaths.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(normFile)
{
    if (size == 0)
        return 0;
    const int selector = data[0] % 6;
    const int kind = selector % 3 + 1;
    const QString fixedPath = selector < 3 ? FixedPaths::competenceNormFile(kind) : FixedPaths::problemNormFile(kind);
    FuzzSupport::scoreWithReplacedFile(
        fixedPath, kind, QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    return 0;
}
