#include "reports/TEredmForm.h"

#include "case/CaseRecord.h"
#include "ui/DeferredBuild.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

TEredmForm::TEredmForm(CaseRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("TEredmForm"));
    setWindowTitle(QStringLiteral("íme az XX tömb:"));
    DeferredBuild::later(this, [this] { buildControls(); });
}

void TEredmForm::buildControls()
{
    // Plain text: the "&" characters are what the user is meant to see.
    Label1 = new QLabel(QStringLiteral("---"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label2 = new QLabel(QStringLiteral("---"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    connect(ListBox1, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { ListBox1Click(ListBox1->row(item)); });

    auto *labels = new QHBoxLayout;
    labels->addWidget(Label1);
    labels->addWidget(Label2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(labels);
    layout->addWidget(ListBox1, 1);
    resize(220, 360);
}

void TEredmForm::FormActivate()
{
    ListBox1->clear();
    QStringList lines;
    lines.reserve(SlotArraySize);
    for (int i = 1; i <= SlotArraySize; ++i)
        lines.append(QString::number(m_record.SlotValues[i], 'f', 1));
    ListBox1->addItems(lines);
}

void TEredmForm::ListBox1Click(int row)
{
    if (row < 0 || row >= ListBox1->count())
        return;
    Label1->setText(QString::number(row + 1));
    Label2->setText(digitsOnlyText(ListBox1->item(row)->text()));
}

QString TEredmForm::digitsOnlyText(const QString &line)
{
    QString shown = line;
    for (QChar &c : shown)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            c = QLatin1Char('&');
    return shown;
}

void TEredmForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}
