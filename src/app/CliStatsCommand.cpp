#include "app/CliCommands.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "scoring/ScoringDriver.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char *const StatsUsage
    = "használat: motra-cli stats FAJTA FÁJL_VAGY_MAPPA...\n"
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
// (any letter case) sorted by name.
QStringList caseFilesOf(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files << path;
            continue;
        }
        const QDir folder(path);
        const QStringList names = folder.entryList({QStringLiteral("*.mtr")}, QDir::Files, QDir::Name);
        for (const QString &name : names)
            files << folder.filePath(name);
    }
    return files;
}

// A record as a fresh start of the program holds it; reused so that every case file is
// read into the same clean state without building the answer sets again.
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

    CaseRecord &reset()
    {
        m_record.Personal = PersonalData();
        m_record.Personal.resetToDefaults();
        m_record.SlotValues.fill(0.0);
        m_record.Opinion.clear();
        for (int kind = Parent; kind <= SelfReport; ++kind) {
            m_record.answers(kind).assign(m_values[kind - 1], m_labels[kind - 1]);
            ScaleScores &scores = m_record.scores(kind);
            scores.RawScores.fill(0.0);
            scores.TScores.fill(0);
        }
        m_record.setCurrentKind(Parent);
        return m_record;
    }

private:
    CaseRecord m_record;
    QVector<QString> m_values[3];
    QVector<QString> m_labels[3];
};

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

} // namespace

int runStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
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

    int status = ExitSuccess;
    CleanRecord clean;
    for (const QString &file : caseFilesOf(args.mid(1))) {
        try {
            CaseRecord &record = clean.reset();
            readCaseFile(record, file);
            // As when the examination is opened: the personal data dialog fills the first rows.
            record.copyPersonalDataToAnswerSets();
            ScoreKind(record, kind);
            sink.write(TextFile::encode(StatisticsLine(record), file));
        } catch (const MotraError &e) {
            err << "motra-cli stats: " << file << ": " << e.message() << "\n";
            status = ExitBadInput;
        }
    }
    // A failing standard output is noticed and reported by the caller.
    sink.flush();
    return status;
}
