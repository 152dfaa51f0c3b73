#include "TestInstallation.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "case/TextFile.h"
#include "reports/HtmlReport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestHtmlReport : public QObject
{
    Q_OBJECT

private slots:
    void headLines();
    void personalDataTable();
    void scaleRowWithoutList();
    void scaleRowWithList();
    void bands_data();
    void bands();
    void rawScoreCut_data();
    void rawScoreCut();
    void answerTableRows();
    void scaleTableHeaders();
    void onlySelfReport();
    void sectionOrder();
    void escaping();
    void characterOutsideCodePage();
    void controlCharacters_data();
    void controlCharacters();
    void unsafeCodesStayInReportFolder_data();
    void unsafeCodesStayInReportFolder();
    void bytesOnDisk();
    void writeFailureIsReported();

private:
    static int indexOf(const QStringList &lines, const QString &line, int from = 0)
    {
        return int(lines.indexOf(line, from));
    }
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

void TestHtmlReport::headLines()
{
    CaseRecord record;
    const QStringList lines = htmlReportLines(record, false, false, false);
    const QStringList head{
        "<HTML><HEAD>",
        "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
        "<SCRIPT language=JavaScript>",
        "function clickHandler() {",
        "var targetId, srcElement, targetElement;",
        "srcElement = window.event.srcElement;",
        "if (srcElement.className == \"Outline\") {",
        "targetId = srcElement.id + \"details\";",
        "targetElement = document.all(targetId);",
        "if (targetElement.style.display == \"none\") {",
        "targetElement.style.display = \"\";",
        "} else {",
        "targetElement.style.display = \"none\";",
        "}}}",
        "document.onclick = clickHandler;",
        "</SCRIPT>",
        "<TITLE>Ostravine MOTRA jkv.</TITLE></HEAD>",
        "<BODY><P ALIGN=Center>",
        "<IMG SRC=\"logo.gif\"><BR><HR>",
    };
    QCOMPARE(lines.mid(0, 19), head);
}

void TestHtmlReport::personalDataTable()
{
    CaseRecord record;
    record.Personal.ChildCode = QStringLiteral("A7");
    record.Personal.ChildName = QStringLiteral("Teszt Elek");
    record.Personal.ExamDate = QStringLiteral("2004.3.15.");
    record.Personal.Examiner = QStringLiteral("Dr. Kő Béla");
    record.Opinion = QStringList{"első sor", "második sor"};
    const QStringList lines = htmlReportLines(record, false, false, false);
    const QStringList expected{
        "<TABLE CELLSPACING=\"0\" CELLPADDING=\"0\">",
        "<TR><TD bgcolor=\"000000\"><P ALIGN=Left>",
        "<FONT COLOR=\"#ffffff\"><B>Személyi adatok</B></FONT></TD></TR>",
        "<TR><TD>A vizsgálat kódja: </TD><TD>A7</TD></TR>",
        "<TR><TD>A vizsgált személy neve: </TD><TD>Teszt Elek</TD></TR>",
        "</TABLE><P>",
        "<B>A vizsgálatvezető véleménye: </B><P>",
        "első sor",
        "második sor",
        "<HR><BR>2004.3.15.",
        "<P ALIGN=Center>a vizsg&aacute;latot v&eacute;gezte: Dr. Kő Béla",
        "</BODY></HTML>",
    };
    QCOMPARE(lines.mid(19), expected);
}

void TestHtmlReport::scaleRowWithoutList()
{
    CaseRecord record;
    record.scores(Parent).RawScores[0] = 7.5;
    record.scores(Parent).TScores[0] = 55;
    const QStringList lines = htmlReportLines(record, true, false, false);
    const int at = indexOf(lines, QStringLiteral("Aktivitás: (nyp.=7.5)"));
    QVERIFY(at > 0);
    QCOMPARE(lines.mid(at - 1, 5),
        (QStringList{
            "<TR><TD>",
            "Aktivitás: (nyp.=7.5)",
            "</TD>",
            "<TD>55 (0)</TD><TD bgcolor=\"dddddd\"><IMG SRC=\"n.gif\"",
            "WIDTH=\"165\" HEIGHT=\"9\"></TD></TR>",
        }));
}

void TestHtmlReport::scaleRowWithList()
{
    CaseRecord record;
    record.scores(Parent).RawScores[7] = 3;
    record.scores(Parent).TScores[7] = 71;
    record.answers(Parent).setValueText(rowOfSlot(Parent, 49), QStringLiteral("2"));
    const QStringList lines = htmlReportLines(record, true, false, false);
    const int at = indexOf(lines, QStringLiteral("<U id=szulolistak8 class=Outline style=\"cursor: hand; \">"));
    QVERIFY(at > 0);
    QCOMPARE(lines.mid(at - 2, 7),
        (QStringList{
            "<TR><TD>",
            "<FONT COLOR=\"#ff0000\">",
            "<U id=szulolistak8 class=Outline style=\"cursor: hand; \">",
            "Szoc. probl.: (nyp.=3.0)",
            "</U></FONT>",
            "<FONT COLOR=\"#0000ff\">",
            "<DIV id=szulolistak8details style=\"display:None;\">",
        }));
    // Eight items in the social problems list; the first one answered 2, the rest empty.
    QCOMPARE(lines[at + 5], QStringLiteral("(2)67. Viselkedése életkorához képest túlságosan gyerekes.<BR>"));
    for (int i = 1; i < 8; ++i)
        QVERIFY2(lines[at + 5 + i].startsWith(QLatin1String("()")), qPrintable(lines[at + 5 + i]));
    QCOMPARE(lines.mid(at + 13, 4),
        (QStringList{
            "</DIV></FONT>",
            "</TD>",
            "<TD>71 (++)</TD><TD bgcolor=\"dddddd\"><IMG SRC=\"pp.gif\"",
            "WIDTH=\"213\" HEIGHT=\"9\"></TD></TR>",
        }));
    // An answer 0 is listed as such.
    record.answers(Parent).setValueText(rowOfSlot(Parent, 49), QStringLiteral("0"));
    QVERIFY(htmlReportLines(record, true, false, false)
                .contains(QStringLiteral("(0)67. Viselkedése életkorához képest túlságosan gyerekes.<BR>")));
}

void TestHtmlReport::bands_data()
{
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("markCell");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("width");
    QTest::newRow("-1") << -1 << "-1 (--)"
                        << ""
                        << "-3";
    QTest::newRow("0") << 0 << "0 (--)"
                       << "\"mm.gif\""
                       << "0";
    QTest::newRow("29") << 29 << "29 (--)"
                        << "\"mm.gif\""
                        << "87";
    QTest::newRow("30") << 30 << "30 (-)"
                        << "\"m.gif\""
                        << "90";
    QTest::newRow("39") << 39 << "39 (-)"
                        << "\"m.gif\""
                        << "117";
    QTest::newRow("40") << 40 << "40 (0)"
                        << "\"n.gif\""
                        << "120";
    QTest::newRow("60") << 60 << "60 (0)"
                        << "\"n.gif\""
                        << "180";
    QTest::newRow("61") << 61 << "61 (+)"
                        << "\"p.gif\""
                        << "183";
    QTest::newRow("70") << 70 << "70 (+)"
                        << "\"p.gif\""
                        << "210";
    QTest::newRow("71") << 71 << "71 (++)"
                        << "\"pp.gif\""
                        << "213";
    QTest::newRow("100") << 100 << "100 (++)"
                         << "\"pp.gif\""
                         << "300";
    QTest::newRow("101") << 101 << "101 (++)"
                         << ""
                         << "303";
}

void TestHtmlReport::bands()
{
    QFETCH(int, t);
    QFETCH(QString, markCell);
    QFETCH(QString, picture);
    QFETCH(QString, width);
    CaseRecord record;
    record.scores(Teacher).TScores[0] = t;
    const QStringList lines = htmlReportLines(record, false, true, false);
    const int at = indexOf(lines, QStringLiteral("Isk. eredm.: (nyp.=0.0)"));
    QVERIFY(at > 0);
    QCOMPARE(lines[at + 2], "<TD>" + markCell + "</TD><TD bgcolor=\"dddddd\"><IMG SRC=" + picture);
    QCOMPARE(lines[at + 3], "WIDTH=\"" + width + "\" HEIGHT=\"9\"></TD></TR>");
}

void TestHtmlReport::rawScoreCut_data()
{
    QTest::addColumn<double>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.0";
    QTest::newRow("integer") << 12.0 << "12.0";
    QTest::newRow("half") << 7.5 << "7.5";
    QTest::newRow("missing") << -1.0 << "-1.0";
    QTest::newRow("five digits") << 12345.0 << "12345.";
    QTest::newRow("six digits") << 100000.0 << "100000";
    QTest::newRow("half cut") << 12345.5 << "12345.";
    QTest::newRow("four digits") << 1234.5 << "1234.5";
}

void TestHtmlReport::rawScoreCut()
{
    QFETCH(double, raw);
    QFETCH(QString, text);
    QCOMPARE(rawScoreText(raw), text);
    CaseRecord record;
    record.scores(SelfReport).RawScores[15] = raw;
    QVERIFY(htmlReportLines(record, false, false, true).contains("Összprobléma: (nyp.=" + text + ")"));
}

void TestHtmlReport::answerTableRows()
{
    CaseRecord record;
    AnswerSet &answers = record.answers(Parent);
    answers.setValueText(0, QStringLiteral("Teszt"));
    answers.setValueText(4, QStringLiteral("3"));
    answers.setAnswerLabel(4, QStringLiteral("érettségi"));
    const QStringList lines = htmlReportLines(record, true, false, false);
    const int at = indexOf(lines, QStringLiteral("<TABLE BORDER>"));
    QCOMPARE(lines.mid(at - 4, 4),
        (QStringList{
            "<FONT COLOR=\"#0000a0\"><B>",
            "<U id=szulovalaszok class=Outline style=\"cursor: hand; \">",
            "a szülő válaszai</U><BR></B></FONT>",
            "<DIV id=szulovalaszokdetails style=\"display:None;\">",
        }));
    const QVector<RowDefinition> &rows = rowList(Parent);
    QCOMPARE(lines[at + 1], "<TR><TD>" + htmlText(questionCaption(Parent, rows[0])) + "</TD>");
    QCOMPARE(lines[at + 2], "<TD>Teszt (-)</TD></TR><TR><TD>" + htmlText(questionCaption(Parent, rows[1])) + "</TD>");
    QCOMPARE(lines[at + 5], "<TD> (-)</TD></TR><TR><TD>" + htmlText(questionCaption(Parent, rows[4])) + "</TD>");
    QVERIFY(lines[at + 6].startsWith(QStringLiteral("<TD>3 (érettségi)</TD></TR><TR><TD>")));
    // 203 rows: the last one (free text after the last item) carries into the closing tag.
    QCOMPARE(lines[at + 203], "<TD> (-)</TD></TR><TR><TD>" + htmlText(questionCaption(Parent, rows[202])) + "</TD>");
    QCOMPARE(lines[at + 204], QStringLiteral("<TD> (-)</TD></TR></TABLE>"));
    QCOMPARE(lines[at + 205], QStringLiteral("</DIV><P>"));
    QCOMPARE(lines[at + 206], QStringLiteral("<TABLE>"));
    // The sub-question row shows its grid caption.
    QVERIFY(lines.contains("<TD> (-)</TD></TR><TR><TD>" + htmlText(questionCaption(Parent, rows[62])) + "</TD>"));
    QVERIFY(questionCaption(Parent, rows[62]).startsWith(QLatin1String("63.a.")));
}

void TestHtmlReport::scaleTableHeaders()
{
    CaseRecord record;
    const QStringList lines = htmlReportLines(record, true, true, true);
    // The parent's header line is written as two lines, the others as one.
    QCOMPARE(lines.count(QStringLiteral("<TR><TD>Skálanév (nyerspont) T-érték</TD>")), 1);
    QCOMPARE(lines.count(QStringLiteral("<TD>jelmagy.:</TD><TD><IMG SRC=\"jelmagy.gif\"></TD></TR>")), 1);
    QCOMPARE(lines.count(QStringLiteral(
                 "<TR><TD>Skálanév (nyerspont) T-érték</TD><TD>jelmagy.:</TD><TD><IMG SRC=\"jelmagy.gif\"></TD></TR>")),
        2);
    for (const char *title : {"Szülői kérdőív", "Tanári kérdőív", "Önértékelő kérdőív"})
        QCOMPARE(lines.count(QStringLiteral("<B>") + QString::fromUtf8(title) + QStringLiteral("</B></FONT></TD>")), 1);
    QCOMPARE(lines.count(QStringLiteral("<TD><IMG SRC=\"skala.gif\"></TD></TR>")), 3);
    // Listed scales: parent 5..14, teacher 7..16, self-report 5..15.
    QVERIFY(lines.contains(QStringLiteral("<U id=szulolistak5 class=Outline style=\"cursor: hand; \">")));
    QVERIFY(lines.contains(QStringLiteral("<U id=szulolistak14 class=Outline style=\"cursor: hand; \">")));
    QVERIFY(!lines.contains(QStringLiteral("<U id=szulolistak15 class=Outline style=\"cursor: hand; \">")));
    QVERIFY(!lines.contains(QStringLiteral("<U id=tanarlistak6 class=Outline style=\"cursor: hand; \">")));
    QVERIFY(lines.contains(QStringLiteral("<DIV id=tanarlistak16details style=\"display:None;\">")));
    QVERIFY(lines.contains(QStringLiteral("<DIV id=onelistak15details style=\"display:None;\">")));
    QVERIFY(lines.contains(QStringLiteral("Össz. isk. adapt.: (nyp.=0.0)")));
    QVERIFY(lines.contains(QStringLiteral("Szoc. érettség: (nyp.=0.0)")));
    QCOMPARE(lines.count(QStringLiteral("</TABLE><P>")), 4);
}

void TestHtmlReport::onlySelfReport()
{
    CaseRecord record;
    const QStringList lines = htmlReportLines(record, false, false, true);
    const QString page = lines.join(QLatin1Char('\n'));
    QVERIFY(page.contains(QLatin1String("onertvalaszok")));
    QVERIFY(page.contains(QStringLiteral("a VSZ. válaszai")));
    QVERIFY(page.contains(QLatin1String("onelistak")));
    for (const char *absent : {"szulovalaszok", "szulolistak", "tanarvalaszok", "tanarlistak", "Szülői kérdőív",
             "Tanári kérdőív", "a szülő válaszai", "a tanár válaszai"})
        QVERIFY2(!page.contains(QString::fromUtf8(absent)), absent);
    QCOMPARE(lines.count(QStringLiteral("<TABLE BORDER>")), 1);
    // 191 answer rows of the self-report form.
    const int at = indexOf(lines, QStringLiteral("<TABLE BORDER>"));
    QVERIFY(lines[at + 191].endsWith(QLatin1String("</TD>")));
    QVERIFY(lines[at + 192].endsWith(QLatin1String("</TD></TR></TABLE>")));
}

void TestHtmlReport::sectionOrder()
{
    CaseRecord record;
    const QStringList lines = htmlReportLines(record, true, true, true);
    const int parent = indexOf(lines, QStringLiteral("a szülő válaszai</U><BR></B></FONT>"));
    const int teacher = indexOf(lines, QStringLiteral("a tanár válaszai</U><BR></B></FONT>"));
    const int self = indexOf(lines, QStringLiteral("a VSZ. válaszai</U><BR></B></FONT>"));
    QVERIFY(parent > 0 && teacher > parent && self > teacher);
    QVERIFY(indexOf(lines, QStringLiteral("<B>Tanári kérdőív</B></FONT></TD>")) < self);
}

void TestHtmlReport::escaping()
{
    CaseRecord record;
    record.Personal.ChildName = QStringLiteral("Kiss & <Nagy>");
    record.Personal.ChildCode = QStringLiteral("\"A<7>\"");
    record.Personal.ExamDate = QStringLiteral("<i>ma</i>");
    record.Personal.Examiner = QStringLiteral("Kő & Társa");
    record.Opinion = QStringList{QStringLiteral("<script>alert(1)</script>")};
    const int itemRow = rowOfSlot(Parent, 49);
    record.answers(Parent).setValueText(itemRow, QStringLiteral("<b>"));
    record.answers(Parent).setAnswerLabel(itemRow, QStringLiteral("\"igaz\" & <több>"));
    const QStringList lines = htmlReportLines(record, true, false, false);
    QVERIFY(
        lines.contains(QStringLiteral("<TR><TD>A vizsgált személy neve: </TD><TD>Kiss &amp; &lt;Nagy&gt;</TD></TR>")));
    QVERIFY(lines.contains(QStringLiteral("<TR><TD>A vizsgálat kódja: </TD><TD>&quot;A&lt;7&gt;&quot;</TD></TR>")));
    QVERIFY(lines.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
    QVERIFY(lines.contains(QStringLiteral("<HR><BR>&lt;i&gt;ma&lt;/i&gt;")));
    QVERIFY(lines.contains(QStringLiteral("<P ALIGN=Center>a vizsg&aacute;latot v&eacute;gezte: Kő &amp; Társa")));
    bool answerFound = false;
    for (const QString &line : lines)
        answerFound
            |= line.startsWith(QStringLiteral("<TD>&lt;b&gt; (&quot;igaz&quot; &amp; &lt;több&gt;)</TD></TR><TR>"));
    QVERIFY(answerFound);
    QVERIFY(lines.contains(QStringLiteral("(&lt;b&gt;)67. Viselkedése életkorához képest túlságosan gyerekes.<BR>")));
    QVERIFY(!lines.join(QString()).contains(QLatin1String("<script>")));
    QCOMPARE(htmlText(QStringLiteral("a&b<c>d\"e'f")), QStringLiteral("a&amp;b&lt;c&gt;d&quot;e'f"));
}

// NUL and the other control characters of an examination's texts reach the page as visible
// signs, never raw; what is written reads back as the same lines.
void TestHtmlReport::controlCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("page");
    QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << "a&#9216;b";
    QTest::newRow("escape") << QStringLiteral("\x1b[31mpiros") << "&#9243;[31mpiros";
    QTest::newRow("tab") << QStringLiteral("a\tb") << "a&#9225;b";
    QTest::newRow("line break") << QStringLiteral("első\r\nmásik") << "első&#9229;&#9226;másik";
    QTest::newRow("DEL") << QStringLiteral("x\x7f") << "x&#9249;";
    QTest::newRow("C1 control") << QStringLiteral("x") + QChar(0x85) << "x&#65533;";
    QTest::newRow("line separator") << QStringLiteral("x") + QChar(0x2028) << "x&#65533;";
}

void TestHtmlReport::controlCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, page);
    QCOMPARE(htmlText(text), page);
    TestInstallation inst(true);
    CaseRecord record;
    record.Personal.ChildName = text;
    record.Opinion = QStringList{text};
    const QString path = htmlReportPath(QStringLiteral("C1"));
    WriteHtmlReport(record, path, true, false, false);
    const QByteArray bytes = inst.readBytes(FixedPaths::htmlReport(QStringLiteral("C1")));
    for (const char c : bytes)
        QVERIFY2(uchar(c) >= 0x20 || c == '\r' || c == '\n', qPrintable(QString::number(uchar(c))));
    const QStringList lines = TextFile::readLines(path);
    QVERIFY(lines.contains(
        QStringLiteral("<TR><TD>A vizsgált személy neve: </TD><TD>") + page + QStringLiteral("</TD></TR>")));
    QCOMPARE(lines, htmlReportLines(record, true, false, false));
}

void TestHtmlReport::characterOutsideCodePage()
{
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    CaseRecord record;
    record.Personal.ChildName = QStringLiteral("Zoñ 中 \U0001F600 Őz");
    QCOMPARE(htmlText(record.Personal.ChildName), QStringLiteral("Zo&#241; &#20013; &#128512; Őz"));
    const QString path = htmlReportPath(QStringLiteral("A1"));
    WriteHtmlReport(record, path, false, false, true);
    QVERIFY(TextFile::readLines(path).contains(
        QStringLiteral("<TR><TD>A vizsgált személy neve: </TD><TD>Zo&#241; &#20013; &#128512; Őz</TD></TR>")));
}

void TestHtmlReport::unsafeCodesStayInReportFolder_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("safe") << "A7"
                          << "A7.htm";
    QTest::newRow("accented") << "Kő-12"
                              << "Kő-12.htm";
    QTest::newRow("backslash") << "..\\..\\x"
                               << "______x.htm";
    QTest::newRow("slash") << "a/b"
                           << "a_b.htm";
    QTest::newRow("parent folder") << "../stat/_sum"
                                   << "___stat__sum.htm";
    QTest::newRow("drive") << "c:x"
                           << "c_x.htm";
}

void TestHtmlReport::unsafeCodesStayInReportFolder()
{
    QFETCH(QString, code);
    QFETCH(QString, fileName);
    TestInstallation inst(true);
    QVERIFY(inst.isValid());
    const QString path = htmlReportPath(code);
    const QString folder = QDir(hostPath(FixedPaths::ReportFolder)).canonicalPath();
    QCOMPARE(QFileInfo(path).fileName(), fileName);
    CaseRecord record;
    record.Personal.ChildCode = code;
    WriteHtmlReport(record, path, true, false, false);
    QCOMPARE(QFileInfo(path).canonicalPath(), folder);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{fileName});
}

void TestHtmlReport::bytesOnDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A7.htm"));
    CaseRecord record;
    record.Personal.ChildName = QStringLiteral("Őry Ábel");
    WriteHtmlReport(record, path, true, true, true);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QStringList lines = htmlReportLines(record, true, true, true);
    QCOMPARE(bytes.count("\r\n"), lines.size());
    QCOMPARE(bytes.count('\n'), lines.size());
    QCOMPARE(bytes.count('\r'), lines.size());
    QVERIFY(bytes.startsWith("<HTML><HEAD>\r\n<META http-equiv="));
    QVERIFY(bytes.endsWith("</BODY></HTML>\r\n"));
    QVERIFY(bytes.contains("<FONT COLOR=\"#ffffff\"><B>Szem\xe9lyi adatok</B></FONT></TD></TR>\r\n"));
    QVERIFY(bytes.contains("<TD>\xd5ry \xc1"
                           "bel</TD>"));
    QVERIFY(bytes.contains("<B>Sz\xfcl\xf5i k\xe9rd\xf5\xedv</B>"));
    QCOMPARE(TextFile::decode(bytes), lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}

void TestHtmlReport::writeFailureIsReported()
{
    QTemporaryDir dir;
    CaseRecord record;
    QVERIFY_THROWS_EXCEPTION(
        MotraError, WriteHtmlReport(record, dir.filePath(QStringLiteral("nincs/A.htm")), true, true, true));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nincs/A.htm"))));
}

QTEST_GUILESS_MAIN(TestHtmlReport)
#include "tst_htmlreport.moc"
