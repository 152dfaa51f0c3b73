#include "app/TProgHibaForm.h"

#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

static QPointer<TProgHibaForm> sharedForm;

TProgHibaForm::TProgHibaForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TProgHibaForm"));
    setWindowTitle(QStringLiteral("Programinfó!!!"));
    setFixedSize(338, 131);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xF7, 0xDC, 0xA6));
    setPalette(background);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, 322, 80);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The desktop's icon theme is looked up when first needed, not at start-up.
    DeferredBuild::later(
        this, [this] { Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(36, 36)); });
    Image1->setGeometry(10, 20, 40, 40);

    QFont bold(QStringLiteral("MS Sans Serif"), 8);
    bold.setBold(true);
    QLabel **rows[] = {&Sor1, &Sor2, &Sor3};
    for (int i = 0; i < 3; ++i) {
        QLabel *row = new QLabel(QStringLiteral("--"), Panel1);
        row->setObjectName(QStringLiteral("Sor%1").arg(i + 1));
        row->setTextFormat(Qt::PlainText);
        row->setFont(bold);
        row->setGeometry(62, 10 + 22 * i, 252, 18);
        *rows[i] = row;
    }

    OKButton = new QPushButton(QStringLiteral("&rendben"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(129, 96, 80, 26);
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    setFocusProxy(OKButton);
    connect(OKButton, &QPushButton::clicked, this, &TProgHibaForm::OKButtonClick);

    sharedForm = this;
}

TProgHibaForm::~TProgHibaForm()
{
    if (sharedForm == this)
        sharedForm = nullptr;
}

TProgHibaForm *TProgHibaForm::shared() { return sharedForm; }

void TProgHibaForm::OKButtonClick() { accept(); }

void TProgHibaForm::showInfo(const QString &line1, const QString &line2, const QString &line3)
{
    Sor1->setText(line1);
    Sor2->setText(line2);
    Sor3->setText(line3);
    OKButton->setFocus();
    ModalSeam::instance().execDialog(this);
}

void ShowProgramInfo(const QString &line1, const QString &line2, const QString &line3)
{
    if (TProgHibaForm *form = TProgHibaForm::shared()) {
        form->showInfo(line1, line2, line3);
        return;
    }
    TProgHibaForm form;
    form.showInfo(line1, line2, line3);
}
