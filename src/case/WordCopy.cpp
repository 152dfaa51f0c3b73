#include "case/WordCopy.h"

#include "case/HostPath.h"
#include "case/MotraError.h"

#include <QSaveFile>

namespace WordCopy {

QByteArray bytes(const QStringList &lines)
{
    QByteArray out("\xEF\xBB\xBF");
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

void write(const QString &fixedPath, const QStringList &lines)
{
    const QString path = hostPath(fixedPath);
    const QByteArray content = bytes(lines);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw MotraError::cannotOpen(path, file.errorString());
    // Flushed before commit so that a full disk never puts a cut copy in place of the old one.
    const bool written = file.write(content) == content.size() && file.flush();
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw MotraError::ioError(path, reason);
    }
}

} // namespace WordCopy
