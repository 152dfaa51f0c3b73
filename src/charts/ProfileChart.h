#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class CaseRecord;

// Chart modes: 1 coloured bars, 2 black-and-white line, 3 black-and-white bars.
enum ChartMode : int { ColouredBars = 1, LineChart = 2, BlackWhiteBars = 3 };

// Colour of a T-score band: 0-29, 30-39, 40-60, 61-70, 71-100, anything else white.
QColor BandColour(int tScore);
// CODE + ": " + NAME + ", " + AGE + " éves " + sex word (teacher: férfi/nő, others: fiú/lány).
QString ChartHeader(const CaseRecord &record, int kind);
// The T-score as the chart draws it: not-computable (negative) scores as 0.
int drawnTScore(int tScore);
// Bar `bar` (1-based) for T-score t in window coordinates (the chart image sits at (1, 1)):
// top 361 - 3t, bottom edge 361 (exclusive), the bar's screen left and width.
QRect barWindowRect(int kind, int bar, int tScore);
// The rectangle drawn for that bar on the bitmap (modes 1 and 3): the window rectangle
// moved by the image's (1, 1) origin, inset by one pixel at the sides in the parent chart.
// Half-open: rows 360 - 3t .. 359, so T = 0 sits on y = 360 and T = 100 on y = 60.
QRect barBitmapRect(int kind, int bar, int tScore);
// The line chart's point k (1-based): (30 + 25k, 360 - 3t) on the bitmap.
QPoint linePoint(int k, int tScore);

// Draws the profile of `kind` in mode 1 (coloured bars), 2 (line) or 3 (black-and-white
// bars) onto the background bitmap. Not-computable T-scores are drawn as 0; the record is
// not changed. Throws MotraError when the background cannot be read, does not decode whole
// or is not 500 x 400 pixels.
QImage DrawProfile(const CaseRecord &record, int kind, int mode);
// DrawProfile and save it as a Windows bitmap to a host file (the current chart by default),
// replacing the file whole or not at all. Throws MotraError; the old file then stays.
QImage DrawAndSaveProfile(const CaseRecord &record, int kind, int mode, const QString &hostFile = QString());
// Writes the image as a Windows bitmap, replacing the host file whole or not at all; throws
// MotraError naming the file and the reason.
void saveChartBitmap(const QImage &image, const QString &hostFile);
// New examination: every current chart bitmap replaced by its blank background. All three
// are tried; throws MotraError naming those that could not be replaced.
void ResetCurrentCharts();
