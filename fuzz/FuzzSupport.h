#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CaseRecord;
class ScoringFiles;

namespace FuzzSupport {

// Makes the QCoreApplication the core expects, once per process (the replay test has its own).
void ensureApplication();

// The examination as a fresh start of the program holds it, for one input: the same object
// for every input (building the answer sets costs more than most inputs), put back to that
// state when the scope begins and again when it ends. Nothing an input allocates outlives
// it, so libFuzzer sees every allocation freed and need not hunt for a leak after each one.
class FreshRecord
{
public:
    FreshRecord();
    ~FreshRecord();
    FreshRecord(const FreshRecord &) = delete;
    FreshRecord &operator=(const FreshRecord &) = delete;
    CaseRecord &record();
};

// The demo installation's scoring files of a kind, read once (from MOTRA_DEMO_DIR).
const ScoringFiles &demoScoringFiles(int kind);
// A record with every item answered, ready to score.
void fillValidAnswers(CaseRecord &record);
// Scores a fully answered record of the kind against the files and checks the invariants.
void scoreWithFiles(const ScoringFiles &files, int kind);

// Invariant checks. A violation aborts under libFuzzer; the replay test collects them.
void fail(const QString &what);
// The message is only put together when the check fails: most inputs pass every check.
template<typename Describe> void expect(bool condition, Describe &&describe)
{
    if (!condition)
        fail(describe());
}
QStringList takeFailures();

// Answer sets keep their row counts and scale score arrays their sizes.
void checkRecordShape(const CaseRecord &record);
// After a successful scoring every result row of the kind holds "***" or a one-decimal number.
void checkResultRows(const CaseRecord &record, int kind);
// How many scorings reached checkResultRows since the last call (seeds meant to score must).
int takeScoredCount();

} // namespace FuzzSupport
