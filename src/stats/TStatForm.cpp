#include "stats/TStatForm.h"

#include "app/TProgHibaForm.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/Questionnaire.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "stats/FlashPanel.h"
#include "stats/StatisticsFiles.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>

namespace {
const QString CodeAlreadyThere = QStringLiteral("Ebben a fájlban már szerepel az aktuális KÓD, nem csatolható!!!");

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent, int left, int top)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, 90, 27);
    button->setAutoDefault(false);
    return button;
}
} // namespace

TStatForm::TStatForm(CaseRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("TStatForm"));
    setWindowTitle(QStringLiteral("Eredmények előkészítése statisztikai feldolgozásra"));
    DeferredBuild::later(this, [this] { buildControls(); });
}

void TStatForm::buildControls()
{
    Label1 = new QLabel(QStringLiteral("Az aktuális MOTRA kérdőív eredményeit csatolhatja . . ."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 420, 20);

    RadioButton1 = new QRadioButton(QStringLiteral(". . . létező fájlhoz"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(24, 36, 190, 22);
    RadioButton2 = new QRadioButton(QStringLiteral(". . . vagy új fájlt létesíthet"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(220, 36, 210, 22);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(12, 64, 420, 160);
    FileListBox1->hide();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(12, 64, 420, 80);
    Label2 = new QLabel(QStringLiteral("neve (kiterjesztés nélkül):"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(10, 8, 300, 20);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(StatisticsNameMaxLength);
    Edit1->setGeometry(10, 34, 130, 24);
    Label3 = new QLabel(Panel1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setGeometry(146, 36, 80, 20);
    Panel1->hide();

    Panel3 = new FlashPanel(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(12, 230, 420, 44);
    Timer1 = Panel3->timer();
    Timer1->setObjectName(QStringLiteral("Timer1"));

    BitBtn1 = makeButton(QStringLiteral("&csatol"), "BitBtn1", this, 12, 284);
    BitBtn3 = makeButton(QStringLiteral("&mégse"), "BitBtn3", this, 112, 284);
    BitBtn2 = makeButton(QStringLiteral("&súgó"), "BitBtn2", this, 342, 284);
    BitBtn1->setEnabled(false);

    // The window keeps the size it was made with.
    setFixedSize(444, 322);

    connect(RadioButton1, &QRadioButton::clicked, this, &TStatForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TStatForm::RadioButton2Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TStatForm::Edit1Change);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TStatForm::FileListBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TStatForm::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &TStatForm::BitBtn2Click);

    refreshFileList();
}

void TStatForm::setFileMask(const QString &mask)
{
    DeferredBuild::runPendingOf(this);
    m_mask = mask;
    refreshFileList();
}

void TStatForm::refreshFileList()
{
    const QString selected = chosenFile();
    FileListBox1->clear();
    FileListBox1->addItems(statisticsFiles(m_mask));
    const auto again = FileListBox1->findItems(selected, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (!selected.isEmpty() && !again.isEmpty())
        FileListBox1->setCurrentItem(again.first());
}

void TStatForm::FormActivate()
{
    m_extension = statisticsExtension(isValidKind(m_record.CurrentKind) ? m_record.CurrentKind : Parent);
    Label3->setText(m_extension);
    Edit1->clear();
    for (QRadioButton *radio : {RadioButton1, RadioButton2}) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
    FileListBox1->hide();
    Panel1->hide();
    refreshFileList();
    // Until the user picks one of the two ways there is nothing to attach to.
    BitBtn1->setEnabled(false);
}

void TStatForm::RadioButton1Click()
{
    RadioButton1->setChecked(true);
    Panel1->hide();
    FileListBox1->show();
    checkChosenFile();
}

void TStatForm::RadioButton2Click()
{
    RadioButton2->setChecked(true);
    FileListBox1->hide();
    Panel1->show();
    Edit1->setFocus();
    checkNewName();
}

void TStatForm::Edit1Change()
{
    if (m_fixingName)
        return;
    const QString typed = Edit1->text();
    QString kept;
    for (const QChar c : typed)
        if (isStatisticsNameCharacter(c))
            kept += c;
    if (kept != typed) {
        // Pasted text may carry several wrong characters at once: all of them go.
        ShowProgramInfo(QStringLiteral("A fájlnévhez használható karakterek:"),
            QStringLiteral("az angol ABC betűi, számjegyek,"), QStringLiteral("valamint a kötőjel és az aláhúzásjel"));
        m_fixingName = true;
        Edit1->setText(kept);
        Edit1->setCursorPosition(kept.size());
        m_fixingName = false;
    }
    checkNewName();
}

bool TStatForm::nameIsListed(const QString &fileName) const
{
    for (int i = 0; i < FileListBox1->count(); ++i)
        if (FileListBox1->item(i)->text().compare(fileName, Qt::CaseInsensitive) == 0)
            return true;
    // The list may be older than the folder, and its mask may differ from the extension.
    return statisticsFileExists(fileName);
}

void TStatForm::checkNewName()
{
    if (!RadioButton2->isChecked()) {
        if (!RadioButton1->isChecked())
            BitBtn1->setEnabled(false);
        return;
    }
    const QString name = Edit1->text();
    BitBtn1->setEnabled(!name.isEmpty() && !nameIsListed(name + m_extension));
}

QString TStatForm::chosenFile() const
{
    const QListWidgetItem *item = FileListBox1->currentItem();
    return item ? item->text() : QString();
}

void TStatForm::checkChosenFile()
{
    const QString name = chosenFile();
    if (!RadioButton1->isChecked() || name.isEmpty()) {
        BitBtn1->setEnabled(false);
        return;
    }
    try {
        if (CodeInStatisticsFile(m_record.Personal.ChildCode, hostPath(statisticsFile(name)))) {
            BitBtn1->setEnabled(false);
            ShowFlashWarning(CodeAlreadyThere);
        } else {
            BitBtn1->setEnabled(true);
        }
    } catch (const MotraError &error) {
        BitBtn1->setEnabled(false);
        report(error);
    }
}

void TStatForm::FileListBox1Click() { checkChosenFile(); }

void TStatForm::BitBtn1Click()
{
    try {
        if (RadioButton1->isChecked()) {
            const QString name = chosenFile();
            if (name.isEmpty())
                return;
            if (!attachToStatisticsFile(m_record, name)) {
                BitBtn1->setEnabled(false);
                ShowFlashWarning(CodeAlreadyThere);
                return;
            }
        } else if (RadioButton2->isChecked()) {
            const QString name = Edit1->text();
            if (!isValidStatisticsName(name) || nameIsListed(name + m_extension)) {
                BitBtn1->setEnabled(false);
                return;
            }
            createStatisticsFile(m_record, name);
        } else {
            return;
        }
    } catch (const MotraError &error) {
        report(error);
        return;
    }
    refreshFileList();
    accept();
}

void TStatForm::report(const MotraError &error) { ModalSeam::instance().showMessage(this, error.message()); }

void TStatForm::BitBtn2Click()
{
    if (windowServices().showHelp)
        windowServices().showHelp(QStringLiteral("súgó a statisztikához"),
            FixedPaths::helpFile(QStringLiteral("stat.hlp")), FixedPaths::notesFile(QStringLiteral("stat.hlp")), false);
}

void TStatForm::Timer1Timer() { Panel3->Timer1Timer(); }

void TStatForm::ShowFlashWarning(const QString &message) { Panel3->ShowFlashWarning(message); }

void TStatForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}
