#include "app/THelpForm.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "reports/MemoLines.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSplitter>
#include <QWindow>

static QPointer<THelpForm> sharedForm;

const QString THelpForm::NotesPlaceholder
    = QStringLiteral("Ide írhatja saját észrevételeit az adott témáról. A program fájlba írja azt és úgy vigyáz rá, "
                     "hogy még egy újratelepítés után is megőrzi azt. Mielőtt elkezdene írni, ezt a szöveget törölje!");

THelpForm::THelpForm(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(QStringLiteral("MOTRA súgó"));
    resize(556, 236);
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void THelpForm::FormCreate()
{
    QFont paneFont(QStringLiteral("MS Sans Serif"), 8);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(10);
    Splitter1->setChildrenCollapsible(false);

    Panel1 = new QFrame(Splitter1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Memo2 = new QPlainTextEdit(Panel1);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setFont(paneFont);
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(Memo2);

    Memo1 = new QPlainTextEdit(Splitter1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(paneFont);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette helpColours = Memo1->palette();
    helpColours.setColor(QPalette::Base, QColor(0xEE, 0xE1, 0xC8));
    helpColours.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(helpColours);

    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Memo1);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({185, 556 - 185 - 10});

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &THelpForm::Memo1Change);
    connect(Memo2, &QPlainTextEdit::textChanged, this, &THelpForm::Memo2Change);

    sharedForm = this;
}

THelpForm::~THelpForm()
{
    if (sharedForm == this)
        sharedForm = nullptr;
}

THelpForm *THelpForm::shared() { return sharedForm; }

void THelpForm::FormActivate()
{
    Memo1->clear();
    Memo2->clear();
    // A help or notes file that cannot be read counts as missing: help is a courtesy,
    // not something to stop the user over.
    try {
        const QString help = hostPath(HelpFilePath);
        if (!HelpFilePath.isEmpty() && QFileInfo(help).isFile())
            setMemoLines(Memo1, TextFile::readLines(help));
    } catch (const MotraError &) { }
    bool notesLoaded = false;
    try {
        const QString notes = hostPath(NotesFilePath);
        if (!NotesFilePath.isEmpty() && QFileInfo(notes).isFile()) {
            setMemoLines(Memo2, TextFile::readLines(notes));
            notesLoaded = true;
        }
    } catch (const MotraError &) { }
    if (!notesLoaded)
        setMemoLines(Memo2, {NotesPlaceholder});
    HelpChanged = false;
    NotesChanged = false;
}

void THelpForm::Memo1Change() { HelpChanged = true; }

void THelpForm::Memo2Change() { NotesChanged = true; }

bool THelpForm::FormClose()
{
    QString failedPath;
    try {
        if (HelpChanged) {
            failedPath = HelpFilePath;
            if (HelpFilePath.isEmpty())
                throw MotraError(QStringLiteral("A súgónak nincs fájlja, a szöveg nem menthető."));
            TextFile::writeLines(hostPath(HelpFilePath), memoLines(Memo1));
            HelpChanged = false;
        }
        if (NotesChanged) {
            failedPath = NotesFilePath;
            if (NotesFilePath.isEmpty())
                throw MotraError(QStringLiteral("A jegyzetnek nincs fájlja, a szöveg nem menthető."));
            TextFile::writeLines(hostPath(NotesFilePath), memoLines(Memo2));
            NotesChanged = false;
        }
    } catch (const MotraError &error) {
        m_keepTextOnActivate = true;
        ModalSeam::instance().showMessage(this, error.message());
        return false;
    }
    return true;
}

void THelpForm::done(int result)
{
    if (!FormClose())
        return;
    QDialog::done(result);
}

bool THelpForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (m_keepTextOnActivate)
            m_keepTextOnActivate = false;
        else
            FormActivate();
    }
    return QDialog::event(event);
}

void THelpForm::showTopic(const QString &caption, const QString &helpFile, const QString &notesFile, bool modal)
{
    DeferredBuild::runPendingOf(this);
    // A topic change while the viewer is open keeps what was typed in the old topic.
    if (isVisible() && !FormClose())
        return;
    setWindowTitle(caption);
    HelpFilePath = helpFile;
    NotesFilePath = notesFile.isEmpty() ? FixedPaths::notesFile(helpFile.section(QLatin1Char('\\'), -1)) : notesFile;
    m_keepTextOnActivate = false;
    if (modal) {
        ModalSeam::instance().execDialog(this);
        return;
    }
    if (isVisible()) {
        // Already open without modality: show the new topic at once.
        FormActivate();
    } else {
        // Shown from a modal dialog, the viewer must belong to it to be usable.
        winId();
        if (QWidget *modalWidget = QApplication::activeModalWidget(); modalWidget && modalWidget != this)
            if (QWindow *owner = modalWidget->windowHandle())
                windowHandle()->setTransientParent(owner);
    }
    show();
    raise();
    activateWindow();
}

void ShowHelp(const QString &caption, const QString &helpFile, const QString &notesFile, bool modal)
{
    THelpForm *form = THelpForm::shared();
    if (!form) {
        // Normally created at start-up; made here once otherwise and kept for the run.
        form = new THelpForm;
    }
    form->showTopic(caption, helpFile, notesFile, modal);
}
