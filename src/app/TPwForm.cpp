#include "app/TPwForm.h"

#include "case/MotraError.h"
#include "case/PasswordFile.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/PasswordField.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QLineEdit *passwordField(const char *name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    makePasswordField(field);
    field->setMaxLength(32);
    return field;
}

QWidget *resultPage(const char *name, const QString &text, const char *buttonName, QPushButton **button)
{
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto *label = new QLabel(text, page);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    label->setFont(bold);
    label->setAlignment(Qt::AlignCenter);
    *button = new QPushButton(QStringLiteral("rendben"), page);
    (*button)->setObjectName(QLatin1String(buttonName));
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(*button, 0, Qt::AlignHCenter);
    return page;
}
} // namespace

TPwForm::TPwForm(QString &programPassword, QWidget *parent) : QDialog(parent), m_programPassword(programPassword)
{
    setObjectName(QStringLiteral("TPwForm"));
    setWindowTitle(QStringLiteral("program-jelszó változtatás"));
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TPwForm::FormCreate()
{
    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Label1 = new QLabel(QStringLiteral("Csak számokat használhat jelszóként (legalább 6, max. 9 szám)"), TabSheet1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Edit1 = passwordField("Edit1", TabSheet1);
    Edit2 = passwordField("Edit2", TabSheet1);
    Edit3 = passwordField("Edit3", TabSheet1);
    KeszButton = new QPushButton(QStringLiteral("kész"), TabSheet1);
    KeszButton->setObjectName(QStringLiteral("KeszButton"));
    KeszButton->setDefault(true);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("írja be a régi jelszót . . ."), Edit1);
    fields->addRow(QStringLiteral(". . . az újat . . ."), Edit2);
    fields->addRow(QStringLiteral(". . . majd erősítse meg azt:"), Edit3);
    auto *entry = new QVBoxLayout(TabSheet1);
    entry->addWidget(Label1);
    entry->addLayout(fields);
    entry->addWidget(KeszButton, 0, Qt::AlignHCenter);

    TabSheet2 = resultPage(
        "TabSheet2", QStringLiteral("A jelszóváltozás érvénybe lépett"), "RendbenButton1", &RendbenButton1);
    TabSheet3
        = resultPage("TabSheet3", QStringLiteral("A jelszóváltozás érvénytelen!!!"), "RendbenButton2", &RendbenButton2);

    PageControl1->addWidget(TabSheet1);
    PageControl1->addWidget(TabSheet2);
    PageControl1->addWidget(TabSheet3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    setFixedSize(380, 200);

    connect(Edit1, &QLineEdit::textChanged, this, &TPwForm::Edit1Change);
    connect(KeszButton, &QPushButton::clicked, this, &TPwForm::KeszButtonClick);
    connect(RendbenButton1, &QPushButton::clicked, this, &TPwForm::RendbenButtonClick);
    connect(RendbenButton2, &QPushButton::clicked, this, &TPwForm::RendbenButtonClick);
    Edit1Change();
}

void TPwForm::FormShow()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    PageControl1->setCurrentWidget(TabSheet1);
    Edit1->setFocus();
    try {
        readProgramPassword();
        m_fileUsable = true;
    } catch (const MotraError &error) {
        m_fileUsable = false;
        ModalSeam::instance().showMessage(this, error.message());
    }
}

void TPwForm::Edit1Change() { KeszButton->setEnabled(!Edit1->text().isEmpty()); }

void TPwForm::KeszButtonClick()
{
    const QString newPassword = Edit2->text();
    bool changed = false;
    if (isValidPasswordChange(m_programPassword, Edit1->text(), newPassword, Edit3->text())) {
        try {
            // Stored first: the running program takes the new password only once the
            // file holds it, so the next start asks for the same one.
            storeProgramPassword(newPassword);
            m_programPassword = newPassword;
            changed = true;
        } catch (const MotraError &error) {
            ModalSeam::instance().showMessage(this, error.message());
        }
    }
    PageControl1->setCurrentWidget(changed ? TabSheet2 : TabSheet3);
}

void TPwForm::RendbenButtonClick() { accept(); }

void TPwForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
