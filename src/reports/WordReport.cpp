#include "reports/WordReport.h"

#include "case/FixedPaths.h"

namespace WordReport {

QString documentName(const QString &childCode)
{
    QString name = FixedPaths::safeBaseName(childCode);
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringView(u"*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return FixedPaths::DocFolder + name + QStringLiteral(".doc");
}

QStringList linkListLines()
{
    const struct
    {
        const char16_t *source;
        const char16_t *type;
    } lines[] = {{u"C:\\...\\SZEMAD.TXT", u"szöveg"}, {u"AKT_DIAG.BMP", u"graphic"}, {u"AKT_DI2.BMP", u"graphic"},
        {u"C:\\...\\NOTESZ.TXT", u"szöveg"}, {u"C:\\...\\VELEM.TXT", u"szöveg"}};
    QStringList out;
    for (const auto &line : lines)
        out.append(QString::fromUtf16(line.source).leftJustified(27) + QString::fromUtf16(line.type));
    return out;
}

} // namespace WordReport
