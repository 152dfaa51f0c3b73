#pragma once

#include <QString>

class CaseRecord;

// Code, date, sex code, age and SlotValues[1..SlotCount] of CurrentKind, TAB separated,
// ended by CR LF; values rounded to four decimals, shortest form, the locale's decimal separator.
QString StatisticsLine(const CaseRecord &record);
// "Kod\tDatum\tnem\tkor\tx_1\t...x_N" + CR LF for the kind's SlotCount.
QString StatisticsHeader(int kind);
// One slot value as a statistics line writes it: rounded to four decimals, no trailing
// zeros, decimalPoint as separator (2 -> "2", 7.5 -> "7,5", -0.00001 -> "0").
QString statisticsNumber(double value, const QString &decimalPoint);
// Appends text to a host file, creating it when missing.
void AppendText(const QString &hostFile, const QString &text);
// Appends the StatisticsLine of the current questionnaire to "c:\_halden\motra\stat\_sum.dat",
// preceded by the kind's StatisticsHeader when the file is new or its last line belongs to
// another questionnaire kind, so that every run of lines sits under its own header.
void AppendToSummaryFile(const CaseRecord &record);
// True when some line of the host file begins with exactly that code (text before the first TAB).
bool CodeInStatisticsFile(const QString &code, const QString &hostFile);
