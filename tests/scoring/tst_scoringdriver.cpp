#include "ScoringFixtures.h"
#include "TestInstallation.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "scoring/ScoringDriver.h"

#include <QtTest>

using namespace ScoringFixtures;

namespace {

// The row of the answer set that feeds a slot.
int rowOfSlot(int kind, int slot)
{
    const QVector<RowDefinition> &rows = rowList(kind);
    for (int r = 0; r < kindInfo(kind).firstResultRow; ++r) {
        if (rows[r].SlotNumber == slot)
            return r;
    }
    return -1;
}

void setSlot(CaseRecord &record, int kind, int slot, const QString &text)
{
    const int row = rowOfSlot(kind, slot);
    QVERIFY2(row >= 0, qPrintable(QStringLiteral("no row for slot %1").arg(slot)));
    record.answers(kind).setValueText(row, text);
}

// A filled-in examination of the kind: personal rows, every item answered `item`.
void fillCase(CaseRecord &record, int kind, int sexCode, const QString &item = QStringLiteral("1"))
{
    record.Personal.IsBoy = sexCode == 1;
    record.copyPersonalDataToAnswerSets();
    const KindInfo &info = kindInfo(kind);
    for (int i = 1; i <= 122; ++i) {
        // The parent form has no row for item 66 (slot 114): it stays 0.
        if (rowOfSlot(kind, info.itemSlotOffset + i) >= 0)
            setSlot(record, kind, info.itemSlotOffset + i, item);
    }
}

QStringList resultRows(const CaseRecord &record, int kind)
{
    QStringList texts;
    const KindInfo &info = kindInfo(kind);
    for (int r = info.firstResultRow; r < info.rowCount; ++r)
        texts << record.answers(kind).valueText(r);
    return texts;
}

} // namespace

class TestScoringDriver : public QObject
{
    Q_OBJECT

private slots:
    void toScorerValue_data();
    void toScorerValue();
    void gather();
    void gatherLastItems();
    void invalidCell_data();
    void invalidCell();
    void parentCompetenceHalves();
    void teacherTenths();
    void missingAsMinusOne();
    void outOfRangeAnswersAreMissing();
    void missingScaleFileKeepsResults();
    void tScoreRounding_data();
    void tScoreRounding();
    void otherQuestionnairesUntouched();
    void scoresEveryKind_data();
    void scoresEveryKind();
};

void TestScoringDriver::toScorerValue_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("-3") << -3.0 << -1;
    QTest::newRow("-0.4") << -0.4 << -1;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("10000") << 10000.0 << 10000;
    QTest::newRow("10000.2") << 10000.2 << -1;
    QTest::newRow("20000") << 20000.0 << -1;
    QTest::newRow("nan") << qQNaN() << -1;
}

void TestScoringDriver::toScorerValue()
{
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(ToScorerValue(x), expected);
}

void TestScoringDriver::gather()
{
    CaseRecord record;
    record.SlotValues.fill(5);
    fillCase(record, Parent, 2);
    record.answers(Parent).setValueText(1, QStringLiteral("123")); // code row holding a number
    setSlot(record, Parent, 17, QString());
    setSlot(record, Parent, 18, QStringLiteral("-3"));
    GatherSlotValues(record, Parent);
    QCOMPARE(record.SlotValues[1], 11.0);
    QCOMPARE(record.SlotValues[2], 2.0);
    QCOMPARE(record.SlotValues[3], 14.0);
    QCOMPARE(record.SlotValues[17], 0.0);
    QCOMPARE(record.SlotValues[18], -3.0);
    QCOMPARE(record.SlotValues[49], 1.0);
    // Result slots and everything above the kind's slots start from 0.
    for (int s = 171; s <= 225; ++s)
        QCOMPARE(record.SlotValues[s], 0.0);
}

void TestScoringDriver::gatherLastItems()
{
    CaseRecord record;
    record.copyPersonalDataToAnswerSets();
    record.answers(Parent).setValueText(200, QStringLiteral("2"));
    record.answers(Parent).setValueText(201, QStringLiteral("1"));
    GatherSlotValues(record, Parent);
    QCOMPARE(record.SlotValues[169], 2.0);
    QCOMPARE(record.SlotValues[170], 1.0);
    record.answers(SelfReport).setValueText(189, QStringLiteral("2"));
    GatherSlotValues(record, SelfReport);
    QCOMPARE(record.SlotValues[157], 2.0);
}

void TestScoringDriver::invalidCell_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // the value as the message shows it
    QTest::newRow("dash") << QStringLiteral("-") << QStringLiteral("-");
    QTest::newRow("blank") << QStringLiteral(" ") << QStringLiteral(" ");
    QTest::newRow("decimal") << QStringLiteral("1.5") << QStringLiteral("1.5");
    QTest::newRow("padded") << QStringLiteral(" 1") << QStringLiteral(" 1");
    QTest::newRow("NUL byte") << QStringLiteral("1") + QChar(0) << QStringLiteral("1␀");
    QTest::newRow("line break and tab") << QStringLiteral("2\n\t3") << QStringLiteral("2␊␉3");
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('7')) + QLatin1Char('x')
                                << QString(50, QLatin1Char('7')) + QStringLiteral("… (1048577 karakter)");
}

void TestScoringDriver::invalidCell()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    CaseRecord record;
    fillCase(record, Parent, 1);
    record.setCurrentKind(Parent);
    RunScoringCommand(record);
    const QStringList before = resultRows(record, Parent);
    const ScaleScores scoresBefore = record.scores(Parent);
    QVERIFY(!before.contains(QStringLiteral("***")));

    setSlot(record, Parent, 60, QStringLiteral("1")); // item 12, gathered before the bad cell
    setSlot(record, Parent, 100, text); // item 52
    setSlot(record, Parent, 120, QStringLiteral("2")); // after it
    try {
        RunScoringCommand(record);
        QFAIL("scoring accepted the cell");
    } catch (const MotraError &error) {
        // The fixed line, then where the bad answer stands.
        QCOMPARE(error.headline(), QStringLiteral("'%1' is not a valid integer value").arg(shown));
        const RowDefinition *row = nullptr;
        for (const RowDefinition &r : rowList(Parent)) {
            if (r.SlotNumber == 100)
                row = &r;
        }
        QVERIFY(row);
        QCOMPARE(error.details(),
            QStringLiteral("A hibás válasz helye: szülői kérdőív, %1. sor: „%2”")
                .arg(row->RowNumber, row->Label.trimmed()));
    }
    QCOMPARE(resultRows(record, Parent), before);
    QCOMPARE(record.scores(Parent).RawScores, scoresBefore.RawScores);
    QCOMPARE(record.scores(Parent).TScores, scoresBefore.TScores);
    QCOMPARE(record.SlotValues[60], 1.0);
    QCOMPARE(record.SlotValues[120], 0.0);
    QCOMPARE(record.SlotValues[171], 0.0);
}

void TestScoringDriver::parentCompetenceHalves()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    CaseRecord record;
    fillCase(record, Parent, 1);
    // Aktivitás 1 + 2 + 1.5 + 1 + 2 = 7.5: two sports, hobby grades 2 and 1, two jobs.
    for (const auto &[slot, value] : {std::pair{17, 4}, {18, 4}, {19, 4}, {20, 4}, {23, 4}, {24, 3}, {32, 4}, {33, 4}})
        setSlot(record, Parent, slot, QString::number(value));
    record.Personal.ChildName = QStringLiteral("régi");
    ScoreKind(record, Parent);
    QCOMPARE(record.Personal.ChildName, record.answers(Parent).valueText(0));
    QCOMPARE(record.SlotValues[171], 7.5);
    QCOMPARE(record.scores(Parent).RawScores[0], 7.5);
    QCOMPARE(record.answers(Parent).valueText(203), QStringLiteral("7.5"));
    QCOMPARE(record.scores(Parent).TScores[0], competenceNormByte(15, 0));
    QCOMPARE(record.answers(Parent).valueText(203 + 15), QStringLiteral("%1.0").arg(competenceNormByte(15, 0)));
    // No social answers: Társas tevékenység -1 everywhere.
    QCOMPARE(record.SlotValues[172], -1.0);
    QCOMPARE(record.answers(Parent).valueText(204), QStringLiteral("-1.0"));
    QCOMPARE(record.scores(Parent).TScores[1], -1);
    // Internalizáció raw in slot 183, Externalizáció in 184.
    QCOMPARE(record.SlotValues[183], 31.0);
    // Szabályszegő magatartás lists item 66, which has no row: 13 + 22.
    QCOMPARE(record.SlotValues[184], 35.0);
    QCOMPARE(record.answers(Parent).valueText(216), QStringLiteral("35.0"));
}

void TestScoringDriver::teacherTenths()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Teacher);
    CaseRecord record;
    fillCase(record, Teacher, 2);
    // Grades 3, 3, 2 and two missing: round(80 / 3) = 27.
    const QStringList grades{
        QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("-3"), QStringLiteral("20000")};
    for (int i = 0; i < 5; ++i)
        setSlot(record, Teacher, 11 + i, grades[i]);
    ScoreKind(record, Teacher);
    QCOMPARE(record.SlotValues[143], 2.7);
    QCOMPARE(record.answers(Teacher).valueText(160), QStringLiteral("2.7"));
    QCOMPARE(record.scores(Teacher).RawScores[0], 2.7);
    QCOMPARE(record.scores(Teacher).TScores[0], teacherNormByte(600 + 27));
    // Unanswered ratings (0): raw 0 with T 0, not -1.
    QCOMPARE(record.SlotValues[144], 0.0);
    QCOMPARE(record.SlotValues[161], 0.0);
    QCOMPARE(record.answers(Teacher).valueText(160 + 18), QStringLiteral("0.0"));
}

void TestScoringDriver::missingAsMinusOne()
{
    TestInstallation inst(true);
    writeAllFiles(inst, SelfReport);
    CaseRecord record;
    fillCase(record, SelfReport, 1, QStringLiteral("0"));
    ScoreKind(record, SelfReport);
    // Every problem item 0: all problem raw and T-scores -1.
    const KindInfo &info = kindInfo(SelfReport);
    for (int z = 5; z <= 16; ++z) {
        QCOMPARE(record.SlotValues[info.slotCount - 32 + z], -1.0);
        QCOMPARE(record.answers(SelfReport).valueText(191 + z - 1), QStringLiteral("-1.0"));
        QCOMPARE(record.scores(SelfReport).RawScores[z - 1], -1.0);
        QCOMPARE(record.scores(SelfReport).TScores[z - 1], -1);
    }
}

void TestScoringDriver::outOfRangeAnswersAreMissing()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    CaseRecord record;
    fillCase(record, Parent, 1);
    // Nine missing items among items 2..122 (item 3 aside) still give an Összprobléma...
    for (int i = 0; i < 9; ++i)
        setSlot(record, Parent, 48 + 20 + i, i % 2 ? QStringLiteral("-3") : QStringLiteral("20000"));
    ScoreKind(record, Parent);
    QCOMPARE(record.SlotValues[185], 119.0 - 9); // item 66 has no row and counts 0
    // ... a tenth does not.
    setSlot(record, Parent, 48 + 40, QStringLiteral("10001"));
    ScoreKind(record, Parent);
    QCOMPARE(record.SlotValues[185], -1.0);
    QCOMPARE(record.SlotValues[200], -1.0);
    QCOMPARE(record.answers(Parent).valueText(232), QStringLiteral("-1.0"));
}

void TestScoringDriver::missingScaleFileKeepsResults()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Teacher);
    CaseRecord record;
    fillCase(record, Teacher, 1);
    ScoreKind(record, Teacher);
    const QStringList before = resultRows(record, Teacher);
    const ScaleScores scoresBefore = record.scores(Teacher);

    inst.remove(FixedPaths::Skala2);
    setSlot(record, Teacher, 21 + 5, QStringLiteral("2"));
    try {
        ScoreKind(record, Teacher);
        QFAIL("scored without skala2.txt");
    } catch (const MotraError &error) {
        QCOMPARE(error.headline(), QStringLiteral(" Nem találom a SKALA2.TXT fájlt."));
        QCOMPARE(error.presentation(), MotraError::Presentation::Notice);
    }
    QCOMPARE(resultRows(record, Teacher), before);
    QCOMPARE(record.scores(Teacher).RawScores, scoresBefore.RawScores);
    QCOMPARE(record.scores(Teacher).TScores, scoresBefore.TScores);
    for (int s = 143; s <= 176; ++s)
        QCOMPARE(record.SlotValues[s], 0.0);
    QCOMPARE(record.SlotValues[26], 2.0);
}

void TestScoringDriver::tScoreRounding_data()
{
    QTest::addColumn<double>("slot");
    QTest::addColumn<int>("expected");
    QTest::newRow("57.5") << 57.5 << 58;
    QTest::newRow("58.5") << 58.5 << 58;
    QTest::newRow("-1") << -1.0 << -1;
    QTest::newRow("57.4") << 57.4 << 57;
}

void TestScoringDriver::tScoreRounding()
{
    QFETCH(double, slot);
    QFETCH(int, expected);
    CaseRecord record;
    record.SlotValues[186] = slot; // T of Aktivitás
    record.SlotValues[171] = 12.5; // its raw score
    CopyScaleScores(record, Parent);
    QCOMPARE(record.scores(Parent).TScores[0], expected);
    QCOMPARE(record.scores(Parent).RawScores[0], 12.5);
}

void TestScoringDriver::otherQuestionnairesUntouched()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    CaseRecord record;
    record.startNewExamination();
    fillCase(record, Parent, 1);
    ScoreKind(record, Parent);
    QCOMPARE(record.CurrentKind, int(Parent));
    QCOMPARE(resultRows(record, Teacher), QStringList(34, QStringLiteral("***")));
    QCOMPARE(record.scores(Teacher).TScores, QVector<int>(17, 0));
    QCOMPARE(record.scores(SelfReport).RawScores, QVector<double>(16, 0.0));
}

void TestScoringDriver::scoresEveryKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sex");
    QTest::newRow("parent boy") << 1 << 1;
    QTest::newRow("teacher girl") << 2 << 2;
    QTest::newRow("self-report girl") << 3 << 2;
}

void TestScoringDriver::scoresEveryKind()
{
    QFETCH(int, kind);
    QFETCH(int, sex);
    TestInstallation inst(true);
    writeAllFiles(inst, kind);
    CaseRecord record;
    record.startNewExamination();
    fillCase(record, kind, sex);
    record.setCurrentKind(kind);
    RunScoringCommand(record);
    const KindInfo &info = kindInfo(kind);
    // Visszahúzódás: every listed item 1, so its raw score is K and its T-score the norm
    // byte of the child's block (or the extension above the cut).
    const int firstProblem = kind == Teacher ? 7 : 5;
    const int rawSlot = info.slotCount - info.resultCount + firstProblem;
    const int K = kind == SelfReport ? 7 : 9;
    QCOMPARE(record.SlotValues[rawSlot], double(K));
    const int tSlot = rawSlot + info.scaleCount;
    const int cut = kind == Parent ? 6 + (sex == 1) : kind == Teacher ? 10 : 7 + (sex == 2);
    const int block = (sex - 1) * (kind == SelfReport ? 12 : 11) + 1;
    const int expected
        = K <= cut ? problemNormByte(block, K) : 70 + int(std::nearbyint((K - cut) * 30.0 / (2 * K - cut)));
    QCOMPARE(record.SlotValues[tSlot], double(expected));
    QCOMPARE(record.answers(kind).valueText(info.resultRowOfSlot(tSlot)), QStringLiteral("%1.0").arg(expected));
    QCOMPARE(record.scores(kind).TScores[firstProblem - 1], expected);
    QVERIFY(!resultRows(record, kind).contains(QStringLiteral("***")));
}

QTEST_GUILESS_MAIN(TestScoringDriver)
#include "tst_scoringdriver.moc"
