#include "ScoringFixtures.h"
#include "TestInstallation.h"

#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "scoring/CompetenceScales.h"
#include "scoring/NormFile.h"
#include "scoring/ProblemScales.h"
#include "scoring/ScaleConstants.h"
#include "scoring/ScaleDefinitionReader.h"
#include "scoring/Scorers.h"

#include <QtTest>

#include <sys/stat.h>

using namespace ScoringFixtures;

namespace {

using Positions = QList<QPair<int, int>>; // (position, value)

ScorerInput inputWith(int sexCode, int age, const Positions &values, int itemValue = -1)
{
    ScorerInput input;
    input[3] = age;
    input[4] = sexCode;
    for (int p = 82; p <= 203; ++p)
        input[p] = itemValue;
    for (const auto &[position, value] : values)
        input[position] = value;
    return input;
}

// Outcome of a call that may throw: the message, or empty.
template<typename F> QString failureOf(F &&call)
{
    try {
        call();
    } catch (const MotraError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestScorers : public QObject
{
    Q_OBJECT

private slots:
    void grade_data();
    void grade();
    void roundHalfEven_data();
    void roundHalfEven();
    void meanGrade_data();
    void meanGrade();
    void roundHalf();

    void competence_data();
    void competence();
    void competenceTAboveTables();
    void competenceTRecords();

    void problemRawScore_data();
    void problemRawScore();
    void itemSumTotal_data();
    void itemSumTotal();
    void problemTScore_data();
    void problemTScore();

    void damagedScaleFile_data();
    void damagedScaleFile();
    void missingFiles_data();
    void missingFiles();
    void damagedNormFiles();
    void badSexCode_data();
    void badSexCode();

    void parentProblemScales();
    void parentAgeCorrection_data();
    void parentAgeCorrection();
    void teacherAdaptive_data();
    void teacherAdaptive();
    void teacherNoProblems();
    void selfReportNoProblems();
    void socialMaturity_data();
    void socialMaturity();
};

void TestScorers::grade_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("at lo") << 1 << 2 << 1 << 0;
    QTest::newRow("below lo") << 1 << 2 << -1 << 0;
    QTest::newRow("at hi") << 1 << 2 << 2 << 1;
    QTest::newRow("above hi") << 1 << 2 << 3 << 2;
    QTest::newRow("2,3 with 3") << 2 << 3 << 3 << 1;
    QTest::newRow("2,3 with 4") << 2 << 3 << 4 << 2;
}

void TestScorers::grade()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, x);
    QFETCH(int, expected);
    QCOMPARE(Grade(lo, hi, x), expected);
}

void TestScorers::roundHalfEven_data()
{
    QTest::addColumn<qint64>("num");
    QTest::addColumn<qint64>("den");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("9*8/7") << qint64(72) << qint64(7) << qint64(10);
    QTest::newRow("2.5") << qint64(5) << qint64(2) << qint64(2);
    QTest::newRow("3.5") << qint64(7) << qint64(2) << qint64(4);
    QTest::newRow("110/3") << qint64(110) << qint64(3) << qint64(37);
    QTest::newRow("-2.5") << qint64(-5) << qint64(2) << qint64(-2);
    QTest::newRow("-1.5") << qint64(-3) << qint64(2) << qint64(-2);
    QTest::newRow("-0.4") << qint64(-2) << qint64(5) << qint64(0);
}

void TestScorers::roundHalfEven()
{
    QFETCH(qint64, num);
    QFETCH(qint64, den);
    QFETCH(qint64, expected);
    QCOMPARE(::roundHalfEven(num, den), expected);
}

void TestScorers::meanGrade_data()
{
    QTest::addColumn<Positions>("values");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<double>("expected");
    QTest::newRow("grades 0,1,2") << Positions{{49, 2}, {50, 3}, {51, 4}} << 49 << 3 << 1 << 1.0;
    QTest::newRow("ones do not count") << Positions{{49, 1}, {50, 4}, {51, 0}} << 49 << 3 << 1 << 2.0;
    QTest::newRow("none qualifies") << Positions{{49, 1}, {50, 1}, {51, 0}} << 49 << 3 << 1 << -1.0;
    QTest::newRow("count 7 uses value-1")
        << Positions{{59, 1}, {60, 4}, {61, 3}, {62, 0}, {63, 0}, {64, 0}, {65, 0}} << 59 << 7 << 0 << 5.0 / 3.0;
    QTest::newRow("count 6, 4 of 6") << Positions{{31, 2}, {32, 4}, {33, 2}, {34, 1}, {35, 2}, {36, 1}} << 31 << 6 << 1
                                     << 0.5;
}

void TestScorers::meanGrade()
{
    QFETCH(Positions, values);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, threshold);
    QFETCH(double, expected);
    const ScorerInput input = inputWith(1, 14, values);
    QCOMPARE(MeanGrade(input, first, count, threshold).value(), expected);
}

void TestScorers::roundHalf()
{
    QCOMPARE(RoundHalf(Fraction(35, 8)), Fraction(9, 2)); // 4.375 -> 4.5
    QCOMPARE(RoundHalf(Fraction(5, 4)), Fraction(1)); // 2.5 half points -> 2
    QCOMPARE(RoundHalf(Fraction(7, 4)), Fraction(2)); // 3.5 -> 4 half points
    QCOMPARE(RoundHalf(Fraction(3, 5) * Fraction(5, 4)), Fraction(1)); // exactly 0.75: 1.5 -> 2
}

void TestScorers::competence_data()
{
    QTest::addColumn<Positions>("values");
    QTest::addColumn<QVector<int>>("doubled");

    // Aktivitás components 2, 0.5, 1, 0 and a missing one: 3.5 x 1.25 = 4.375 -> 4.5.
    const Positions activity{{31, 2}, {32, 4}, {33, 2}, {34, 1}, {35, 2}, {36, 1}, {38, 3}, {49, 1}};
    QTest::newRow("activity 4.5") << activity << QVector<int>{9, -1, -1, -1};
    QTest::newRow("no competence answer") << Positions{} << QVector<int>{-1, -1, -1, -1};
    // One sport only: component 1 is 0.
    QTest::newRow("one sport") << Positions{{31, 3}, {32, 4}, {49, 3}, {50, 3}, {51, 3}}
                               << QVector<int>{9, -1, -1, -1}; // 0+1.5+0+2+1
    // Társas: org grade 0, org mean Grade(2,3,3)=1, friends 4 -> 2, week 3 -> 2, siblings
    // 2,2,3 +1 -> 3,3,4 grades 1,1,2 mean 4/3, independence 2 -> 1: 0+1+2+2+4/3+1 = 7.333 -> 7.5.
    QTest::newRow("social six") << Positions{{45, 3}, {52, 4}, {53, 3}, {54, 2}, {55, 2}, {56, 3}, {57, 2}}
                                << QVector<int>{0, 15, -1, -1}; // Aktivitás: five zero components
    // Without friends answer: 5 components 0+1+2+4/3+1 = 5.333 x 1.2 = 6.4 -> 6.5.
    QTest::newRow("social five") << Positions{{45, 3}, {53, 3}, {54, 2}, {55, 2}, {56, 3}, {57, 2}}
                                 << QVector<int>{0, 13, -1, -1};
    // Only four social components: -1.
    QTest::newRow("social four") << Positions{{45, 3}, {54, 2}, {55, 2}, {56, 3}} << QVector<int>{0, -1, -1, -1};
    // No siblings (0) and unanswered count alike: +1 makes them 1, out of the mean.
    QTest::newRow("no siblings") << Positions{{45, 3}, {52, 4}, {53, 3}, {54, 0}, {55, 3}, {56, 0}, {57, 2}}
                                 << QVector<int>{0, 2 * 8, -1, -1};
    // School: subjects 4,3,2 -> mean of value-1 = 2; no, no, yes -> 1,1,0: 4.
    QTest::newRow("school") << Positions{{59, 4}, {60, 3}, {61, 2}, {66, 1}, {67, 1}, {68, 2}}
                            << QVector<int>{-1, -1, 8, -1};
    // School counts without HasCompetenceData; a yes/no row left empty makes it -1.
    QTest::newRow("school short") << Positions{{59, 4}, {60, 3}, {66, 1}, {67, 1}} << QVector<int>{-1, -1, -1, -1};
    // A yes/no row holding 3 gives -1 and drops out.
    QTest::newRow("school bad code") << Positions{{59, 4}, {66, 1}, {67, 3}, {68, 1}} << QVector<int>{-1, -1, -1, -1};
    // Missing (-1) answers are 0 like unanswered ones.
    QTest::newRow("school with missing subject")
        << Positions{{59, 4}, {60, -1}, {66, 1}, {67, 1}, {68, 1}} << QVector<int>{-1, -1, 2 * 6, -1};
    // All three: total is their sum.
    QTest::newRow("total") << (activity
        + Positions{{45, 3}, {52, 4}, {53, 3}, {54, 2}, {55, 2}, {56, 3}, {57, 2}, {59, 4}, {60, 3}, {61, 2}, {66, 1},
            {67, 1}, {68, 2}})
                           << QVector<int>{9, 15, 8, 32};
}

void TestScorers::competence()
{
    QFETCH(Positions, values);
    QFETCH(QVector<int>, doubled);
    const std::array<int, 4> result = DoubledCompetenceScores(CompetenceScores(inputWith(1, 14, values)));
    QCOMPARE(QVector<int>(result.begin(), result.end()), doubled);
}

void TestScorers::competenceTAboveTables()
{
    TestInstallation inst(true);
    // A two-byte file: any look-up beyond record 0 would fail.
    inst.writeBytes(FixedPaths::Tstan1, QByteArray("\x2a\x2b", 2));
    const NormFile norms = NormFile::competenceNorms(Parent);
    const std::array<int, 4> t = CompetenceTScores(norms, {0, 21, -1, 61}, 2);
    QCOMPARE(t[0], 0x2b);
    QCOMPARE(t[1], 55);
    QCOMPARE(t[2], -1);
    QCOMPARE(t[3], 80);
}

void TestScorers::competenceTRecords()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::Tstan3, competenceNormFile(3));
    const NormFile norms = NormFile::competenceNorms(SelfReport);
    for (int sex = 1; sex <= 2; ++sex) {
        const std::array<int, 4> t = CompetenceTScores(norms, {0, 20, 7, 60}, sex);
        QCOMPARE(t[0], competenceNormByte(0, sex - 1));
        QCOMPARE(t[1], competenceNormByte(21 + 20, sex - 1));
        QCOMPARE(t[2], competenceNormByte(42 + 7, sex - 1));
        QCOMPARE(t[3], competenceNormByte(63 + 60, sex - 1));
    }
}

void TestScorers::problemRawScore_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Positions>("values");
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("minValid");
    QTest::addColumn<int>("expected");
    // items 1..9 at positions 82..90
    const Positions eight{{82, 2}, {83, 2}, {84, 2}, {85, 1}, {86, 1}, {87, 0}, {88, 0}};
    QTest::newRow("count 0") << QByteArray("t\r\n0\r\n") << Positions{{82, 2}} << 9 << 7 << 0;
    QTest::newRow("plain sum") << QByteArray("t\r\n9 1 2 3 4 5 6 7 8 9\r\n") << (eight + Positions{{89, 1}, {90, 1}})
                               << 9 << 7 << 10;
    QTest::newRow("two missing") << QByteArray("t\r\n9 1 2 3 4 5 6 7 8 9\r\n") << eight << 9 << 7 << 10;
    QTest::newRow("three missing") << QByteArray("t\r\n9 1 2 3 4 5 6 7 8 9\r\n") << (eight + Positions{{88, -1}}) << 9
                                   << 7 << -1;
    QTest::newRow("listed twice") << QByteArray("t\r\n2 1 1\r\n") << Positions{{82, 2}} << 2 << 2 << 4;
    QTest::newRow("continues on next lines")
        << QByteArray("title\r\n3 1\r\n2\n\n 3 99 98\r\n") << Positions{{82, 1}, {83, 1}, {84, 1}} << 3 << 3 << 3;
    QTest::newRow("tabs and LF") << QByteArray("title\n2\t1\t122\n") << Positions{{82, 1}, {203, 2}} << 2 << 2 << 3;
    QTest::newRow("plus sign") << QByteArray("t\r\n+1 +2\r\n") << Positions{{83, 2}} << 1 << 1 << 2;
    QTest::newRow("halves to even") << QByteArray("t\r\n3 1 2 3\r\n") << Positions{{82, 1}, {83, 2}} << 3 << 1
                                    << 4; // 3*3/2 = 4.5
}

void TestScorers::problemRawScore()
{
    QFETCH(QByteArray, file);
    QFETCH(Positions, values);
    QFETCH(int, K);
    QFETCH(int, minValid);
    QFETCH(int, expected);
    ScaleDefinitionReader reader(Parent, file);
    QCOMPARE(ProblemRawScore(reader, inputWith(1, 14, values), K, minValid), expected);
}

void TestScorers::itemSumTotal_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("expected");
    // Items all 1 except `missing` items among 2..122 (item 3 excluded); item 1 and item 3 hold 5.
    QTest::newRow("none missing") << 0 << 120;
    QTest::newRow("nine missing") << 9 << 111;
    QTest::newRow("ten missing") << 10 << -1;
}

void TestScorers::itemSumTotal()
{
    QFETCH(int, missing);
    QFETCH(int, expected);
    ScorerInput input = inputWith(1, 14, {}, 1);
    input[82] = 5; // item 1 is not part of the sum
    input[84] = 5; // nor item 3
    for (int i = 0; i < missing; ++i)
        input[85 + 2 * i] = -1;
    QCOMPARE(ItemSumTotal(input), expected);
}

void TestScorers::problemTScore_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("expected");
    const auto byte
        = [](int kind, int z, int sex, int r) { return problemNormByte((sex - 1) * (kind == 3 ? 12 : 11) + z, r); };
    QTest::newRow("negative") << 1 << 1 << 1 << -1 << -1;
    QTest::newRow("parent boy 0") << 1 << 1 << 1 << 0 << byte(1, 1, 1, 0);
    QTest::newRow("parent girl at cut") << 1 << 1 << 2 << 6 << byte(1, 1, 2, 6);
    QTest::newRow("parent boy at cut") << 1 << 8 << 1 << 18 << byte(1, 8, 1, 18);
    // K 9, Cut 7: 70 + round(30/11) = 73
    QTest::newRow("syndrome cut+1") << 1 << 1 << 1 << 8 << 73;
    QTest::newRow("syndrome 2K") << 1 << 1 << 1 << 18 << 100;
    // girls' Cut 6: 70 + round(2*30/12) = 75
    QTest::newRow("syndrome girl") << 1 << 1 << 2 << 8 << 75;
    // Teacher Figyelmi K 20, girls' Cut 24: 70 + round(30/16) = 72
    QTest::newRow("teacher girl cut+1") << 2 << 6 << 2 << 25 << 72;
    QTest::newRow("teacher girl at cut") << 2 << 6 << 2 << 24 << byte(2, 6, 2, 24);
    // Parent Internalizáció boys Cut 17, Mid 28, K 31
    QTest::newRow("composite cut+1") << 1 << 9 << 1 << 18 << 70 + 2; // 19/11 = 1.73
    QTest::newRow("composite mid") << 1 << 9 << 1 << 28 << 89;
    QTest::newRow("composite 2K") << 1 << 9 << 1 << 62 << 100;
    QTest::newRow("composite above mid") << 1 << 9 << 1 << 45 << 89 + 6; // 17*11/34 = 5.5 -> 6
    QTest::newRow("composite girl mid") << 1 << 9 << 2 << 36 << 89;
    QTest::newRow("composite externalizing girl") << 1 << 10 << 2 << 18 << 70 + 4; // 3*19/13 = 4.38
    // Self-report girl Összprobléma Cut 80, block 24
    QTest::newRow("self total girl at cut") << 3 << 12 << 2 << 80 << byte(3, 12, 2, 80);
    QTest::newRow("self total boy 2K") << 3 << 12 << 1 << 206 << 100;
}

void TestScorers::problemTScore()
{
    QFETCH(int, kind);
    QFETCH(int, z);
    QFETCH(int, sex);
    QFETCH(int, raw);
    QFETCH(int, expected);
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::problemNormFile(kind), problemNormFile(kind));
    const NormFile norms = NormFile::problemNorms(kind);
    QCOMPARE(ProblemTScore(norms, problemScaleConstants(kind), z, sex, raw), expected);
}

void TestScorers::damagedScaleFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected"); // start of the message
    const QString damaged = QStringLiteral(" A SKALA1.TXT fájl meghibásodott.");
    const QString io = QStringLiteral("Írási vagy olvasási hiba.\nFájl: c:\\_halden\\motra\\skala1.txt\n");
    QTest::newRow("item 0") << QByteArray("t\r\n2 1 0\r\n") << damaged;
    QTest::newRow("item 123") << QByteArray("t\r\n2 1 123\r\n") << damaged;
    QTest::newRow("item not a number") << QByteArray("t\r\n2 1 x\r\n") << damaged;
    QTest::newRow("item 1.5") << QByteArray("t\r\n2 1 1.5\r\n") << damaged;
    QTest::newRow("item +-1") << QByteArray("t\r\n2 1 +-1\r\n") << damaged;
    QTest::newRow("count not a number") << QByteArray("t\r\nabc 1\r\n") << io;
    QTest::newRow("count negative") << QByteArray("t\r\n-2 1\r\n") << io;
    QTest::newRow("count too large") << QByteArray("t\r\n99999999999 1\r\n") << io;
    QTest::newRow("ends before items") << QByteArray("t\r\n5 1 2\r\n") << io;
    QTest::newRow("empty") << QByteArray() << io;
    QTest::newRow("only a title") << QByteArray("title only") << io;
    QTest::newRow("ends before scale 10") << scaleFile(defaultScales(1).mid(0, 9)) << io;
    QTest::newRow("binary junk") << QByteArray("\x00\x01\xff\r\n\x80\x81\x00 7", 10) << io;
}

void TestScorers::damagedScaleFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    inst.writeBytes(FixedPaths::Skala1, file);
    ScorerOutput output;
    const QString message = failureOf([&] { ScoreParent(inputWith(1, 14, {}, 0), 30, output); });
    QVERIFY2(message.startsWith(expected), qPrintable(message));
}

void TestScorers::missingFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    const QString gone = QStringLiteral("Oka: No such file or directory");
    for (int kind = 1; kind <= 3; ++kind) {
        const QString files[] = {FixedPaths::scaleDefinitionFile(kind), FixedPaths::competenceNormFile(kind),
            FixedPaths::problemNormFile(kind)};
        for (const QString &file : files) {
            const QString name = file.section(QLatin1Char('\\'), -1).toUpper();
            QTest::addRow("%s", qPrintable(name))
                << kind << file << QStringLiteral(" Nem találom a %1 fájlt.").arg(name) << "removed" << gone;
        }
    }
    // The same fixed message, but the lines below it say what is really wrong.
    QTest::newRow("skala1 is a folder") << 1 << FixedPaths::Skala1 << QStringLiteral(" Nem találom a SKALA1.TXT fájlt.")
                                        << "folder"
                                        << "Oka: ez egy mappa, nem fájl";
    QTest::newRow("tstan2 is a FIFO") << 2 << FixedPaths::Tstan2 << QStringLiteral(" Nem találom a TSTAN2.TP fájlt.")
                                      << "fifo"
                                      << "Oka: ez egy csővezeték (FIFO), nem közönséges fájl";
    QTest::newRow("program folder missing")
        << 1 << FixedPaths::Skala1 << QStringLiteral(" Nem találom a SKALA1.TXT fájlt.") << "no program folder"
        << "Oka: hiányzik a(z) „c:\\_halden\\motra\\” mappa";
    QTest::newRow("program folder is a file")
        << 3 << FixedPaths::Tstan3 << QStringLiteral(" Nem találom a TSTAN3.TP fájlt.") << "program folder is a file"
        << "Oka: a(z) „c:\\_halden\\motra” nem mappa, hanem fájl";
}

void TestScorers::missingFiles()
{
    QFETCH(int, kind);
    QFETCH(QString, missing);
    QFETCH(QString, expected);
    QFETCH(QString, how);
    QFETCH(QString, reason);
    TestInstallation inst(true);
    writeAllFiles(inst, kind);
    inst.remove(missing);
    const QString host = inst.path(missing);
    const QString programFolder = QDir::cleanPath(inst.path(FixedPaths::ProgramFolder));
    if (how == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(host));
    else if (how == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(host).constData(), 0600), 0);
    else if (how == QLatin1String("no program folder"))
        QVERIFY(QDir(programFolder).removeRecursively());
    else if (how == QLatin1String("program folder is a file"))
        QVERIFY(QDir(programFolder).removeRecursively() && QFile(programFolder).open(QIODevice::WriteOnly));
    ScorerOutput output;
    const ScorerInput input = inputWith(2, 14, {}, 0);
    try {
        if (kind == 1)
            ScoreParent(input, 30, output);
        else if (kind == 2)
            ScoreTeacher(input, 34, output);
        else
            ScoreSelfReport(input, 32, output);
        QFAIL("scoring went on without a file");
    } catch (const MotraError &error) {
        QCOMPARE(error.headline(), expected);
        QCOMPARE(error.presentation(), MotraError::Presentation::Notice);
        QVERIFY2(error.details().startsWith(QStringLiteral("Fájl: ") + missing + QStringLiteral("\nA gépen: ")),
            qPrintable(error.message()));
        QVERIFY2(error.details().contains(QLatin1Char('\n') + reason), qPrintable(error.message()));
    }
}

void TestScorers::damagedNormFiles()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    const ScorerInput input = inputWith(2, 14, {}, 0);
    ScorerOutput output;

    // A problem norm file cut short: girls' blocks lie beyond its end.
    inst.writeBytes(FixedPaths::Fakst1, problemNormFile(1).left(1100));
    QString message = failureOf([&] { ScoreParent(input, 30, output); });
    QVERIFY2(message.startsWith(QStringLiteral("Írási vagy olvasási hiba.\nFájl: c:\\_halden\\motra\\fakst1.tp\n")),
        qPrintable(message));
    // ... while the boys' blocks are all there.
    QVERIFY(failureOf([&] { ScoreParent(inputWith(1, 14, {}, 0), 30, output); }).isEmpty());

    inst.writeBytes(FixedPaths::Fakst1, QByteArray());
    message = failureOf([&] { ScoreParent(input, 30, output); });
    QVERIFY2(
        message.contains(QStringLiteral("fakst1.tp")) && message.contains(QStringLiteral("üres")), qPrintable(message));

    // Competence look-up beyond the end of a short tstan1.tp.
    writeAllFiles(inst, Parent);
    inst.writeBytes(FixedPaths::Tstan1, competenceNormFile(1).left(50));
    const ScorerInput school = inputWith(1, 14, {{59, 4}, {60, 4}, {66, 1}, {67, 1}, {68, 1}}, 0);
    message = failureOf([&] { ScoreParent(school, 30, output); });
    QVERIFY2(message.contains(QStringLiteral("tstan1.tp")), qPrintable(message));

    // Teacher adaptive look-up beyond the end.
    writeAllFiles(inst, Teacher);
    inst.writeBytes(FixedPaths::Tstan2, competenceNormFile(2).left(700));
    message = failureOf([&] { ScoreTeacher(inputWith(2, 14, {{22, 4}}, 0), 34, output); });
    QVERIFY2(message.contains(QStringLiteral("tstan2.tp")), qPrintable(message));

    // Binary junk of full length still only gives bytes; no crash, no message.
    QByteArray junk(2200, '\xff');
    inst.writeBytes(FixedPaths::Fakst2, junk);
    inst.writeBytes(FixedPaths::Tstan2, competenceNormFile(2));
    QVERIFY(failureOf([&] { ScoreTeacher(inputWith(2, 14, {}, 1), 34, output); }).isEmpty());
    QCOMPARE(output[24], 255); // T of Visszahúzódás
}

void TestScorers::badSexCode_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sex");
    QTest::newRow("parent 0") << 1 << 0;
    QTest::newRow("parent missing") << 1 << -1;
    QTest::newRow("teacher 3") << 2 << 3;
    QTest::newRow("self-report 0") << 3 << 0;
}

void TestScorers::badSexCode()
{
    QFETCH(int, kind);
    QFETCH(int, sex);
    TestInstallation inst(true);
    writeAllFiles(inst, kind);
    const ScorerInput input = inputWith(sex, 14, {}, 1);
    ScorerOutput output;
    const QString message = failureOf([&] {
        if (kind == 1)
            ScoreParent(input, 30, output);
        else if (kind == 2)
            ScoreTeacher(input, 34, output);
        else
            ScoreSelfReport(input, 32, output);
    });
    QVERIFY2(
        message.startsWith(QStringLiteral("A vizsgált személy neme nem 1 (fiú) vagy 2 (lány)")), qPrintable(message));
}

void TestScorers::parentProblemScales()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    const QList<QVector<int>> scales = defaultScales(Parent);
    // Items 1..122 answered 1, so scale k scores K; Externalizáció is 14 + 22 = 36, not the
    // file's 36 items; item 2 missing lowers Visszahúzódás's valid count (9*8/8 = 9).
    ScorerInput input = inputWith(2, 14, {}, 1);
    input[83] = -1;
    ScorerOutput output;
    ScoreParent(input, 30, output);
    const QVector<ProblemScaleConstants> &constants = problemScaleConstants(Parent);
    for (int z = 1; z <= 9; ++z)
        QCOMPARE(output[4 + z], constants[z - 1].K);
    QCOMPARE(output[14], 14 + 22);
    QCOMPARE(output[15], 119); // items 2..122 without item 3, item 2 missing
    // Girls' T-scores: blocks 12..22; at or below the cut the norm byte, above it the formula.
    for (int z = 1; z <= 11; ++z) {
        const ProblemScaleConstants &c = constants[z - 1];
        const int raw = output[4 + z];
        int expected;
        if (raw <= c.CutGirls)
            expected = problemNormByte(11 + z, raw);
        else if (!c.composite)
            expected = 70 + int(::roundHalfEven(qint64(raw - c.CutGirls) * 30, 2 * c.K - c.CutGirls));
        else if (raw <= c.MidGirls)
            expected = 70 + int(::roundHalfEven(qint64(raw - c.CutGirls) * 19, c.MidGirls - c.CutGirls));
        else
            expected = 89 + int(::roundHalfEven(qint64(raw - c.MidGirls) * 11, 2 * c.K - c.MidGirls));
        QCOMPARE(output[19 + z], expected);
    }
    // No competence answers: the four competence scales and their T-scores are -1.
    for (int i : {1, 2, 3, 4, 16, 17, 18, 19})
        QCOMPARE(output[i], -1);
}

void TestScorers::parentAgeCorrection_data()
{
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("socialT"); // every tstan1 byte
    QTest::addColumn<QVector<int>>("deltas"); // change of each of the 15 T-scores
    const QVector<int> none(15, 0);
    QVector<int> school = none;
    school[2] = 2;
    QTest::newRow("age 10, T 54") << 10 << 1 << 54 << school;
    QTest::newRow("age 11, T 54") << 11 << 1 << 54 << none;
    QTest::newRow("age 10, T 53") << 10 << 1 << 53 << none;
    // 56: Aktivitás 55, Társas 54 -> only the school step.
    QVector<int> at56 = school;
    at56[0] = -1;
    at56[1] = -2;
    QTest::newRow("age 10, T 56") << 10 << 1 << 56 << at56;
    // 58: Társas 56 after its own step, so every step applies.
    QVector<int> boy58{-1, -2, 2, -2, -1, -2, 0, 0, 0, -1, -2, 0, -1, 0, 0};
    QTest::newRow("age 10, T 58, boy") << 10 << 1 << 58 << boy58;
    QVector<int> girl58{-1, -2, 2, -2, -1, -3, 0, 0, 0, -1, -2, 0, -2, 0, 0};
    QTest::newRow("age 6, T 58, girl") << 6 << 2 << 58 << girl58;
    QTest::newRow("age 12, T 58") << 12 << 2 << 58 << none;
}

void TestScorers::parentAgeCorrection()
{
    QFETCH(int, age);
    QFETCH(int, sex);
    QFETCH(int, socialT);
    QFETCH(QVector<int>, deltas);
    TestInstallation inst(true);
    writeAllFiles(inst, Parent);
    inst.writeBytes(FixedPaths::Tstan1, QByteArray(248, char(socialT)));
    // Aktivitás and Társas computable, Iskolai teljesítmény not (so its T is -1).
    const ScorerInput input = inputWith(
        sex, age, {{31, 3}, {32, 3}, {49, 3}, {45, 3}, {52, 4}, {53, 3}, {54, 2}, {55, 2}, {56, 3}, {57, 2}}, 1);
    ScorerOutput output;
    ScoreParent(input, 30, output);
    QCOMPARE(output[3], -1);
    ScorerInput older = input;
    older[3] = 14;
    ScorerOutput reference;
    ScoreParent(older, 30, reference);
    QCOMPARE(reference[16], socialT);
    QCOMPARE(reference[17], socialT);
    QCOMPARE(reference[18], -1);
    QCOMPARE(reference[19], -1);
    for (int k = 0; k < 15; ++k)
        QCOMPARE(output[16 + k] - reference[16 + k], deltas[k]);
    for (int i = 1; i <= 15; ++i)
        QCOMPARE(output[i], reference[i]);
}

void TestScorers::teacherAdaptive_data()
{
    QTest::addColumn<Positions>("values");
    QTest::addColumn<QVector<int>>("raw");
    QTest::newRow("grades 3,4,4 two missing")
        << Positions{{11, 3}, {12, 4}, {13, 4}} << QVector<int>{37, -1, -1, -1, -1, -1};
    QTest::newRow("two grades") << Positions{{11, 3}, {12, 4}} << QVector<int>{-1, -1, -1, -1, -1, -1};
    QTest::newRow("unanswered counts as 0")
        << Positions{{11, 3}, {12, 4}, {13, 0}} << QVector<int>{23, -1, -1, -1, -1, -1};
    QTest::newRow("two ratings") << Positions{{22, 4}, {23, 5}} << QVector<int>{-1, 4, 5, -1, -1, -1};
    QTest::newRow("ratings 4,5,6,7") << Positions{{22, 4}, {23, 5}, {24, 6}, {25, 7}}
                                     << QVector<int>{-1, 4, 5, 6, 7, 22};
    QTest::newRow("unanswered rating counts")
        << Positions{{22, 1}, {23, 2}, {24, 0}, {25, 2}} << QVector<int>{-1, 1, 2, 0, 2, 5};
    QTest::newRow("grades halves to even")
        << Positions{{11, 1}, {12, 2}, {13, 2}, {14, 0}, {15, -1}} << QVector<int>{12, -1, -1, -1, -1, -1};
    QTest::newRow("rating above table") << Positions{{22, 150}} << QVector<int>{-1, 150, -1, -1, -1, -1};
}

void TestScorers::teacherAdaptive()
{
    QFETCH(Positions, values);
    QFETCH(QVector<int>, raw);
    TestInstallation inst(true);
    writeAllFiles(inst, Teacher);
    for (int sex = 1; sex <= 2; ++sex) {
        ScorerOutput output;
        ScoreTeacher(inputWith(sex, 14, values, 1), 34, output);
        for (int z = 1; z <= 6; ++z) {
            QCOMPARE(output[z], raw[z - 1]);
            const int r = raw[z - 1];
            const int expectedT = r > 0 && r <= 99 ? teacherNormByte(((sex - 1) * 6 + z - 1) * 100 + r) : 0;
            QCOMPARE(output[17 + z], expectedT);
        }
    }
}

void TestScorers::teacherNoProblems()
{
    TestInstallation inst(true);
    writeAllFiles(inst, Teacher);
    ScorerOutput output;
    ScoreTeacher(inputWith(1, 14, {}, 0), 34, output);
    for (int z = 1; z <= 11; ++z) {
        QCOMPARE(output[6 + z], 0);
        QCOMPARE(output[23 + z], -1);
    }
    // One answered item brings the T-scores back.
    ScorerInput one = inputWith(1, 14, {}, 0);
    one[82 + 1] = 1; // item 2: Visszahúzódás and Összprobléma
    ScoreTeacher(one, 34, output);
    QCOMPARE(output[7], 1);
    QCOMPARE(output[24], problemNormByte(1, 1));
    QCOMPARE(output[24 + 10], problemNormByte(11, 1));
}

void TestScorers::selfReportNoProblems()
{
    TestInstallation inst(true);
    writeAllFiles(inst, SelfReport);
    ScorerOutput output;
    ScoreSelfReport(inputWith(2, 14, {}, 0), 32, output);
    for (int z = 1; z <= 12; ++z) {
        QCOMPARE(output[4 + z], -1);
        QCOMPARE(output[20 + z], -1);
    }
    // Items all 1: every scale K (Externalizáció 12 + 21), girls' blocks 13..24.
    ScoreSelfReport(inputWith(2, 14, {}, 1), 32, output);
    QCOMPARE(output[5], 7);
    QCOMPARE(output[21], problemNormByte(12 + 1, 7)); // raw 7 <= girls' cut 8: norm byte
    QCOMPARE(output[15], 12 + 21);
    QCOMPARE(output[16], 103);
}

void TestScorers::socialMaturity_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("answered"); // items 1..answered of 16 hold `value`, the rest missing
    QTest::addColumn<QVector<int>>("values");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("t");
    // 27 from 16 items: eleven 2s, five 1s.
    const QVector<int> boy27{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1};
    QTest::newRow("boy 27") << 1 << 16 << boy27 << 27 << 61;
    const QVector<int> girl22{2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("girl 22") << 2 << 16 << girl22 << 22 << 50;
    QTest::newRow("12 of 16") << 1 << 12 << boy27 << -1 << -1;
    // 13 valid, sum 24: 16*24/13 = 29.5 -> 30 (halves to even... 29.538 -> 30)
    QTest::newRow("13 of 16") << 1 << 13 << boy27 << 30 << int(std::nearbyint(50 + 10 * (30 - 22.0) / 4.68));
}

void TestScorers::socialMaturity()
{
    QFETCH(int, sex);
    QFETCH(int, answered);
    QFETCH(QVector<int>, values);
    QFETCH(int, raw);
    QFETCH(int, t);
    TestInstallation inst(true);
    writeAllFiles(inst, SelfReport);
    // Szociális érettség lists items 1..16 (defaultScales); others keep Összprobléma above 0.
    ScorerInput input = inputWith(sex, 14, {}, 0);
    for (int i = 0; i < 16; ++i)
        input[82 + i] = i < answered ? values[i] : -1;
    input[82 + 120] = 1;
    ScorerOutput output;
    ScoreSelfReport(input, 32, output);
    QCOMPARE(output[4 + 9], raw);
    QCOMPARE(output[20 + 9], t);
}

QTEST_GUILESS_MAIN(TestScorers)
#include "tst_scorers.moc"
