#include "app/TKalendForm.h"

#include <QLabel>
#include <QPushButton>
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
    void stepsStopAtTheFirstAndLastYear_data();
    void stepsStopAtTheFirstAndLastYear();
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

void TestKalendForm::stepsStopAtTheFirstAndLastYear_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("to");
    QTest::newRow("year back from year 1") << QDate(1, 3, 5) << "ElozoEvButton" << QDate(1, 3, 5);
    QTest::newRow("month back from January 1") << QDate(1, 1, 31) << "ElozoHonapButton" << QDate(1, 1, 31);
    QTest::newRow("month back from February 1") << QDate(1, 2, 3) << "ElozoHonapButton" << QDate(1, 1, 3);
    QTest::newRow("year on from 9999") << QDate(9999, 3, 5) << "KovetkezoEvButton" << QDate(9999, 3, 5);
    QTest::newRow("month on from December 9999")
        << QDate(9999, 12, 31) << "KovetkezoHonapButton" << QDate(9999, 12, 31);
    QTest::newRow("year on to 9999") << QDate(9998, 12, 31) << "KovetkezoEvButton" << QDate(9999, 12, 31);
}

void TestKalendForm::stepsStopAtTheFirstAndLastYear()
{
    QFETCH(QDate, from);
    QFETCH(QString, button);
    QFETCH(QDate, to);
    TKalendForm form(QDate(2010, 6, 1));
    form.setShownDate(from.year(), from.month(), from.day());
    auto *step = form.findChild<QPushButton *>(button);
    QVERIFY(step);
    // A step that would leave the years the calendar shows is disabled, and its handler
    // changes nothing when reached all the same.
    QCOMPARE(step->isEnabled(), from != to);
    if (button == QLatin1String("ElozoEvButton"))
        form.ElozoEvClick();
    else if (button == QLatin1String("ElozoHonapButton"))
        form.ElozoHonapClick();
    else if (button == QLatin1String("KovetkezoEvButton"))
        form.KovetkezoEvClick();
    else
        form.KovetkezoHonapClick();
    QCOMPARE(QDate(form.year(), form.month(), form.day()), to);
    QCOMPARE(form.dateText(), QStringLiteral("%1.%2.%3.").arg(to.year()).arg(to.month()).arg(to.day()));
    QVERIFY(form.Calendar1->currentItem());
    QCOMPARE(form.Calendar1->currentItem()->text(), QString::number(to.day()));
}

QTEST_MAIN(TestKalendForm)
#include "tst_kalendform.moc"
