#include "charts/InstallationPicture.h"

#include "case/MotraError.h"

#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12; // the old OS/2 header
constexpr int InfoHeaderSize = 40;
// Compression values of rows stored as they are: BI_RGB, BI_BITFIELDS, BI_ALPHABITFIELDS.
constexpr quint32 Uncompressed[] = {0, 3, 6};

quint32 le32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

MotraError damaged(const QString &fixedPath, const QString &reason)
{
    return MotraError(
        QStringLiteral("A telepítés egyik képe sérült, nem használható.\n") + fileFailureLines(fixedPath, reason));
}

} // namespace

qint64 bitmapSizeByHeader(const QByteArray &bytes)
{
    if (bytes.size() < FileHeaderSize + CoreHeaderSize || !bytes.startsWith("BM"))
        return 0;
    const qint64 dataOffset = le32(bytes, 10);
    const quint32 headerSize = le32(bytes, FileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    int bitsPerPixel = 0;
    if (headerSize == CoreHeaderSize) {
        width = le16(bytes, 18);
        height = le16(bytes, 20);
        bitsPerPixel = le16(bytes, 24);
    } else if (headerSize >= InfoHeaderSize && bytes.size() >= FileHeaderSize + InfoHeaderSize) {
        width = std::abs(qint64(qint32(le32(bytes, 18))));
        height = std::abs(qint64(qint32(le32(bytes, 22))));
        bitsPerPixel = le16(bytes, 28);
        const quint32 compression = le32(bytes, 30);
        if (std::find(std::begin(Uncompressed), std::end(Uncompressed), compression) == std::end(Uncompressed))
            return 0;
    } else {
        return 0;
    }
    if (bitsPerPixel == 0 || width > 1 << 20 || height > 1 << 20)
        return 0;
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return dataOffset + rowBytes * height;
}

void requireWholeBitmap(const QByteArray &bytes, const QString &fixedPath)
{
    const qint64 needed = bitmapSizeByHeader(bytes);
    if (needed > bytes.size())
        throw damaged(fixedPath,
            QStringLiteral("a kép csonka: %1 bájt helyett csak %2 bájt hosszú").arg(needed).arg(bytes.size()));
}

QImage decodeInstallationPicture(const QByteArray &bytes, const QString &fixedPath, const QSize &expectedSize)
{
    requireWholeBitmap(bytes, fixedPath);
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        throw damaged(fixedPath, QStringLiteral("a fájl nem olvasható képként (%1 bájt)").arg(bytes.size()));
    if (expectedSize.isValid() && image.size() != expectedSize)
        throw damaged(fixedPath,
            QStringLiteral("a kép %1 × %2 képpontos, %3 × %4 helyett")
                .arg(image.width())
                .arg(image.height())
                .arg(expectedSize.width())
                .arg(expectedSize.height()));
    return image;
}
