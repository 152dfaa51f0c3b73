#include "case/CaseRecord.h"
#include "case/RowList.h"
#include "charts/ScaleItemEntries.h"
#include "charts/ScaleItemList.h"

#include <QtTest>

class TestScaleItemEntries : public QObject
{
    Q_OBJECT

private slots:
    void firstEntry_data();
    void firstEntry();
    void oneEntryPerListedItem_data();
    void oneEntryPerListedItem();
    void duplicateItemGivesTwoEntries();
    void scalesWithoutListGiveNothing();
    void entryRowNumber_data();
    void entryRowNumber();
    void jumpRow_data();
    void jumpRow();

private:
    static int rowOfSlot(int kind, int slot)
    {
        const QVector<RowDefinition> &rows = rowList(kind);
        for (int r = 0; r < rows.size(); ++r) {
            if (rows[r].SlotNumber == slot)
                return r;
        }
        return -1;
    }
};

void TestScaleItemEntries::firstEntry_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ticked");
    const QString parentItem1 = QStringLiteral("67. Viselkedése életkorához képest túlságosan gyerekes.");
    QTest::newRow("parent answered 2") << 1 << 8 << "2"
                                       << "(2)" + parentItem1 << true;
    QTest::newRow("parent answered 0") << 1 << 8 << "0"
                                       << "(0)" + parentItem1 << false;
    QTest::newRow("parent empty answer") << 1 << 8 << ""
                                         << "()" + parentItem1 << true;
    QTest::newRow("parent text answer") << 1 << 10 << "x"
                                        << "(x)" + parentItem1 << true;
    QTest::newRow("teacher item 1") << 2 << 10 << "1"
                                    << "(1)26. Életkorához képest túlságosan gyerekesen viselkedik." << true;
    QTest::newRow("self-report item 1") << 3 << 8 << "0"
                                        << "(0)55. Életkoromhoz képest túlságosan gyerekesen viselkedem." << false;
}

void TestScaleItemEntries::firstEntry()
{
    QFETCH(int, kind);
    QFETCH(int, scale);
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(bool, ticked);
    QCOMPARE(scaleItemList(kind, scale).value(0), 1);
    CaseRecord record;
    const int row = rowOfSlot(kind, 1 + kindInfo(kind).itemSlotOffset);
    QVERIFY(row >= 0);
    record.answers(kind).setValueText(row, value);
    const QVector<ScaleItemEntry> entries = BuildScaleItemEntries(record, kind, scale);
    QVERIFY(!entries.isEmpty());
    QCOMPARE(entries[0].text, text);
    QCOMPARE(entries[0].ticked, ticked);
}

void TestScaleItemEntries::oneEntryPerListedItem_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("scale");
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        for (int scale = firstListedScale(kind); scale <= lastListedScale(kind); ++scale)
            QTest::addRow("kind %d scale %d", kind, scale) << kind << scale;
    }
}

// Every problem item 1..122 has exactly one row, so each listed number gives one entry,
// in list order, and the entry carries that row's answer.
void TestScaleItemEntries::oneEntryPerListedItem()
{
    QFETCH(int, kind);
    QFETCH(int, scale);
    CaseRecord record;
    const int offset = kindInfo(kind).itemSlotOffset;
    for (int item = 1; item <= 122; ++item)
        record.answers(kind).setValueText(rowOfSlot(kind, item + offset), QString::number(item % 3));
    const QVector<int> &items = scaleItemList(kind, scale);
    const QVector<ScaleItemEntry> entries = BuildScaleItemEntries(record, kind, scale);
    QCOMPARE(entries.size(), items.size());
    for (int i = 0; i < items.size(); ++i) {
        const RowDefinition &row = rowList(kind)[rowOfSlot(kind, items[i] + offset)];
        const QString value = QString::number(items[i] % 3);
        QCOMPARE(entries[i].text, "(" + value + ")" + row.RowNumber + "." + row.Label);
        QCOMPARE(entries[i].ticked, value != "0");
        QVERIFY(!entries[i].text.contains(QLatin1Char('#')));
    }
}

void TestScaleItemEntries::duplicateItemGivesTwoEntries()
{
    // The teacher's internalising list names item 110 twice (withdrawn and anxious).
    const QVector<int> &items = scaleItemList(Teacher, 15);
    QCOMPARE(items.count(110), 2);
    CaseRecord record;
    record.answers(Teacher).setValueText(rowOfSlot(Teacher, 130), QStringLiteral("2"));
    const QVector<ScaleItemEntry> entries = BuildScaleItemEntries(record, Teacher, 15);
    int found = 0;
    for (const ScaleItemEntry &entry : entries) {
        if (entry.text == QStringLiteral("(2)147. Boldogtalan, szomorú vagy lehangolt.")) {
            QVERIFY(entry.ticked);
            ++found;
        }
    }
    QCOMPARE(found, 2);
}

void TestScaleItemEntries::scalesWithoutListGiveNothing()
{
    CaseRecord record;
    QVERIFY(BuildScaleItemEntries(record, Parent, 1).isEmpty());
    QVERIFY(BuildScaleItemEntries(record, Parent, 15).isEmpty());
    QVERIFY(BuildScaleItemEntries(record, Teacher, 6).isEmpty());
    QVERIFY(BuildScaleItemEntries(record, SelfReport, 16).isEmpty());
}

void TestScaleItemEntries::entryRowNumber_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("number");
    QTest::newRow("answered") << QStringLiteral("(2)67. Viselkedése életkorához képest túlságosan gyerekes.") << 67;
    QTest::newRow("empty value") << QStringLiteral("()67. Viselkedése") << 67;
    QTest::newRow("sub-question") << QStringLiteral("(1)999. Ha igen") << 999;
    QTest::newRow("no paren") << QStringLiteral("67. Viselkedése") << 999;
    QTest::newRow("no number") << QStringLiteral("(1). Viselkedése") << 999;
    QTest::newRow("no dot") << QStringLiteral("(1)86") << 86;
}

void TestScaleItemEntries::entryRowNumber()
{
    QFETCH(QString, entry);
    QFETCH(int, number);
    QCOMPARE(scaleEntryRowNumber(entry), number);
}

void TestScaleItemEntries::jumpRow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("row");
    QTest::newRow("parent item 67") << int(Parent) << 67 << 65;
    QTest::newRow("teacher 86 lands a row low") << int(Teacher) << 86 << 84;
    QTest::newRow("self-report 55") << int(SelfReport) << 55 << 52;
    QTest::newRow("parent 18 is no row") << int(Parent) << 18 << -1;
    QTest::newRow("no number") << int(Parent) << 999 << -1;
    QTest::newRow("first row") << int(Parent) << 1 << -1;
    QTest::newRow("no questionnaire") << 0 << 67 << -1;
}

void TestScaleItemEntries::jumpRow()
{
    QFETCH(int, kind);
    QFETCH(int, number);
    QFETCH(int, row);
    QCOMPARE(scaleEntryJumpRow(kind, number), row);
}

QTEST_GUILESS_MAIN(TestScaleItemEntries)
#include "tst_scaleitementries.moc"
