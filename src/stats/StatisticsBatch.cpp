#include "stats/StatisticsBatch.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/VisibleText.h"
#include "scoring/ScoringDriver.h"
#include "scoring/ScoringFiles.h"
#include "stats/StatisticsFiles.h"

#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace StatisticsBatch {

namespace {

// Below this many files a second thread costs more than it saves.
constexpr qsizetype FilesPerThread = 64;
// Finished results held at most per worker while an earlier file is still being read.
constexpr qsizetype ResultsPerWorker = 256;

// A record as a fresh start of the program holds it, reset for every case file without
// building the answer sets again.
class CleanRecord
{
public:
    CleanRecord()
    {
        for (int kind = Parent; kind <= SelfReport; ++kind) {
            const int rows = kindInfo(kind).rowCount;
            m_values[kind - 1] = QVector<QString>(rows);
            m_labels[kind - 1] = QVector<QString>(rows, QStringLiteral("-"));
        }
    }

    // Only the questionnaire of the run is read and scored; the other answer sets are left
    // as they are.
    CaseRecord &reset(int kind)
    {
        m_record.Personal = PersonalData();
        m_record.Personal.resetToDefaults();
        m_record.SlotValues.fill(0.0);
        m_record.Opinion.clear();
        m_record.answers(kind).assign(m_values[kind - 1], m_labels[kind - 1]);
        ScaleScores &scores = m_record.scores(kind);
        scores.RawScores.fill(0.0);
        scores.TScores.fill(0);
        m_record.setCurrentKind(kind);
        return m_record;
    }

    CaseTextPool &texts() { return m_texts; }

private:
    CaseRecord m_record;
    CaseTextPool m_texts;
    QVector<QString> m_values[3];
    QVector<QString> m_labels[3];
};

QString caseFileLine(const QString &file)
{
    return QStringLiteral("Esetfájl: ") + VisibleText::showControls(shownPath(file));
}

FileResult processFile(CleanRecord &clean, const ScoringFiles &scoringFiles, int kind, const QString &file)
{
    FileResult result;
    result.file = file;
    CaseRecord &record = clean.reset(kind);
    try {
        readCaseFileBytes(record, TextFile::readBytes(file, MaxCaseFileBytes), kind, &clean.texts());
    } catch (const MotraError &error) {
        // A file failure names the file already; a value that does not convert does not.
        result.failure = error.cause() == MotraError::Cause::Other ? error.withLine(caseFileLine(file)).message()
                                                                   : error.message();
        return result;
    }
    try {
        // As when the examination is opened: the personal data dialog fills the first rows.
        record.copyPersonalDataToAnswerSets();
        ScoreKind(record, kind, &scoringFiles);
        result.line = statisticsLineBytes(record, file);
    } catch (const MotraError &error) {
        result.failure
            = kindInfo(kind).name + QStringLiteral(" kérdőív: ") + error.withLine(caseFileLine(file)).message();
    }
    return result;
}

void runInThisThread(int kind, const QStringList &files, const ScoringFiles &scoringFiles,
    const std::function<void(const FileResult &)> &take)
{
    CleanRecord clean;
    for (const QString &file : files)
        take(processFile(clean, scoringFiles, kind, file));
}

// Workers take the next file index and park the result in a ring; the calling thread hands
// results on strictly in order. A worker waits while it is a whole ring ahead of the
// calling thread, so memory stays bounded however long the archive.
class OrderedWorkers
{
public:
    OrderedWorkers(int kind, const QStringList &files, const ScoringFiles &scoringFiles, int threads)
        : m_kind(kind),
          m_files(files),
          m_scoringFiles(scoringFiles),
          m_ring(ResultsPerWorker * threads),
          m_ready(m_ring.size(), false)
    {
        for (int i = 0; i < threads; ++i)
            m_threads.emplace_back([this] { work(); });
    }

    ~OrderedWorkers()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_workerWake.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }

    void handOver(const std::function<void(const FileResult &)> &take)
    {
        const qsizetype ringSize = qsizetype(m_ring.size());
        for (qsizetype index = 0; index < m_files.size(); ++index) {
            FileResult result;
            {
                std::unique_lock lock(m_mutex);
                m_resultReady.wait(lock, [&] { return m_ready[index % ringSize]; });
                result = std::move(m_ring[index % ringSize]);
                m_ready[index % ringSize] = false;
                m_handedOver = index + 1;
            }
            m_workerWake.notify_all();
            take(result);
        }
    }

private:
    void work()
    {
        CleanRecord clean;
        const qsizetype ringSize = qsizetype(m_ring.size());
        for (;;) {
            qsizetype index;
            {
                std::unique_lock lock(m_mutex);
                m_workerWake.wait(
                    lock, [&] { return m_stopping || m_next >= m_files.size() || m_next < m_handedOver + ringSize; });
                if (m_stopping || m_next >= m_files.size())
                    return;
                index = m_next++;
            }
            FileResult result;
            try {
                result = processFile(clean, m_scoringFiles, m_kind, m_files[index]);
            } catch (const std::exception &error) {
                // Out of memory, say: this file is skipped, the run and the order go on.
                result.file = m_files[index];
                result.failure = QStringLiteral("Váratlan hiba: %1").arg(QString::fromLocal8Bit(error.what()));
            }
            {
                std::lock_guard lock(m_mutex);
                m_ring[index % ringSize] = std::move(result);
                m_ready[index % ringSize] = true;
            }
            m_resultReady.notify_one();
        }
    }

    const int m_kind;
    const QStringList &m_files;
    const ScoringFiles &m_scoringFiles;
    std::vector<FileResult> m_ring;
    std::vector<bool> m_ready;
    std::mutex m_mutex;
    std::condition_variable m_resultReady;
    std::condition_variable m_workerWake;
    qsizetype m_next = 0;
    qsizetype m_handedOver = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace

int suitableThreads(qsizetype fileCount)
{
    const int cores = qMax(1, QThread::idealThreadCount());
    return int(std::clamp<qsizetype>(fileCount / FilesPerThread, 1, cores));
}

void run(int kind, const QStringList &files, int threads, const std::function<void(const FileResult &)> &take)
{
    const ScoringFiles scoringFiles = ScoringFiles::load(kind);
    if (threads <= 1 || files.size() < 2) {
        runInThisThread(kind, files, scoringFiles, take);
        return;
    }
    OrderedWorkers workers(kind, files, scoringFiles, threads);
    workers.handOver(take);
}

} // namespace StatisticsBatch
