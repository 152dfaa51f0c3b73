#include "app/CliCommands.h"
#include "app/CliSupport.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "stats/StatisticsBatch.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>

namespace {

const char *const StatsUsage
    = "használat: motra-cli stats [--threads N] FAJTA FÁJL_VAGY_MAPPA...\n"
      "  FAJTA: 1 vagy parent (szülői), 2 vagy teacher (tanári), 3 vagy self-report (önértékelő)\n";

int parseKind(const QString &text)
{
    if (text == QLatin1String("1") || text == QLatin1String("parent") || text == QLatin1String("szülői"))
        return Parent;
    if (text == QLatin1String("2") || text == QLatin1String("teacher") || text == QLatin1String("tanári"))
        return Teacher;
    if (text == QLatin1String("3") || text == QLatin1String("self-report") || text == QLatin1String("önértékelő"))
        return SelfReport;
    return 0;
}

// The case files named by the arguments: files as given, folders as their "*.mtr" files
// (any letter case) sorted by name, as a case-sensitive listing sorts them.
QStringList caseFilesOf(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;
            continue;
        }
        // Listed without sorting and sorted here: a sorted listing builds a file record per
        // entry, which costs more than reading many a case file.
        QStringList names;
        QDirIterator it(path, {QStringLiteral("*.mtr")}, QDir::Files);
        while (it.hasNext()) {
            it.next();
            names << it.fileName();
        }
        std::sort(names.begin(), names.end());
        const QDir folder(path);
        for (const QString &name : names)
            files << folder.filePath(name);
    }
    return files;
}

// Statistics bytes go to the output as the files hold them (Windows-1250, CR LF), not
// through the text stream's encoding.
class ByteSink
{
public:
    explicit ByteSink(QTextStream &out) : m_out(out)
    {
        m_out.flush();
        m_buffer.reserve(FlushSize + 4096);
    }
    ~ByteSink() { flush(); }

    void write(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() >= FlushSize)
            flush();
    }
    void flush()
    {
        if (m_buffer.isEmpty())
            return;
        if (QIODevice *device = m_out.device())
            device->write(m_buffer);
        else
            m_out << TextFile::decode(m_buffer); // a stream over a string has no device
        m_buffer.clear();
    }

private:
    static constexpr qsizetype FlushSize = 1 << 20;
    QTextStream &m_out;
    QByteArray m_buffer;
};

// Files done of the whole, on the terminal's last line, when a run takes more than a moment.
class Progress
{
public:
    Progress(QTextStream &err, qsizetype total) : m_err(err), m_total(total)
    {
        const auto *file = qobject_cast<QFile *>(err.device());
        m_enabled = file && ::isatty(file->handle());
        m_clock.start();
    }

    void step(qsizetype done)
    {
        if (!m_enabled || m_clock.elapsed() < FirstAfterMs || m_clock.elapsed() - m_lastMs < EveryMs)
            return;
        m_lastMs = m_clock.elapsed();
        m_err << "\rmotra-cli stats: " << done << " / " << m_total << " fájl" << Qt::flush;
        m_shown = true;
    }
    // Empties the progress line before anything else is written to the terminal.
    void clear()
    {
        if (m_shown)
            m_err << "\r\x1b[K" << Qt::flush;
        m_shown = false;
    }
    bool onTerminal() const { return m_enabled; }

private:
    static constexpr qint64 FirstAfterMs = 500;
    static constexpr qint64 EveryMs = 100;
    QTextStream &m_err;
    qsizetype m_total;
    bool m_enabled = false;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_lastMs = 0;
};

} // namespace

int runStatsCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList args = arguments;
    int threads = 0; // as the machine suits
    if (!args.isEmpty() && args.first() == QLatin1String("--threads")) {
        bool ok = false;
        threads = args.value(1).toInt(&ok);
        if (!ok || threads < 1 || threads > 256) {
            err << "motra-cli stats: a --threads után 1 és 256 közötti szám álljon\n" << StatsUsage;
            return ExitUsage;
        }
        args = args.mid(2);
    }
    if (args.size() < 2) {
        err << StatsUsage;
        return ExitUsage;
    }
    const int kind = parseKind(args[0]);
    if (kind == 0) {
        err << "motra-cli stats: ismeretlen kérdőívfajta: " << args[0] << "\n" << StatsUsage;
        return ExitUsage;
    }

    const QString where = QStringLiteral("standard output");
    ByteSink sink(out);
    sink.write(TextFile::encode(StatisticsHeader(kind), where));

    const QStringList files = caseFilesOf(args.mid(1));
    Progress progress(err, files.size());
    qsizetype done = 0;
    qsizetype skipped = 0;
    StatisticsBatch::run(kind, files, threads > 0 ? threads : StatisticsBatch::suitableThreads(files.size()),
        [&](const StatisticsBatch::FileResult &result) {
            ++done;
            if (result.failure.isEmpty()) {
                sink.write(result.line);
            } else {
                ++skipped;
                progress.clear();
                printCliError(err, QStringLiteral("stats"), result.failure);
            }
            progress.step(done);
        });
    // A failing standard output is noticed and reported by the caller.
    sink.flush();
    progress.clear();
    if (skipped > 0 || progress.onTerminal())
        err << "motra-cli stats: " << done - skipped << " fájl statisztikai sora elkészült, " << skipped
            << " fájl kimaradt" << (skipped > 0 ? " (az okuk fent olvasható)" : "") << "\n";
    return skipped > 0 ? ExitBadInput : ExitSuccess;
}
