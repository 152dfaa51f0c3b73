#include "charts/ProfileChart.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "charts/ChartLayout.h"
#include "charts/InstallationPicture.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// The chart image sits at (1, 1) of the window; bars are laid out in window coordinates.
constexpr int ImageOrigin = 1;
constexpr int BarBaseWindow = 361; // the bars' bottom edge in the window
constexpr int LineBase = 360; // T = 0 on the bitmap
constexpr int PixelsPerPoint = 3;
// Scores far outside the grid still get a label; their geometry is kept within a range
// where the pixel arithmetic cannot overflow (everything beyond is off the bitmap anyway).
constexpr int GeometryLimit = 1000;

const QString FontName = QStringLiteral("Cuorier New"); // the name as the charts store it

// Font sizes in points at the 96 pixels per inch the bitmaps are drawn for, as pixel
// heights, so that a bitmap's own resolution field cannot change the lettering.
QFont chartFont(int points, bool bold)
{
    QFont font(FontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setStyleStrategy(QFont::NoAntialias); // crisp lettering in the saved bitmap
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

int geometryScore(int tScore) { return std::min(drawnTScore(tScore), GeometryLimit); }

int tScoreOf(const CaseRecord &record, int kind, int k) { return record.scores(kind).TScores.value(k - 1, 0); }

// A 2-pixel outline kept inside the rectangle, so the drawing never leaves the bar.
void drawOutline(QPainter &painter, const QRect &r, const QColor &colour)
{
    if (r.isEmpty())
        return;
    const int t = 2;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), std::min(t, r.height())), colour);
    painter.fillRect(
        QRect(r.left(), std::max(r.top(), r.bottom() - t + 1), r.width(), std::min(t, r.height())), colour);
    painter.fillRect(QRect(r.left(), r.top(), std::min(t, r.width()), r.height()), colour);
    painter.fillRect(QRect(std::max(r.left(), r.right() - t + 1), r.top(), std::min(t, r.width()), r.height()), colour);
}

const QSize BackgroundSize(500, 400); // the grid every chart is laid out on

// The bytes of a chart background, checked to decode whole at the size the charts are
// laid out for. Throws naming the file.
QByteArray backgroundBytes(int kind, QImage *decoded = nullptr)
{
    const QString fixed = FixedPaths::chartBackground(kind);
    QByteArray bytes;
    try {
        bytes = TextFile::readBytes(hostPath(fixed));
    } catch (const MotraError &error) {
        if (error.cause() == MotraError::Cause::CannotOpen)
            throw error.withHeadline(QStringLiteral("Nem találom a diagram háttérképét."));
        throw;
    }
    const QImage image = decodeInstallationPicture(bytes, fixed, BackgroundSize);
    if (decoded)
        *decoded = image;
    return bytes;
}

QImage loadBackground(int kind)
{
    QImage image;
    backgroundBytes(kind, &image);
    // Palette bitmaps cannot be painted on directly.
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QColor BandColour(int tScore)
{
    if (tScore >= 0 && tScore <= 29)
        return QColor(35, 40, 243);
    if (tScore >= 30 && tScore <= 39)
        return QColor(185, 205, 255);
    if (tScore >= 40 && tScore <= 60)
        return QColor(0, 206, 0);
    if (tScore >= 61 && tScore <= 70)
        return QColor(255, 128, 0);
    if (tScore >= 71 && tScore <= 100)
        return QColor(255, 20, 75);
    return QColor(255, 255, 255);
}

QString ChartHeader(const CaseRecord &record, int kind)
{
    const ChartLayout &layout = chartLayout(kind);
    const PersonalData &p = record.Personal;
    return p.ChildCode + QStringLiteral(": ") + p.ChildName + QStringLiteral(", ") + QString::number(p.Age)
        + QStringLiteral(" éves ") + (p.IsBoy ? layout.boyWord : layout.girlWord);
}

int drawnTScore(int tScore) { return tScore < 0 ? 0 : tScore; }

QRect barWindowRect(int kind, int bar, int tScore)
{
    const ChartLayout &layout = chartLayout(kind);
    const int height = PixelsPerPoint * geometryScore(tScore);
    const int left = layout.screenLeft(bar);
    return QRect(left, BarBaseWindow - height, layout.screenRight(bar) - left, height);
}

QRect barBitmapRect(int kind, int bar, int tScore)
{
    QRect r = barWindowRect(kind, bar, tScore).translated(-ImageOrigin, -ImageOrigin);
    if (chartLayout(kind).insetBars)
        r.adjust(1, 0, -1, 0);
    return r;
}

QPoint linePoint(int k, int tScore) { return QPoint(30 + 25 * k, LineBase - PixelsPerPoint * geometryScore(tScore)); }

QImage DrawProfile(const CaseRecord &record, int kind, int mode)
{
    if (!isValidKind(kind))
        throw MotraError(QStringLiteral("Ismeretlen kérdőív: %1").arg(kind));
    if (mode != ColouredBars && mode != LineChart && mode != BlackWhiteBars)
        throw MotraError(QStringLiteral("Ismeretlen diagramtípus: %1").arg(mode));
    const ChartLayout &layout = chartLayout(kind);
    const int n = kindInfo(kind).scaleCount;

    QImage image = loadBackground(kind);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));

    painter.setFont(chartFont(10, true));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawText(
        QRect(40, 30, image.width(), image.height()), Qt::AlignLeft | Qt::AlignTop, ChartHeader(record, kind));
    painter.setBackgroundMode(Qt::TransparentMode);

    if (mode == LineChart) {
        QPolygon line;
        for (int k = 1; k <= n; ++k)
            line << linePoint(k, tScoreOf(record, kind, k));
        painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    } else {
        for (int k = 1; k <= n; ++k) {
            const int t = tScoreOf(record, kind, k);
            const QRect r = barBitmapRect(kind, k, t);
            const QColor colour = mode == ColouredBars ? BandColour(drawnTScore(t)) : QColor(Qt::black);
            if (mode == ColouredBars && layout.fillColouredBars)
                painter.fillRect(r, colour);
            else
                drawOutline(painter, r, colour);
        }
    }

    painter.setPen(QPen(Qt::black, 1));
    painter.setFont(chartFont(8, false));
    for (int k = 1; k <= n; ++k)
        painter.drawText(QRect(25 + 25 * k, 380, image.width(), image.height()), Qt::AlignLeft | Qt::AlignTop,
            QString::number(drawnTScore(tScoreOf(record, kind, k))));
    painter.end();
    return image;
}

void saveChartBitmap(const QImage &image, const QString &hostFile)
{
    // Encoded in memory first: the file is then written in one piece through TextFile, which
    // reports a failing write with its real reason and leaves the old file whole.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw MotraError(
            QStringLiteral("A diagram nem alakítható bitképpé.\n") + fileFailureLines(hostFile, QString()));
    TextFile::writeBytes(hostFile, bytes);
}

QImage DrawAndSaveProfile(const CaseRecord &record, int kind, int mode, const QString &hostFile)
{
    const QImage image = DrawProfile(record, kind, mode);
    saveChartBitmap(image, hostFile.isEmpty() ? hostPath(FixedPaths::currentChart(kind)) : hostFile);
    return image;
}

void ResetCurrentCharts()
{
    QStringList failures;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        try {
            // A damaged background is not copied: the old chart then stays as it was.
            TextFile::writeBytes(hostPath(FixedPaths::currentChart(kind)), backgroundBytes(kind));
        } catch (const MotraError &error) {
            failures << error.message();
        }
    }
    if (!failures.isEmpty())
        throw MotraError(failures.join(QStringLiteral("\n\n")));
}
