#include "app/TSzemAdForm.h"

#include "app/ListComboBox.h"
#include "app/TMainForm.h"
#include "app/TVV_lista.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/WindowServices.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("MOTRA személyi adatok");
const QString OverwritePrefix = QStringLiteral("felülírásra kerül: ");
constexpr int ShapeSize = 20;

QGroupBox *frame(const QString &title, QWidget *content, QWidget *extra = nullptr)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(content, 1);
    if (extra)
        layout->addWidget(extra);
    return box;
}

QToolButton *speedButton(const char *name, QStyle::StandardPixmap icon, const QString &hint, QWidget *owner)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setIcon(owner->style()->standardIcon(icon));
    button->setToolTip(hint);
    return button;
}

} // namespace

TSzemAdForm::TSzemAdForm(CaseRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("TSzemAdForm"));
    setWindowTitle(Caption);
    setModal(true);
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TSzemAdForm::FormCreate()
{
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Shape1 = new QLabel;
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(ShapeSize, ShapeSize);
    Shape1->hide();
    RadioButton1 = new QRadioButton(QStringLiteral("fiú"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("lány"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton1->setChecked(true);
    LMDSpinEdit1 = new QSpinBox;
    LMDSpinEdit1->setObjectName(QStringLiteral("LMDSpinEdit1"));
    LMDSpinEdit1->setRange(MinAge, MaxAge);
    Edit3 = new QLineEdit;
    Edit3->setObjectName(QStringLiteral("Edit3"));
    SpeedButton1 = speedButton("SpeedButton1", QStyle::SP_FileDialogContentsView, QString(), this);
    ComboBox2 = new ListComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    SpeedButton3 = speedButton(
        "SpeedButton3", QStyle::SP_FileDialogListView, QStringLiteral("a vizsgálatvezetők listája"), this);
    ComboBox1 = new ListComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    SpeedButton2
        = speedButton("SpeedButton2", QStyle::SP_FileDialogListView, QStringLiteral("a vizsgálati okok listája"), this);
    OkButton = new QPushButton(QStringLiteral("rendben"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    HelpButton = new QPushButton(QStringLiteral("súgó"));
    HelpButton->setObjectName(QStringLiteral("HelpButton"));

    auto *sex = new QWidget;
    auto *sexLayout = new QHBoxLayout(sex);
    sexLayout->setContentsMargins(0, 0, 0, 0);
    sexLayout->addWidget(RadioButton1);
    sexLayout->addWidget(RadioButton2);

    auto *grid = new QGridLayout;
    grid->addWidget(frame(QStringLiteral(" A VSZ. neve vagy jeligéje "), Edit1), 0, 0, 1, 2);
    grid->addWidget(frame(QStringLiteral(" a VSZ. kódja "), Edit2, Shape1), 1, 0);
    grid->addWidget(frame(QStringLiteral(" neme "), sex), 1, 1);
    grid->addWidget(frame(QStringLiteral(" életkora "), LMDSpinEdit1), 2, 0);
    grid->addWidget(frame(QStringLiteral(" a vizg. időpontja "), Edit3, SpeedButton1), 2, 1);
    grid->addWidget(frame(QStringLiteral("a vizsgálat vezetője"), ComboBox2, SpeedButton3), 3, 0, 1, 2);
    grid->addWidget(frame(QStringLiteral("a vizsgálat oka"), ComboBox1, SpeedButton2), 4, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(HelpButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TSzemAdForm::Timer1Timer);
    Timer1->start();
    drawShape();

    // Typed letters of the code become capitals.
    connect(Edit2, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = Edit2->cursorPosition();
            Edit2->setText(upper);
            Edit2->setCursorPosition(cursor);
        }
    });
    connect(Edit2, &QLineEdit::textChanged, this, &TSzemAdForm::Edit2Change);
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &text) { m_record.Personal.ChildName = text; });
    connect(Edit3, &QLineEdit::textChanged, this, [this](const QString &text) { m_record.Personal.ExamDate = text; });
    connect(ComboBox2, &QComboBox::currentTextChanged, this,
        [this](const QString &text) { m_record.Personal.Examiner = text; });
    connect(ComboBox1, &QComboBox::currentTextChanged, this,
        [this](const QString &text) { m_record.Personal.ExamReason = text; });
    connect(LMDSpinEdit1, &QSpinBox::valueChanged, this, [this](int age) {
        if (!m_filling)
            m_record.Personal.Age = age;
    });
    ComboBox2->setBeforePopup([this] { ComboBox2DropDown(); });
    ComboBox1->setBeforePopup([this] { ComboBox1DropDown(); });
    connect(SpeedButton1, &QToolButton::clicked, this, &TSzemAdForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TSzemAdForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TSzemAdForm::SpeedButton3Click);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpButton, &QPushButton::clicked, this, &TSzemAdForm::HelpClick);

    resetToDefaults();
}

void TSzemAdForm::resetToDefaults() { m_record.Personal.resetToDefaults(); }

bool TSzemAdForm::overwriteWarningOn() const { return !Shape1->isHidden(); }

void TSzemAdForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TSzemAdForm::FormActivate()
{
    const PersonalData p = m_record.Personal; // the field handlers write back as we fill
    m_filling = true;
    Edit1->setText(p.ChildName);
    Edit2->setText(p.ChildCode);
    LMDSpinEdit1->setValue(p.Age);
    Edit3->setText(p.ExamDate);
    ComboBox1->setEditText(p.ExamReason);
    ComboBox2->setEditText(p.Examiner);
    (p.IsBoy ? RadioButton1 : RadioButton2)->setChecked(true);
    m_filling = false;
    m_record.Personal = p;

    m_archive = ArchivedCodes::scan();
    setWindowTitle(Caption);
    Shape1->hide();
}

void TSzemAdForm::Edit2Change(const QString &)
{
    // The field itself, not the signal's copy: the capitals of a keystroke may arrive
    // before the keystroke's own change notice.
    const QString text = Edit2->text();
    const bool wasOn = overwriteWarningOn();
    Shape1->hide();
    // The warning is about the file that saving will write, which a code with a slash
    // shares with the same code written with an underscore.
    if (m_archive.wouldOverwrite(text, Edit1->text())) {
        Shape1->show();
        setWindowTitle(OverwritePrefix + text);
        m_captionShown = true;
    } else if (wasOn) {
        // No stale warning left in the caption once the code is safe again.
        setWindowTitle(Caption);
    }
    m_record.Personal.ChildCode = text;
}

void TSzemAdForm::drawShape()
{
    QPixmap pix(ShapeSize, ShapeSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    if (m_shapeCircle) {
        p.setBrush(QColor(0, 170, 0));
        p.drawEllipse(1, 1, ShapeSize - 2, ShapeSize - 2);
    } else {
        p.setBrush(Qt::yellow);
        p.drawRect(1, 1, ShapeSize - 2, ShapeSize - 2);
    }
    p.end();
    Shape1->setPixmap(pix);
}

void TSzemAdForm::Timer1Timer()
{
    m_shapeCircle = !m_shapeCircle;
    drawShape();
    if (overwriteWarningOn() && !m_shapeCircle) {
        m_captionShown = !m_captionShown;
        setWindowTitle(m_captionShown ? OverwritePrefix + Edit2->text() : QString());
    }
}

void TSzemAdForm::loadList(ListComboBox *box, const QString &fixedPath)
{
    QStringList entries;
    try {
        entries = ListFiles::readList(fixedPath);
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
        return;
    }
    const QString text = box->currentText();
    box->clear();
    box->addItems(entries);
    box->setEditText(text);
}

void TSzemAdForm::ComboBox2DropDown() { loadList(ComboBox2, FixedPaths::ExaminerList); }

void TSzemAdForm::ComboBox1DropDown() { loadList(ComboBox1, FixedPaths::ReasonList); }

void TSzemAdForm::SpeedButton1Click()
{
    if (!m_pickDate)
        return;
    if (const std::optional<QString> date = m_pickDate())
        Edit3->setText(*date);
}

void TSzemAdForm::SpeedButton3Click()
{
    if (!m_listEditor)
        return;
    m_listEditor->openFor(TVV_lista::Mode::Examiners);
    ModalSeam::instance().execDialog(m_listEditor);
}

void TSzemAdForm::SpeedButton2Click()
{
    if (!m_listEditor)
        return;
    m_listEditor->openFor(TVV_lista::Mode::Reasons);
    ModalSeam::instance().execDialog(m_listEditor);
}

void TSzemAdForm::HelpClick()
{
    const QString name = QStringLiteral("SzemAd.hlp");
    if (windowServices().showHelp)
        windowServices().showHelp(QStringLiteral("súgó a MOTRA személyi adatokhoz"), FixedPaths::helpFile(name),
            FixedPaths::notesFile(name), true);
}

void TSzemAdForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TSzemAdForm::FormClose()
{
    PersonalData &p = m_record.Personal;
    p.ChildCode = Edit2->text();
    p.ChildName = Edit1->text();
    p.Age = LMDSpinEdit1->value();
    p.IsBoy = RadioButton1->isChecked();
    p.ExamDate = Edit3->text();
    p.Examiner = ComboBox2->currentText();
    p.ExamReason = ComboBox1->currentText();
    m_record.copyPersonalDataToAnswerSets();

    try {
        ListFiles::writePersonalSummary(p);
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
    }
    if (m_mainForm)
        m_mainForm->personalDataClosed();
}
