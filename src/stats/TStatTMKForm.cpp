#include "stats/TStatTMKForm.h"

#include "app/TFelulirForm.h"
#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "stats/FlashPanel.h"
#include "stats/StatisticsFiles.h"
#include "stats/StatisticsRecordList.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QButtonGroup>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

const QString TStatTMKForm::FirstLineWarning = QStringLiteral("Az első sort nem lehet törölni vagy mozgatni!!!");

namespace {

struct KindButton
{
    int kind;
    const char *name;
    const char *caption;
};
const KindButton KindButtons[] = {
    {Parent, "SpeedButton3", "szülői"},
    {Teacher, "SpeedButton4", "tanári"},
    {SelfReport, "SpeedButton5", "önértékelő"},
};

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent, const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QToolButton *makeArrow(Qt::ArrowType arrow, const char *name, QWidget *parent, const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setGeometry(geometry);
    button->setEnabled(false);
    return button;
}

// Guards the handlers against the signals of the dialog's own changes to its lists.
class Updating
{
public:
    explicit Updating(bool &flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~Updating() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};

} // namespace

TStatTMKForm::TStatTMKForm(QWidget *parent)
    : QDialog(parent), m_records(new StatisticsRecordList(this)), m_kinds(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TStatTMKForm"));
    setWindowTitle(QStringLiteral("MOTRA statisztikai fájlok karbantartása"));
    DeferredBuild::later(this, [this] { buildControls(); });
}

void TStatTMKForm::buildControls()
{
    int left = 12;
    for (const KindButton &kind : KindButtons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(kind.name));
        button->setText(QString::fromUtf8(kind.caption));
        button->setCheckable(true);
        button->setGeometry(left, 12, 76, 26);
        m_kinds->addButton(button, kind.kind);
        left += 78;
    }
    m_kinds->setExclusive(true);
    SpeedButton3 = static_cast<QToolButton *>(m_kinds->button(Parent));
    SpeedButton4 = static_cast<QToolButton *>(m_kinds->button(Teacher));
    SpeedButton5 = static_cast<QToolButton *>(m_kinds->button(SelfReport));
    SpeedButton3->setChecked(true);

    auto *folder = new QLabel(FixedPaths::StatFolderNoSlash, this);
    folder->setObjectName(QStringLiteral("FolderLabel"));
    folder->setTextFormat(Qt::PlainText);
    folder->setGeometry(12, 44, 232, 20);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(12, 66, 232, 262);

    Label1 = new QLabel(QStringLiteral("a kijelölt rekord"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(12, 336, 232, 20);
    SpeedButton1 = makeArrow(Qt::UpArrow, "SpeedButton1", this, QRect(94, 358, 32, 28));
    SpeedButton2 = makeArrow(Qt::DownArrow, "SpeedButton2", this, QRect(130, 358, 32, 28));
    Label2 = new QLabel(QStringLiteral("mozgatása"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(12, 388, 232, 20);

    ListBox1 = new QListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(256, 12, 532, 354);
    // Every line has the height of one text line: the view need not measure 20,000 of them.
    ListBox1->setUniformItemSizes(true);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setModel(m_records);

    Panel2 = new FlashPanel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(256, 372, 532, 36);
    Timer1 = Panel2->timer();
    Timer1->setObjectName(QStringLiteral("Timer1"));

    BitBtn2 = makeButton(QStringLiteral("rendezd betűrendbe !"), "BitBtn2", this, QRect(256, 420, 170, 30));
    BitBtn5 = makeButton(QStringLiteral("töröld a kijelölt rekordot !"), "BitBtn5", this, QRect(432, 420, 200, 30));
    BitBtn5->setEnabled(false);
    BitBtn7 = makeButton(QStringLiteral("&Súgó"), "BitBtn7", this, QRect(12, 420, 90, 30));
    BitBtn4 = makeButton(QStringLiteral("Rendben"), "BitBtn4", this, QRect(638, 420, 72, 30));
    BitBtn1 = makeButton(QStringLiteral("Mégse"), "BitBtn1", this, QRect(716, 420, 72, 30));

    // The window keeps the size it was made with.
    setFixedSize(800, 462);
    // Keys go from the kind to the file, to its records and what can be done with them.
    const QList<QWidget *> tabOrder = {SpeedButton3, SpeedButton4, SpeedButton5, FileListBox1, ListBox1, SpeedButton1,
        SpeedButton2, BitBtn2, BitBtn5, BitBtn4, BitBtn1, BitBtn7};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(m_kinds, &QButtonGroup::idClicked, this, &TStatTMKForm::KindButtonClick);
    connect(FileListBox1, &QListWidget::currentItemChanged, this, &TStatTMKForm::onFileChosen);
    connect(ListBox1, &QListView::clicked, this, &TStatTMKForm::ListBox1Click);
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_updating)
            ListBox1Click();
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TStatTMKForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TStatTMKForm::SpeedButton2Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TStatTMKForm::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TStatTMKForm::BitBtn5Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TStatTMKForm::BitBtn7Click);
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    // The folder is listed on activation, not here: creation stays cheap.
}

QString TStatTMKForm::fileMask() const { return statisticsMask(m_kind); }

int TStatTMKForm::selectedIndex() const
{
    const QModelIndexList selected = ListBox1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TStatTMKForm::selectIndex(int index)
{
    Updating updating(m_updating);
    if (index < 0 || index >= m_records->count()) {
        ListBox1->selectionModel()->clear();
        return;
    }
    const QModelIndex item = m_records->index(index);
    ListBox1->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    ListBox1->scrollTo(item);
}

void TStatTMKForm::FormActivate()
{
    // The record list keeps what it held; the folder may have changed meanwhile.
    refreshFileList();
    updateButtons(false);
}

void TStatTMKForm::refreshFileList()
{
    Updating updating(m_updating);
    FileListBox1->clear();
    FileListBox1->addItems(statisticsFiles(fileMask()));
    showLoadedFileInList();
}

void TStatTMKForm::showLoadedFileInList()
{
    Updating updating(m_updating);
    const QString loaded = m_records->file();
    const QString name = loaded.mid(loaded.lastIndexOf(QLatin1Char('\\')) + 1);
    const QList<QListWidgetItem *> items
        = loaded.isEmpty() ? QList<QListWidgetItem *>() : FileListBox1->findItems(name, Qt::MatchExactly);
    if (items.isEmpty()) {
        FileListBox1->setCurrentItem(nullptr);
        FileListBox1->clearSelection();
    } else {
        FileListBox1->setCurrentItem(items.first());
        items.first()->setSelected(true);
    }
}

void TStatTMKForm::KindButtonClick(int kind)
{
    if (!isValidKind(kind))
        return;
    m_kind = kind;
    m_kinds->button(kind)->setChecked(true);
    m_records->clear();
    refreshFileList();
    updateButtons(false);
}

void TStatTMKForm::onFileChosen(QListWidgetItem *item)
{
    if (!m_updating && item)
        FileListBox1Click();
}

void TStatTMKForm::FileListBox1Click()
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    if (!item)
        return;
    QString notes;
    try {
        notes = m_records->load(statisticsFile(item->text()));
    } catch (const MotraError &error) {
        // The list keeps the file it showed, and the file list points at that file again;
        // it is read again, so that a file that vanished meanwhile is no longer offered.
        refreshFileList();
        ModalSeam::instance().showMessage(this, error.message());
        return;
    }
    // A list entered with the keyboard has a current file that is not yet marked.
    showLoadedFileInList();
    updateButtons(false);
    if (!notes.isEmpty())
        ModalSeam::instance().showMessage(this, notes);
}

void TStatTMKForm::updateButtons(bool flash)
{
    const int index = selectedIndex();
    SpeedButton1->setEnabled(m_records->canMoveUp(index));
    SpeedButton2->setEnabled(m_records->canMoveDown(index));
    BitBtn5->setEnabled(m_records->canDelete(index));
    if (index <= 0 && flash)
        ShowFlashWarning(FirstLineWarning);
}

void TStatTMKForm::ListBox1Click() { updateButtons(true); }

void TStatTMKForm::SpeedButton1Click()
{
    const int index = selectedIndex();
    if (!m_records->canMoveUp(index))
        return;
    selectIndex(m_records->moveUp(index));
    updateButtons(true);
}

void TStatTMKForm::SpeedButton2Click()
{
    const int index = selectedIndex();
    if (!m_records->canMoveDown(index))
        return;
    selectIndex(m_records->moveDown(index));
    updateButtons(true);
}

void TStatTMKForm::BitBtn2Click()
{
    {
        Updating updating(m_updating);
        m_records->sortRecords();
    }
    // The selected record is still selected, at its new place.
    if (selectedIndex() >= 0)
        ListBox1->scrollTo(m_records->index(selectedIndex()));
    updateButtons(false);
}

void TStatTMKForm::BitBtn5Click()
{
    const int index = selectedIndex();
    if (!m_records->canDelete(index)) {
        updateButtons(true);
        return;
    }
    const StatisticsRecordList::State before = m_records->state();
    {
        Updating updating(m_updating);
        m_records->removeRecord(index);
        ListBox1->selectionModel()->clear();
    }
    updateButtons(false);

    // Anything but "Igen, felülírom" (the close box too) puts the file's lines back. What the
    // reload has to tell (lines that went bad meanwhile, or why it failed) is shown once the
    // confirmation has closed.
    bool reloaded = false;
    bool reloadFailed = false;
    QString message;
    auto reload = [&] {
        if (reloaded)
            return;
        reloaded = true;
        Updating updating(m_updating);
        try {
            message = m_records->reload();
        } catch (const MotraError &error) {
            m_records->restore(before);
            reloadFailed = true;
            message = error.message();
        }
    };
    bool confirmed = false;
    if (m_confirmation) {
        m_confirmation->onCancel = reload;
        confirmed = m_confirmation->confirmOverwrite(m_records->file());
        m_confirmation->onCancel = nullptr;
    }
    if (!confirmed) {
        reload();
        // A file that vanished meanwhile is no longer offered.
        if (reloadFailed)
            refreshFileList();
        updateButtons(false);
        if (!message.isEmpty())
            ModalSeam::instance().showMessage(this, message);
        return;
    }
    try {
        m_records->write();
    } catch (const MotraError &error) {
        // Back to the list before the deletion, with the record selected again.
        {
            Updating updating(m_updating);
            m_records->restore(before);
        }
        selectIndex(index);
        updateButtons(false);
        ModalSeam::instance().showMessage(this, error.message());
        return;
    }
    updateButtons(false);
}

void TStatTMKForm::BitBtn7Click()
{
    if (windowServices().showHelp)
        windowServices().showHelp(QStringLiteral("súgó: statisztikai fájlok karbantartása"),
            FixedPaths::helpFile(QStringLiteral("StatTMK.hlp")), FixedPaths::notesFile(QStringLiteral("StatTMK.hlp")),
            true);
}

void TStatTMKForm::Timer1Timer() { Panel2->Timer1Timer(); }

void TStatTMKForm::ShowFlashWarning(const QString &message) { Panel2->ShowFlashWarning(message); }

void TStatTMKForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}
