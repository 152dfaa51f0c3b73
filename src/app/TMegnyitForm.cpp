#include "app/TMegnyitForm.h"

#include "app/PreviewPanel.h"
#include "app/TLastEdForm.h"
#include "case/CaseLoading.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "case/TextFile.h"
#include "charts/InstallationPicture.h"
#include "charts/ProfilePreview.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QStorageInfo>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Caption = QStringLiteral("MOTRA vizsgálat megnyitása");
const QString CaseFileSuffix = QStringLiteral(".mtr"); // the file list's mask "*.mtr"
const QSize PhotoSize(150, 190);
constexpr int IndentPerLevel = 2;

// Mount points where the desktop puts removable media.
bool isRemovableMount(const QString &root)
{
    return root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"))
        || root.startsWith(QLatin1String("/mnt/"));
}

// Whether folder lies in root (or is it).
bool isInside(const QString &folder, const QString &root)
{
    if (folder == root)
        return true;
    return folder.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

QListView *makeList(const char *name, QStringListModel *model, QWidget *parent)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    // Thousands of rows stay quick to show: laid out in batches between events.
    view->setUniformItemSizes(true);
    view->setLayoutMode(QListView::Batched);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    return view;
}

} // namespace

TMegnyitForm::TMegnyitForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMegnyitForm"));
    setWindowTitle(Caption);
    setModal(true);
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TMegnyitForm::FormCreate()
{
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    BitBtn1 = new QToolButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    BitBtn1->setToolTip(FixedPaths::ArchiveFolderNoSlash);
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_files = new QStringListModel(this);
    FileListBox1 = makeList("FileListBox1", m_files, this);
    BitBtn4 = new QPushButton(QStringLiteral("<< legutóbb módosított fájlok"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);

    m_lines = new QStringListModel(this);
    ListBox1 = makeList("ListBox1", m_lines, this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(PhotoSize);
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::Box);
    PhotoNote = new QLabel(this);
    PhotoNote->setObjectName(QStringLiteral("PhotoNote"));
    PhotoNote->setTextFormat(Qt::PlainText);
    PhotoNote->setWordWrap(true);
    PhotoNote->setFixedWidth(PhotoSize.width());

    Panel1 = new PreviewPanel(Parent, QStringLiteral("szülői"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2 = new PreviewPanel(Teacher, QStringLiteral("tanári"), this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel3 = new PreviewPanel(SelfReport, QStringLiteral("önértékelő"), this);
    Panel3->setObjectName(QStringLiteral("Panel3"));

    CancelButton = new QPushButton(QStringLiteral("mégse"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    HelpButton = new QPushButton(QStringLiteral("&súgó"), this);
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    HelpButton->setAutoDefault(false);
    OkButton = new QPushButton(QStringLiteral("rendben"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);

    auto *driveRow = new QHBoxLayout;
    driveRow->addWidget(DriveComboBox1, 1);
    driveRow->addWidget(BitBtn1);
    auto *pickers = new QVBoxLayout;
    pickers->addLayout(driveRow);
    pickers->addWidget(DirectoryListBox1, 2);
    pickers->addWidget(FileListBox1, 3);
    pickers->addWidget(BitBtn4);

    auto *lines = new QVBoxLayout;
    lines->addWidget(ListBox1, 1);
    lines->addWidget(Label1);

    auto *photo = new QVBoxLayout;
    photo->addWidget(Image1);
    photo->addWidget(PhotoNote);
    photo->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(pickers, 3);
    top->addLayout(lines, 4);
    top->addLayout(photo);

    auto *panels = new QHBoxLayout;
    panels->addWidget(Panel1);
    panels->addWidget(Panel2);
    panels->addWidget(Panel3);
    panels->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CancelButton);
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    resize(820, 560);

    connect(DriveComboBox1, &QComboBox::currentIndexChanged, this, &TMegnyitForm::DriveComboBox1Change);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { DirectoryListBox1Change(DirectoryListBox1->row(item)); });
    // Selection, not the current index: an item view makes its first row current when it
    // gets the focus, and that must not count as the user's choice.
    connect(FileListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = FileListBox1->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            FileListBox1Click(rows.first().row());
    });
    // A click on the file already selected draws it again: the recent list may have drawn
    // another file meanwhile. A click that selects a file has drawn it through the selection.
    FileListBox1->viewport()->installEventFilter(this);
    connect(FileListBox1, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (m_pressOnSelected && FileListBox1->selectionModel()->isSelected(index))
            FileListBox1Click(index.row());
    });
    connect(FileListBox1, &QListView::doubleClicked, this, &TMegnyitForm::OkClick);
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = ListBox1->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            ListBox1Click(rows.first().row());
    });
    connect(BitBtn1, &QToolButton::clicked, this, &TMegnyitForm::BitBtn1Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TMegnyitForm::BitBtn4Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TMegnyitForm::HelpClick);
    connect(OkButton, &QPushButton::clicked, this, &TMegnyitForm::OkClick);
}

QVector<TMegnyitForm::Drive> TMegnyitForm::hostDrives()
{
    QVector<Drive> drives;
    auto add = [&drives](const QString &label, const QString &folder, const QString &top) {
        const QString root = QDir::cleanPath(folder);
        for (const Drive &drive : std::as_const(drives)) {
            if (drive.root == root)
                return;
        }
        drives.append({label, root, top});
    };
    add(QStringLiteral("c:  (a MOTRA meghajtója)"), motraRoot(), QStringLiteral("c:\\"));
    add(QStringLiteral("/  (a gép gyökérmappája)"), QStringLiteral("/"), QStringLiteral("/"));
    add(QStringLiteral("~  (saját mappa)"), QDir::homePath(), QStringLiteral("~"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || !isRemovableMount(root))
            continue;
        const QString name = volume.name().isEmpty() ? QFileInfo(root).fileName() : volume.name();
        add(root + QStringLiteral("  (") + name + QLatin1Char(')'), root, root);
    }
    return drives;
}

QStringList TMegnyitForm::fileNames() const { return m_files->stringList(); }

QString TMegnyitForm::selectedFile() const
{
    const QModelIndexList rows = FileListBox1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return QString();
    return QDir(m_folder).filePath(m_files->stringList().value(rows.first().row()));
}

QStringList TMegnyitForm::shownLines() const { return m_lines->stringList(); }

PreviewPanel *TMegnyitForm::panel(int kind) const
{
    switch (kind) {
    case Parent: return Panel1;
    case Teacher: return Panel2;
    case SelfReport: return Panel3;
    default: return nullptr;
    }
}

void TMegnyitForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

bool TMegnyitForm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && watched == FileListBox1->viewport()) {
        const QModelIndex index = FileListBox1->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        // A double click opens the file; its release draws nothing.
        m_pressOnSelected
            = type == QEvent::MouseButtonPress && index.isValid() && FileListBox1->selectionModel()->isSelected(index);
    }
    return QDialog::eventFilter(watched, event);
}

void TMegnyitForm::message(const QString &text) { ModalSeam::instance().showMessage(this, text); }

void TMegnyitForm::FormActivate()
{
    fillDrives();
    const QString archive = hostPath(FixedPaths::ArchiveFolderNoSlash);
    setFolder(archive);
    if (!QFileInfo(archive).isDir())
        message(QStringLiteral("A vizsgálatok mappája (%1) nem található; válasszon másik mappát.")
                    .arg(FixedPaths::ArchiveFolderNoSlash));
}

void TMegnyitForm::fillDrives()
{
    m_drives = hostDrives();
    m_settingDrive = true;
    DriveComboBox1->clear();
    for (const Drive &drive : std::as_const(m_drives))
        DriveComboBox1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), drive.label, drive.root);
    m_settingDrive = false;
}

void TMegnyitForm::setFolder(const QString &hostFolder)
{
    if (m_drives.isEmpty())
        fillDrives();
    m_folder = QDir::cleanPath(hostFolder);
    int drive = -1;
    for (int i = 0; i < m_drives.size(); ++i) {
        if (isInside(m_folder, m_drives[i].root)
            && (drive < 0 || m_drives[i].root.size() > m_drives[drive].root.size()))
            drive = i;
    }
    m_settingDrive = true;
    DriveComboBox1->setCurrentIndex(drive);
    m_settingDrive = false;
    fillLists();
}

void TMegnyitForm::readFolder(QStringList *files, QStringList *subfolders) const
{
    // One pass over the folder: an archive of thousands of examinations is read once.
    QDirIterator it(m_folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (it.fileInfo().isDir()) {
            if (!name.startsWith(QLatin1Char('.')))
                subfolders->append(name);
        } else if (name.endsWith(CaseFileSuffix, Qt::CaseInsensitive)) {
            files->append(name); // any letter case: "KE7.MTR" as well
        }
    }
    const auto byName = [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    };
    std::sort(files->begin(), files->end(), byName);
    std::sort(subfolders->begin(), subfolders->end(), byName);
}

void TMegnyitForm::fillLists()
{
    QStringList files;
    QStringList subfolders;
    readFolder(&files, &subfolders);
    m_files->setStringList(files);

    DirectoryListBox1->clear();
    const int driveIndex = DriveComboBox1->currentIndex();
    QString path = driveIndex >= 0 ? m_drives[driveIndex].root : QStringLiteral("/");
    const QString top = driveIndex >= 0 ? m_drives[driveIndex].top : QStringLiteral("/");
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    auto add = [this](const QIcon &icon, const QString &text, const QString &folder, int level) {
        auto *item = new QListWidgetItem(icon, QString(level * IndentPerLevel, QLatin1Char(' ')) + text);
        item->setData(Qt::UserRole, folder);
        DirectoryListBox1->addItem(item);
        return item;
    };
    // The chain of folders from the drive down to the one shown, then its subfolders.
    QListWidgetItem *current = add(open, top, path, 0);
    int level = 0;
    const QString rest = m_folder.mid(path.size());
    for (const QString &name : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = QDir(path).filePath(name);
        current = add(open, name, path, ++level);
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const QString &name : std::as_const(subfolders))
        add(closed, name, QDir(m_folder).filePath(name), level + 1);
    DirectoryListBox1->setCurrentItem(current);
}

void TMegnyitForm::DriveComboBox1Change(int index)
{
    if (m_settingDrive || index < 0 || index >= m_drives.size())
        return;
    setFolder(m_drives[index].root);
}

void TMegnyitForm::DirectoryListBox1Change(int row)
{
    const QListWidgetItem *item = DirectoryListBox1->item(row);
    if (!item)
        return;
    const QString folder = item->data(Qt::UserRole).toString();
    if (folder != m_folder)
        setFolder(folder);
}

QString TMegnyitForm::shownPath(const QString &hostFile) const
{
    // A file on the program's drive is named as the program names its files.
    const QString root = QDir::cleanPath(motraRoot());
    if (!isInside(hostFile, root) || hostFile == root)
        return hostFile;
    QString fixed = QStringLiteral("c:\\") + hostFile.mid(root.size() + (root.endsWith(QLatin1Char('/')) ? 0 : 1));
    fixed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return hostPath(fixed) == hostFile ? fixed : hostFile;
}

void TMegnyitForm::FileListBox1Click(int row)
{
    const QString name = m_files->stringList().value(row);
    if (!name.isEmpty()) {
        const QString file = QDir(m_folder).filePath(name);
        showPreview(file, shownPath(file), true);
    }
}

void TMegnyitForm::ListBox1Click(int row) { Label1->setText(QString::number(row)); }

bool TMegnyitForm::showPreview(const QString &hostFile, const QString &shownName, bool withPhoto)
{
    QStringList lines;
    try {
        lines = CaseLoading::readCaseFileText(hostFile, shownName);
    } catch (const MotraError &error) {
        message(error.message());
        return false;
    }
    QStringList shown = lines;
    for (QString &line : shown) {
        if (line.size() > ShownLineLength)
            line = line.left(ShownLineLength) + QChar(0x2026);
    }
    m_lines->setStringList(shown);
    Label1->clear();

    std::array<QVector<int>, 3> values;
    try {
        CaseLoading::requireCaseFileTags(lines, shownName);
        values = ProfilePreview::previewValues(lines, shownName);
    } catch (const MotraError &error) {
        message(error.message()); // the lines are shown; photograph and bars stay
        return false;
    }
    if (withPhoto)
        showPhoto(QFileInfo(hostFile).fileName());
    for (int kind = Parent; kind <= SelfReport; ++kind)
        panel(kind)->showValues(values[kind - 1]);
    return true;
}

void TMegnyitForm::showPhoto(const QString &caseFileName)
{
    QString note;
    const QString photo = FixedPaths::PhotoFolder + QFileInfo(caseFileName).completeBaseName() + QStringLiteral(".jpg");
    if (!QFileInfo(hostPath(FixedPaths::PhotoFolder)).isDir()) {
        note = QStringLiteral("A fényképek mappája (%1) nem található.").arg(FixedPaths::PhotoFolder);
    } else if (QFileInfo(hostPath(photo)).isFile()) {
        const QString problem = loadPicture(photo);
        if (problem.isEmpty()) {
            PhotoNote->clear();
            return;
        }
        note = problem;
    }
    // Without a photograph the picture of the photo program stands in; without that too,
    // the previous picture stays.
    if (QFileInfo(hostPath(FixedPaths::NoPhotoPicture)).isFile()) {
        const QString problem = loadPicture(FixedPaths::NoPhotoPicture);
        if (!problem.isEmpty())
            note = note.isEmpty() ? problem : note + QLatin1Char('\n') + problem;
    }
    PhotoNote->setText(note);
}

QString TMegnyitForm::loadPicture(const QString &fixedPath)
{
    QByteArray bytes;
    try {
        bytes = TextFile::readBytes(hostPath(fixedPath));
        // The stand-in picture belongs to the installation: a copy cut short would show as a
        // partly blank picture, so it is refused with its path as the chart backgrounds are.
        if (fixedPath == FixedPaths::NoPhotoPicture)
            requireWholeBitmap(bytes, fixedPath);
    } catch (const MotraError &error) {
        return error.message();
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    // Decoded straight at the frame's size: stretched as the frame shows it, and a large
    // photograph costs no more than a small one.
    reader.setScaledSize(Image1->size());
    reader.setQuality(49); // the JPEG reader then scales with its fast method: a thumbnail needs no more
    const QImage image = reader.read();
    if (image.isNull())
        return QStringLiteral("A(z) \"%1\" kép nem jeleníthető meg: %2.").arg(fixedPath, reader.errorString());
    Image1->setPixmap(QPixmap::fromImage(image));
    return QString();
}

void TMegnyitForm::BitBtn1Click() { setFolder(hostPath(FixedPaths::ArchiveFolderNoSlash)); }

void TMegnyitForm::BitBtn4Click()
{
    if (!m_recent)
        return;
    m_recent->move(pos() + QPoint(-100, 200));
    ModalSeam::instance().execDialog(m_recent);
}

void TMegnyitForm::HelpClick()
{
    const QString name = QStringLiteral("megnyit.hlp");
    if (windowServices().showHelp)
        windowServices().showHelp(
            QStringLiteral("súgó a megnyitáshozhoz"), FixedPaths::helpFile(name), FixedPaths::notesFile(name), true);
}

void TMegnyitForm::OkClick()
{
    const QString file = selectedFile();
    // A file that could not be opened leaves the dialog up; the walk has said why.
    if (!file.isEmpty() && m_open && !m_open(shownPath(file)))
        return;
    accept();
}
