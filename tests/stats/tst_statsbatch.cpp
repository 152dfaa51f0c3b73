// The statistics lines of an archive in one run: the same lines, in the same order, as
// opening and scoring every examination on its own gives, whatever the number of threads;
// a file that cannot be used is reported in its place and the others are untouched.
#include "TestInstallation.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/TextFile.h"
#include "scoring/ScoringDriver.h"
#include "stats/StatisticsBatch.h"
#include "stats/StatisticsFiles.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray caseBytes(const CaseRecord &record, const QLatin1String &lineEnd = QLatin1String("\r\n"))
{
    return TextFile::encode(caseFileLines(record).join(lineEnd) + lineEnd, QString());
}

// A varied examination: every few files a sex, age, answer pattern or text differs.
void fillRecord(CaseRecord &record, int seed)
{
    record.startNewExamination();
    record.Personal.ChildCode = QStringLiteral("K%1-ő").arg(seed, 3, 10, QLatin1Char('0'));
    record.Personal.ChildName = seed % 5 == 0 ? QStringLiteral("<vélemény=%1>").arg(seed) : QStringLiteral("Kis Ödön");
    record.Personal.IsBoy = seed % 2 == 0;
    record.Personal.Age = 5 + seed % 13;
    record.Personal.ExamDate = QStringLiteral("2026.3.%1.").arg(1 + seed % 28);
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if ((seed + kind) % 7 == 0)
            continue; // a questionnaire left empty
        const KindInfo &info = kindInfo(kind);
        const QVector<RowDefinition> &rows = rowList(kind);
        for (int r = 4; r < info.firstResultRow; ++r) {
            AnswerSet &set = record.answers(kind);
            if (rows[r].isFreeText()) {
                set.setValueText(r, QStringLiteral("szabad=szöveg;%1").arg(seed));
                continue;
            }
            set.setValueText(r, QString::number((r * 7 + seed * 13) % (r % 5 == 0 ? 4 : 3)));
            set.setAnswerLabel(r, QStringLiteral("néha igaz"));
        }
    }
    record.Opinion = {QStringLiteral("vélemény %1").arg(seed)};
}

struct Expected
{
    QByteArray line;
    bool skipped = false;
};

// Each file on its own, as the program opens and scores one examination.
Expected expectedFor(const QString &file, int kind)
{
    CaseRecord record;
    try {
        readCaseFile(record, file);
        record.copyPersonalDataToAnswerSets();
        ScoreKind(record, kind);
        return {TextFile::encode(StatisticsLine(record), file), false};
    } catch (const MotraError &) {
        return {QByteArray(), true};
    }
}

} // namespace

class TestStatsBatch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameLinesInOrder_data();
    void sameLinesInOrder();
    void tooLargeFileSkippedUnread();

private:
    TestInstallation m_installation;
    QStringList m_files;
    QList<int> m_damaged;
};

void TestStatsBatch::initTestCase()
{
    QVERIFY(m_installation.isValid());
    const QString archive = m_installation.path(FixedPaths::ArchiveFolderNoSlash);
    CaseRecord record;
    for (int i = 0; i < 150; ++i) {
        fillRecord(record, i);
        QByteArray bytes = caseBytes(record, i % 11 == 3 ? QLatin1String("\n") : QLatin1String("\r\n"));
        if (i == 40) { // bad answers: this file alone cannot be scored where they stand
            bytes.replace("\r\n1=n", "\r\nx=n");
        } else if (i == 75) { // not a number where the age stands
            bytes.replace("<Kora=", "<Kora=tiz");
            m_damaged << i;
        } else if (i == 90) { // a tag moved: read by its tags, not by position
            bytes.replace("<MOTRA=>", "<MOTRA=régi>");
        }
        const QString file = archive + QStringLiteral("/K%1.mtr").arg(i, 3, 10, QLatin1Char('0'));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        m_files << file;
    }
    m_files.insert(110, archive + QStringLiteral("/eltunt.mtr")); // vanished before its turn
    m_damaged << 110;
}

void TestStatsBatch::sameLinesInOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("threads");
    QTest::newRow("parent, one thread") << int(Parent) << 1;
    QTest::newRow("parent, two threads") << int(Parent) << 2;
    QTest::newRow("teacher, three threads") << int(Teacher) << 3;
    QTest::newRow("self-report, eight threads") << int(SelfReport) << 8;
}

void TestStatsBatch::sameLinesInOrder()
{
    QFETCH(int, kind);
    QFETCH(int, threads);
    QList<StatisticsBatch::FileResult> results;
    StatisticsBatch::run(kind, m_files, threads, [&](const StatisticsBatch::FileResult &r) { results << r; });
    QCOMPARE(results.size(), m_files.size());
    qsizetype skipped = 0;
    for (int i = 0; i < m_files.size(); ++i) {
        QCOMPARE(results[i].file, m_files[i]);
        const Expected expected = expectedFor(m_files[i], kind);
        QCOMPARE(results[i].failure.isEmpty(), !expected.skipped);
        QCOMPARE(results[i].line, expected.line);
        if (expected.skipped) {
            ++skipped;
            // The message names the file the user has to look at.
            QVERIFY2(results[i].failure.contains(QFileInfo(m_files[i]).fileName()), qPrintable(results[i].failure));
        }
    }
    // The age that is not a number and the vanished file are skipped in every run; the bad
    // answers of one file wherever its questionnaire holds them (as the reading above says).
    for (const int i : m_damaged)
        QVERIFY2(!results[i].failure.isEmpty(), qPrintable(m_files[i]));
    QVERIFY(skipped >= m_damaged.size());
}

void TestStatsBatch::tooLargeFileSkippedUnread()
{
    const QString big = m_installation.path(FixedPaths::ArchiveFolder) + QStringLiteral("nagy.mtr");
    QFile file(big);
    // A sparse file: its size alone must refuse it, nothing of it is read.
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(StatisticsBatch::MaxCaseFileBytes + 1));
    file.close();
    QList<StatisticsBatch::FileResult> results;
    StatisticsBatch::run(
        Parent, {m_files[0], big, m_files[1]}, 2, [&](const StatisticsBatch::FileResult &r) { results << r; });
    QCOMPARE(results.size(), 3);
    QVERIFY(results[1].line.isEmpty());
    QVERIFY2(results[1].failure.contains(QStringLiteral("%1 bájt").arg(StatisticsBatch::MaxCaseFileBytes + 1)),
        qPrintable(results[1].failure));
    QCOMPARE(results[2].line, expectedFor(m_files[1], Parent).line);
}

QTEST_GUILESS_MAIN(TestStatsBatch)
#include "tst_statsbatch.moc"
