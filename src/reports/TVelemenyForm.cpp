#include "reports/TVelemenyForm.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/MotraError.h"
#include "reports/MemoLines.h"
#include "reports/OpinionFile.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVelemenyForm::TVelemenyForm(CaseRecord &record, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_record(record)
{
    setObjectName(QStringLiteral("TVelemenyForm"));
    setWindowTitle(QStringLiteral("MOTRA: a vizsgálatvezető összefoglaló véleménye"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    BitBtn1 = new QPushButton(QStringLiteral("&súgó"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(QStringLiteral("rendben"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    auto *buttons = new QHBoxLayout(Panel1);
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel1);
    resize(560, 380);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TVelemenyForm::Memo1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TVelemenyForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TVelemenyForm::BitBtn2Click);
    loadFromRecord();
}

void TVelemenyForm::loadFromRecord()
{
    m_loading = true;
    setMemoLines(Memo1, m_record.Opinion);
    m_loading = false;
}

void TVelemenyForm::Memo1Change()
{
    // The memo is the editor; the record follows it so reports and the case file see
    // what is on the screen.
    if (!m_loading)
        m_record.Opinion = memoLines(Memo1);
}

bool TVelemenyForm::FormClose()
{
    m_record.Opinion = memoLines(Memo1);
    try {
        writeOpinionFile(m_record);
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
        return false;
    }
    if (windowServices().markPartDone)
        windowServices().markPartDone(ExamPart::Opinion);
    return true;
}

void TVelemenyForm::BitBtn1Click()
{
    // The opinion topic keeps its own notes file, like every other topic.
    if (windowServices().showHelp)
        windowServices().showHelp(QStringLiteral("Súgó: MOTRA vélemény megírása"),
            FixedPaths::helpFile(QStringLiteral("velem.txt")), FixedPaths::notesFile(QStringLiteral("velem.txt")),
            true);
}

void TVelemenyForm::BitBtn2Click() { accept(); }

void TVelemenyForm::reject() { }

void TVelemenyForm::done(int result)
{
    // The window closes even when the text file cannot be written: it has no other way
    // out, and the opinion itself stays in the record and the memo.
    FormClose();
    QDialog::done(result);
}
