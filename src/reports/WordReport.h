#pragma once

#include <QString>
#include <QStringList>

// The word-processor report: the program only prepares the name the user saves the new
// document under and hands the installed template to the desktop.
namespace WordReport {

// "c:\_halden\motra\doc\" + code + ".doc". A code holding characters that no file name can
// hold ("\ / : * ? " < > |", control characters) or "..", has each of them replaced by "_"
// so that the pasted name still saves, inside the doc folder; any other code (also an empty
// one) is used as it stands.
QString documentName(const QString &childCode);

// The five fixed lines of the link dialog mock: source name in 27 characters, then the type.
QStringList linkListLines();

} // namespace WordReport
