#include "ui/ModalSeam.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The real message boxes of the seam show their text as it stands: a code such as
// "<b>x</b>" is never read as markup.
class TestModalSeam : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("question");
        for (const bool question : {false, true}) {
            const char *box = question ? "question" : "message";
            QTest::addRow("bold, %s", box) << QStringLiteral("<b>x</b>") << question;
            QTest::addRow("picture, %s", box) << QStringLiteral("lemezre írva: <img src=x>") << question;
            QTest::addRow("link, %s", box) << QStringLiteral("<a href=\"file:///\">A7</a> & társa") << question;
        }
    }

    void plainText()
    {
        QFETCH(QString, text);
        QFETCH(bool, question);
        ModalSeam::install(nullptr); // the real seam, with its real exec()
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        Qt::TextFormat labelFormat = Qt::AutoText;
        bool found = false;
        // Looked at while the box is up, then answered; the box is never left open.
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            found = true;
            format = box->textFormat();
            // The box's own text label: exactly the message, nothing added or escaped, as plain text.
            if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
                shownText = label->text();
                labelFormat = label->textFormat();
            }
            box->button(question ? QMessageBox::Yes : QMessageBox::Ok)->click();
        });
        QTimer::singleShot(5000, [] {
            if (QWidget *stuck = QApplication::activeModalWidget())
                stuck->close();
        });
        if (question)
            QVERIFY(ModalSeam::instance().askYesNo(nullptr, text));
        else
            ModalSeam::instance().showMessage(nullptr, text);
        QVERIFY(found);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, text);
        QCOMPARE(labelFormat, Qt::PlainText);
    }
};

QTEST_MAIN(TestModalSeam)
#include "tst_modalseam.moc"
