#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF pictures but cannot write them, and the HTML report links GIF pictures.
// encodeGif() writes a single-frame GIF89a: one global palette of 256 entries (exact when the
// image holds at most 256 colours) and LZW data that restarts its table when it fills up.
QByteArray encodeGif(const QImage &image);
