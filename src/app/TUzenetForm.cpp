#include "app/TUzenetForm.h"

#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>

#include <cmath>

namespace {
QPointer<TUzenetForm> sharedForm;

constexpr int LabelLeft = 56;
constexpr int LabelTop = 24;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;
constexpr int MinimumLabelWidth = 160;
} // namespace

TUzenetForm::TUzenetForm(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TUzenetForm"));
    setWindowTitle(QStringLiteral("MOTRA üzenet"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    // The desktop's icon theme is looked up when first needed, not at start-up.
    DeferredBuild::later(
        this, [this] { Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32)); });
    Image1->setGeometry(12, 16, 32, 32);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(LabelLeft, LabelTop);

    Button1 = new QPushButton(QStringLiteral("rendben"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TUzenetForm::Button1Click);

    sharedForm = this;
    setMessage(QString());
}

TUzenetForm::~TUzenetForm()
{
    if (sharedForm == this)
        sharedForm = nullptr;
}

TUzenetForm *TUzenetForm::shared() { return sharedForm; }

void TUzenetForm::setMessage(const QString &message)
{
    Label1->setText(message);
    FormShow();
}

void TUzenetForm::FormShow()
{
    const QSize text = Label1->sizeHint();
    // A short message still leaves room for the button.
    Label1->resize(std::max(text.width(), MinimumLabelWidth - ButtonWidth), text.height());
    const int width = Label1->width() + ButtonWidth;
    const int buttonTop = LabelTop + Label1->height() + 24;
    setFixedSize(width, buttonTop + ButtonHeight + 12);
    const int left = static_cast<int>(std::nearbyint(width / 2.0)) - ButtonWidth / 2;
    Button1->setGeometry(left, buttonTop, ButtonWidth, ButtonHeight);
}

void TUzenetForm::Button1Click() { accept(); }

void TUzenetForm::showNotice(const QString &message)
{
    setMessage(message);
    ModalSeam::instance().execDialog(this);
}

void TUzenetForm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void ShowNotice(const QString &message)
{
    if (TUzenetForm *form = TUzenetForm::shared()) {
        form->showNotice(message);
        return;
    }
    TUzenetForm form;
    form.showNotice(message);
}
