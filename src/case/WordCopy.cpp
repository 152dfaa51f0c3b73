#include "case/WordCopy.h"

#include "case/HostPath.h"
#include "case/TextFile.h"

namespace WordCopy {

QByteArray bytes(const QStringList &lines)
{
    QByteArray out("\xEF\xBB\xBF");
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

// Saved as every other replaced file is: whole or not at all, a folder or FIFO in its place
// refused, leftovers of interrupted saves removed.
void write(const QString &fixedPath, const QStringList &lines)
{
    TextFile::writeBytes(hostPath(fixedPath), bytes(lines));
}

} // namespace WordCopy
