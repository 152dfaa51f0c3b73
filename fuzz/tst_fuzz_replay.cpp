// Replays the committed fuzz corpus through every fuzz target: nothing may crash, every
// call returns, and the targets' invariant checks must hold.
#include "FuzzSupport.h"
#include "FuzzTarget.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/TextFile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

using TargetFunction = int (*)(const uint8_t *, size_t);

struct Target
{
    const char *folder;
    TargetFunction function;
};

const Target Targets[] = {
    {"casefile", MOTRA_FUZZ_FUNCTION(caseFile)},
    {"scaledefinition", MOTRA_FUZZ_FUNCTION(scaleDefinition)},
    {"normfile", MOTRA_FUZZ_FUNCTION(normFile)},
    {"passwordfile", MOTRA_FUZZ_FUNCTION(passwordFile)},
    {"rowdefinition", MOTRA_FUZZ_FUNCTION(rowDefinition)},
};

} // namespace

class TestFuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void corpus_data();
    void corpus();
    void emptyInput_data();
    void emptyInput();
    void opinionLinesStayText();
};

void TestFuzzReplay::corpus_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("file");
    const QDir root(QStringLiteral(MOTRA_FUZZ_CORPUS_DIR));
    for (int t = 0; t < int(std::size(Targets)); ++t) {
        const QDir dir(root.filePath(QLatin1String(Targets[t].folder)));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        // Every target has seeds; an empty folder would silently test nothing.
        QVERIFY2(!files.isEmpty(), qPrintable(dir.path()));
        for (const QString &name : files) {
            const QString tag = QLatin1String(Targets[t].folder) + QLatin1Char('/') + name;
            QTest::newRow(qPrintable(tag)) << t << dir.filePath(name);
        }
    }
}

void TestFuzzReplay::corpus()
{
    QFETCH(int, target);
    QFETCH(QString, file);
    QFile input(file);
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QByteArray bytes = input.readAll();
    FuzzSupport::takeFailures();
    FuzzSupport::takeScoredCount();
    QCOMPARE(Targets[target].function(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())), 0);
    const QStringList failures = FuzzSupport::takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // The intact seeds must really reach the scorers, or the damaged ones prove little.
    const int scored = FuzzSupport::takeScoredCount();
    if (QFileInfo(file).fileName().startsWith(QLatin1String("valid_"))
        && Targets[target].function != MOTRA_FUZZ_FUNCTION(passwordFile)
        && Targets[target].function != MOTRA_FUZZ_FUNCTION(rowDefinition))
        QVERIFY2(scored > 0, "an intact seed did not score");
}

void TestFuzzReplay::emptyInput_data()
{
    QTest::addColumn<int>("target");
    for (int t = 0; t < int(std::size(Targets)); ++t)
        QTest::newRow(Targets[t].folder) << t;
}

void TestFuzzReplay::emptyInput()
{
    QFETCH(int, target);
    FuzzSupport::takeFailures();
    const uint8_t nothing = 0;
    QCOMPARE(Targets[target].function(&nothing, 0), 0);
    QVERIFY(FuzzSupport::takeFailures().isEmpty());
}

// Found by fuzzing: opinion lines shaped like tags used to overwrite the age or move a
// section on reading, and "<Kora=...>" with a non-number made the whole file unreadable.
void TestFuzzReplay::opinionLinesStayText()
{
    CaseRecord record;
    FuzzSupport::fillValidAnswers(record);
    record.Personal.Age = 9;
    record.Opinion = {QStringLiteral("<Kora=tizenegy>"), QStringLiteral("<szülői=>"), QStringLiteral("<Neve=Más Név>"),
        QStringLiteral("<vélemény=x>"), QStringLiteral("vége")};
    const QByteArray bytes
        = TextFile::encode(caseFileLines(record).join(QLatin1String("\r\n")) + QLatin1String("\r\n"), QString());

    CaseRecord back;
    readCaseFileBytes(back, bytes);
    QCOMPARE(back.Opinion, record.Opinion);
    QCOMPARE(back.Personal.Age, 9);
    QCOMPARE(back.Personal.ChildName, record.Personal.ChildName);
    QCOMPARE(back.answers(Parent).values(), record.answers(Parent).values());
}

QTEST_GUILESS_MAIN(TestFuzzReplay)
#include "tst_fuzz_replay.moc"
