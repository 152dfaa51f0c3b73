#include "reports/TCsatDiagForm.h"

#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "reports/MemoLines.h"
#include "reports/WordReport.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

// Fixed pitch, so that the type column lines up under "Típus". The desktop's monospace
// choice is not always strictly fixed (some fonts carry double-width glyphs).
static QFont fixedPitchFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const char *family : {"DejaVu Sans Mono", "Liberation Mono", "Courier New"}) {
        if (QFontInfo(font).fixedPitch())
            break;
        font.setFamily(QLatin1String(family));
    }
    return font;
}

TCsatDiagForm::TCsatDiagForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCsatDiagForm"));
    setWindowTitle(QStringLiteral("Csatolások"));
    DeferredBuild::later(this, [this] { FormCreate(); });
}

void TCsatDiagForm::FormCreate()
{
    Label1 = new QLabel(QStringLiteral("Forrásfájl"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Típus"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(fixedPitchFont());
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->addItems(WordReport::linkListLines());

    auto button = [this](const char *name, const QString &caption, bool enabled) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setEnabled(enabled);
        return b;
    };
    // Only refreshing is taught here; the other buttons of the real dialog stay greyed.
    Button1 = button("Button1", QStringLiteral("OK"), false);
    Button2 = button("Button2", QStringLiteral("mégse"), false);
    Button3 = button("Button3", QStringLiteral("F&rissítés"), true);
    Button4 = button("Button4", QStringLiteral("Megnyitás"), false);
    Button5 = button("Button5", QStringLiteral("Forrásváltás"), false);
    Button6 = button("Button6", QStringLiteral("Leválasztás"), false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));

    // The type column starts where the list lines put the type: after 27 characters.
    const int typeColumn = QFontMetrics(ListBox1->font()).horizontalAdvance(QString(27, QLatin1Char(' ')));
    auto *header = new QHBoxLayout;
    header->addWidget(Label1);
    header->addSpacing(qMax(0, typeColumn - Label1->sizeHint().width()));
    header->addWidget(Label2);
    header->addStretch();
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {Button1, Button2, Button3, Button4, Button5, Button6})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *grid = new QGridLayout(this);
    grid->addLayout(header, 0, 0);
    grid->addWidget(ListBox1, 1, 0);
    grid->addLayout(buttons, 0, 1, 2, 1);
    grid->addWidget(Memo1, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    resize(620, 440);

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TCsatDiagForm::Memo1Change);
    connect(Button3, &QPushButton::clicked, this, &TCsatDiagForm::Button3Click);
}

void TCsatDiagForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TCsatDiagForm::FormActivate()
{
    m_saveFailureShown = false;
    m_loading = true;
    Memo1->clear();
    try {
        setMemoLines(Memo1, TextFile::readLines(hostPath(FixedPaths::HelpCsat)));
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
    }
    m_loading = false;
    ListBox1->clearSelection();
    ListBox1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void TCsatDiagForm::Memo1Change()
{
    // Every edit of the user's is written; loading the instructions is none (writing then
    // would replace the notes kept in csat.txt with the instructions at each showing).
    if (m_loading)
        return;
    try {
        TextFile::writeLines(hostPath(FixedPaths::CsatText), memoLines(Memo1));
    } catch (const MotraError &error) {
        // Said once per showing: the file is written at every keystroke.
        if (!m_saveFailureShown) {
            m_saveFailureShown = true;
            ModalSeam::instance().showMessage(this, error.message());
        }
    }
}

void TCsatDiagForm::Button3Click()
{
    if (m_closingNote && ModalSeam::instance().execDialog(m_closingNote) == QDialog::Accepted)
        accept();
}
