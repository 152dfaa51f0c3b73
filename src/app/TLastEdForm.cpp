#include "app/TLastEdForm.h"

#include "app/TMegnyitForm.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TLastEdForm::TLastEdForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TLastEdForm"));
    setWindowTitle(QStringLiteral("Legutóbb módosított fájlok"));
    setModal(true);
    DeferredBuild::later(this, [this] { buildControls(); });
}

void TLastEdForm::buildControls()
{
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    CloseButton = button(QStringLiteral("bezár"), "CloseButton", this);
    HelpButton = button(QStringLiteral("&súgó"), "HelpButton", this);
    DeleteListButton = button(QStringLiteral("töröld a listát!"), "DeleteListButton", this);
    DeleteRowButton = button(QStringLiteral("töröld a kijelölt sort!"), "DeleteRowButton", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CloseButton);
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(DeleteListButton);
    buttons->addWidget(DeleteRowButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);
    resize(560, 300);

    // The selection, not the current row: the list makes its first row current when it
    // gets the focus, which is not a choice of the user.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
        if (!selected.isEmpty())
            ListBox1Click(ListBox1->row(selected.first()));
    });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, &TLastEdForm::HelpClick);
    connect(DeleteListButton, &QPushButton::clicked, this, &TLastEdForm::DeleteListClick);
    connect(DeleteRowButton, &QPushButton::clicked, this, &TLastEdForm::DeleteRowClick);
}

QStringList TLastEdForm::shownEntries() const
{
    QStringList entries;
    for (int row = 0; row < ListBox1->count(); ++row)
        entries.append(ListBox1->item(row)->text());
    return entries;
}

void TLastEdForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TLastEdForm::message(const QString &text) { ModalSeam::instance().showMessage(this, text); }

void TLastEdForm::FormActivate()
{
    ListBox1->clear();
    QStringList lines;
    try {
        lines = ListFiles::readRecentList();
    } catch (const MotraError &error) {
        message(error.message());
    }
    // Stored oldest first, shown newest first.
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        ListBox1->addItem(lines[i]);
}

void TLastEdForm::ListBox1Click(int row)
{
    const QListWidgetItem *item = ListBox1->item(row);
    if (!item)
        return;
    const QString entry = item->text();
    const QString file = hostPath(entry);
    if (!QFileInfo(file).isFile()) {
        message(QStringLiteral("sajnos ezt az állományt nem találom!"));
        return;
    }
    if (m_openForm)
        m_openForm->showPreview(file, entry, false);
}

void TLastEdForm::DeleteRowClick()
{
    if (!ModalSeam::instance().askYesNo(this, QStringLiteral("Valóban törli a kijelölt sort?")))
        return;
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ListBox1->row(selected.first());
    const QString entry = selected.first()->text();
    try {
        // The shown row counts from the newest; the file is read again so that exactly the
        // chosen line goes even if the list changed meanwhile.
        const QStringList lines = ListFiles::readRecentList();
        qsizetype fileIndex = lines.size() - 1 - row;
        if (lines.value(fileIndex) != entry)
            fileIndex = lines.lastIndexOf(entry);
        if (fileIndex >= 0)
            ListFiles::removeRecentEntry(int(fileIndex));
    } catch (const MotraError &error) {
        message(error.message());
    }
    FormActivate();
}

void TLastEdForm::DeleteListClick()
{
    if (!ModalSeam::instance().askYesNo(this, QStringLiteral("Valóban törli az egész listát?")))
        return;
    try {
        ListFiles::deleteRecentList();
    } catch (const MotraError &error) {
        message(error.message());
        return;
    }
    accept();
}

void TLastEdForm::HelpClick()
{
    const QString name = QStringLiteral("lasted.hlp");
    if (windowServices().showHelp)
        windowServices().showHelp(QStringLiteral("súgó a legutóbb módosított fájlokhoz"), FixedPaths::helpFile(name),
            FixedPaths::notesFile(name), true);
}
