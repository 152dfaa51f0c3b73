// A damaged scale-definition file: the first byte picks skala1/2/3.txt, the rest is its
// content; a fully answered record is then scored against it.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "scoring/ScoringFiles.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(scaleDefinition)
{
    if (size == 0)
        return 0;
    const int kind = data[0] % 3 + 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    FuzzSupport::scoreWithFiles(
        FuzzSupport::demoScoringFiles(kind).with(ScoringFiles::File::ScaleDefinitions, bytes), kind);
    return 0;
}
