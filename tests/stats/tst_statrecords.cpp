#include "TestInstallation.h"

#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "case/TextFile.h"
#include "stats/StatisticsFiles.h"
#include "stats/StatisticsRecordList.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString File = QStringLiteral("c:\\_halden\\motra\\stat\\csoport.da1");

QByteArray headerBytes(int kind = Parent) { return StatisticsHeader(kind).toLatin1(); }

// A parent record of the code, its fields after the code all "1".
QByteArray record(const QByteArray &code, int kind = Parent)
{
    QByteArray line = code;
    for (int field = 1; field < 4 + kindInfo(kind).slotCount; ++field)
        line += "\t1";
    return line;
}

QByteArray fileOf(const QList<QByteArray> &codes)
{
    QByteArray bytes = headerBytes();
    for (const QByteArray &code : codes)
        bytes += record(code) + "\r\n";
    return bytes;
}

QStringList codesOf(const StatisticsRecordList &list)
{
    QStringList codes;
    for (const QString &line : list.lines())
        codes << line.section(QLatin1Char('\t'), 0, 0);
    return codes;
}

} // namespace

class TestStatRecords : public QObject
{
    Q_OBJECT
private slots:
    void unusableFileLeavesListAlone_data();
    void unusableFileLeavesListAlone();
    void loadNotes_data();
    void loadNotes();
    void sortHungarian_data();
    void sortHungarian();
    void writeIsExactlyTheList();
    void writeRefused_data();
    void writeRefused();
};

void TestStatRecords::unusableFileLeavesListAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: the entry is a folder; "-": missing
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "nincs.da1" << QByteArray("-") << "nem nyitható meg";
    QTest::newRow("folder") << "mappa.da1" << QByteArray() << "nem nyitható meg";
    QTest::newRow("empty") << "ures.da1" << QByteArray("\x01") << "üres";
    QTest::newRow("only line ends") << "sorvegek.da1" << QByteArray("\r\n\r\n") << "üres";
    QTest::newRow("teacher header in .da1") << "tanari.da1" << headerBytes(Teacher) << "a tanári kérdőív fejléce";
    QTest::newRow("record as first line") << "fej.da1" << record("K1") + "\r\n"
                                          << "ez nem a fejléc";
    QTest::newRow("only a partial header") << "csonka.da1" << headerBytes().left(40) << "egyetlen teljes sora sincs";
    QTest::newRow("not a statistics name") << "x.txt" << fileOf({"A"}) << "kiterjesztése";
}

void TestStatRecords::unusableFileLeavesListAlone()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestInstallation inst(true);
    const QString fixed = FixedPaths::StatFolder + name;
    if (bytes.isEmpty())
        QVERIFY(QDir().mkpath(inst.path(fixed)));
    else if (bytes != "-")
        inst.writeBytes(fixed, bytes == "\x01" ? QByteArray() : bytes);
    inst.writeBytes(File, fileOf({"B", "A"}));
    StatisticsRecordList list;
    QVERIFY(list.load(File).isEmpty());
    list.moveDown(1);
    const StatisticsRecordList::State before = list.state();
    try {
        list.load(fixed);
        QFAIL("loaded");
    } catch (const MotraError &error) {
        QVERIFY2(error.message().contains(name), qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
    QCOMPARE(list.file(), File);
    QCOMPARE(list.lines(), before.lines);
    QCOMPARE(codesOf(list), QStringList({"Kod", "A", "B"}));
}

void TestStatRecords::loadNotes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("reasons"); // empty: nothing to tell
    QTest::newRow("records, LF line ends")
        << fileOf({"A", "B"}).replace("\r\n", "\n") << QStringList{"Kod", "A", "B"} << QStringList();
    QTest::newRow("records, CR line ends")
        << fileOf({"A", "B"}).replace("\r\n", "\r") << QStringList{"Kod", "A", "B"} << QStringList();
    QTest::newRow("only the header") << headerBytes() << QStringList{"Kod"} << QStringList{"csak a fejléc"};
    QTest::newRow("partial last line") << fileOf({"A"}) + record("B").left(300) << QStringList{"Kod", "A"}
                                       << QStringList{"utolsó sora csonka"};
    QTest::newRow("short line") << fileOf({"A"}) + "B\t1\t2\r\n"
                                << QStringList{"Kod", "A", "B"} << QStringList{"3. sor: 3 mező van benne 204 helyett"};
    QTest::newRow("blank line and header again")
        << fileOf({"A"}) + "\r\n" + headerBytes() << QStringList{"Kod", "A", "", "Kod"}
        << QStringList{"3. sor: üres sor", "4. sor: fejléc (a szülői kérdőívé)"};
    QTest::newRow("teacher record in .da1") << fileOf({"A"}) + record("T", Teacher) + "\r\n"
                                            << QStringList{"Kod", "A", "T"} << QStringList{"180 mező van benne 204"};
    QByteArray many = fileOf({});
    for (int i = 0; i < 8; ++i)
        many += "x\r\n";
    QTest::newRow("many bad lines counted") << many + "y" << QStringList{"Kod", "x", "x", "x", "x", "x", "x", "x", "x"}
                                            << QStringList{"8 sora", "6. sor", "és még 3 sor", "csonka"};
}

void TestStatRecords::loadNotes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, reasons);
    TestInstallation inst(true);
    inst.writeBytes(File, bytes);
    StatisticsRecordList list;
    const QString notes = list.load(File);
    QCOMPARE(codesOf(list), codes);
    QCOMPARE(list.rowCount(), codes.size());
    QCOMPARE(list.kind(), int(Parent));
    if (reasons.isEmpty())
        QVERIFY2(notes.isEmpty(), qPrintable(notes));
    else
        QVERIFY(notes.contains(File));
    for (const QString &reason : reasons)
        QVERIFY2(notes.contains(reason), qPrintable(notes));
    // Loading writes nothing.
    QCOMPARE(inst.readBytes(File), bytes);
}

void TestStatRecords::sortHungarian_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("accents are letters of their own where Hungarian says so")
        << QStringList{"Ödön", "Zsolt", "Ottó", "Őz", "Oszkár"} << QStringList{"Oszkár", "Ottó", "Ödön", "Őz", "Zsolt"};
    QTest::newRow("digraphs follow their first letter") << QStringList{"Csaba", "Cukor", "Szabó", "Sütő", "Gyula",
        "Gábor"} << QStringList{"Cukor", "Csaba", "Gábor", "Gyula", "Sütő", "Szabó"};
    QTest::newRow("á beside a, letter case ignored, ties keep their order")
        << QStringList{"baba", "Ábel", "abc", "Adam", "ABC"} << QStringList{"abc", "ABC", "Ábel", "Adam", "baba"};
    QTest::newRow("zs after every z") << QStringList{"Zsuzsa", "Zsolt", "Zuzana", "Zoltán"}
                                      << QStringList{"Zoltán", "Zuzana", "Zsolt", "Zsuzsa"};
    QTest::newRow("digits before letters")
        << QStringList{"K-2", "k-10", "7", "K-1"} << QStringList{"7", "K-1", "k-10", "K-2"};
}

void TestStatRecords::sortHungarian()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, sorted);
    TestInstallation inst(true);
    QList<QByteArray> bytes;
    for (const QString &code : codes)
        bytes << TextFile::encode(code, File);
    inst.writeBytes(File, fileOf(bytes));
    StatisticsRecordList list;
    list.load(File);
    list.sortRecords();
    QCOMPARE(codesOf(list), QStringList{"Kod"} + sorted);
    QCOMPARE(inst.readBytes(File), fileOf(bytes)); // only the list changed
}

void TestStatRecords::writeIsExactlyTheList()
{
    TestInstallation inst(true);
    // LF line ends and a partial last line: the rewrite has CR LF and only the list.
    inst.writeBytes(File,
        fileOf({"C",
                   "\xc1rp\xe1"
                   "d",
                   "B"})
                .replace("\r\n", "\n")
            + "Z\t1");
    StatisticsRecordList list;
    list.load(File);
    list.sortRecords();
    QVERIFY(list.removeRecord(2));
    list.write();
    QCOMPARE(inst.readBytes(File),
        fileOf({"\xc1rp\xe1"
                "d",
            "C"}));
    // What was written is the new state: a second deletion writes again.
    QVERIFY(list.removeRecord(1));
    list.write();
    QCOMPARE(inst.readBytes(File), fileOf({"C"}));
}

void TestStatRecords::writeRefused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file vanished") << "remove"
                                   << "eltűnt";
    QTest::newRow("record attached meanwhile") << "append"
                                               << "megváltozott";
    QTest::newRow("read-only folder") << "read-only"
                                      << "Oka: Permission denied";
    QTest::newRow("character outside Windows-1250") << "unencodable"
                                                    << "U+4e2d";
}

void TestStatRecords::writeRefused()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    TestInstallation inst(true);
    const QByteArray original = fileOf({"A", "B", "C"});
    inst.writeBytes(File, original);
    StatisticsRecordList list;
    list.load(File);
    list.removeRecord(2);
    QByteArray expected = original;
    const QString folder = inst.path(FixedPaths::StatFolderNoSlash);
    if (change == QLatin1String("remove")) {
        inst.remove(File);
    } else if (change == QLatin1String("append")) {
        expected += record("D") + "\r\n";
        inst.writeBytes(File, expected);
    } else if (change == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(folder).isWritable())
            QSKIP("the folder stays writable (running as root)");
    } else {
        StatisticsRecordList::State state = list.state();
        state.lines << QStringLiteral("\u4e2d");
        list.restore(state);
    }
    const QStringList lines = list.lines();
    try {
        list.write();
        QFAIL("written");
    } catch (const MotraError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("csoport.da1")), qPrintable(error.message()));
        QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(list.lines(), lines);
    if (change == QLatin1String("remove"))
        QVERIFY(!QFile::exists(inst.path(File)));
    else
        QCOMPARE(inst.readBytes(File), expected);
    QCOMPARE(QDir(folder).entryList(QDir::Files),
        QStringList(change == "remove" ? QStringList() : QStringList{"csoport.da1"}));
}

QTEST_GUILESS_MAIN(TestStatRecords)
#include "tst_statrecords.moc"
