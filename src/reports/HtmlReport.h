#pragma once

#include <QString>
#include <QStringList>

class CaseRecord;

// Writes the whole report page to a host file (Windows-1250, CR LF). The flags choose the
// sections, always written in the order parent, teacher, self-report. The file is replaced
// whole or not at all; throws MotraError on failure.
void WriteHtmlReport(const CaseRecord &record, const QString &hostFile, bool parent, bool teacher, bool selfReport);

// The lines of the page as WriteHtmlReport writes them (without line ends).
QStringList htmlReportLines(const CaseRecord &record, bool parent, bool teacher, bool selfReport);

// Host path of the report page of an examination code: "c:\_halden\motra\html\" + the
// code made safe for a file name + ".htm".
QString htmlReportPath(const QString &code);

// The examination's own texts as page text: & < > " become entities, a control character
// becomes the reference of its visible sign (NUL as &#9216;, ␀), and a character that the
// page's code page cannot hold becomes a numeric character reference.
QString htmlText(const QString &text);

// The scale row pieces: " (--)" .. " (++)"; "\"n.gif\"" or empty; the raw score with one
// decimal cut to 6 characters.
QString significanceMark(int tScore);
QString bandPicture(int tScore);
QString rawScoreText(double rawScore);
