#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures of the installation (chart backgrounds) are read whole and checked before use:
// a file that does not decode, a Windows bitmap shorter than its header says (a copy cut
// short, a damaged disk) or a picture of the wrong size is refused with its path, so that
// nothing is ever drawn on a blank image as if all were well.

// Decodes the bytes of the picture at fixedPath; throws MotraError naming fixedPath and
// what is wrong. An empty expectedSize accepts any size.
QImage decodeInstallationPicture(const QByteArray &bytes, const QString &fixedPath, const QSize &expectedSize = {});
// Only the check for a Windows bitmap cut short, for a reader that decodes the bytes itself;
// throws as decodeInstallationPicture does.
void requireWholeBitmap(const QByteArray &bytes, const QString &fixedPath);
// The number of bytes an uncompressed Windows bitmap must have by its header, or 0 when the
// header does not tell (another format, a compressed bitmap, a header cut short).
qint64 bitmapSizeByHeader(const QByteArray &bytes);
