#include "app/TKalendForm.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

class TestKalendForm : public QObject
{
    Q_OBJECT
private slots:
    void confirmWritesDateText();
    void monthSteps_data();
    void monthSteps();
    void missingDayKeepsLastDayOfMonth_data();
    void missingDayKeepsLastDayOfMonth();
    void maiNapReturnsToStartupDate();
    void gridStartsOnSunday();
    void doubleClickConfirmsClickedDay();
};

void TestKalendForm::confirmWritesDateText()
{
    TKalendForm form(QDate(2010, 6, 1));
    QString field = QStringLiteral("régi");
    form.onDateChosen = [&](const QString &text) { field = text; };
    form.setShownDate(2004, 3, 5);
    QCOMPARE(form.EvSzam->text(), QStringLiteral("2004."));
    QCOMPARE(form.Honap->text(), QStringLiteral("március."));
    form.OKButtonClick();
    QCOMPARE(field, QStringLiteral("2004.3.5."));
    QCOMPARE(form.dateText(), QStringLiteral("2004.3.5."));
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestKalendForm::monthSteps_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QDate>("to");
    QTest::newRow("January back") << QDate(2004, 1, 15) << false << QDate(2003, 12, 15);
    QTest::newRow("December forward") << QDate(2004, 12, 15) << true << QDate(2005, 1, 15);
    QTest::newRow("March back") << QDate(2004, 3, 15) << false << QDate(2004, 2, 15);
}

void TestKalendForm::monthSteps()
{
    QFETCH(QDate, from);
    QFETCH(bool, forward);
    QFETCH(QDate, to);
    TKalendForm form(QDate(2010, 6, 1));
    form.setShownDate(from.year(), from.month(), from.day());
    forward ? form.KovetkezoHonapClick() : form.ElozoHonapClick();
    QCOMPARE(QDate(form.year(), form.month(), form.day()), to);
    QCOMPARE(form.EvSzam->text(), QString::number(to.year()) + QLatin1Char('.'));
    QCOMPARE(form.Honap->text(), TKalendForm::MonthNames[to.month() - 1] + QLatin1Char('.'));
}

void TestKalendForm::missingDayKeepsLastDayOfMonth_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("step"); // 1 next month, 2 next year, 3 previous year
    QTest::addColumn<QDate>("to");
    QTest::newRow("31 Jan 2004 + month") << QDate(2004, 1, 31) << 1 << QDate(2004, 2, 29);
    QTest::newRow("31 Jan 2005 + month") << QDate(2005, 1, 31) << 1 << QDate(2005, 2, 28);
    QTest::newRow("31 Mar + month") << QDate(2004, 3, 31) << 1 << QDate(2004, 4, 30);
    QTest::newRow("29 Feb + year") << QDate(2004, 2, 29) << 2 << QDate(2005, 2, 28);
    QTest::newRow("29 Feb - year") << QDate(2004, 2, 29) << 3 << QDate(2003, 2, 28);
}

void TestKalendForm::missingDayKeepsLastDayOfMonth()
{
    QFETCH(QDate, from);
    QFETCH(int, step);
    QFETCH(QDate, to);
    TKalendForm form(QDate(2010, 6, 1));
    form.setShownDate(from.year(), from.month(), from.day());
    if (step == 1)
        form.KovetkezoHonapClick();
    else if (step == 2)
        form.KovetkezoEvClick();
    else
        form.ElozoEvClick();
    QCOMPARE(QDate(form.year(), form.month(), form.day()), to);
}

void TestKalendForm::maiNapReturnsToStartupDate()
{
    TKalendForm form(QDate(2004, 3, 5));
    QCOMPARE(form.dateText(), QStringLiteral("2004.3.5."));
    form.KovetkezoEvClick();
    form.KovetkezoHonapClick();
    form.setShownDate(2007, 8, 9);
    form.MaiNapClick();
    QCOMPARE(form.dateText(), QStringLiteral("2004.3.5."));
    QCOMPARE(form.startupDate(), QDate(2004, 3, 5));
}

void TestKalendForm::gridStartsOnSunday()
{
    TKalendForm form(QDate(2004, 3, 5));
    QCOMPARE(form.NapokNeve->item(0, 0)->text(), QStringLiteral(" vas."));
    QCOMPARE(form.NapokNeve->item(0, 6)->text(), QStringLiteral(" szomb."));
    // 1 March 2004 was a Monday
    QVERIFY(!form.Calendar1->item(0, 0));
    QCOMPARE(form.Calendar1->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(form.Calendar1->item(0, 5)->text(), QStringLiteral("5"));
    QCOMPARE(form.Calendar1->currentRow(), 0);
    QCOMPARE(form.Calendar1->currentColumn(), 5);
    // clicking an empty cell changes nothing
    form.Calendar1Click(0, 0);
    QCOMPARE(form.dateText(), QStringLiteral("2004.3.5."));
    form.Calendar1Click(2, 1); // Monday 15 March
    QCOMPARE(form.dateText(), QStringLiteral("2004.3.15."));
}

void TestKalendForm::doubleClickConfirmsClickedDay()
{
    TKalendForm form(QDate(2004, 3, 5));
    QString field;
    form.onDateChosen = [&](const QString &text) { field = text; };
    form.Calendar1DblClick(4, 3); // Wednesday 31 March
    QCOMPARE(field, QStringLiteral("2004.3.31."));
}

QTEST_MAIN(TestKalendForm)
#include "tst_kalendform.moc"
