#pragma once

#include <QString>
#include <QStringList>

class CaseRecord;

// The lines of the case file of the current examination, in the fixed layout.
QStringList caseFileLines(const CaseRecord &record);
// Replaces the host file with caseFileLines (whole or not at all).
void writeCaseFileTo(const CaseRecord &record, const QString &hostFile);
// Loads a case file into the record (tags, answer sets, opinion); shows nothing.
// Throws MotraError when the file cannot be read or Kora/Neme is not a decimal integer.
void readCaseFile(CaseRecord &record, const QString &hostFile);
