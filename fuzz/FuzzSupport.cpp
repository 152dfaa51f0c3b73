#include "FuzzSupport.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "scoring/ScoringDriver.h"
#include "scoring/ScoringFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

QString demoDir()
{
    const QString fromEnv = qEnvironmentVariable("MOTRA_DEMO_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(MOTRA_FUZZ_DEMO_DIR) : fromEnv;
}

[[noreturn]] void fatal(const QString &message)
{
    std::fprintf(stderr, "fuzz setup: %s\n", qPrintable(message));
    std::abort();
}

// A scoring file of the demo installation, which uses the fixed layout below its drive folder.
QByteArray demoFile(const QString &fixedPath)
{
    QString relative = fixedPath.mid(3);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFile file(demoDir() + QLatin1Char('/') + relative);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.isEmpty())
        fatal(QStringLiteral("%1 is missing from the demo installation %2 (set MOTRA_DEMO_DIR)")
                  .arg(relative, demoDir()));
    return bytes;
}

struct DemoFiles
{
    QByteArray scaleDefinitions;
    QByteArray competenceNorms;
    QByteArray problemNorms;
};

const DemoFiles &demoFiles(int kind)
{
    static const std::array<DemoFiles, 3> files = [] {
        std::array<DemoFiles, 3> all;
        for (int k = Parent; k <= SelfReport; ++k)
            all[k - 1] = {demoFile(FixedPaths::scaleDefinitionFile(k)), demoFile(FixedPaths::competenceNormFile(k)),
                demoFile(FixedPaths::problemNormFile(k))};
        return all;
    }();
    return files[kindInfo(kind).kind - 1];
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

namespace {

struct FreshState
{
    CaseRecord record;
    QVector<QString> values[3];
    QVector<QString> labels[3];
    ScaleScores scores[3];
    FreshState()
    {
        for (int kind = Parent; kind <= SelfReport; ++kind) {
            values[kind - 1] = record.answers(kind).values();
            labels[kind - 1] = record.answers(kind).labels();
            scores[kind - 1] = record.scores(kind);
        }
    }
    void reset()
    {
        record.Personal = PersonalData();
        record.Personal.resetToDefaults();
        record.SlotValues.fill(0.0);
        record.Opinion = QStringList();
        for (int kind = Parent; kind <= SelfReport; ++kind) {
            record.answers(kind).assign(values[kind - 1], labels[kind - 1]);
            record.scores(kind) = scores[kind - 1];
        }
        record.setCurrentKind(Parent);
    }
};

FreshState &freshState()
{
    ensureApplication();
    static FreshState state;
    return state;
}

} // namespace

FreshRecord::FreshRecord() { freshState().reset(); }

FreshRecord::~FreshRecord() { freshState().reset(); }

CaseRecord &FreshRecord::record() { return freshState().record; }

const ScoringFiles &demoScoringFiles(int kind)
{
    const auto intact = [](int k) {
        const DemoFiles &demo = demoFiles(k);
        return ScoringFiles::fromBytes(k, demo.scaleDefinitions, demo.competenceNorms, demo.problemNorms);
    };
    static const std::array<ScoringFiles, 3> files = {intact(Parent), intact(Teacher), intact(SelfReport)};
    return files[kindInfo(kind).kind - 1];
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

void scoreWithFiles(const ScoringFiles &files, int kind)
{
    // The answers are filled once; each input gets them back as shared arrays.
    static const auto answered = [] {
        std::array<QVector<QString>, 3> values;
        CaseRecord record;
        fillValidAnswers(record);
        for (int k = Parent; k <= SelfReport; ++k)
            values[k - 1] = record.answers(k).values();
        return values;
    }();
    FreshRecord fresh;
    CaseRecord &record = fresh.record();
    for (int k = Parent; k <= SelfReport; ++k)
        record.answers(k).assign(answered[k - 1], record.answers(k).labels());
    try {
        ScoreKind(record, kind, &files);
        checkResultRows(record, kind);
    } catch (const MotraError &) { }
    checkRecordShape(record);
}

void fail(const QString &what)
{
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
            [&] { return QStringLiteral("answer set %1 has %2 rows").arg(kind).arg(set.size()); });
        const ScaleScores &scores = record.scores(kind);
        expect(scores.RawScores.size() == info.scaleCount && scores.TScores.size() == info.scaleCount, [&] {
            return QStringLiteral("scale scores of %1 have %2/%3 entries")
                .arg(kind)
                .arg(scores.RawScores.size())
                .arg(scores.TScores.size());
        });
    }
}

namespace {

// "-?[0-9]+\.[0-9]": how a score is shown.
bool isOneDecimal(QStringView text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'))
        ++i;
    return i > digitsFrom && i + 2 == text.size() && text[i] == QLatin1Char('.') && text[i + 1] >= QLatin1Char('0')
        && text[i + 1] <= QLatin1Char('9');
}

} // namespace

void checkResultRows(const CaseRecord &record, int kind)
{
    ++scoredCount;
    const KindInfo &info = kindInfo(kind);
    const AnswerSet &set = record.answers(kind);
    for (int r = info.firstResultRow; r < set.size(); ++r) {
        const QString &text = set.valueText(r);
        expect(text == QLatin1String("***") || isOneDecimal(text),
            [&] { return QStringLiteral("result row %1 of %2 holds \"%3\"").arg(r).arg(kind).arg(text.left(40)); });
    }
}

int takeScoredCount()
{
    const int count = scoredCount;
    scoredCount = 0;
    return count;
}

} // namespace FuzzSupport
