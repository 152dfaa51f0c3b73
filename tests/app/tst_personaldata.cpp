#include "AppFixture.h"
#include "AppTestSeam.h"

#include "app/ClickLabel.h"
#include "app/ListComboBox.h"
#include "app/MotraApplication.h"
#include "app/TMainForm.h"
#include "app/TSzemAdForm.h"
#include "app/TVV_lista.h"
#include "case/CaseRecord.h"
#include "case/TextFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestPersonalData : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaultsAndControls();
    void closingFillsRecordRowsLabelsAndSummary();
    void closeBoxActsLikeRendben();
    void editsAreStoredAtOnceSexAtClose();
    void typedCodeBecomesCapitals();
    void archivedCodeWarning();
    void warningOffWhenOpening();
    void markerAndCaptionBlink();
    void dropDownReloadsLists();
    void missingListIsReported();
    void calendarFillsDate();
    void listEditorWritesOnlyChanges();
    void listEditorCloseBoxDiscards();
    void unencodableNameIsReported();

private:
    TestInstallation *m_inst = nullptr;
    AppTestSeam *m_seam = nullptr;
    MotraApplication *m_app = nullptr;
    TSzemAdForm *form() const { return m_app->personalDataForm(); }
};

void TestPersonalData::init()
{
    m_inst = new TestInstallation(true);
    prepareInstallation(*m_inst);
    m_seam = new AppTestSeam;
    m_app = new MotraApplication({QStringLiteral("_kal=123456;"), QStringLiteral("x")});
    m_seam->messages.clear();
}

void TestPersonalData::cleanup()
{
    delete m_app;
    delete m_seam;
    delete m_inst;
}

void TestPersonalData::defaultsAndControls()
{
    const PersonalData &p = m_app->record().Personal;
    QCOMPARE(p.ChildName, QStringLiteral("Név Nélkül"));
    QCOMPARE(p.ChildCode, QStringLiteral("aktualis"));
    QVERIFY(p.IsBoy);
    QCOMPARE(p.Age, 14);
    QCOMPARE(form()->windowTitle(), QStringLiteral("MOTRA személyi adatok"));
    QCOMPARE(form()->LMDSpinEdit1->minimum(), 6);
    QCOMPARE(form()->LMDSpinEdit1->maximum(), 20);
    QCOMPARE(form()->RadioButton1->text(), QStringLiteral("fiú"));
    QCOMPARE(form()->RadioButton2->text(), QStringLiteral("lány"));
    QCOMPARE(form()->Timer1->interval(), 100);
    QVERIFY(form()->Timer1->isActive());
    QStringList titles;
    for (QGroupBox *box : form()->findChildren<QGroupBox *>())
        titles.append(box->title());
    for (const char *title : {" A VSZ. neve vagy jeligéje ", " a VSZ. kódja ", " neme ", " életkora ",
             " a vizg. időpontja ", "a vizsgálat vezetője", "a vizsgálat oka"})
        QVERIFY2(titles.contains(QString::fromUtf8(title)), title);
}

void TestPersonalData::closingFillsRecordRowsLabelsAndSummary()
{
    TMainForm *main = m_app->mainForm();
    m_seam->onDialog = [](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        QCOMPARE(f->Edit1->text(), QStringLiteral("Név Nélkül")); // refilled on opening
        f->Edit1->setText(QStringLiteral("Szabó Lili"));
        f->Edit2->setText(QStringLiteral("SZL9"));
        f->RadioButton2->setChecked(true);
        f->LMDSpinEdit1->setValue(12);
        f->Edit3->setText(QStringLiteral("2004.3.5."));
        f->ComboBox2->setEditText(QStringLiteral("Dr. Kiss Anna"));
        f->ComboBox1->setEditText(QStringLiteral("tanulási zavar"));
        f->OkButton->click();
    };
    main->PersonalDataItem->trigger();
    QCOMPARE(m_seam->dialogs, QStringList{QStringLiteral("TSzemAdForm")});

    const PersonalData &p = m_app->record().Personal;
    QCOMPARE(p.ChildName, QStringLiteral("Szabó Lili"));
    QCOMPARE(p.ChildCode, QStringLiteral("SZL9"));
    QVERIFY(!p.IsBoy);
    QCOMPARE(p.Age, 12);
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        const AnswerSet &set = m_app->record().answers(kind);
        QCOMPARE(set.valueText(0), QStringLiteral("Szabó Lili"));
        QCOMPARE(set.valueText(1), QStringLiteral("SZL9"));
        QCOMPARE(set.valueText(2), QStringLiteral("2"));
        QCOMPARE(set.valueText(3), QStringLiteral("12"));
    }
    QCOMPARE(main->windowTitle(), QStringLiteral("Ostravine MOTRA (SZL9)"));
    QCOMPARE(main->KodLabel->text(), QStringLiteral("kódja: SZL9"));
    QCOMPARE(main->NevLabel->text(), QStringLiteral("neve: Szabó Lili"));
    QCOMPARE(main->NemLabel->text(), QStringLiteral("neme: lány"));
    QCOMPARE(main->KorLabel->text(), QStringLiteral("kora: 12 év"));
    QVERIFY(main->Label1->isDone());
    QVERIFY(!main->Label2->isDone());
    for (ClickLabel *label : {main->Label1, main->Label2, main->Label3, main->Label4, main->Label5})
        QVERIFY(!label->isHidden());
    QVERIFY(!main->Check1->isHidden());
    QVERIFY(main->Check2->isHidden());
    QVERIFY(main->ExamMenu->menuAction()->isEnabled());
    QCOMPARE(TextFile::readLines(m_inst->path(FixedPaths::PersonalSummary)),
        (QStringList{QStringLiteral("név: (SZL9) Szabó Lili,  12 éves nő"),
            QStringLiteral("a vizsg. időpontja: 2004.3.5."), QStringLiteral("a vizsgálatot végezte: Dr. Kiss Anna")}));
    QVERIFY(m_seam->messages.isEmpty());
}

void TestPersonalData::closeBoxActsLikeRendben()
{
    m_seam->onDialog = [](QDialog *d) { static_cast<TSzemAdForm *>(d)->Edit1->setText(QStringLiteral("Bezár Béla")); };
    m_app->mainForm()->ShowPersonalData(); // the seam closes it with the close box
    QCOMPARE(m_app->record().answers(Teacher).valueText(0), QStringLiteral("Bezár Béla"));
    QCOMPARE(m_app->mainForm()->NevLabel->text(), QStringLiteral("neve: Bezár Béla"));
    QVERIFY(QFile::exists(m_inst->path(FixedPaths::PersonalSummary)));
}

void TestPersonalData::editsAreStoredAtOnceSexAtClose()
{
    m_seam->onDialog = [this](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        const PersonalData &p = m_app->record().Personal;
        f->Edit1->setText(QStringLiteral("Azonnal"));
        QCOMPARE(p.ChildName, QStringLiteral("Azonnal"));
        f->Edit2->setText(QStringLiteral("AZ1"));
        QCOMPARE(p.ChildCode, QStringLiteral("AZ1"));
        f->LMDSpinEdit1->setValue(9);
        QCOMPARE(p.Age, 9);
        f->Edit3->setText(QStringLiteral("2010.1.2."));
        QCOMPARE(p.ExamDate, QStringLiteral("2010.1.2."));
        f->ComboBox2->setEditText(QStringLiteral("V. Vezető"));
        QCOMPARE(p.Examiner, QStringLiteral("V. Vezető"));
        f->ComboBox1->setEditText(QStringLiteral("ok"));
        QCOMPARE(p.ExamReason, QStringLiteral("ok"));
        f->RadioButton2->setChecked(true);
        QVERIFY(p.IsBoy); // the sex is taken when the dialog closes
        f->accept();
        QVERIFY(!p.IsBoy);
    };
    m_app->mainForm()->ShowPersonalData();
}

void TestPersonalData::typedCodeBecomesCapitals()
{
    form()->show();
    form()->Edit2->clear();
    QTest::keyClicks(form()->Edit2, QStringLiteral("ab1"));
    QTest::sendKeyEvent(QTest::Click, form()->Edit2, Qt::Key_unknown, QStringLiteral("ő"), Qt::NoModifier);
    QCOMPARE(form()->Edit2->text(), QStringLiteral("AB1Ő"));
    QCOMPARE(m_app->record().Personal.ChildCode, QStringLiteral("AB1Ő"));
    form()->hide();
}

// The marker and caption for a code whose file is in the archive (the rules of which
// code overwrites which file are the archive's own).
void TestPersonalData::archivedCodeWarning()
{
    TextFile::writeLines(m_inst->path(FixedPaths::caseFile(QStringLiteral("A_B"))), {QStringLiteral("<MOTRA=>")});
    form()->FormActivate();
    QVERIFY(!form()->overwriteWarningOn());
    form()->Edit2->setText(QStringLiteral("A/B"));
    QVERIFY(form()->overwriteWarningOn());
    QCOMPARE(form()->windowTitle(), QStringLiteral("felülírásra kerül: A/B"));
    // When the code stops matching the normal caption comes back at once.
    form()->Edit2->setText(QStringLiteral("A/BZ"));
    QVERIFY(!form()->overwriteWarningOn());
    QCOMPARE(form()->windowTitle(), QStringLiteral("MOTRA személyi adatok"));
}

void TestPersonalData::warningOffWhenOpening()
{
    TextFile::writeLines(m_inst->path(FixedPaths::caseFile(QStringLiteral("RÉGI"))), {QStringLiteral("<MOTRA=>")});
    m_app->record().Personal.ChildCode = QStringLiteral("RÉGI");
    form()->FormActivate();
    QVERIFY(!form()->overwriteWarningOn());
    QCOMPARE(form()->windowTitle(), QStringLiteral("MOTRA személyi adatok"));
    form()->Edit2->setText(QStringLiteral("RÉG"));
    form()->Edit2->setText(QStringLiteral("RÉGI"));
    QVERIFY(form()->overwriteWarningOn());
}

void TestPersonalData::markerAndCaptionBlink()
{
    TextFile::writeLines(m_inst->path(FixedPaths::caseFile(QStringLiteral("BL"))), {QStringLiteral("<MOTRA=>")});
    form()->FormActivate();
    form()->Edit2->setText(QStringLiteral("BL"));
    QVERIFY(form()->overwriteWarningOn());
    const QString warning = QStringLiteral("felülírásra kerül: BL");
    QStringList captions;
    QStringList shapes;
    captions.append(form()->windowTitle());
    for (int tick = 0; tick < 8; ++tick) {
        form()->Timer1Timer();
        captions.append(form()->windowTitle());
        // A circle leaves the corner empty; the rectangle fills it.
        const QImage image = form()->Shape1->pixmap().toImage();
        const QColor corner = image.pixelColor(2, 2);
        const QColor centre = image.pixelColor(10, 10);
        if (corner.alpha() == 0 && centre == QColor(0, 170, 0))
            shapes.append(QStringLiteral("green circle"));
        else if (corner == QColor(Qt::yellow) && centre == QColor(Qt::yellow))
            shapes.append(QStringLiteral("yellow rectangle"));
        else
            shapes.append(QStringLiteral("something else"));
    }
    // The marker turns between a green circle and a yellow rectangle on every tick,
    // the caption changes on every second one.
    QVERIFY(!shapes.contains(QStringLiteral("something else")));
    for (int tick = 1; tick < 8; ++tick)
        QVERIFY(shapes[tick] != shapes[tick - 1]);
    int changes = 0;
    for (int tick = 1; tick <= 8; ++tick)
        changes += captions[tick] != captions[tick - 1];
    QCOMPARE(changes, 4);
    QVERIFY(captions.contains(warning));
    QVERIFY(captions.contains(QString()));
}

void TestPersonalData::dropDownReloadsLists()
{
    form()->ComboBox2->setEditText(QStringLiteral("saját név"));
    form()->ComboBox2DropDown();
    QCOMPARE(form()->ComboBox2->count(), 2);
    QCOMPARE(form()->ComboBox2->itemText(1), QStringLiteral("Nagy Péter"));
    QCOMPARE(form()->ComboBox2->currentText(), QStringLiteral("saját név")); // the typed text stays
    m_inst->writeBytes(FixedPaths::ExaminerList, "A\r\n\r\nC\r\n");
    form()->ComboBox2DropDown();
    QCOMPARE(form()->ComboBox2->count(), 3); // the empty line is an entry too
    form()->ComboBox1DropDown();
    QCOMPARE(form()->ComboBox1->itemText(0), QStringLiteral("tanulási zavar"));
    QVERIFY(m_seam->messages.isEmpty());
}

void TestPersonalData::missingListIsReported()
{
    form()->ComboBox1DropDown();
    m_inst->remove(FixedPaths::ReasonList);
    form()->ComboBox1DropDown();
    QCOMPARE(m_seam->messages.size(), 1);
    QCOMPARE(form()->ComboBox1->count(), 2); // the list keeps its items
}

void TestPersonalData::calendarFillsDate()
{
    form()->setCalendar([] { return std::optional<QString>(QStringLiteral("2004.3.5.")); });
    form()->SpeedButton1->click();
    QCOMPARE(form()->Edit3->text(), QStringLiteral("2004.3.5."));
    QCOMPARE(m_app->record().Personal.ExamDate, QStringLiteral("2004.3.5."));
    form()->setCalendar([] { return std::optional<QString>(); });
    form()->SpeedButton1->click();
    QCOMPARE(form()->Edit3->text(), QStringLiteral("2004.3.5.")); // cancelled: unchanged
}

void TestPersonalData::listEditorWritesOnlyChanges()
{
    // LF line ends: an unchanged list is not rewritten (which would make them CR LF).
    m_inst->writeBytes(FixedPaths::ExaminerList, "Egy\nKett\xf5\n");
    m_seam->onDialog = [](QDialog *d) {
        auto *editor = static_cast<TVV_lista *>(d);
        QCOMPARE(editor->windowTitle(), QStringLiteral("MOTRA vizsgálatvezetők"));
        QCOMPARE(editor->Memo1->toPlainText(), QStringLiteral("Egy\nKettő"));
        QVERIFY(editor->windowFlags() & Qt::WindowStaysOnTopHint);
        editor->Button1->click();
    };
    form()->SpeedButton3->click();
    QCOMPARE(m_inst->readBytes(FixedPaths::ExaminerList), QByteArray("Egy\nKett\xf5\n"));

    m_inst->remove(FixedPaths::ReasonList);
    m_seam->onDialog = [](QDialog *d) {
        auto *editor = static_cast<TVV_lista *>(d);
        QCOMPARE(editor->windowTitle(), QStringLiteral("MOTRA vizsgálati okok"));
        QVERIFY(editor->Memo1->toPlainText().isEmpty());
        editor->Memo1->insertPlainText(QStringLiteral("figyelemzavar\n\nszorongás\n"));
        editor->Button1->click();
    };
    form()->SpeedButton2->click();
    QCOMPARE(m_inst->readBytes(FixedPaths::ReasonList), QByteArray("figyelemzavar\r\n\r\nszorong\xe1s\r\n"));
    QCOMPARE(m_seam->dialogs, (QStringList{QStringLiteral("TVV_lista"), QStringLiteral("TVV_lista")}));
}

void TestPersonalData::listEditorCloseBoxDiscards()
{
    m_seam->onDialog
        = [](QDialog *d) { static_cast<TVV_lista *>(d)->Memo1->insertPlainText(QStringLiteral("eldobva")); };
    form()->SpeedButton3->click();
    QCOMPARE(m_inst->readBytes(FixedPaths::ExaminerList), QByteArray("Dr. Kiss Anna\r\nNagy P\xe9ter\r\n"));
}

void TestPersonalData::unencodableNameIsReported()
{
    m_seam->onDialog = [](QDialog *d) {
        auto *f = static_cast<TSzemAdForm *>(d);
        f->Edit1->setText(QStringLiteral("Ли Мин 李"));
        f->accept();
    };
    m_app->mainForm()->ShowPersonalData();
    QCOMPARE(m_seam->messages.size(), 1);
    QVERIFY(!m_seam->messages.first().isEmpty());
    // Nothing is lost: the record, the rows and the labels hold the name.
    QCOMPARE(m_app->record().Personal.ChildName, QStringLiteral("Ли Мин 李"));
    QCOMPARE(m_app->record().answers(Parent).valueText(0), QStringLiteral("Ли Мин 李"));
    QCOMPARE(m_app->mainForm()->NevLabel->text(), QStringLiteral("neve: Ли Мин 李"));
}

QTEST_MAIN(TestPersonalData)
#include "tst_personaldata.moc"
