#include "RecordingSeam.h"
#include "app/TAboutForm.h"
#include "app/TFelulirForm.h"
#include "app/TProgHibaForm.h"
#include "app/TUzenetForm.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>

class TestSmallDialogs : public QObject
{
    Q_OBJECT
private slots:
    void noticeWidensAndCentresButton_data();
    void noticeWidensAndCentresButton();
    void showNoticeUsesTheProgramsBox();
    void overwriteConfirmation();
    void overwriteConfirmationShowsAmpersand();
    void aboutBoxClosesOnClick();
    void aboutBoxNamesInstallation();
    void programInfoLines();
};

void TestSmallDialogs::noticeWidensAndCentresButton_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("short") << QStringLiteral("ok");
    QTest::newRow("norm file") << QStringLiteral(" Nem találom a SKALA1.TXT fájlt.");
    QTest::newRow("long") << QStringLiteral(" A SKALA1.TXT fájl meghibásodott.").repeated(6);
}

void TestSmallDialogs::noticeWidensAndCentresButton()
{
    QFETCH(QString, message);
    RecordingSeam seam;
    TUzenetForm form;
    form.showNotice(message);
    QCOMPARE(seam.dialogs.size(), 1);
    QCOMPARE(form.Label1->text(), message);
    QVERIFY(form.Label1->width() >= form.Label1->sizeHint().width());
    QCOMPARE(form.width(), form.Label1->width() + 80);
    QCOMPARE(form.Button1->width(), 80);
    QCOMPARE(form.Button1->x(), int(std::nearbyint(form.width() / 2.0)) - 40);
    // the whole text fits inside the window
    QVERIFY(form.Label1->geometry().right() < form.width());
}

void TestSmallDialogs::showNoticeUsesTheProgramsBox()
{
    RecordingSeam seam;
    TUzenetForm form;
    const int shortWidth = form.width();
    ShowNotice(QStringLiteral(" A SKALA1.TXT fájl meghibásodott. Kérem, telepítse újra a programot!"));
    QCOMPARE(seam.dialogs.size(), 1);
    QCOMPARE(seam.dialogs.first(), &form);
    QVERIFY(form.width() > shortWidth);
    QCOMPARE(form.windowTitle(), QStringLiteral("MOTRA üzenet"));
}

void TestSmallDialogs::overwriteConfirmation()
{
    RecordingSeam seam;
    TFelulirForm form;
    int reloads = 0;
    form.onCancel = [&] { ++reloads; };

    // Closed without a button: not confirmed.
    QVERIFY(!form.confirmOverwrite(QStringLiteral("adat.da1")));

    seam.onExec = [&](QDialog *) {
        form.BitBtn2Click();
        return form.result();
    };
    QVERIFY(form.confirmOverwrite(QStringLiteral("adat.da1")));
    QCOMPARE(reloads, 0);

    // A new showing starts unconfirmed again; "Mégse" makes the caller reload.
    seam.onExec = [&](QDialog *) {
        form.BitBtn1Click();
        return form.result();
    };
    QVERIFY(!form.confirmOverwrite(QStringLiteral("adat.da1")));
    QCOMPARE(reloads, 1);
}

void TestSmallDialogs::overwriteConfirmationShowsAmpersand()
{
    RecordingSeam seam;
    TFelulirForm form;
    form.confirmOverwrite(QStringLiteral("a&b.da2"));
    QCOMPARE(form.Label2->text(), QStringLiteral("a&b.da2"));
    QCOMPARE(form.Label2->textFormat(), Qt::PlainText);
    QVERIFY(!form.Label2->buddy());
}

void TestSmallDialogs::aboutBoxClosesOnClick()
{
    TAboutForm form;
    QCOMPARE(form.size(), QSize(352, 155));
    QCOMPARE(form.picture().size(), QSize(352, 155));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    form.setResult(-1);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(100, 80));
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestSmallDialogs::aboutBoxNamesInstallation()
{
    const QByteArray old = qgetenv("MOTRA_ROOT");
    qputenv("MOTRA_ROOT", "/srv/motra/c");
    TAboutForm first;
    const QImage firstPicture = first.picture(); // drawn when first shown
    qputenv("MOTRA_ROOT", "/srv/motra/d");
    TAboutForm second;
    const QImage secondPicture = second.picture();
    old.isNull() ? qunsetenv("MOTRA_ROOT") : qputenv("MOTRA_ROOT", old);
    QCOMPARE(first.toolTip(), QStringLiteral("A telepítés helye: /srv/motra/c"));
    QVERIFY(firstPicture != secondPicture);
}

void TestSmallDialogs::programInfoLines()
{
    RecordingSeam seam;
    TProgHibaForm form;
    QStringList seen;
    seam.onExec = [&](QDialog *) {
        seen << form.Sor1->text() << form.Sor2->text() << form.Sor3->text();
        return int(QDialog::Accepted);
    };
    ShowProgramInfo(QStringLiteral("egy"), QString(), QStringLiteral("három"));
    QCOMPARE(seen, QStringList({QStringLiteral("egy"), QString(), QStringLiteral("három")}));
    // the empty line keeps its place; the others stay 22 pixels apart
    QCOMPARE(form.Sor2->y() - form.Sor1->y(), 22);
    QCOMPARE(form.Sor3->y() - form.Sor2->y(), 22);
    QVERIFY(form.OKButton->isDefault());
    QCOMPARE(form.OKButton->text(), QStringLiteral("&rendben"));
    QCOMPARE(form.size(), QSize(338, 131));
    QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
}

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
