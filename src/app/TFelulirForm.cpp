#include "app/TFelulirForm.h"

#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

TFelulirForm::TFelulirForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TFelulirForm"));
    setWindowTitle(QStringLiteral("Fontos figyelmeztetés !"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    // The desktop's icon theme is looked up when first needed, not at start-up.
    DeferredBuild::later(
        this, [this] { Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32)); });

    Label1 = new QLabel(QStringLiteral("Ön felülírja a következő fájlt:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    // Plain text and no buddy: an "&" in a file name is shown, not taken as a mnemonic.
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);

    BitBtn1 = new QPushButton(QStringLiteral("Mégse"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Igen, felülírom"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &TFelulirForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFelulirForm::BitBtn2Click);

    auto *texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(Label2);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFelulirForm::FormShow() { Confirmed = false; }

void TFelulirForm::BitBtn1Click()
{
    if (onCancel)
        onCancel();
    reject();
}

void TFelulirForm::BitBtn2Click()
{
    Confirmed = true;
    accept();
}

bool TFelulirForm::confirmOverwrite(const QString &fileName)
{
    Label2->setText(fileName);
    FormShow();
    ModalSeam::instance().execDialog(this);
    return Confirmed;
}

void TFelulirForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
