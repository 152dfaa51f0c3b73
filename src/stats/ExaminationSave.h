#pragma once

#include <QString>

class CaseRecord;

// Save: with an empty code the code becomes "aktualis" and the name is the base name;
// writes the case file to the archive, moves its path to the end of last.mod, appends the
// summary statistics line, and returns the confirmation text
// "lemezre írva: NAME, statisztika csatolva: NAME =>> stat\_sum.dat". Throws MotraError;
// nothing after the failing step is done.
QString WriteCaseFile(CaseRecord &record, const QString &baseName);
