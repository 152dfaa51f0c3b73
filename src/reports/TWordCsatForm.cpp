#include "reports/TWordCsatForm.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "reports/MemoLines.h"
#include "reports/WordReport.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

TWordCsatForm::TWordCsatForm(CaseRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("TWordCsatForm"));
    setWindowTitle(QStringLiteral("MOTRA jkv. szerkesztése WINWORD-del"));
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TWordCsatForm::FormCreate()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    auto addMenu = [this](const char *name, const QString &title) {
        QMenu *menu = MainMenu1->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    Fjl1 = addMenu("Fjl1", QStringLiteral("&Fájl"));
    Szerkeszts1 = addMenu("Szerkeszts1", QStringLiteral("S&zerkesztés"));
    Nzet1 = addMenu("Nzet1", QStringLiteral("&Nézet"));
    Beszrs1 = addMenu("Beszrs1", QStringLiteral("&Beszúrás"));
    Formtum1 = addMenu("Formtum1", QStringLiteral("Formá&tum"));
    // Only the link command of the imitation is live; the rest shows where things are.
    for (int i = 0; i < 5; ++i) {
        if (i == 3) {
            Csatolsok1 = Szerkeszts1->addAction(QStringLiteral("&Csatolások . . ."));
            Csatolsok1->setObjectName(QStringLiteral("Csatolsok1"));
        } else {
            Szerkeszts1->addAction(QStringLiteral("..."))->setEnabled(false);
        }
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(64, 64));
    Label1 = new QLabel(QStringLiteral("Teendők a WORD-del"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    BitBtn1 = new QPushButton(QStringLiteral("indulhat a WORD"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("mégse"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Label1, 1, Qt::AlignVCenter);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu1);
    layout->addLayout(top);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(600, 420);

    connect(BitBtn1, &QPushButton::clicked, this, &TWordCsatForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TWordCsatForm::BitBtn2Click);
    connect(Csatolsok1, &QAction::triggered, this, &TWordCsatForm::Csatolsok1Click);
}

void TWordCsatForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TWordCsatForm::FormActivate()
{
    Memo1->clear();
    try {
        setMemoLines(Memo1, TextFile::readLines(hostPath(FixedPaths::HelpWord1)));
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
    }
}

void TWordCsatForm::BitBtn1Click()
{
    Edit1->setText(WordReport::documentName(m_record.Personal.ChildCode));
    Edit1->selectAll();
    Edit1->copy();
    // Whether the desktop found a word processor is not known here; the window closes anyway.
    ModalSeam::instance().openDocument(hostPath(FixedPaths::WordTemplate));
    accept();
}

void TWordCsatForm::BitBtn2Click() { reject(); }

void TWordCsatForm::Csatolsok1Click()
{
    if (m_linkDialog)
        ModalSeam::instance().execDialog(m_linkDialog);
}
