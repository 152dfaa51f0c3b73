// A damaged scale-definition file: the first byte picks skala1/2/3.txt, the rest is its
// content; a fully answered record is then scored against it.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/FixedPaths.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(scaleDefinition)
{
    if (size == 0)
        return 0;
    const int kind = data[0] % 3 + 1;
    FuzzSupport::scoreWithReplacedFile(FixedPaths::scaleDefinitionFile(kind), kind,
        QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    return 0;
}
