#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The statistics lines of a whole archive for one questionnaire: each case file is read and
// its questionnaire scored as when the examination is opened, and its line made as an
// attach would make it. The scale-definition and norm files are read once per run, and
// several threads may share the work; the results still come in the order of the files.
namespace StatisticsBatch {

// A case file larger than this is not an examination and is skipped unread.
constexpr qint64 MaxCaseFileBytes = 8 * 1024 * 1024;

struct FileResult
{
    QString file; // host path, as given
    QByteArray line; // the statistics line, Windows-1250 with CR LF; empty when skipped
    QString failure; // why the file was skipped (fixed text first, file and reason below)
};

// Runs over the files in order and hands every result to `take` in that order, from the
// calling thread. threads <= 1 does the work in the calling thread; otherwise that many
// workers read ahead, holding a bounded number of finished results.
void run(int kind, const QStringList &files, int threads, const std::function<void(const FileResult &)> &take);

// How many threads suit this many files on this machine.
int suitableThreads(qsizetype fileCount);

} // namespace StatisticsBatch
