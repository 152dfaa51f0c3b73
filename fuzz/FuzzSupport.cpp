#include "FuzzSupport.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "scoring/ScoringDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

const QStringList &scoringFiles()
{
    static const QStringList files = {
        FixedPaths::Skala1,
        FixedPaths::Skala2,
        FixedPaths::Skala3,
        FixedPaths::Tstan1,
        FixedPaths::Tstan2,
        FixedPaths::Tstan3,
        FixedPaths::Fakst1,
        FixedPaths::Fakst2,
        FixedPaths::Fakst3,
    };
    return files;
}

QString demoDir()
{
    const QString fromEnv = qEnvironmentVariable("MOTRA_DEMO_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(MOTRA_FUZZ_DEMO_DIR) : fromEnv;
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

[[noreturn]] void fatal(const QString &message)
{
    std::fprintf(stderr, "fuzz setup: %s\n", qPrintable(message));
    std::abort();
}

class Installation
{
public:
    Installation()
    {
        if (!m_dir.isValid())
            fatal(QStringLiteral("no temporary folder"));
        qputenv("MOTRA_ROOT", QFile::encodeName(m_dir.path()));
        QDir().mkpath(m_dir.path() + QStringLiteral("/_halden/motra/aktualis"));
        const QString demoRoot = demoDir();
        for (const QString &fixedPath : scoringFiles()) {
            // The demo tree uses the same relative layout below its drive folder.
            QString relative = fixedPath.mid(3);
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            const QByteArray bytes = readWhole(demoRoot + QLatin1Char('/') + relative);
            if (bytes.isEmpty())
                fatal(QStringLiteral("%1 is missing from the demo installation %2 (set MOTRA_DEMO_DIR)")
                          .arg(relative, demoRoot));
            m_original.insert(fixedPath, bytes);
            writeFile(hostPath(fixedPath), bytes);
        }
    }

    QString root() const { return m_dir.path(); }
    QByteArray original(const QString &fixedPath) const { return m_original.value(fixedPath); }

private:
    QTemporaryDir m_dir;
    QHash<QString, QByteArray> m_original;
};

Installation &installation()
{
    ensureApplication();
    static Installation instance;
    return instance;
}

QStringList &failures()
{
    static QStringList list;
    return list;
}

int scoredCount = 0;

} // namespace

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "motra-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

QString installedPath(const QString &fixedPath)
{
    installation();
    return hostPath(fixedPath);
}

QString scratchPath(const QString &name) { return installation().root() + QLatin1Char('/') + name; }

void writeFile(const QString &hostPath, const QByteArray &bytes)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fatal(QStringLiteral("cannot write %1").arg(hostPath));
}

void restoreScoringFile(const QString &fixedPath)
{
    writeFile(installedPath(fixedPath), installation().original(fixedPath));
}

void fillValidAnswers(CaseRecord &record)
{
    record.startNewExamination();
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        AnswerSet &set = record.answers(kind);
        const QVector<RowDefinition> &rows = rowList(kind);
        for (int r = 4; r < info.firstResultRow && r < rows.size(); ++r) {
            if (!rows[r].isFreeText())
                set.setValueText(r, QString::number(r % 3));
        }
    }
}

void scoreWithReplacedFile(const QString &fixedPath, int kind, const QByteArray &bytes)
{
    writeFile(installedPath(fixedPath), bytes);
    CaseRecord record;
    fillValidAnswers(record);
    try {
        ScoreKind(record, kind);
        checkResultRows(record, kind);
    } catch (const MotraError &) { }
    checkRecordShape(record);
    restoreScoringFile(fixedPath);
}

void expect(bool condition, const QString &what)
{
    if (condition)
        return;
#ifdef MOTRA_LIBFUZZER
    std::fprintf(stderr, "fuzz invariant broken: %s\n", qPrintable(what));
    std::abort();
#else
    failures().append(what);
#endif
}

QStringList takeFailures()
{
    QStringList taken;
    taken.swap(failures());
    return taken;
}

void checkRecordShape(const CaseRecord &record)
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        const AnswerSet &set = record.answers(kind);
        expect(set.size() == info.rowCount && set.labels().size() == info.rowCount,
            QStringLiteral("answer set %1 has %2 rows").arg(kind).arg(set.size()));
        const ScaleScores &scores = record.scores(kind);
        expect(scores.RawScores.size() == info.scaleCount && scores.TScores.size() == info.scaleCount,
            QStringLiteral("scale scores of %1 have %2/%3 entries")
                .arg(kind)
                .arg(scores.RawScores.size())
                .arg(scores.TScores.size()));
    }
}

void checkResultRows(const CaseRecord &record, int kind)
{
    static const QRegularExpression oneDecimal(QStringLiteral("^-?\\d+\\.\\d$"));
    ++scoredCount;
    const KindInfo &info = kindInfo(kind);
    const AnswerSet &set = record.answers(kind);
    for (int r = info.firstResultRow; r < set.size(); ++r) {
        const QString &text = set.valueText(r);
        expect(text == QLatin1String("***") || oneDecimal.match(text).hasMatch(),
            QStringLiteral("result row %1 of %2 holds \"%3\"").arg(r).arg(kind).arg(text.left(40)));
    }
}

int takeScoredCount()
{
    const int count = scoredCount;
    scoredCount = 0;
    return count;
}

} // namespace FuzzSupport
