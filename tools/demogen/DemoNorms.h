#pragma once

#include <QByteArray>
#include <QStringList>

// The demonstration scale definitions and norm tables. The item lists are the program's own
// scale item lists; the T-score tables are invented, monotone and plausible, and carry no
// clinical meaning whatsoever.
namespace DemoNorms {

// Lines of skalaN.txt: a title line and a data line ("n item item ...") per file scale.
QStringList scaleDefinitionLines(int kind);
// Items of the self-report Összprobléma: 103 distinct items, none of Szociális érettség.
QVector<int> selfReportTotalItems();
// tstan1.tp / tstan3.tp (248 bytes) and tstan2.tp (1200 bytes).
QByteArray competenceNorms(int kind);
// fakstN.tp: 2200 bytes (parent, teacher) or 2400 bytes (self-report).
QByteArray problemNorms(int kind);

} // namespace DemoNorms
