#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An examination with something different in every row, accents included.
void fillRecord(CaseRecord &record)
{
    PersonalData &p = record.Personal;
    p.ChildName = QStringLiteral("Árvíztűrő Tükörfúrógép");
    p.ChildCode = QStringLiteral("KŐ-17");
    p.IsBoy = false;
    p.Age = 11;
    p.Examiner = QStringLiteral("Dr. Őry Ödön");
    p.ExamDate = QStringLiteral("2004.3.15.");
    p.ExamReason = QStringLiteral("figyelem; magatartás (iskola)");
    record.copyPersonalDataToAnswerSets();

    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = record.answers(kind);
        const KindInfo &info = kindInfo(kind);
        for (int row = 4; row < set.size(); ++row) {
            if (row >= info.firstResultRow) {
                set.setValueText(
                    row, row % 3 == 0 ? QStringLiteral("-1.0") : QString::number(row * 0.5 + kind, 'f', 1));
                continue;
            }
            switch (row % 5) {
            case 0:
                set.setValueText(row, QStringLiteral("0"));
                set.setAnswerLabel(row, QStringLiteral("nem igaz"));
                break;
            case 1:
                set.setValueText(row, QStringLiteral("1"));
                set.setAnswerLabel(row, QStringLiteral("néha vagy valamennyire igaz"));
                break;
            case 2:
                set.setValueText(row, QString());
                set.setAnswerLabel(row, QStringLiteral("-"));
                break;
            case 3:
                set.setValueText(row, QStringLiteral("foci, úszás; ő ű"));
                set.setAnswerLabel(row, QStringLiteral("néha igaz"));
                break;
            default:
                set.setValueText(row, QStringLiteral("-"));
                set.setAnswerLabel(row, QString());
                break;
            }
        }
    }
    record.answers(Parent).setValueText(100, QString(5000, QLatin1Char('x')));
    record.Opinion = {QStringLiteral("Első sor: <vélemény=x>."), QString(), QStringLiteral("  behúzott ő ű"),
        QString(5000, QChar(u'é')), QStringLiteral("utolsó")};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray joined(const QStringList &lines, const char *lineEnd = "\r\n")
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += TextFile::encode(line, QStringLiteral("test")) + lineEnd;
    return bytes;
}

// A record whose every row and field is distinct from what the tests write.
void fillOld(CaseRecord &record)
{
    record.Personal.ChildName = QStringLiteral("régi név");
    record.Personal.ChildCode = QStringLiteral("régi");
    record.Personal.Age = 7;
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        AnswerSet &set = record.answers(kind);
        for (int row = 0; row < set.size(); ++row) {
            set.setValueText(row, QStringLiteral("old%1").arg(row));
            set.setAnswerLabel(row, QStringLiteral("oldlabel%1").arg(row));
        }
    }
    record.Opinion = {QStringLiteral("régi vélemény")};
}

} // namespace

class TestCaseFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // The case file lines of the filled record.
    QStringList filledLines() const
    {
        CaseRecord record;
        fillRecord(record);
        return caseFileLines(record);
    }
    // Reads the lines (written as a CR LF file) into a record prepared by fillOld. The file
    // is marked as made by another program, so the tag rules read it, not the positions.
    void readInto(CaseRecord &record, QStringList lines)
    {
        if (!lines.isEmpty() && lines[0] == QLatin1String("<MOTRA=>"))
            lines[0] = QStringLiteral("<MOTRA=más program>");
        const QString path = file(QStringLiteral("edge.mtr"));
        writeBytes(path, joined(lines));
        fillOld(record);
        readCaseFile(record, path);
    }

private slots:
    void roundTrip();
    void ownFilesReadBackAsTyped_data();
    void ownFilesReadBackAsTyped();
    void lineLayout();
    void yesNoLines();
    void rowLines_data();
    void rowLines();
    void resultRowKeepsLabel();
    void personalTags_data();
    void personalTags();
    void repeatedTagsLastWins();
    void invalidInteger_data();
    void invalidInteger();
    void sexOutsideOneTwo();
    void missingStartTags();
    void extraRowsIgnored();
    void lineEnds_data();
    void lineEnds();
    void truncatedFile();
    void emptyFile();
    void onlyTags();
    void binaryJunk();
    void missingFile();
    void lineBreaksStayOnTheirLine();
    void unencodableKeepsOldFile();
    void nextChildKeepsNothing();
};

void TestCaseFile::roundTrip()
{
    CaseRecord written;
    fillRecord(written);
    const QString path = file(QStringLiteral("round.mtr"));
    writeCaseFileTo(written, path);

    CaseRecord read;
    fillOld(read);
    readCaseFile(read, path);

    const PersonalData &a = written.Personal;
    const PersonalData &b = read.Personal;
    QCOMPARE(b.ChildName, a.ChildName);
    QCOMPARE(b.ChildCode, a.ChildCode);
    QCOMPARE(b.IsBoy, a.IsBoy);
    QCOMPARE(b.Age, a.Age);
    QCOMPARE(b.Examiner, a.Examiner);
    QCOMPARE(b.ExamDate, a.ExamDate);
    QCOMPARE(b.ExamReason, a.ExamReason);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const KindInfo &info = kindInfo(kind);
        QCOMPARE(read.answers(kind).values(), written.answers(kind).values());
        for (int row = 4; row < info.firstResultRow; ++row)
            QCOMPARE(read.answers(kind).answerLabel(row), written.answers(kind).answerLabel(row));
        // Result rows carry no label in the file: the reader leaves theirs alone.
        QCOMPARE(
            read.answers(kind).answerLabel(info.firstResultRow), QStringLiteral("oldlabel%1").arg(info.firstResultRow));
    }
    QCOMPARE(read.answers(Parent).valueText(100).size(), 5000);
    QCOMPARE(read.Opinion, written.Opinion);

    // A boy is written as 1 and read back as a boy.
    written.Personal.IsBoy = true;
    writeCaseFileTo(written, path);
    readCaseFile(read, path);
    QVERIFY(read.Personal.IsBoy);
}

// Whatever the user typed, a file this program wrote reads back as it was written: texts
// shaped like tags or holding "=", ";" or ">" are not taken for the file's structure.
void TestCaseFile::ownFilesReadBackAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("opinion tag") << "<vélemény=x";
    QTest::newRow("age tag") << "<Kora=tizenkettő";
    QTest::newRow("section tag") << "<tanári=>";
    QTest::newRow("name tag") << "<Neve=Más Név>";
    QTest::newRow("= and ;") << "a=b;c=";
    QTest::newRow(">") << "Kis <Pista> >";
}

void TestCaseFile::ownFilesReadBackAsTyped()
{
    QFETCH(QString, text);
    CaseRecord written;
    fillRecord(written);
    written.Personal.ChildName = text;
    written.Personal.ChildCode = text;
    written.Personal.Examiner = text;
    written.Personal.ExamReason = text;
    written.copyPersonalDataToAnswerSets();
    written.answers(Parent).setValueText(10, text); // a menu row
    written.answers(Teacher).setValueText(112, text); // a free-text row
    written.answers(SelfReport).setValueText(30, text);
    const QString path = file(QStringLiteral("typed.mtr"));
    writeCaseFileTo(written, path);

    CaseRecord read;
    fillOld(read);
    readCaseFile(read, path);
    QCOMPARE(read.Personal.ChildName, text);
    QCOMPARE(read.Personal.ChildCode, text);
    QCOMPARE(read.Personal.Examiner, text);
    QCOMPARE(read.Personal.ExamReason, text);
    QCOMPARE(read.Personal.Age, written.Personal.Age);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QCOMPARE(read.answers(kind).values(), written.answers(kind).values());
        for (int row = 4; row < kindInfo(kind).firstResultRow; ++row)
            QCOMPARE(read.answers(kind).answerLabel(row), written.answers(kind).answerLabel(row));
    }
    QCOMPARE(read.Opinion, written.Opinion);
}

void TestCaseFile::lineLayout()
{
    CaseRecord record;
    fillRecord(record);
    const KindInfo parent = kindInfo(Parent), teacher = kindInfo(Teacher), self = kindInfo(SelfReport);
    auto markT = [&](int kind, const KindInfo &info) {
        for (int k = 0; k < info.scaleCount; ++k)
            record.answers(kind).setValueText(
                info.firstResultRow + info.scaleCount + k, QStringLiteral("T%1-%2").arg(kind).arg(k + 1));
    };
    markT(Parent, parent);
    markT(Teacher, teacher);
    markT(SelfReport, self);

    const QStringList lines = caseFileLines(record);
    QCOMPARE(lines.size(), 665 + record.Opinion.size());
    QCOMPARE(lines[0], QStringLiteral("<MOTRA=>"));
    QCOMPARE(lines[1], QStringLiteral("<Neve=Árvíztűrő Tükörfúrógép>"));
    QCOMPARE(lines[2], QStringLiteral("<Kódja=KŐ-17>"));
    QCOMPARE(lines[3], QStringLiteral("<Neme=2>"));
    QCOMPARE(lines[4], QStringLiteral("<Kora=11>"));
    QCOMPARE(lines[8], QStringLiteral("<Vv=Dr. Őry Ödön>"));
    QCOMPARE(lines[9], QStringLiteral("<Dátum=2004.3.15.>"));
    QCOMPARE(lines[10], QStringLiteral("<Oka=figyelem; magatartás (iskola)>"));
    QCOMPARE(lines[11], QStringLiteral("<szülői=>"));
    QCOMPARE(lines[12], QStringLiteral("Árvíztűrő Tükörfúrógép"));
    QCOMPARE(lines[13], QStringLiteral("KŐ-17"));
    QCOMPARE(lines[14], QStringLiteral("2"));
    QCOMPARE(lines[15], QStringLiteral("11"));
    QCOMPARE(lines[16], QStringLiteral("-=;")); // row 4: "-" and an empty label
    QCOMPARE(lines[12 + 10], QStringLiteral("0=nem igaz;")); // row 10
    QCOMPARE(lines[12 + 202], QStringLiteral("=-;")); // last item row: empty value, label "-"
    QCOMPARE(lines[245], QStringLiteral("<tanári=>"));
    QCOMPARE(lines[440], QStringLiteral("<önértékelő=>"));
    QCOMPARE(lines[664], QStringLiteral("<vélemény=KŐ-17>"));
    QCOMPARE(lines[665], record.Opinion.first());
    QCOMPARE(lines.last(), QStringLiteral("utolsó"));

    for (int k = 0; k < 15; ++k)
        QCOMPARE(lines[230 + k], QStringLiteral("T1-%1").arg(k + 1));
    for (int k = 0; k < 17; ++k)
        QCOMPARE(lines[423 + k], QStringLiteral("T2-%1").arg(k + 1));
    for (int k = 0; k < 16; ++k)
        QCOMPARE(lines[648 + k], QStringLiteral("T3-%1").arg(k + 1));
    // Result rows are written bare, without "=" and label.
    QCOMPARE(lines[12 + parent.firstResultRow], record.answers(Parent).valueText(parent.firstResultRow));
    QCOMPARE(lines[246 + teacher.firstResultRow], record.answers(Teacher).valueText(teacher.firstResultRow));
    QCOMPARE(lines[441 + self.firstResultRow], record.answers(SelfReport).valueText(self.firstResultRow));
    // The last item rows still carry the label.
    QVERIFY(lines[246 + 159].endsWith(QLatin1Char(';')));
    QVERIFY(lines[441 + 190].endsWith(QLatin1Char(';')));
}

void TestCaseFile::yesNoLines()
{
    CaseRecord record;
    record.startNewExamination();
    QStringList lines = caseFileLines(record);
    QCOMPARE(lines[5], QStringLiteral("<Szülői=yes>"));
    QCOMPARE(lines[6], QStringLiteral("<Tanári=yes>"));
    QCOMPARE(lines[7], QStringLiteral("<Önértékelő=yes>"));

    record.answers(Parent).setValueText(199, QStringLiteral("-"));
    record.answers(SelfReport).setValueText(188, QStringLiteral("-"));
    lines = caseFileLines(record);
    QCOMPARE(lines[5], QStringLiteral("<Szülői=no>"));
    QCOMPARE(lines[6], QStringLiteral("<Tanári=yes>"));
    QCOMPARE(lines[7], QStringLiteral("<Önértékelő=no>"));
    record.answers(Teacher).setValueText(171, QStringLiteral("-"));
    QCOMPARE(caseFileLines(record)[6], QStringLiteral("<Tanári=no>"));
    // Only exactly "-" means not filled in.
    record.answers(Teacher).setValueText(171, QStringLiteral("--"));
    QCOMPARE(caseFileLines(record)[6], QStringLiteral("<Tanári=yes>"));
}

void TestCaseFile::rowLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("answer") << "0=nem igaz;"
                            << "0"
                            << "nem igaz";
    QTest::newRow("empty value, label -") << "=-;"
                                          << ""
                                          << "-";
    QTest::newRow("no =") << "foci"
                          << "foci"
                          << "";
    QTest::newRow("empty line") << ""
                                << ""
                                << "";
    QTest::newRow("= in free text cut") << "a=b=c;"
                                        << "a"
                                        << "b=c";
    QTest::newRow("; in label cut") << "2=lab;el;"
                                    << "2"
                                    << "lab";
    QTest::newRow("no ;") << "2=címke"
                          << "2"
                          << "";
    QTest::newRow("; before =") << "x;y=z;"
                                << "x;y"
                                << "z";
    QTest::newRow("long value") << QString(5000, QLatin1Char('v')) + "=" + QString(4000, QLatin1Char('l')) + ";"
                                << QString(5000, QLatin1Char('v')) << QString(4000, QLatin1Char('l'));
    QTest::newRow("tag-like row") << "<Neve=x>"
                                  << "<Neve"
                                  << "";
}

void TestCaseFile::rowLines()
{
    QFETCH(QString, line);
    QFETCH(QString, value);
    QFETCH(QString, label);
    QStringList lines = filledLines();
    lines[12 + 10] = line; // parent row 10
    lines[246 + 20] = line; // teacher row 20
    lines[441 + 1] = line; // self-report row 1 (code row)
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.answers(Parent).valueText(10), value);
    QCOMPARE(record.answers(Parent).answerLabel(10), label);
    QCOMPARE(record.answers(Teacher).valueText(20), value);
    QCOMPARE(record.answers(Teacher).answerLabel(20), label);
    QCOMPARE(record.answers(SelfReport).valueText(1), value);
    QCOMPARE(record.answers(SelfReport).answerLabel(1), label);
    // A tag-like row line is read as a tag too; "Neve" then wins over line 1.
    if (line.startsWith(QLatin1String("<Neve=")))
        QCOMPARE(record.Personal.ChildName, QStringLiteral("x"));
}

void TestCaseFile::resultRowKeepsLabel()
{
    QStringList lines = filledLines();
    lines[12 + 203] = QStringLiteral("12.5=címke;");
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.answers(Parent).valueText(203), QStringLiteral("12.5"));
    QCOMPARE(record.answers(Parent).answerLabel(203), QStringLiteral("oldlabel203"));
    QCOMPARE(record.answers(Parent).answerLabel(202), QStringLiteral("-"));
}

void TestCaseFile::personalTags_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "<Neve=Kis Pista>"
                           << "Kis Pista";
    QTest::newRow("> cuts the value") << "<Neve=Kis>Pista>"
                                      << "Kis";
    QTest::newRow("empty value") << "<Neve=>"
                                 << "";
    QTest::newRow("no closing >") << "<Neve=Kis Pista"
                                  << "Kis Pista";
    QTest::newRow("= in value") << "<Neve=a=b>"
                                << "a=b";
    QTest::newRow("tag names compare exactly") << "<neve=Kis>"
                                               << "régi név";
    QTest::newRow("blank before <") << " <Neve=Kis>"
                                    << "régi név";
    QTest::newRow("no =") << "<Neve>"
                          << "régi név";
    QTest::newRow("long value") << "<Neve=" + QString(3000, QChar(u'ő')) + ">" << QString(3000, QChar(u'ő'));
}

void TestCaseFile::personalTags()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QStringList lines = filledLines();
    lines[1] = line;
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.Personal.ChildName, name);
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("KŐ-17"));
}

void TestCaseFile::repeatedTagsLastWins()
{
    QStringList lines = filledLines();
    lines.insert(3, QStringLiteral("<Kódja=második>"));
    lines.insert(1, QStringLiteral("<Kora=99>"));
    // A second parent start tag just before the teacher's: the parent section is then empty.
    const int teacherStart = int(lines.indexOf(QStringLiteral("<tanári=>")));
    lines.insert(teacherStart, QStringLiteral("<szülői=>"));
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("második"));
    QCOMPARE(record.Personal.Age, 11); // the later "<Kora=11>" wins
    QCOMPARE(record.answers(Parent).valueText(5), QStringLiteral("old5"));
    QCOMPARE(record.answers(Teacher).valueText(0), QStringLiteral("Árvíztűrő Tükörfúrógép"));
}

void TestCaseFile::invalidInteger_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("message");
    QTest::newRow("Kora abc") << "<Kora=abc>" << 4 << "'abc' is not a valid integer value";
    QTest::newRow("Kora empty") << "<Kora=>" << 4 << "'' is not a valid integer value";
    QTest::newRow("Kora 1.5") << "<Kora=1.5>" << 4 << "'1.5' is not a valid integer value";
    QTest::newRow("Neme x") << "<Neme=x>" << 3 << "'x' is not a valid integer value";
}

void TestCaseFile::invalidInteger()
{
    QFETCH(QString, line);
    QFETCH(int, index);
    QFETCH(QString, message);
    QStringList lines = filledLines();
    lines[index] = line;
    const QString path = file(QStringLiteral("bad.mtr"));
    writeBytes(path, joined(lines));
    CaseRecord record;
    fillOld(record);
    try {
        readCaseFile(record, path);
        QFAIL("no error");
    } catch (const MotraError &error) {
        QCOMPARE(error.message(), message);
    }
    // Fields before the bad one keep their new values; nothing after it is read.
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Árvíztűrő Tükörfúrógép"));
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("KŐ-17"));
    QCOMPARE(record.Personal.Examiner, QString());
    QCOMPARE(record.answers(Parent).valueText(10), QStringLiteral("old10"));
    QCOMPARE(record.Opinion, QStringList{QStringLiteral("régi vélemény")});
}

void TestCaseFile::sexOutsideOneTwo()
{
    QStringList lines = filledLines();
    lines[3] = QStringLiteral("<Neme=3>");
    CaseRecord record;
    fillOld(record);
    record.Personal.IsBoy = true;
    readInto(record, lines);
    QVERIFY(record.Personal.IsBoy);
    lines[3] = QStringLiteral("<Neme=2>");
    readInto(record, lines);
    QVERIFY(!record.Personal.IsBoy);
    lines[3] = QStringLiteral("<Neme=-7>");
    readInto(record, lines);
    QVERIFY(!record.Personal.IsBoy);
}

void TestCaseFile::missingStartTags()
{
    const QStringList full = filledLines();

    // Without the teacher tag its start counts as line 0: the parent section ends before
    // it starts and stays untouched; the teacher section begins at line 1.
    QStringList lines = full;
    lines.removeAt(245);
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.answers(Parent).valueText(10), QStringLiteral("old10"));
    QCOMPARE(record.answers(Teacher).valueText(0), QStringLiteral("<Neve"));
    QCOMPARE(record.answers(Teacher).answerLabel(0), QString()); // no ";" on the line
    CaseRecord expected;
    fillRecord(expected);
    QCOMPARE(record.answers(SelfReport).values(), expected.answers(SelfReport).values());

    // Without the opinion tag the self-report section is empty and the opinion is every line after line 0.
    lines = full;
    lines.removeAt(664);
    readInto(record, lines);
    QCOMPARE(record.answers(SelfReport).valueText(10), QStringLiteral("old10"));
    QCOMPARE(record.answers(Teacher).values(), expected.answers(Teacher).values());
    QCOMPARE(record.Opinion.size(), lines.size() - 1);
    QCOMPARE(record.Opinion.first(), full[1]);
}

void TestCaseFile::extraRowsIgnored()
{
    QStringList lines = filledLines();
    for (int i = 0; i < 5; ++i)
        lines.insert(245, QStringLiteral("többlet=sor;"));
    CaseRecord record;
    readInto(record, lines);
    CaseRecord expected;
    fillRecord(expected);
    QCOMPARE(record.answers(Parent).values(), expected.answers(Parent).values());
    QCOMPARE(record.answers(Teacher).values(), expected.answers(Teacher).values());
}

void TestCaseFile::lineEnds_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestCaseFile::lineEnds()
{
    QFETCH(QByteArray, lineEnd);
    CaseRecord expected;
    fillRecord(expected);
    const QString path = file(QStringLiteral("ends.mtr"));
    writeBytes(path, joined(caseFileLines(expected), lineEnd.constData()));
    CaseRecord record;
    fillOld(record);
    readCaseFile(record, path);
    QCOMPARE(record.Personal.ChildName, expected.Personal.ChildName);
    QCOMPARE(record.answers(Parent).values(), expected.answers(Parent).values());
    QCOMPARE(record.answers(SelfReport).labels().mid(4, 187), expected.answers(SelfReport).labels().mid(4, 187));
    QCOMPARE(record.Opinion, expected.Opinion);
}

void TestCaseFile::truncatedFile()
{
    // Cut inside the parent rows: no answer set has its end tag, so no row is read.
    const QStringList lines = filledLines().mid(0, 100);
    CaseRecord record;
    readInto(record, lines);
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Árvíztűrő Tükörfúrógép"));
    QCOMPARE(record.Personal.Age, 11);
    for (int kind = Parent; kind <= SelfReport; ++kind)
        QCOMPARE(record.answers(kind).valueText(20), QStringLiteral("old20"));
    QCOMPARE(record.Opinion, lines.mid(1));

    // Cut inside the opinion: everything before it is read, the opinion is what is left.
    const QStringList full = filledLines();
    readInto(record, full.mid(0, 667));
    CaseRecord expected;
    fillRecord(expected);
    QCOMPARE(record.answers(SelfReport).values(), expected.answers(SelfReport).values());
    QCOMPARE(record.Opinion, expected.Opinion.mid(0, 2));
}

void TestCaseFile::emptyFile()
{
    const QString path = file(QStringLiteral("empty.mtr"));
    writeBytes(path, QByteArray());
    CaseRecord record;
    fillOld(record);
    readCaseFile(record, path);
    QCOMPARE(record.Personal.ChildName, QStringLiteral("régi név"));
    QCOMPARE(record.answers(Parent).valueText(0), QStringLiteral("old0"));
    QVERIFY(record.Opinion.isEmpty());
}

void TestCaseFile::onlyTags()
{
    CaseRecord record;
    readInto(record,
        {QStringLiteral("<MOTRA=>"), QStringLiteral("<Neve=Csak Címkék>"), QStringLiteral("<szülői=>"),
            QStringLiteral("<tanári=>"), QStringLiteral("<önértékelő=>"), QStringLiteral("<vélemény=x>")});
    QCOMPARE(record.Personal.ChildName, QStringLiteral("Csak Címkék"));
    QCOMPARE(record.Personal.ChildCode, QStringLiteral("régi"));
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QCOMPARE(record.answers(kind).valueText(0), QStringLiteral("old0"));
        QCOMPARE(record.answers(kind).answerLabel(5), QStringLiteral("oldlabel5"));
    }
    QVERIFY(record.Opinion.isEmpty());
}

void TestCaseFile::binaryJunk()
{
    QRandomGenerator random(1234);
    QByteArray junk;
    for (int i = 0; i < 20000; ++i) {
        const char byte = char(random.bounded(256));
        junk += byte == '<' ? '>' : byte; // no tag lines
    }
    junk[100] = '\0';
    const QString path = file(QStringLiteral("junk.mtr"));
    writeBytes(path, junk);
    CaseRecord record;
    fillOld(record);
    readCaseFile(record, path);
    QCOMPARE(record.Personal.ChildName, QStringLiteral("régi név"));
    QCOMPARE(record.answers(Parent).valueText(0), QStringLiteral("old0"));
    QCOMPARE(record.Opinion, TextFile::splitLines(TextFile::decode(junk)).mid(1));

    // Junk with a damaged age line stops with the conversion message.
    writeBytes(path, junk + "\r\n<Kora=\x01\x02>\r\n" + junk);
    try {
        readCaseFile(record, path);
        QFAIL("no error");
    } catch (const MotraError &error) {
        QCOMPARE(error.message(), QStringLiteral("'␁␂' is not a valid integer value")); // shown, not raw
    }
}

void TestCaseFile::missingFile()
{
    CaseRecord record;
    fillOld(record);
    const QStringList before = caseFileLines(record);
    bool thrown = false;
    try {
        readCaseFile(record, file(QStringLiteral("nincs ilyen.mtr")));
    } catch (const MotraError &error) {
        thrown = true;
        QVERIFY(error.message().contains(QStringLiteral("nincs ilyen.mtr")));
    }
    QVERIFY(thrown);
    QCOMPARE(caseFileLines(record), before);
}

void TestCaseFile::lineBreaksStayOnTheirLine()
{
    CaseRecord record;
    fillRecord(record);
    record.Personal.ChildName = QStringLiteral("Kis\nPista");
    record.answers(Parent).setValueText(100, QStringLiteral("első\r\nmásodik\rharmadik"));
    record.answers(Parent).setAnswerLabel(100, QStringLiteral("a\nb"));
    record.Opinion = {QStringLiteral("egy\nkettő"), QStringLiteral("három")};
    const QStringList lines = caseFileLines(record);
    QCOMPARE(lines.size(), 665 + 3);
    QCOMPARE(lines[1], QStringLiteral("<Neve=Kis Pista>"));
    QCOMPARE(lines[12 + 100], QStringLiteral("első második harmadik=a b;"));
    QCOMPARE(lines.mid(665), (QStringList{QStringLiteral("egy"), QStringLiteral("kettő"), QStringLiteral("három")}));
    QCOMPARE(lines[245], QStringLiteral("<tanári=>"));
}

void TestCaseFile::unencodableKeepsOldFile()
{
    CaseRecord record;
    fillRecord(record);
    const QString path = file(QStringLiteral("keep.mtr"));
    writeCaseFileTo(record, path);
    QFile before(path);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = before.readAll();
    before.close();

    record.Opinion.append(QStringLiteral("漢字"));
    bool thrown = false;
    try {
        writeCaseFileTo(record, path);
    } catch (const MotraError &) {
        thrown = true;
    }
    QVERIFY(thrown);
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), oldBytes);
}

// New for the next child: the record holds nothing of the examination before it, as if
// started fresh; only examiner, date and reason carry over.
void TestCaseFile::nextChildKeepsNothing()
{
    CaseRecord record;
    fillRecord(record);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        record.scores(kind).RawScores.fill(7.5);
        record.scores(kind).TScores.fill(70);
    }
    record.SlotValues.fill(3.0);
    record.startNextChild();

    CaseRecord fresh;
    fresh.startNewExamination();
    fresh.Personal.Examiner = QStringLiteral("Dr. Őry Ödön");
    fresh.Personal.ExamDate = QStringLiteral("2004.3.15.");
    fresh.Personal.ExamReason = QStringLiteral("figyelem; magatartás (iskola)");
    QCOMPARE(caseFileLines(record), caseFileLines(fresh));
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        QCOMPARE(record.answers(kind).labels(), fresh.answers(kind).labels());
        QCOMPARE(record.scores(kind).RawScores, fresh.scores(kind).RawScores);
        QCOMPARE(record.scores(kind).TScores, fresh.scores(kind).TScores);
    }
    QVERIFY(record.SlotValues == fresh.SlotValues);
}

QTEST_GUILESS_MAIN(TestCaseFile)
#include "tst_casefile.moc"
