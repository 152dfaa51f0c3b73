#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class CaseRecord;

// Colour of a T-score band: 0-29, 30-39, 40-60, 61-70, 71-100, anything else white.
QColor BandColour(int tScore);
// CODE + ": " + NAME + ", " + AGE + " éves " + sex word (teacher: férfi/nő, others: fiú/lány).
QString ChartHeader(const CaseRecord &record, int kind);
// Draws the profile of `kind` in mode 1 (coloured bars), 2 (line) or 3 (black-and-white
// bars) onto the background bitmap. Not-computable T-scores are drawn as 0; the record is
// not changed. Throws MotraError when the background cannot be loaded.
QImage DrawProfile(const CaseRecord &record, int kind, int mode);
// DrawProfile and save it as a Windows bitmap to a host file (the current chart by default).
QImage DrawAndSaveProfile(const CaseRecord &record, int kind, int mode, const QString &hostFile = QString());
// New examination: every current chart bitmap replaced by its blank background.
void ResetCurrentCharts();
