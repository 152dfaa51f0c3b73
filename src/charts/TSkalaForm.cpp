#include "charts/TSkalaForm.h"

#include "case/CaseRecord.h"
#include "case/RowList.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

TSkalaForm::TSkalaForm(CaseRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("TSkalaForm"));
    setWindowTitle(QStringLiteral("Az aktuális skála kérdései"));
    setModal(false);
    AktList = new QListWidget(this);
    AktList->setObjectName(QStringLiteral("AktList"));
    AktList->viewport()->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(AktList);
    resize(420, 300);
    move(1, 80);
}

void TSkalaForm::setEntries(const QVector<ScaleItemEntry> &entries)
{
    AktList->clear();
    for (const ScaleItemEntry &entry : entries) {
        auto *item = new QListWidgetItem(entry.text, AktList);
        // The tick only shows whether the item was answered; it is not an input.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(entry.ticked ? Qt::Checked : Qt::Unchecked);
    }
}

int TSkalaForm::entryRowNumber(const QString &entry)
{
    const int paren = entry.indexOf(QLatin1Char(')'));
    if (paren < 0)
        return 999;
    const int dot = entry.indexOf(QLatin1Char('.'), paren + 1);
    const QString digits = entry.mid(paren + 1, dot < 0 ? -1 : dot - paren - 1);
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    return ok && !digits.isEmpty() && !digits.front().isSpace() ? number : 999;
}

void TSkalaForm::AktListMouseDown()
{
    // With nothing selected (an empty list) there is nothing to jump to.
    const QListWidgetItem *item = AktList->currentItem();
    if (!item || !jumpToRow)
        return;
    const int number = entryRowNumber(item->text());
    const int kind = isValidKind(m_record.CurrentKind) ? m_record.CurrentKind : Parent;
    const int offset = kind == SelfReport ? 3 : 2;
    for (const RowDefinition &row : rowList(kind)) {
        if (row.rowNumberValue() == number && number - offset >= 0)
            jumpToRow(kind, number - offset);
    }
}

bool TSkalaForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == AktList->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A press on an entry selects it first; a press below the last entry acts on the
        // entry selected at that moment.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (QListWidgetItem *item = AktList->itemAt(mouse->position().toPoint()))
            AktList->setCurrentItem(item);
        AktListMouseDown();
    }
    return QDialog::eventFilter(watched, event);
}

void TSkalaForm::done(int result)
{
    QDialog::done(result);
    emit closed();
}
