#include "DemoPictures.h"

#include <QFont>
#include <QPainter>

namespace DemoPictures {

namespace {

// The chart's band colours, low to high.
const QColor BandColours[5]
    = {QColor(35, 40, 243), QColor(185, 205, 255), QColor(0, 206, 0), QColor(255, 128, 0), QColor(255, 20, 75)};
const char *const BandMarks[5] = {"--", "-", "0", "+", "++"};
const char *const BandRanges[5] = {"0-29", "30-39", "40-60", "61-70", "71-100"};

QFont smallFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int yOfT(int t) { return 360 - 3 * t; }

} // namespace

QImage chartBackground(const QString &title)
{
    QImage image(500, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // The normal range 40..60 as a light band behind the grid.
    p.fillRect(QRect(41, yOfT(60), 459, yOfT(40) - yOfT(60)), QColor(232, 246, 232));
    p.setFont(smallFont(10));
    for (int t = 0; t <= 100; t += 10) {
        const int y = yOfT(t);
        const bool strong = t == 30 || t == 40 || t == 60 || t == 70;
        if (t == 0)
            p.setPen(QPen(Qt::black, 1));
        else if (strong)
            p.setPen(QPen(t == 70 || t == 30 ? QColor(200, 30, 30) : QColor(0, 140, 0), 2));
        else
            p.setPen(QPen(QColor(190, 190, 190), 1));
        p.drawLine(40, y, 499, y);
        p.setPen(Qt::black);
        p.drawText(QRect(2, y - 7, 34, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(t));
    }
    // The axis stays left of the bars.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(40, yOfT(100), 40, yOfT(0));
    p.setFont(smallFont(11, true));
    p.drawText(QRect(40, 4, 455, 18), Qt::AlignRight | Qt::AlignVCenter, title);
    p.setFont(smallFont(9));
    p.drawText(QRect(2, 44, 36, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("T"));
    return image;
}

QImage noPhoto()
{
    QImage image(120, 150, QImage::Format_RGB32);
    image.fill(QColor(225, 225, 225));
    QPainter p(&image);
    p.setPen(QPen(QColor(130, 130, 130), 2));
    p.drawRect(1, 1, 117, 147);
    p.drawEllipse(QPoint(60, 55), 22, 26);
    p.drawArc(QRect(22, 88, 76, 60), 0, 180 * 16);
    p.setPen(Qt::black);
    p.setFont(smallFont(12, true));
    p.drawText(QRect(0, 118, 120, 28), Qt::AlignCenter, QStringLiteral("nincs fénykép"));
    return image;
}

QImage bandBar(int band)
{
    QImage image(10, 9, QImage::Format_RGB32);
    image.fill(BandColours[qBound(0, band, 4)]);
    return image;
}

QImage ruler()
{
    QImage image(300, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.drawLine(0, 19, 299, 19);
    p.setFont(smallFont(9));
    for (int t = 0; t <= 100; t += 10) {
        const int x = qMin(3 * t, 299);
        p.drawLine(x, 12, x, 19);
        const Qt::Alignment align = t == 0 ? Qt::AlignLeft : t == 100 ? Qt::AlignRight : Qt::AlignHCenter;
        const QRect box = t == 0 ? QRect(0, 0, 24, 12) : t == 100 ? QRect(276, 0, 24, 12) : QRect(x - 12, 0, 24, 12);
        p.drawText(box, align | Qt::AlignVCenter, QString::number(t));
    }
    return image;
}

QImage legend()
{
    QImage image(400, 18, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(smallFont(10));
    for (int band = 0; band < 5; ++band) {
        const int x = band * 80;
        p.fillRect(QRect(x + 2, 4, 10, 10), BandColours[band]);
        p.setPen(Qt::black);
        p.drawText(QRect(x + 15, 0, 64, 18), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("(%1) %2").arg(QLatin1String(BandMarks[band]), QLatin1String(BandRanges[band])));
    }
    return image;
}

QImage logo()
{
    QImage image(160, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 48, 48), QColor(35, 40, 243));
    p.fillRect(QRect(8, 26, 8, 14), QColor(185, 205, 255));
    p.fillRect(QRect(20, 16, 8, 24), QColor(0, 206, 0));
    p.fillRect(QRect(32, 8, 8, 32), QColor(255, 128, 0));
    p.setPen(QColor(35, 40, 243));
    p.setFont(smallFont(28, true));
    p.drawText(QRect(52, 0, 108, 48), Qt::AlignCenter, QStringLiteral("MOTRA"));
    return image;
}

} // namespace DemoPictures
