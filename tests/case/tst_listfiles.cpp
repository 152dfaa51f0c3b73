#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"

#include "TestInstallation.h"

#include <QFileInfo>
#include <QTest>

class TestListFiles : public QObject
{
    Q_OBJECT

private slots:
    void choiceLists_data();
    void choiceLists();
    void missingChoiceList();
    void savedPath_data();
    void savedPath();
    void recentListFile();
    void removeEntry();
    void deleteWholeList();
    void personalSummary_data();
    void personalSummary();
};

void TestListFiles::choiceLists_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("examiners") << FixedPaths::ExaminerList;
    QTest::newRow("reasons") << FixedPaths::ReasonList;
}

void TestListFiles::choiceLists()
{
    QFETCH(QString, file);
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    // Stored as the user typed them: unsorted, untrimmed, duplicates and empty lines kept.
    inst.writeBytes(file,
        QByteArray("Zolt\xE1n\r\n\r\n  \xC1"
                   "bel \r\nZolt\xE1n\r\n\xD5ry \xF5r\r\n"));
    const QStringList expected = {QStringLiteral("Zoltán"), QString(), QStringLiteral("  Ábel "),
        QStringLiteral("Zoltán"), QStringLiteral("Őry őr")};
    QCOMPARE(ListFiles::readList(file), expected);
    QCOMPARE(ListFiles::readListOrEmpty(file), expected);

    QStringList edited = expected;
    edited.append(QString());
    edited.prepend(QStringLiteral("új"));
    ListFiles::writeList(file, edited);
    QCOMPARE(ListFiles::readList(file), edited);
    QCOMPARE(inst.readBytes(file),
        QByteArray("\xFAj\r\nZolt\xE1n\r\n\r\n  \xC1"
                   "bel \r\nZolt\xE1n\r\n\xD5ry \xF5r\r\n\r\n"));
}

void TestListFiles::missingChoiceList()
{
    TestInstallation inst(true);
    QVERIFY(ListFiles::readListOrEmpty(FixedPaths::ExaminerList).isEmpty());
    bool thrown = false;
    try {
        ListFiles::readList(FixedPaths::ReasonList);
    } catch (const MotraError &error) {
        thrown = true;
        QVERIFY(error.message().contains(QStringLiteral("ok.txt")));
    }
    QVERIFY(thrown);
}

void TestListFiles::savedPath_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("empty") << QStringList{} << "a" << QStringList{"a"};
    QTest::newRow("new") << QStringList{"a", "b"} << "c" << QStringList{"a", "b", "c"};
    QTest::newRow("moves to the end") << QStringList{"a", "b", "c"} << "a" << QStringList{"b", "c", "a"};
    QTest::newRow("already last") << QStringList{"a", "b"} << "b" << QStringList{"a", "b"};
    QTest::newRow("only the first copy goes") << QStringList{"a", "b", "a"} << "a" << QStringList{"b", "a", "a"};
    QTest::newRow("exact text") << QStringList{"C:\\X.mtr", "c:\\x.mtr "} << "c:\\x.mtr"
                                << QStringList{"C:\\X.mtr", "c:\\x.mtr ", "c:\\x.mtr"};
}

void TestListFiles::savedPath()
{
    QFETCH(QStringList, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);
    QCOMPARE(ListFiles::withSavedPath(before, path), after);
}

void TestListFiles::recentListFile()
{
    TestInstallation inst(true);
    QVERIFY(ListFiles::readRecentList().isEmpty());
    const QString a = FixedPaths::caseFile(QStringLiteral("A"));
    const QString b = FixedPaths::caseFile(QStringLiteral("B"));
    ListFiles::addToRecentList(a);
    ListFiles::addToRecentList(b);
    ListFiles::addToRecentList(a);
    QCOMPARE(ListFiles::readRecentList(), (QStringList{b, a}));
    QCOMPARE(inst.readBytes(FixedPaths::RecentList),
        QByteArray("c:\\_halden\\motra\\archivum\\B.mtr\r\nc:\\_halden\\motra\\archivum\\A.mtr\r\n"));
}

void TestListFiles::removeEntry()
{
    TestInstallation inst(true);
    inst.writeBytes(FixedPaths::RecentList, "p1\r\np2\r\np3\r\n");
    ListFiles::removeRecentEntry(1);
    QCOMPARE(ListFiles::readRecentList(), (QStringList{"p1", "p3"}));
    // Out of range changes nothing.
    ListFiles::removeRecentEntry(2);
    ListFiles::removeRecentEntry(-1);
    QCOMPARE(ListFiles::readRecentList(), (QStringList{"p1", "p3"}));
    // A later save keeps the oldest-first order.
    ListFiles::addToRecentList(QStringLiteral("p4"));
    QCOMPARE(ListFiles::readRecentList(), (QStringList{"p1", "p3", "p4"}));
    ListFiles::removeRecentEntry(0);
    ListFiles::removeRecentEntry(0);
    ListFiles::removeRecentEntry(0);
    QVERIFY(ListFiles::readRecentList().isEmpty());

    // Without the file there is nothing to remove and nothing is created.
    inst.remove(FixedPaths::RecentList);
    ListFiles::removeRecentEntry(0);
    QVERIFY(!QFileInfo::exists(inst.path(FixedPaths::RecentList)));
}

void TestListFiles::deleteWholeList()
{
    TestInstallation inst(true);
    ListFiles::deleteRecentList(); // missing is fine
    ListFiles::addToRecentList(QStringLiteral("x"));
    QVERIFY(QFileInfo::exists(inst.path(FixedPaths::RecentList)));
    ListFiles::deleteRecentList();
    QVERIFY(!QFileInfo::exists(inst.path(FixedPaths::RecentList)));
    QVERIFY(ListFiles::readRecentList().isEmpty());
    ListFiles::addToRecentList(QStringLiteral("y"));
    QCOMPARE(ListFiles::readRecentList(), QStringList{QStringLiteral("y")});
}

void TestListFiles::personalSummary_data()
{
    QTest::addColumn<bool>("isBoy");
    QTest::addColumn<int>("age");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::newRow("boy") << true << 14
                         << QByteArray("n\xE9v: (K-1) Kis \xC1rp\xE1"
                                       "d,  14 \xE9ves f\xE9rfi");
    QTest::newRow("girl, child") << false << 6
                                 << QByteArray("n\xE9v: (K-1) Kis \xC1rp\xE1"
                                               "d,  6 \xE9ves n\xF5");
}

void TestListFiles::personalSummary()
{
    QFETCH(bool, isBoy);
    QFETCH(int, age);
    QFETCH(QByteArray, firstLine);
    TestInstallation inst(true);
    PersonalData personal;
    personal.ChildCode = QStringLiteral("K-1");
    personal.ChildName = QStringLiteral("Kis Árpád");
    personal.IsBoy = isBoy;
    personal.Age = age;
    personal.ExamDate = QStringLiteral("2004.3.15.");
    personal.Examiner = QStringLiteral("Dr. Őry");
    ListFiles::writePersonalSummary(personal);
    QCOMPARE(inst.readBytes(FixedPaths::PersonalSummary),
        firstLine + "\r\na vizsg. id\xF5pontja: 2004.3.15.\r\na vizsg\xE1latot v\xE9gezte: Dr. \xD5ry\r\n");
}

QTEST_GUILESS_MAIN(TestListFiles)
#include "tst_listfiles.moc"
