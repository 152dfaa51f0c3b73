#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CaseRecord;

namespace FuzzSupport {

// Makes the QCoreApplication the core expects, once per process (the replay test has its own).
void ensureApplication();

// Host path of a fixed path inside the shared temporary installation. The installation is
// made on first use from the generated demo installation's nine scoring files and lives
// for the whole process, with MOTRA_ROOT pointing at it.
QString installedPath(const QString &fixedPath);
// Host path of a scratch file inside the temporary installation.
QString scratchPath(const QString &name);
// Replaces a file of the installation with the bytes.
void writeFile(const QString &hostPath, const QByteArray &bytes);
// Puts the demo's own copy of a scoring file back, so one input cannot affect the next.
void restoreScoringFile(const QString &fixedPath);

// A record with every item answered, ready to score.
void fillValidAnswers(CaseRecord &record);
// Replaces one scoring file of the installation with the bytes, scores a fully answered
// record of the kind against it, checks the invariants and puts the file back.
void scoreWithReplacedFile(const QString &fixedPath, int kind, const QByteArray &bytes);

// Invariant checks. A violation aborts under libFuzzer; the replay test collects them.
void expect(bool condition, const QString &what);
QStringList takeFailures();

// Answer sets keep their row counts and scale score arrays their sizes.
void checkRecordShape(const CaseRecord &record);
// After a successful scoring every result row of the kind holds "***" or a one-decimal number.
void checkResultRows(const CaseRecord &record, int kind);
// How many scorings reached checkResultRows since the last call (seeds meant to score must).
int takeScoredCount();

} // namespace FuzzSupport
