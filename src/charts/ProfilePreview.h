#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

// The open dialog's profile preview: the T-scores of the three questionnaires read by line
// position from a case file's lines, drawn as rows of small bars on one base line.
namespace ProfilePreview {

constexpr int BaseLine = 110; // bottom edge of every bar, from the panel's top
constexpr int BarWidth = 10;
constexpr int BarPitch = 12; // from one bar's left edge to the next one's
constexpr int FirstBarLeft = 8;
// The value of a score line holding "***" (not computed) or nothing.
constexpr int NotComputedValue = 5;
// The value of a score line holding text that is not a number: no bar.
constexpr int NoBar = -1;

// The line of the case file that holds the first T-score of the questionnaire
// (parent 230, teacher 423, self-report 648); its ScaleCount T-scores follow in order.
int firstScoreLine(int kind);
// The line count a file needs for the preview: one past the last self-report T-score.
int requiredLineCount();

// One score line's value: NotComputedValue for "***" or an empty line; a decimal number
// rounded to the nearest integer, halves to even; NoBar for anything else (text, or a
// number beyond what a score can be).
int lineValue(const QString &line);

// The bar values of the three questionnaires (parent, teacher, self-report). Throws
// MotraError naming shownName when the file has fewer lines than the score lines need.
std::array<QVector<int>, 3> previewValues(const QStringList &lines, const QString &shownName);

// The hint of bar `bar` (0-based): the question of the T-score row it shows, without the
// row list's trailing colon ("Aktivitás T-érték").
QString barHint(int kind, int bar);
// The bar's rectangle in its panel: BarWidth wide, `value` pixels high, standing on the
// base line; empty for a negative value.
QRect barRect(int bar, int value);
// The band colour of the value (the profile charts' colours).
QColor barColour(int value);

} // namespace ProfilePreview
