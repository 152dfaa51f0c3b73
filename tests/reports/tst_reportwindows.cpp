#include "../app/RecordingSeam.h"
#include "TestInstallation.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "reports/MemoLines.h"
#include "reports/TEredmForm.h"
#include "reports/TVelemenyForm.h"
#include "ui/WindowServices.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

class TestReportWindows : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void resultsListLines();
    void resultsListLabels_data();
    void resultsListLabels();
    void resultsListRebuiltEachTime();
    void emptyOpinionWritesEmptyFileAndMarks();
    void opinionFollowsMemo();
    void opinionWriteFailureDoesNotMark();
    void opinionHelpHasItsOwnNotes();
};

void TestReportWindows::cleanup() { windowServices() = WindowServices(); }

void TestReportWindows::resultsListLines()
{
    CaseRecord record;
    record.SlotValues[1] = 11;
    record.SlotValues[2] = 12.5;
    record.SlotValues[225] = -1;
    TEredmForm form(record);
    QCOMPARE(form.Label1->text(), QStringLiteral("---"));
    QCOMPARE(form.Label2->text(), QStringLiteral("---"));
    form.FormActivate();
    QCOMPARE(form.ListBox1->count(), 225);
    QCOMPARE(form.ListBox1->item(0)->text(), QStringLiteral("11.0"));
    QCOMPARE(form.ListBox1->item(1)->text(), QStringLiteral("12.5"));
    QCOMPARE(form.ListBox1->item(2)->text(), QStringLiteral("0.0"));
    QCOMPARE(form.ListBox1->item(224)->text(), QStringLiteral("-1.0"));
}

void TestReportWindows::resultsListLabels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12.5") << 12.5 << QStringLiteral("12&5");
    QTest::newRow("-1.0") << -1.0 << QStringLiteral("&1&0");
    QTest::newRow("0") << 0.0 << QStringLiteral("0&0");
    QTest::newRow("big") << 1234.56 << QStringLiteral("1234&6");
}

void TestReportWindows::resultsListLabels()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    CaseRecord record;
    record.SlotValues[7] = value;
    TEredmForm form(record);
    form.FormActivate();
    form.ListBox1Click(6);
    QCOMPARE(form.Label1->text(), QStringLiteral("7"));
    QCOMPARE(form.Label2->text(), shown);
    // shown as typed: no mnemonic eats the ampersands
    QCOMPARE(form.Label2->textFormat(), Qt::PlainText);
}

void TestReportWindows::resultsListRebuiltEachTime()
{
    CaseRecord record;
    record.SlotValues[1] = 3;
    TEredmForm form(record);
    form.FormActivate();
    record.SlotValues[1] = 4.4;
    form.FormActivate();
    QCOMPARE(form.ListBox1->count(), 225);
    QCOMPARE(form.ListBox1->item(0)->text(), QStringLiteral("4.4"));
}

void TestReportWindows::emptyOpinionWritesEmptyFileAndMarks()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    QList<ExamPart> marked;
    windowServices().markPartDone = [&](ExamPart part) { marked << part; };
    inst.writeBytes(FixedPaths::OpinionText, "régi vélemény\r\n");
    CaseRecord record;
    TVelemenyForm form(record);
    form.BitBtn2Click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(QFileInfo::exists(inst.path(FixedPaths::OpinionText)));
    QCOMPARE(inst.readBytes(FixedPaths::OpinionText), QByteArray());
    QCOMPARE(marked, QList<ExamPart>{ExamPart::Opinion});
    QVERIFY(seam.messages.isEmpty());
}

void TestReportWindows::opinionFollowsMemo()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    CaseRecord record;
    record.Opinion = QStringList{QStringLiteral("első sor"), QString(), QStringLiteral("harmadik")};
    TVelemenyForm form(record);
    QCOMPARE(memoLines(form.Memo1), record.Opinion);
    form.Memo1->setPlainText(QStringLiteral("új vélemény\nkét sorban"));
    QCOMPARE(record.Opinion, QStringList({QStringLiteral("új vélemény"), QStringLiteral("két sorban")}));
    QVERIFY(form.FormClose());
    QCOMPARE(inst.readBytes(FixedPaths::OpinionText), QByteArray("\xfaj v\xe9lem\xe9ny\r\nk\xe9t sorban\r\n"));

    // A case file read into the record: the memo shows it.
    record.Opinion = QStringList{QStringLiteral("beolvasott")};
    form.loadFromRecord();
    QCOMPARE(form.Memo1->toPlainText(), QStringLiteral("beolvasott"));
}

void TestReportWindows::opinionWriteFailureDoesNotMark()
{
    TestInstallation inst(true);
    RecordingSeam seam;
    int marks = 0;
    windowServices().markPartDone = [&](ExamPart) { ++marks; };
    QVERIFY(QDir(inst.path(FixedPaths::CurrentFolder)).removeRecursively());
    CaseRecord record;
    TVelemenyForm form(record);
    form.Memo1->setPlainText(QStringLiteral("megmarad"));
    form.BitBtn2Click();
    QCOMPARE(seam.messages.size(), 1);
    QVERIFY(seam.messages.first().contains(QStringLiteral("velem.txt")));
    QCOMPARE(marks, 0);
    QCOMPARE(record.Opinion, QStringList{QStringLiteral("megmarad")});
}

void TestReportWindows::opinionHelpHasItsOwnNotes()
{
    RecordingSeam seam;
    QStringList call;
    windowServices().showHelp = [&](const QString &caption, const QString &help, const QString &notes, bool modal) {
        call << caption << help << notes << (modal ? QStringLiteral("modal") : QStringLiteral("modeless"));
    };
    CaseRecord record;
    TVelemenyForm form(record);
    form.BitBtn1Click();
    QCOMPARE(call,
        QStringList(
            {QStringLiteral("Súgó: MOTRA vélemény megírása"), QStringLiteral("c:\\_halden\\motra\\help\\velem.txt"),
                QStringLiteral("c:\\_halden\\motra\\jegyzet\\velem.txt"), QStringLiteral("modal")}));
}

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
