#include "GifWriter.h"

#include <vector>

namespace {

// Codes go out least significant bit first, packed into sub-blocks of at most 255 bytes.
class CodeWriter
{
public:
    void write(int code, int size)
    {
        m_bits |= quint32(code) << m_count;
        m_count += size;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xFF));
        QByteArray blocks;
        for (qsizetype i = 0; i < m_bytes.size(); i += 255) {
            const qsizetype n = qMin<qsizetype>(255, m_bytes.size() - i);
            blocks.append(char(n));
            blocks.append(m_bytes.constData() + i, n);
        }
        blocks.append('\0');
        return blocks;
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_count = 0;
};

constexpr int MinCodeSize = 8;
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int MaxCode = 4095;

QByteArray compress(const QImage &indexed)
{
    CodeWriter out;
    // next[code * 256 + pixel]: the code of the string `code` followed by `pixel`, 0 for none.
    std::vector<quint16> next(size_t(MaxCode + 1) * 256, 0);
    int codeSize = MinCodeSize + 1;
    int lastCode = EndCode;
    int current = -1;
    out.write(ClearCode, codeSize);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int pixel = line[x];
            if (current < 0) {
                current = pixel;
                continue;
            }
            quint16 &entry = next[size_t(current) * 256 + pixel];
            if (entry != 0) {
                current = entry;
                continue;
            }
            out.write(current, codeSize);
            entry = quint16(++lastCode);
            if (lastCode >= (1 << codeSize))
                ++codeSize;
            if (lastCode == MaxCode) {
                out.write(ClearCode, codeSize);
                std::fill(next.begin(), next.end(), 0);
                codeSize = MinCodeSize + 1;
                lastCode = EndCode;
            }
            current = pixel;
        }
    }
    if (current >= 0)
        out.write(current, codeSize);
    out.write(ClearCode, codeSize);
    out.write(EndCode, MinCodeSize + 1);
    return out.finish();
}

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

} // namespace

QByteArray encodeGif(const QImage &image)
{
    // Exact palette for images of up to 256 colours, Qt's own reduction otherwise.
    const QImage indexed = image.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QByteArray gif("GIF89a");
    appendWord(gif, indexed.width());
    appendWord(gif, indexed.height());
    gif.append(char(0xF7)); // global palette of 2^8 entries, 8 bits per primary
    gif.append('\0'); // background colour index
    gif.append('\0'); // square pixels
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        gif.append(char(qRed(c)));
        gif.append(char(qGreen(c)));
        gif.append(char(qBlue(c)));
    }
    gif.append(',');
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, indexed.width());
    appendWord(gif, indexed.height());
    gif.append('\0'); // no local palette, not interlaced
    gif.append(char(MinCodeSize));
    gif.append(compress(indexed));
    gif.append(';');
    return gif;
}
