#pragma once

#include <QString>

class CaseRecord;

// Writes the whole report page to a host file (Windows-1250, CR LF). The flags choose the
// sections, always written in the order parent, teacher, self-report.
void WriteHtmlReport(const CaseRecord &record, const QString &hostFile, bool parent, bool teacher, bool selfReport);
