#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "stats/ExaminationSave.h"
#include "stats/StatisticsFiles.h"

#include "TestInstallation.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

namespace {

void prepare(CaseRecord &record, const QString &code)
{
    record.startNewExamination();
    record.Personal.ChildCode = code;
    record.Personal.ChildName = QStringLiteral("Kovács Éva");
    record.Personal.ExamDate = QStringLiteral("2004.3.15.");
    record.copyPersonalDataToAnswerSets();
    record.setCurrentKind(Parent);
}

QString confirmation(const QString &name)
{
    return QStringLiteral("lemezre írva: %1, statisztika csatolva: %1 =>> stat\\_sum.dat").arg(name);
}

// Every file below the root, relative to it.
QStringList allFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestExaminationSave : public QObject
{
    Q_OBJECT

private slots:
    void save();
    void recentOrder();
    void deleteThenSave();
    void emptyCode();
    void baseNames_data();
    void baseNames();
    void missingArchiveFolder();
};

void TestExaminationSave::save()
{
    TestInstallation inst(true);
    CaseRecord record;
    prepare(record, QStringLiteral("KE-1"));
    QCOMPARE(WriteCaseFile(record, record.Personal.ChildCode), confirmation(QStringLiteral("KE-1")));

    const QString casePath = QStringLiteral("c:\\_halden\\motra\\archivum\\KE-1.mtr");
    QCOMPARE(TextFile::readLines(inst.path(casePath)), caseFileLines(record));
    QCOMPARE(ListFiles::readRecentList(), QStringList{casePath});
    const QStringList summary = TextFile::readLines(inst.path(FixedPaths::SummaryStatFile));
    QVERIFY(!summary.isEmpty());
    QCOMPARE(summary.last() + QStringLiteral("\r\n"), StatisticsLine(record));

    // Saving again appends another summary line and keeps one recent entry.
    WriteCaseFile(record, record.Personal.ChildCode);
    QCOMPARE(ListFiles::readRecentList(), QStringList{casePath});
    QCOMPARE(TextFile::readLines(inst.path(FixedPaths::SummaryStatFile)).count(summary.last()), 2);
}

void TestExaminationSave::recentOrder()
{
    TestInstallation inst(true);
    CaseRecord record;
    for (const char *code : {"A", "B", "A"}) {
        prepare(record, QString::fromLatin1(code));
        WriteCaseFile(record, record.Personal.ChildCode);
    }
    QCOMPARE(ListFiles::readRecentList(),
        (QStringList{FixedPaths::caseFile(QStringLiteral("B")), FixedPaths::caseFile(QStringLiteral("A"))}));
}

void TestExaminationSave::deleteThenSave()
{
    TestInstallation inst(true);
    CaseRecord record;
    for (const char *code : {"A", "B", "C"}) {
        prepare(record, QString::fromLatin1(code));
        WriteCaseFile(record, record.Personal.ChildCode);
    }
    ListFiles::removeRecentEntry(2); // the newest, C
    prepare(record, QStringLiteral("D"));
    WriteCaseFile(record, record.Personal.ChildCode);
    prepare(record, QStringLiteral("A"));
    WriteCaseFile(record, record.Personal.ChildCode);
    QStringList expected;
    for (const char *code : {"B", "D", "A"})
        expected << FixedPaths::caseFile(QString::fromLatin1(code));
    QCOMPARE(ListFiles::readRecentList(), expected);
}

void TestExaminationSave::emptyCode()
{
    TestInstallation inst(true);
    CaseRecord record;
    prepare(record, QString());
    record.Personal.ChildName = QStringLiteral("Név Nélkül");
    QCOMPARE(WriteCaseFile(record, QString()), confirmation(QStringLiteral("Név Nélkül")));
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("aktualis"));
    const QString casePath = QStringLiteral("c:\\_halden\\motra\\archivum\\Név Nélkül.mtr");
    QVERIFY(QFileInfo::exists(inst.path(casePath)));
    QCOMPARE(ListFiles::readRecentList(), QStringList{casePath});
    const QStringList lines = TextFile::readLines(inst.path(casePath));
    QCOMPARE(lines[2], QStringLiteral("<Kódja=aktualis>"));
    QCOMPARE(lines[664], QStringLiteral("<vélemény=aktualis>"));
    QVERIFY(StatisticsLine(record).startsWith(QStringLiteral("aktualis\t")));
}

void TestExaminationSave::baseNames_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("safe") << "Kovács_Éva-12 (2)"
                          << "Kovács_Éva-12 (2).mtr";
    QTest::newRow("dots inside") << "a.b"
                                 << "a.b.mtr";
    QTest::newRow("backslash climb") << "..\\..\\x"
                                     << "______x.mtr";
    QTest::newRow("slash") << "a/b"
                           << "a_b.mtr";
    QTest::newRow("slash climb") << "../../x"
                                 << "______x.mtr";
    QTest::newRow("drive") << "c:evil"
                           << "c_evil.mtr";
    QTest::newRow("absolute") << "c:\\windows\\x"
                              << "c__windows_x.mtr";
    QTest::newRow("only dots") << ".."
                               << "__.mtr";
}

void TestExaminationSave::baseNames()
{
    QFETCH(QString, baseName);
    QFETCH(QString, fileName);
    TestInstallation inst(true);
    const QStringList before = allFiles(inst.root());
    CaseRecord record;
    prepare(record, baseName);
    QCOMPARE(WriteCaseFile(record, baseName), confirmation(fileName.chopped(4)));

    // Exactly one new case file, inside the archive folder, under the expected name.
    QStringList created = allFiles(inst.root());
    for (const QString &file : before)
        created.removeOne(file);
    created.removeOne(QStringLiteral("_halden/motra/last.mod"));
    created.removeOne(QStringLiteral("_halden/motra/stat/_sum.dat"));
    QCOMPARE(created, QStringList{QStringLiteral("_halden/motra/archivum/") + fileName});
    QCOMPARE(ListFiles::readRecentList(), QStringList{FixedPaths::ArchiveFolder + fileName});
    // The code itself is stored as typed.
    QCOMPARE(TextFile::readLines(inst.path(FixedPaths::ArchiveFolder + fileName))[2],
        QStringLiteral("<Kódja=%1>").arg(baseName));
}

void TestExaminationSave::missingArchiveFolder()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::RecentList, "c:\\_halden\\motra\\archivum\\X.mtr\r\n");
    inst.writeBytes(FixedPaths::SummaryStatFile, "X\t2004.3.15.\t1\t14\r\n");
    QVERIFY(QDir(inst.path(FixedPaths::ArchiveFolderNoSlash)).removeRecursively());

    CaseRecord record;
    prepare(record, QStringLiteral("Y"));
    bool thrown = false;
    try {
        WriteCaseFile(record, record.Personal.ChildCode);
    } catch (const MotraError &error) {
        thrown = true;
        QVERIFY(!error.message().isEmpty());
    }
    QVERIFY(thrown);
    QCOMPARE(inst.readBytes(FixedPaths::RecentList), QByteArray("c:\\_halden\\motra\\archivum\\X.mtr\r\n"));
    QCOMPARE(inst.readBytes(FixedPaths::SummaryStatFile), QByteArray("X\t2004.3.15.\t1\t14\r\n"));
}

QTEST_GUILESS_MAIN(TestExaminationSave)
#include "tst_examinationsave.moc"
