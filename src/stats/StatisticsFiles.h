#pragma once

#include <QString>

class CaseRecord;

// Code, date, sex code, age and SlotValues[1..SlotCount] of CurrentKind, TAB separated,
// ended by CR LF; values rounded to four decimals, shortest form, the locale's decimal separator.
QString StatisticsLine(const CaseRecord &record);
// "Kod\tDatum\tnem\tkor\tx_1\t...x_N" + CR LF for the kind's SlotCount.
QString StatisticsHeader(int kind);
// Appends text to a host file, creating it when missing.
void AppendText(const QString &hostFile, const QString &text);
// Appends the StatisticsLine of the current questionnaire to "c:\_halden\motra\stat\_sum.dat".
void AppendToSummaryFile(const CaseRecord &record);
// True when some line of the host file begins with exactly that code (text before the first TAB).
bool CodeInStatisticsFile(const QString &code, const QString &hostFile);
