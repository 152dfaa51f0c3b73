#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// "MOTRA vizsgálat időpontja": picks the examination date on a month grid whose weeks
// start on Sunday. The shown date persists between openings.
class TKalendForm : public QDialog
{
    Q_OBJECT
public:
    explicit TKalendForm(QWidget *parent = nullptr);
    // With the start-up date given (the date "mai nap" returns to).
    explicit TKalendForm(const QDate &startupDate, QWidget *parent = nullptr);

    QLabel *EvSzam;
    QLabel *Honap;
    QTableWidget *NapokNeve;
    QTableWidget *Calendar1;
    QPushButton *ElozoEvButton;
    QPushButton *KovetkezoEvButton;
    QPushButton *ElozoHonapButton;
    QPushButton *KovetkezoHonapButton;
    QPushButton *MaiNapButton;
    QPushButton *OKButton;
    QPushButton *MegseButton;

    // Called with the date text on OK or a double click (the personal data dialog's date field).
    std::function<void(const QString &)> onDateChosen;

    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    QDate startupDate() const { return m_startup; }
    // year + "." + month + "." + day + ".", no leading zeros: "2004.3.5."
    QString dateText() const;
    // Shows the given date (kept as the shown date); the year is kept to FirstYear..LastYear.
    void setShownDate(int year, int month, int day);

    void ElozoEvClick();
    void KovetkezoEvClick();
    void ElozoHonapClick();
    void KovetkezoHonapClick();
    void MaiNapClick();
    // A click on a grid cell; empty cells change nothing.
    void Calendar1Click(int row, int column);
    void Calendar1DblClick(int row, int column);
    void OKButtonClick();

    // The years the calendar shows; a step beyond them does nothing.
    static constexpr int FirstYear = 1;
    static constexpr int LastYear = 9999;

    static const QString MonthNames[12];
    static const QString DayNames[7];

private:
    // Moving by month or year onto a day the target month lacks keeps its last day.
    void moveTo(int year, int month);
    void refresh();
    int dayAt(int row, int column) const;

    QDate m_startup;
    int m_year;
    int m_month;
    int m_day;

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
