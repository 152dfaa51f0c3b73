#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// One bar of a profile chart as the window was designed.
struct ChartBarDesign
{
    int left; // design left edge, window pixels
    int width; // design width, window pixels
    QString caption; // the scale's name written along the bar
    QString hint; // tooltip; also the picker caption + " elemei"
};

// What the three profile charts do differently; everything else they share.
struct ChartLayout
{
    int kind;
    QString windowClass; // "TSzuDiagForm"
    QString caption; // window caption
    QString imageName; // "SzuImage"
    QString boyWord; // header sex words
    QString girlWord;
    int designDpi; // the parent window was laid out at 120 pixels per inch
    bool insetBars; // parent: bitmap rectangle one pixel inside the bar on each side
    bool fillColouredBars; // self-report: coloured bars filled on the bitmap
    int markerSize; // at the screen's 96 pixels per inch
    QColor markerColour; // the marker's second colour
    QString helpCaption;
    QString helpName; // file name in the help and the notes folder
    QVector<ChartBarDesign> bars;

    // The bar's left edge and exclusive right edge in window pixels at 96 pixels per inch.
    // The parent's 120-dpi design is scaled by 96/120, as the window itself is scaled on a
    // standard screen; that puts its bars 25 pixels apart like the other two charts.
    int screenLeft(int bar) const;
    int screenRight(int bar) const;
};

// The layout of chart kind 1, 2 or 3.
const ChartLayout &chartLayout(int kind);
