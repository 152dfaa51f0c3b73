#include "app/TVV_lista.h"

#include "case/FixedPaths.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TVV_lista::TVV_lista(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVV_lista"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1 = new QPushButton(QStringLiteral("Kész"));
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    connect(Button1, &QPushButton::clicked, this, &TVV_lista::Button1Click);
    resize(360, 300);
    // Reading the list file waits until the window is first needed.
    DeferredBuild::later(this, [this] { openFor(Mode::Examiners); });
}

QString TVV_lista::listFile() const
{
    return m_mode == Mode::Examiners ? FixedPaths::ExaminerList : FixedPaths::ReasonList;
}

void TVV_lista::openFor(Mode mode)
{
    m_mode = mode;
    setWindowTitle(
        mode == Mode::Examiners ? QStringLiteral("MOTRA vizsgálatvezetők") : QStringLiteral("MOTRA vizsgálati okok"));
    QStringList lines;
    try {
        lines = ListFiles::readListOrEmpty(listFile());
    } catch (const MotraError &error) {
        ModalSeam::instance().showMessage(this, error.message());
    }
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Memo1->document()->setModified(false);
}

void TVV_lista::Button1Click()
{
    if (Memo1->document()->isModified()) {
        const QString text = Memo1->toPlainText();
        QStringList lines;
        if (!text.isEmpty()) {
            lines = text.split(QLatin1Char('\n'));
            if (text.endsWith(QLatin1Char('\n')))
                lines.removeLast(); // a closing line end starts no entry
        }
        try {
            ListFiles::writeList(listFile(), lines);
        } catch (const MotraError &error) {
            // Stay open: the typed list is not thrown away.
            ModalSeam::instance().showMessage(this, error.message());
            return;
        }
        Memo1->document()->setModified(false);
    }
    accept();
}
