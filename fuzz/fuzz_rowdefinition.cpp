// A row definition text, as the row lists hold them, decoded from Windows-1250.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/TextFile.h"

#include <QByteArray>

MOTRA_FUZZ_TARGET(rowDefinition)
{
    FuzzSupport::ensureApplication();
    const QString text = TextFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const RowDefinition row = parseRowDefinition(text);
    FuzzSupport::expect(row.text == text, [] { return QStringLiteral("row text changed"); });
    FuzzSupport::expect(
        row.RowNumber.size() <= text.size() && row.Label.size() <= text.size() && row.Tag.size() <= text.size(),
        [] { return QStringLiteral("row parts longer than the text"); });
    (void)row.rowNumberValue();
    for (int kind = Parent; kind <= SelfReport; ++kind)
        (void)questionCaption(kind, row);
    return 0;
}
