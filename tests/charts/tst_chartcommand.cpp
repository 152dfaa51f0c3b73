#include "app/CliCommands.h"
#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "charts/ProfileChart.h"
#include "scoring/ScoringDriver.h"
#include "TestInstallation.h"

#include <QFile>
#include <QImage>
#include <QtTest>

// motra-cli chart FILE.mtr KIND MODE -o OUT.bmp
class TstChartCommand : public QObject
{
    Q_OBJECT

private slots:
    void badArguments_data();
    void badArguments();
    void unreadableCaseFile();
    void writesChart_data();
    void writesChart();
    void scoringFailureStillDraws();
    void damagedBackground_data();
    void damagedBackground();
    void unwritableOutput();

private:
    int run(const QStringList &args);
    QString writeCase(const TestInstallation &inst);
    QString m_err;
};

int TstChartCommand::run(const QStringList &args)
{
    QString out;
    m_err.clear();
    QTextStream outStream(&out);
    QTextStream errStream(&m_err);
    const int status = runChartCommand(args, outStream, errStream);
    errStream.flush();
    return status;
}

// A case whose parent and self-report answers give varied scores.
QString TstChartCommand::writeCase(const TestInstallation &inst)
{
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("K1");
    record.Personal.ChildName = QStringLiteral("Próba Péter");
    record.Personal.Age = 11;
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        AnswerSet &set = record.answers(kind);
        for (int row = info.firstItemRow; row < info.firstResultRow; ++row)
            set.setValueText(row, QString::number(row % 3));
        record.scores(kind).TScores.fill(55);
    }
    const QString file = inst.path(FixedPaths::caseFile(QStringLiteral("K1")));
    writeCaseFileTo(record, file);
    return file;
}

void TstChartCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("none") << QStringList();
    QTest::newRow("no output") << QStringList{"a.mtr", "1", "1"};
    QTest::newRow("output without name") << QStringList{"a.mtr", "1", "1", "-o"};
    QTest::newRow("two outputs") << QStringList{"a.mtr", "1", "1", "-o", "x.bmp", "-o", "y.bmp"};
    QTest::newRow("kind 0") << QStringList{"a.mtr", "0", "1", "-o", "x.bmp"};
    QTest::newRow("kind 4") << QStringList{"a.mtr", "4", "1", "-o", "x.bmp"};
    QTest::newRow("kind text") << QStringList{"a.mtr", "szülői", "1", "-o", "x.bmp"};
    QTest::newRow("mode 4") << QStringList{"a.mtr", "1", "4", "-o", "x.bmp"};
    QTest::newRow("mode blank") << QStringList{"a.mtr", "1", " 1", "-o", "x.bmp"};
    QTest::newRow("extra argument") << QStringList{"a.mtr", "1", "1", "2", "-o", "x.bmp"};
}

void TstChartCommand::badArguments()
{
    QFETCH(QStringList, args);
    QCOMPARE(run(args), int(ExitUsage));
    QVERIFY(m_err.contains(QStringLiteral("motra-cli chart")));
}

void TstChartCommand::unreadableCaseFile()
{
    TestInstallation inst(true);
    const QString out = inst.root() + QStringLiteral("/out.bmp");
    QCOMPARE(run({inst.root() + QStringLiteral("/nincs.mtr"), "1", "1", "-o", out}), int(ExitBadInput));
    QVERIFY(!m_err.isEmpty());
    QVERIFY(!QFile::exists(out));
}

void TstChartCommand::writesChart_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    QTest::newRow("parent coloured") << 1 << 1;
    QTest::newRow("teacher line") << 2 << 2;
    QTest::newRow("self-report black") << 3 << 3;
}

void TstChartCommand::writesChart()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the demo installation has not been generated");
    const QString caseFile = writeCase(inst);
    const QString out = inst.root() + QStringLiteral("/out.bmp");
    const QByteArray current = inst.readBytes(FixedPaths::currentChart(kind));
    QCOMPARE(run({caseFile, QString::number(kind), QString::number(mode), "-o", out}), 0);

    CaseRecord expected;
    readCaseFile(expected, caseFile);
    ScoreKind(expected, kind);
    const QImage written(out, "BMP");
    QVERIFY(!written.isNull());
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), DrawProfile(expected, kind, mode));
    // The current chart of the installation is not touched.
    QCOMPARE(inst.readBytes(FixedPaths::currentChart(kind)), current);
}

void TstChartCommand::scoringFailureStillDraws()
{
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the demo installation has not been generated");
    const QString caseFile = writeCase(inst);
    inst.remove(FixedPaths::Skala1);
    const QString out = inst.root() + QStringLiteral("/out.bmp");
    // Drawn with the scores the file holds, and the exit code says the scoring failed.
    QCOMPARE(run({"-o", out, caseFile, "1", "1"}), int(ExitBadInput));
    QVERIFY2(
        m_err.startsWith(QStringLiteral("motra-cli chart: szülői kérdőív:  Nem találom a SKALA1.TXT fájlt.\n  Fájl: ")),
        qPrintable(m_err));

    CaseRecord read;
    readCaseFile(read, caseFile);
    QCOMPARE(QImage(out, "BMP").convertToFormat(QImage::Format_RGB32), DrawProfile(read, Parent, ColouredBars));
}

void TstChartCommand::damagedBackground_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("cut after 60 bytes") << QByteArray("60");
    QTest::newRow("not a picture") << QByteArray("BM, de nem bitkép");
}

void TstChartCommand::damagedBackground()
{
    QFETCH(QByteArray, bytes);
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the demo installation has not been generated");
    const QString caseFile = writeCase(inst);
    if (bytes.isEmpty())
        inst.remove(FixedPaths::TeacherBackground);
    else if (bytes == "60")
        inst.writeBytes(FixedPaths::TeacherBackground, inst.readBytes(FixedPaths::TeacherBackground).left(60));
    else
        inst.writeBytes(FixedPaths::TeacherBackground, bytes);
    const QString out = inst.root() + QStringLiteral("/out.bmp");
    QCOMPARE(run({caseFile, "2", "1", "-o", out}), int(ExitBadInput));
    QVERIFY2(m_err.contains(QStringLiteral("\n  Fájl: ") + FixedPaths::TeacherBackground + QLatin1Char('\n')),
        qPrintable(m_err));
    QVERIFY(m_err.contains(QStringLiteral("\n  Oka: ")));
    QVERIFY(!QFile::exists(out));
}

void TstChartCommand::unwritableOutput()
{
    TestInstallation inst;
    if (!inst.isValid())
        QSKIP("the demo installation has not been generated");
    const QString caseFile = writeCase(inst);
    QCOMPARE(run({caseFile, "3", "2", "-o", inst.root() + QStringLiteral("/nincs/out.bmp")}), int(ExitWriteFailed));
    QVERIFY(m_err.contains(QStringLiteral("out.bmp")));
    QVERIFY2(m_err.contains(QStringLiteral("Oka: hiányzik a(z) „c:\\nincs\\” mappa")), qPrintable(m_err));
}

QTEST_MAIN(TstChartCommand)
#include "tst_chartcommand.moc"
