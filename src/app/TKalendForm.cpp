#include "app/TKalendForm.h"

#include "ui/DeferredBuild.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

const QString TKalendForm::MonthNames[12] = {QStringLiteral("január"), QStringLiteral("február"),
    QStringLiteral("március"), QStringLiteral("április"), QStringLiteral("május"), QStringLiteral("június"),
    QStringLiteral("július"), QStringLiteral("augusztus"), QStringLiteral("szeptember"), QStringLiteral("október"),
    QStringLiteral("november"), QStringLiteral("december")};

const QString TKalendForm::DayNames[7] = {QStringLiteral(" vas."), QStringLiteral("hétfő"), QStringLiteral(" kedd"),
    QStringLiteral("szerda"), QStringLiteral(" csüt."), QStringLiteral("péntek"), QStringLiteral(" szomb.")};

namespace {
constexpr int GridRows = 6;

QTableWidget *makeGrid(const char *name, int rows, QWidget *parent)
{
    auto *grid = new QTableWidget(rows, 7, parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}
} // namespace

TKalendForm::TKalendForm(QWidget *parent) : TKalendForm(QDate::currentDate(), parent) { }

TKalendForm::TKalendForm(const QDate &startupDate, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      m_startup(startupDate),
      m_year(startupDate.year()),
      m_month(startupDate.month()),
      m_day(startupDate.day())
{
    setObjectName(QStringLiteral("TKalendForm"));
    setWindowTitle(QStringLiteral("MOTRA vizsgálat időpontja"));
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TKalendForm::FormCreate()
{
    EvSzam = new QLabel(this);
    EvSzam->setObjectName(QStringLiteral("EvSzam"));
    Honap = new QLabel(this);
    Honap->setObjectName(QStringLiteral("Honap"));
    QFont big = EvSzam->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    EvSzam->setFont(big);
    Honap->setFont(big);

    NapokNeve = makeGrid("NapokNeve", 1, this);
    NapokNeve->setSelectionMode(QAbstractItemView::NoSelection);
    NapokNeve->setFocusPolicy(Qt::NoFocus);
    NapokNeve->setFixedHeight(24);
    for (int column = 0; column < 7; ++column) {
        auto *item = new QTableWidgetItem(DayNames[column]);
        item->setForeground(Qt::yellow);
        item->setBackground(QColor(0, 0, 128));
        item->setFlags(Qt::ItemIsEnabled);
        NapokNeve->setItem(0, column, item);
    }
    QPalette navy = NapokNeve->palette();
    navy.setColor(QPalette::Base, QColor(0, 0, 128));
    NapokNeve->setPalette(navy);

    Calendar1 = makeGrid("Calendar1", GridRows, this);
    Calendar1->setMinimumHeight(150);

    ElozoEvButton = makeButton(QStringLiteral("előző év"), "ElozoEvButton", this);
    KovetkezoEvButton = makeButton(QStringLiteral("következő év"), "KovetkezoEvButton", this);
    ElozoHonapButton = makeButton(QStringLiteral("előző hónap"), "ElozoHonapButton", this);
    KovetkezoHonapButton = makeButton(QStringLiteral("következő hónap"), "KovetkezoHonapButton", this);
    MaiNapButton = makeButton(QStringLiteral("mai nap"), "MaiNapButton", this);
    OKButton = makeButton(QStringLiteral("OK"), "OKButton", this);
    OKButton->setDefault(true);
    MegseButton = makeButton(QStringLiteral("mégse"), "MegseButton", this);

    auto *header = new QHBoxLayout;
    header->addWidget(EvSzam);
    header->addWidget(Honap);
    header->addStretch();
    auto *navigation = new QGridLayout;
    navigation->addWidget(ElozoEvButton, 0, 0);
    navigation->addWidget(KovetkezoEvButton, 0, 1);
    navigation->addWidget(MaiNapButton, 0, 2, 2, 1);
    navigation->addWidget(ElozoHonapButton, 1, 0);
    navigation->addWidget(KovetkezoHonapButton, 1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKButton);
    bottom->addWidget(MegseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addLayout(navigation);
    layout->addWidget(NapokNeve);
    layout->addWidget(Calendar1, 1);
    layout->addLayout(bottom);
    resize(420, 340);

    connect(ElozoEvButton, &QPushButton::clicked, this, &TKalendForm::ElozoEvClick);
    connect(KovetkezoEvButton, &QPushButton::clicked, this, &TKalendForm::KovetkezoEvClick);
    connect(ElozoHonapButton, &QPushButton::clicked, this, &TKalendForm::ElozoHonapClick);
    connect(KovetkezoHonapButton, &QPushButton::clicked, this, &TKalendForm::KovetkezoHonapClick);
    connect(MaiNapButton, &QPushButton::clicked, this, &TKalendForm::MaiNapClick);
    connect(OKButton, &QPushButton::clicked, this, &TKalendForm::OKButtonClick);
    connect(MegseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Calendar1, &QTableWidget::cellClicked, this, &TKalendForm::Calendar1Click);
    connect(Calendar1, &QTableWidget::cellDoubleClicked, this, &TKalendForm::Calendar1DblClick);

    refresh();
}

QString TKalendForm::dateText() const { return QStringLiteral("%1.%2.%3.").arg(m_year).arg(m_month).arg(m_day); }

void TKalendForm::setShownDate(int year, int month, int day)
{
    m_year = std::clamp(year, FirstYear, LastYear);
    m_month = std::clamp(month, 1, 12);
    m_day = std::clamp(day, 1, QDate(m_year, m_month, 1).daysInMonth());
    refresh();
}

void TKalendForm::moveTo(int year, int month)
{
    if (year < FirstYear || year > LastYear)
        return;
    setShownDate(year, month, m_day);
}

void TKalendForm::ElozoEvClick() { moveTo(m_year - 1, m_month); }

void TKalendForm::KovetkezoEvClick() { moveTo(m_year + 1, m_month); }

void TKalendForm::ElozoHonapClick()
{
    if (m_month == 1)
        moveTo(m_year - 1, 12);
    else
        moveTo(m_year, m_month - 1);
}

void TKalendForm::KovetkezoHonapClick()
{
    if (m_month == 12)
        moveTo(m_year + 1, 1);
    else
        moveTo(m_year, m_month + 1);
}

void TKalendForm::MaiNapClick() { setShownDate(m_startup.year(), m_startup.month(), m_startup.day()); }

int TKalendForm::dayAt(int row, int column) const
{
    const QTableWidgetItem *item = Calendar1->item(row, column);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void TKalendForm::Calendar1Click(int row, int column)
{
    const int day = dayAt(row, column);
    if (day > 0)
        setShownDate(m_year, m_month, day);
    else
        refresh();
}

void TKalendForm::Calendar1DblClick(int row, int column)
{
    if (dayAt(row, column) <= 0)
        return;
    Calendar1Click(row, column);
    OKButtonClick();
}

void TKalendForm::OKButtonClick()
{
    if (onDateChosen)
        onDateChosen(dateText());
    accept();
}

void TKalendForm::refresh()
{
    ElozoEvButton->setEnabled(m_year > FirstYear);
    ElozoHonapButton->setEnabled(m_year > FirstYear || m_month > 1);
    KovetkezoEvButton->setEnabled(m_year < LastYear);
    KovetkezoHonapButton->setEnabled(m_year < LastYear || m_month < 12);
    EvSzam->setText(QString::number(m_year) + QLatin1Char('.'));
    Honap->setText(MonthNames[m_month - 1] + QLatin1Char('.'));

    Calendar1->clearContents();
    const QDate first(m_year, m_month, 1);
    const int offset = first.dayOfWeek() % 7; // Sunday first
    const int days = first.daysInMonth();
    for (int day = 1; day <= days; ++day) {
        const int cell = offset + day - 1;
        auto *item = new QTableWidgetItem(QString::number(day));
        item->setData(Qt::UserRole, day);
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        Calendar1->setItem(cell / 7, cell % 7, item);
    }
    const int selected = offset + m_day - 1;
    Calendar1->setCurrentCell(selected / 7, selected % 7);
}
