#include "reports/TEzAzForm.h"

#include "ui/DeferredBuild.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TEzAzForm::TEzAzForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TEzAzForm"));
    setWindowTitle(QStringLiteral("Ez aaaz..."));

    // The note's four lines, as the program has always said them.
    const QString lines[4] = {QStringLiteral("Ugyanezzel a néhány egérkattintással"),
        QStringLiteral("frissítheti fel Word dokumrntumában"), QStringLiteral("a csatolt fájlokat."),
        QStringLiteral("Zárja be ezt az ablakot és indulhat a WORD.")};
    QLabel **labels[4] = {&Label1, &Label2, &Label3, &Label4};
    auto *text = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        *labels[i] = new QLabel(lines[i], this);
        (*labels[i])->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        (*labels[i])->setTextFormat(Qt::PlainText);
        text->addWidget(*labels[i]);
    }
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    // The desktop's icon theme is looked up when first needed, not at start-up.
    DeferredBuild::later(
        this, [this] { Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48)); });
    BitBtn1 = new QPushButton(QStringLiteral("rendben"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(Image1, 0, 0, Qt::AlignTop);
    grid->addLayout(text, 0, 1);
    grid->addWidget(BitBtn1, 1, 0, 1, 2, Qt::AlignHCenter);

    connect(BitBtn1, &QPushButton::clicked, this, &TEzAzForm::BitBtn1Click);
}

void TEzAzForm::BitBtn1Click() { accept(); }
