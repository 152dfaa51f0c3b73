#pragma once

#include <QDialog>
#include <QStringList>
#include <QVector>

#include <functional>

class PreviewPanel;
class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;
class QStringListModel;
class QToolButton;
class TLastEdForm;

// The open examination dialog: drive, folder and file pickers for "*.mtr" files, a preview
// of the chosen file (its lines, the examined person's photograph and the T-score profiles
// of the three questionnaires) and "rendben", which opens it through the opening walk.
class TMegnyitForm : public QDialog
{
    Q_OBJECT
public:
    // A place the drive picker offers: its text and the host folder it stands for.
    struct Drive
    {
        QString label; // as the picker shows it
        QString root; // host folder
        QString top; // the first line of the folder list
    };

    // Lines of ListBox1 are cut to this many characters; the file itself is not changed.
    static constexpr int ShownLineLength = 1000;

    explicit TMegnyitForm(QWidget *parent = nullptr);

    // The opening walk: given the full path of the chosen file, true when it was opened.
    void setOpener(std::function<bool(const QString &file)> open) { m_open = std::move(open); }
    void setRecentWindow(TLastEdForm *recent) { m_recent = recent; }

    // The drive picker's places on this host: the program's drive C:, the host's root
    // folder, the home folder and mounted removable media.
    static QVector<Drive> hostDrives();
    const QVector<Drive> &drives() const { return m_drives; }
    // The folder shown (a host path) and the names in its file list.
    QString folder() const { return m_folder; }
    QStringList fileNames() const;
    // Host path of the file selected in the file list; empty when none is.
    QString selectedFile() const;
    // A host file as messages name it: "c:\..." on the program's drive, else the host path.
    QString shownPath(const QString &hostFile) const;
    // The lines shown in ListBox1.
    QStringList shownLines() const;
    PreviewPanel *panel(int kind) const;

    // Points the pickers at a host folder: the drive that holds it, its folder chain and
    // subfolders, and its "*.mtr" files (any letter case).
    void setFolder(const QString &hostFolder);
    // Shows a file's lines and preview; the photograph too when withPhoto. False (after a
    // message naming the file and the reason) when the preview could not be drawn; what
    // could not be read is then left as it was.
    bool showPreview(const QString &hostFile, const QString &shownName, bool withPhoto);

    QComboBox *DriveComboBox1 = nullptr;
    QListWidget *DirectoryListBox1 = nullptr;
    QListView *FileListBox1 = nullptr;
    QToolButton *BitBtn1 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QListView *ListBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *PhotoNote = nullptr; // why no photograph could be shown
    PreviewPanel *Panel1 = nullptr; // "szülői"
    PreviewPanel *Panel2 = nullptr; // "tanári"
    PreviewPanel *Panel3 = nullptr; // "önértékelő"
    QPushButton *CancelButton = nullptr; // "mégse"
    QPushButton *HelpButton = nullptr; // "&súgó"
    QPushButton *OkButton = nullptr; // "rendben"

public slots:
    void FormActivate();
    void DriveComboBox1Change(int index);
    void DirectoryListBox1Change(int row);
    void FileListBox1Click(int row);
    void ListBox1Click(int row);
    void BitBtn1Click();
    void BitBtn4Click();
    void HelpClick();
    // "rendben" and a double click in the file list.
    void OkClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillDrives();
    // The "*.mtr" files and the subfolders of the folder shown, sorted by name.
    void readFolder(QStringList *files, QStringList *subfolders) const;
    void fillLists();
    void showPhoto(const QString &caseFileName);
    // Shows the picture in Image1; empty, or what kept it from being shown.
    QString loadPicture(const QString &fixedPath);
    void message(const QString &text);

    std::function<bool(const QString &)> m_open;
    TLastEdForm *m_recent = nullptr;
    QVector<Drive> m_drives;
    QString m_folder;
    QStringListModel *m_files = nullptr;
    QStringListModel *m_lines = nullptr;
    bool m_settingDrive = false;
    bool m_pressOnSelected = false; // the last press in the file list hit the selected file

    // The controls, built when the window is first needed (see DeferredBuild).
    void FormCreate();
};
