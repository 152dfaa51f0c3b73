#include "charts/TSkalaForm.h"

#include "case/CaseRecord.h"

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

int TSkalaForm::entryRowNumber(const QString &entry) { return scaleEntryRowNumber(entry); }

void TSkalaForm::AktListMouseDown()
{
    // With nothing selected (an empty list) there is nothing to jump to.
    const QListWidgetItem *item = AktList->currentItem();
    if (!item || !jumpToRow)
        return;
    const int kind = isValidKind(m_record.CurrentKind) ? m_record.CurrentKind : Parent;
    const int row = scaleEntryJumpRow(kind, scaleEntryRowNumber(item->text()));
    if (row >= 0)
        jumpToRow(kind, row);
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
