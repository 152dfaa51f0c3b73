#pragma once

#include <QString>
#include <QStringList>

// The word processor on this platform reads a linked plain text in the system's encoding,
// never in Windows-1250, so the two exchange texts it shows (the personal-data summary and
// the opinion) are also kept as UTF-8 copies with a byte-order mark beside the fixed files,
// which it reads right whatever the locale. The fixed files themselves stay as they are.
namespace WordCopy {

inline const QString PersonalSummary = QStringLiteral("c:\\_halden\\motra\\aktualis\\szemad_utf8.txt");
inline const QString OpinionText = QStringLiteral("c:\\_halden\\motra\\aktualis\\velem_utf8.txt");

// The copy's bytes: a UTF-8 byte-order mark, then every line ended by CR LF.
QByteArray bytes(const QStringList &lines);
// Replaces the copy at the fixed path (whole or not at all); throws MotraError with the
// path and the reason.
void write(const QString &fixedPath, const QStringList &lines);

} // namespace WordCopy
