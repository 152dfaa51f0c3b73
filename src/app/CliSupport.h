#pragma once

#include <QString>
#include <QTextStream>

class CaseRecord;

// What the score, report and chart commands share: reading the case file and scoring one
// questionnaire, with every failure written to err in the same form.

// "motra-cli COMMAND: " + the message's first line; the lines below it (the place of a bad
// answer, the file, the reason) follow, indented, each on a line of its own.
void printCliError(QTextStream &err, const QString &command, const QString &message);
// Reads the case file into the record; false (with the message on err) when it cannot be
// read or a value in it does not convert.
bool readCaseForCli(CaseRecord &record, const QString &caseFile, const QString &command, QTextStream &err);
// Scores one questionnaire as an entry window does. On failure the message goes to err
// (naming the questionnaire, and the case file when the bad value came from it), the
// questionnaire keeps the scores the file held, and the first line of the message is
// returned; an empty text means success.
QString scoreForCli(CaseRecord &record, int kind, const QString &caseFile, const QString &command, QTextStream &err);
