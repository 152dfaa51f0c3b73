#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

class TstGifWriter : public QObject
{
    Q_OBJECT

private:
    static QImage readBack(const QByteArray &gif)
    {
        QBuffer buffer;
        buffer.setData(gif);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        return reader.read();
    }

    static void compare(const QImage &expected, const QImage &actual)
    {
        QCOMPARE(actual.size(), expected.size());
        const QImage a = actual.convertToFormat(QImage::Format_RGB32);
        const QImage e = expected.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < e.height(); ++y) {
            for (int x = 0; x < e.width(); ++x) {
                if (a.pixel(x, y) != e.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
        }
    }

private slots:
    void header()
    {
        QImage image(7, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QByteArray gif = encodeGif(image);
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(uchar(gif[6]), uchar(7));
        QCOMPARE(uchar(gif[8]), uchar(3));
        QVERIFY(gif.endsWith(';'));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colours");
        QTest::newRow("one pixel") << 1 << 1 << 1;
        QTest::newRow("solid") << 10 << 9 << 1;
        QTest::newRow("two colours") << 33 << 17 << 2;
        // Noise fills the code table several times over: the table restarts must decode.
        QTest::newRow("noise 16") << 300 << 200 << 16;
        QTest::newRow("noise 256") << 257 << 129 << 256;
        QTest::newRow("wide") << 2000 << 3 << 5;
    }

    void roundTrip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colours);
        QRandomGenerator random(12345);
        QList<QRgb> palette;
        for (int i = 0; i < colours; ++i)
            palette.append(qRgb(i, (i * 7) % 256, 255 - i));
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, palette[(x / 3 + y + int(random.bounded(colours))) % colours]);
        }
        compare(image, readBack(encodeGif(image)));
    }

    void manyColoursStillDecode()
    {
        // More than 256 colours: reduced, but still a valid picture of the same size.
        QImage image(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                image.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
        }
        const QImage back = readBack(encodeGif(image));
        QCOMPARE(back.size(), image.size());
    }
};

QTEST_GUILESS_MAIN(TstGifWriter)
#include "tst_gifwriter.moc"
