#include "case/Questionnaire.h"
#include "case/MotraError.h"
#include "charts/ProfilePreview.h"

#include <QTest>

// The open dialog's preview values, read by line position from a case file.
class TestProfilePreview : public QObject
{
    Q_OBJECT
private slots:
    void lineValues_data();
    void lineValues();
    void tooShortFile_data();
    void tooShortFile();
    void barsAtBandBoundaries_data();
    void barsAtBandBoundaries();
    void hints_data();
    void hints();
};

void TestProfilePreview::lineValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");
    QTest::newRow("not computed") << "***" << 5;
    QTest::newRow("empty") << "" << 5;
    QTest::newRow("whole") << "57" << 57;
    QTest::newRow("one decimal") << "57.4" << 57;
    QTest::newRow("half up to even") << "57.5" << 58;
    QTest::newRow("half down to even") << "58.5" << 58;
    QTest::newRow("half of zero") << "0.5" << 0;
    QTest::newRow("not computable") << "-1.0" << -1;
    QTest::newRow("text") << "magas" << ProfilePreview::NoBar;
    QTest::newRow("decimal comma") << "57,5" << ProfilePreview::NoBar;
    QTest::newRow("four stars") << "****" << ProfilePreview::NoBar;
    QTest::newRow("infinity") << "inf" << ProfilePreview::NoBar;
    QTest::newRow("not a number") << "nan" << ProfilePreview::NoBar;
    QTest::newRow("beyond any score") << "1e12" << ProfilePreview::NoBar;
}

void TestProfilePreview::lineValues()
{
    QFETCH(QString, line);
    QFETCH(int, value);
    QCOMPARE(ProfilePreview::lineValue(line), value);
}

void TestProfilePreview::tooShortFile_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("missingIndex");
    QTest::newRow("empty file") << 0 << 230;
    QTest::newRow("parent scores cut") << 235 << 235;
    QTest::newRow("teacher missing") << 300 << 423;
    QTest::newRow("last line missing") << 663 << 663;
}

void TestProfilePreview::tooShortFile()
{
    QFETCH(int, lines);
    QFETCH(int, missingIndex);
    QStringList file;
    for (int i = 0; i < lines; ++i)
        file.append(QStringLiteral("50"));
    try {
        ProfilePreview::previewValues(file, QStringLiteral("c:\\rövid.mtr"));
        QFAIL("a short file must be reported");
    } catch (const MotraError &error) {
        QVERIFY(error.message().contains(QStringLiteral("c:\\rövid.mtr")));
        QVERIFY(error.message().contains(QStringLiteral("List index out of bounds (%1)").arg(missingIndex)));
    }
    file.append(QStringLiteral("50"));
    if (lines == 663)
        QCOMPARE(ProfilePreview::previewValues(file, QString())[2].last(), 50);
}

void TestProfilePreview::barsAtBandBoundaries_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("colour");
    const QColor veryLow(35, 40, 243), low(185, 205, 255), normal(0, 206, 0), high(255, 128, 0), veryHigh(255, 20, 75);
    QTest::newRow("0") << 0 << veryLow;
    QTest::newRow("5 (not computed)") << 5 << veryLow;
    QTest::newRow("29") << 29 << veryLow;
    QTest::newRow("30") << 30 << low;
    QTest::newRow("39") << 39 << low;
    QTest::newRow("40") << 40 << normal;
    QTest::newRow("60") << 60 << normal;
    QTest::newRow("61") << 61 << high;
    QTest::newRow("70") << 70 << high;
    QTest::newRow("71") << 71 << veryHigh;
    QTest::newRow("100") << 100 << veryHigh;
    QTest::newRow("beyond 100") << 101 << QColor(Qt::white);
}

void TestProfilePreview::barsAtBandBoundaries()
{
    QFETCH(int, value);
    QFETCH(QColor, colour);
    QCOMPARE(ProfilePreview::barColour(value), colour);
    for (int bar : {0, 16}) {
        const QRect rect = ProfilePreview::barRect(bar, value);
        QCOMPARE(rect.height(), value);
        QCOMPARE(rect.width(), 10);
        QCOMPARE(rect.top(), 110 - value);
        QCOMPARE(rect.top() + rect.height(), 110); // every bar stands on the base line
        QCOMPARE(rect.left(), 8 + 12 * bar);
    }
    QVERIFY(ProfilePreview::barRect(3, -1).isEmpty());
}

void TestProfilePreview::hints_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("hint");
    QTest::newRow("parent first") << int(Parent) << 0 << "Aktivitás T-érték";
    QTest::newRow("parent last") << int(Parent) << 14 << "Összprobléma skála T-érték";
    QTest::newRow("teacher colon dropped") << int(Teacher) << 0 << "Iskolai eredményesség T-érték";
    QTest::newRow("teacher last") << int(Teacher) << 16 << "Összprobléma skála T-érték";
    QTest::newRow("self-report maturity") << int(SelfReport) << 12 << "Szociális érettség T-érték";
    QTest::newRow("outside") << int(SelfReport) << 16 << "";
}

void TestProfilePreview::hints()
{
    QFETCH(int, kind);
    QFETCH(int, bar);
    QFETCH(QString, hint);
    QCOMPARE(ProfilePreview::barHint(kind, bar), hint);
}

QTEST_GUILESS_MAIN(TestProfilePreview)
#include "tst_profilepreview.moc"
