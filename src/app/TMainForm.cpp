#include "app/TMainForm.h"

#include "app/ClickLabel.h"
#include "case/CaseLoading.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/PasswordFile.h"
#include "case/TextFile.h"
#include "charts/ProfileChart.h"
#include "reports/HtmlReport.h"
#include "reports/OpinionFile.h"
#include "reports/TVelemenyForm.h"
#include "stats/ExaminationSave.h"
#include "ui/DeferredBuild.h"
#include "ui/ModalSeam.h"
#include "ui/PasswordField.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString MainCaption = QStringLiteral("Ostravine MOTRA");
const QString GuideStartHint = QStringLiteral("elindítja a MOTRA varázslót");
const QString GuideStopHint = QStringLiteral("megállítja a MOTRA varzslót");
constexpr int FirstGuideStep = 1;
constexpr int LastGuideStep = 5;
constexpr int IconSize = 48;

QPixmap iconPixmap(const QWidget *w, QStyle::StandardPixmap which)
{
    return w->style()->standardIcon(which).pixmap(IconSize, IconSize);
}

// The browser icon: a globe, drawn because the style's network icon is too small.
QPixmap browserPixmap()
{
    QPixmap pix(IconSize, IconSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe(4, 4, IconSize - 8, IconSize - 8);
    p.setBrush(QColor(70, 130, 210));
    p.setPen(QPen(QColor(20, 60, 130), 2));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(225, 240, 255), 1.5));
    p.drawEllipse(globe.adjusted(globe.width() * 0.3, 0, -globe.width() * 0.3, 0));
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    return pix;
}

QPixmap checkMarkPixmap()
{
    QPixmap pix(24, 24);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 150, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(4, 13);
    tick.lineTo(10, 19);
    tick.lineTo(20, 5);
    p.drawPath(tick);
    return pix;
}

QPixmap backgroundPixmap()
{
    QPixmap pix(800, 600);
    QPainter p(&pix);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor(232, 240, 250));
    g.setColorAt(1, QColor(196, 214, 236));
    p.fillRect(pix.rect(), g);
    return pix;
}

ClickLabel *makeIcon(QWidget *parent, const char *name, QStyle::StandardPixmap which, const QString &hint, int x, int y)
{
    auto *icon = new ClickLabel(parent);
    icon->setObjectName(QLatin1String(name));
    icon->setPixmap(iconPixmap(parent, which));
    icon->setToolTip(hint);
    icon->setGeometry(x, y, IconSize + 8, IconSize + 8);
    icon->setAlignment(Qt::AlignCenter);
    return icon;
}

ClickLabel *makeLink(QWidget *parent, const char *name, const QString &caption, const QString &hint, int x, int y)
{
    auto *link = new ClickLabel(parent);
    link->setObjectName(QLatin1String(name));
    link->setText(caption);
    link->setTextFormat(Qt::PlainText);
    link->setToolTip(hint);
    QFont f = link->font();
    f.setPointSize(14);
    f.setBold(true);
    link->setFont(f);
    link->setGeometry(x, y, 300, 30);
    return link;
}

QLabel *makeInfo(QWidget *parent, const char *name, int x, int y)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(pal);
    label->setGeometry(x, y, 320, 22);
    return label;
}

QLabel *makeCheck(QWidget *parent, const char *name, int x, int y)
{
    auto *check = new QLabel(parent);
    check->setObjectName(QLatin1String(name));
    check->setPixmap(checkMarkPixmap());
    check->setGeometry(x, y, 24, 24);
    return check;
}

QAction *addItem(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

TMainForm::TMainForm(CaseRecord &record, QWidget *parent) : QMainWindow(parent), m_record(record)
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(MainCaption);
    resize(1024, 720);

    // The menus first: they need no fonts, which are still being loaded at this point.
    buildMenus();
    buildHtmlPopup();

    auto *central = new QWidget(this);
    auto *stack = new QStackedLayout(central);
    stack->setStackingMode(QStackedLayout::StackAll);
    buildLockPanel();
    stack->addWidget(Panel2);
    setCentralWidget(central);
    Panel2->show();
    // The workspace stays hidden while the window is locked: at start-up it is built just
    // after the locked window has appeared, at the latest when the window is unlocked.
    DeferredBuild::later(this, [this, stack] {
        buildWorkspace();
        stack->insertWidget(0, Panel1);
        Panel1->hide();
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}

void TMainForm::buildLockPanel()
{
    Panel2 = new QWidget;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label6 = new QLabel(QStringLiteral("jelszó:"), Panel2);
    Label6->setObjectName(QStringLiteral("Label6"));
    QFont bold = Label6->font();
    bold.setBold(true);
    Label6->setFont(bold);
    Label6->setGeometry(40, 40, 80, 24);
    Edit2 = new QLineEdit(Panel2);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    makePasswordField(Edit2);
    Edit2->setGeometry(120, 40, 160, 24);
    connect(Edit2, &QLineEdit::textChanged, this, &TMainForm::Edit2Change);
}

void TMainForm::buildWorkspace()
{
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->installEventFilter(this);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(backgroundPixmap());
    Image1->setScaledContents(true);

    Image3 = makeIcon(Panel1, "Image3", QStyle::SP_FileIcon, QStringLiteral("új MOTRA vizsgálatot kezd"), 20, 20);
    Image4 = makeIcon(Panel1, "Image4", QStyle::SP_DialogOpenButton,
        QStringLiteral("megnyit (folytat) egy régebbi MOTRA vizsgálatot"), 90, 20);
    Image5 = makeIcon(
        Panel1, "Image5", QStyle::SP_DialogSaveButton, QStringLiteral("lemezre írja a MOTRA vizsgálatot"), 160, 20);
    Image6 = makeIcon(Panel1, "Image6", QStyle::SP_FileDialogDetailedView,
        QStringLiteral("Word-del megszerkeszti a MOTRA vizsgálat jegyzőkönyvét"), 230, 20);
    Image8 = makeIcon(Panel1, "Image8", QStyle::SP_DriveNetIcon,
        QStringLiteral("Internet böngészővel nyomtatja a MOTRA vizsgálat jegyzőkönyvét"), 300, 20);
    Image8->setPixmap(browserPixmap());
    Image7 = makeIcon(Panel1, "Image7", QStyle::SP_MessageBoxQuestion, GuideStartHint, 400, 20);
    QPalette blink = Image3->palette();
    blink.setColor(QPalette::Window, QColor(255, 220, 80));
    Image3->setPalette(blink);

    Label1 = makeLink(Panel1, "Label1", QStringLiteral("Sz&emélyi adatok"),
        QStringLiteral("kitölti (módosítja) a személyi adatokat"), 60, 110);
    Label1->setText(QStringLiteral("Személyi adatok")); // the "&" marks the accelerator only
    KodLabel = makeInfo(Panel1, "KodLabel", 80, 145);
    NevLabel = makeInfo(Panel1, "NevLabel", 80, 167);
    NemLabel = makeInfo(Panel1, "NemLabel", 80, 189);
    KorLabel = makeInfo(Panel1, "KorLabel", 80, 211);
    Label2 = makeLink(Panel1, "Label2", QStringLiteral("Szülői kérdőív"),
        QStringLiteral("Kitölti (módosítja) a szülői kérdőívet"), 60, 250);
    Label3 = makeLink(Panel1, "Label3", QStringLiteral("Tanári kérdőív"),
        QStringLiteral("Kitölti (módosítja) a tanári kérdőívet"), 60, 290);
    Label4 = makeLink(Panel1, "Label4", QStringLiteral("Önértékelő kérdőív"),
        QStringLiteral("Kitölti (módosítja) az önértékelő kérdőívet"), 60, 330);
    Label5 = makeLink(Panel1, "Label5", QStringLiteral("pszichológiai vélemény"),
        QStringLiteral("Megírja a pszichológiai véleményt"), 60, 370);
    Check1 = makeCheck(Panel1, "Check1", 30, 113);
    Check2 = makeCheck(Panel1, "Check2", 30, 253);
    Check3 = makeCheck(Panel1, "Check3", 30, 293);
    Check4 = makeCheck(Panel1, "Check4", 30, 333);
    Check5 = makeCheck(Panel1, "Check5", 30, 373);

    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(420, 110, 420, 300);
    BitBtn2 = new QPushButton(QStringLiteral("   előző lépés"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    BitBtn2->setGeometry(420, 420, 140, 30);
    Button1 = new QPushButton(QStringLiteral("ment"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(580, 420, 100, 30);
    BitBtn1 = new QPushButton(QStringLiteral("következő lépés"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    BitBtn1->setGeometry(700, 420, 140, 30);
    FileLabel = new QLabel(Panel1);
    FileLabel->setObjectName(QStringLiteral("FileLabel"));
    FileLabel->setTextFormat(Qt::PlainText);
    FileLabel->setGeometry(420, 460, 420, 22);

    connect(Image3, &ClickLabel::clicked, this, &TMainForm::NewExamination);
    connect(Image4, &ClickLabel::clicked, this, &TMainForm::OpenExamination);
    connect(Image5, &ClickLabel::clicked, this, [this] { SaveExamination(); });
    connect(Image6, &ClickLabel::clicked, this, [this] { ShowDialog(m_windows.wordReport); });
    connect(Image7, &ClickLabel::clicked, this, &TMainForm::Image7Click);
    connect(Image8, &ClickLabel::pressed, this, &TMainForm::Image8MouseDown);
    connect(Image8, &ClickLabel::clicked, this, &TMainForm::ShowHtmlPopup);
    connect(Label1, &ClickLabel::clicked, this, &TMainForm::ShowPersonalData);
    connect(Label2, &ClickLabel::clicked, this, [this] { OpenQuestionnaire(Parent); });
    connect(Label3, &ClickLabel::clicked, this, [this] { OpenQuestionnaire(Teacher); });
    connect(Label4, &ClickLabel::clicked, this, [this] { OpenQuestionnaire(SelfReport); });
    connect(Label5, &ClickLabel::clicked, this, &TMainForm::ShowOpinion);
    connect(Memo1, &QPlainTextEdit::modificationChanged, Button1, &QPushButton::setEnabled);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TMainForm::AdvanceGuide);
    connect(BitBtn2, &QPushButton::clicked, this, &TMainForm::PreviousGuideStep);

    for (QWidget *w : {static_cast<QWidget *>(Image4), static_cast<QWidget *>(Image5), static_cast<QWidget *>(Image6),
             static_cast<QWidget *>(Image8), static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
             static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4), static_cast<QWidget *>(Label5),
             static_cast<QWidget *>(KodLabel), static_cast<QWidget *>(NevLabel), static_cast<QWidget *>(NemLabel),
             static_cast<QWidget *>(KorLabel), static_cast<QWidget *>(Check1), static_cast<QWidget *>(Check2),
             static_cast<QWidget *>(Check3), static_cast<QWidget *>(Check4), static_cast<QWidget *>(Check5)})
        w->hide();
    setGuideControlsVisible(false);
}

void TMainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    FileMenu = bar->addMenu(QStringLiteral("&Fájlműveletek"));
    NewItem = addItem(FileMenu, "NewItem", QStringLiteral("&Új MOTRA vizsgálat"));
    OpenItem = addItem(FileMenu, "OpenItem", QStringLiteral("&Megnyitás"));
    OpenItem->setEnabled(false);
    SaveItem = addItem(FileMenu, "SaveItem", QStringLiteral("M&entés"));
    FileMenu->addSeparator();
    WordItem = addItem(FileMenu, "WordItem", QStringLiteral("&Nyomtatás WinWord-del"));
    HtmlItem = addItem(FileMenu, "HtmlItem", QStringLiteral("Nyomtatás HTML formátumban"));
    FileMenu->addSeparator();
    BookletMenu = FileMenu->addMenu(QStringLiteral("Üres tesztfüzet nyomtatása"));
    SelfReportBookletItem = addItem(BookletMenu, "SelfReportBookletItem", QStringLiteral("&önértékelő változat"));
    ParentBookletItem = addItem(BookletMenu, "ParentBookletItem", QStringLiteral("&szülői változat"));
    TeacherBookletItem = addItem(BookletMenu, "TeacherBookletItem", QStringLiteral("&tanári változat"));
    FileMenu->addSeparator();
    ExitItem = addItem(FileMenu, "ExitItem", QStringLiteral("kilépés a programból"));

    ExamMenu = bar->addMenu(QStringLiteral("&Vizsgálat"));
    PersonalDataItem = addItem(ExamMenu, "PersonalDataItem", QStringLiteral("&Személyi adatok"));
    ExamMenu->addSeparator();
    ParentItem = addItem(ExamMenu, "ParentItem", QStringLiteral("&Szülői tesztfüzet"));
    TeacherItem = addItem(ExamMenu, "TeacherItem", QStringLiteral("&Tanári tesztfüzet"));
    SelfReportItem = addItem(ExamMenu, "SelfReportItem", QStringLiteral("&Önértékelő tesztfüzet"));
    ExamMenu->addSeparator();
    OpinionItem = addItem(ExamMenu, "OpinionItem", QStringLiteral("&Vélemény megírása"));

    StatMenu = bar->addMenu(QStringLiteral("&Statisztika..."));
    StatMaintenanceItem = addItem(StatMenu, "StatMaintenanceItem", QStringLiteral("...fájlok &karbantartása"));

    SettingsMenu = bar->addMenu(QStringLiteral("&Beállítások"));
    PasswordItem = addItem(SettingsMenu, "PasswordItem", QStringLiteral("&Jelszó"));

    HelpMenu = bar->addMenu(QStringLiteral("&Súgó"));
    AboutItem = addItem(HelpMenu, "AboutItem", QStringLiteral("A program névjegye"));
    DescriptionItem = addItem(HelpMenu, "DescriptionItem", QStringLiteral("a MOTRA teszt ismertetése"));

    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    ExamMenu->setObjectName(QStringLiteral("ExamMenu"));
    StatMenu->setObjectName(QStringLiteral("StatMenu"));
    SettingsMenu->setObjectName(QStringLiteral("SettingsMenu"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    BookletMenu->setObjectName(QStringLiteral("BookletMenu"));
    for (QMenu *menu : {FileMenu, ExamMenu, StatMenu, SettingsMenu, HelpMenu})
        menu->menuAction()->setEnabled(false);

    connect(NewItem, &QAction::triggered, this, &TMainForm::NewExamination);
    connect(OpenItem, &QAction::triggered, this, &TMainForm::OpenExamination);
    connect(SaveItem, &QAction::triggered, this, [this] { SaveExamination(); });
    connect(WordItem, &QAction::triggered, this, [this] { ShowDialog(m_windows.wordReport); });
    connect(HtmlItem, &QAction::triggered, this, &TMainForm::ShowHtmlPopup);
    connect(SelfReportBookletItem, &QAction::triggered, this,
        [this] { OpenBooklet(FixedPaths::helpFile(QStringLiteral("onert.doc"))); });
    connect(ParentBookletItem, &QAction::triggered, this,
        [this] { OpenBooklet(FixedPaths::helpFile(QStringLiteral("szulo.doc"))); });
    connect(TeacherBookletItem, &QAction::triggered, this,
        [this] { OpenBooklet(FixedPaths::helpFile(QStringLiteral("tanar.doc"))); });
    connect(ExitItem, &QAction::triggered, this, &TMainForm::close);
    connect(PersonalDataItem, &QAction::triggered, this, &TMainForm::ShowPersonalData);
    connect(ParentItem, &QAction::triggered, this, [this] { OpenQuestionnaire(Parent); });
    connect(TeacherItem, &QAction::triggered, this, [this] { OpenQuestionnaire(Teacher); });
    connect(SelfReportItem, &QAction::triggered, this, [this] { OpenQuestionnaire(SelfReport); });
    connect(OpinionItem, &QAction::triggered, this, &TMainForm::ShowOpinion);
    connect(StatMaintenanceItem, &QAction::triggered, this, [this] { ShowDialog(m_windows.statMaintenance); });
    connect(PasswordItem, &QAction::triggered, this, [this] { ShowDialog(m_windows.password); });
    connect(AboutItem, &QAction::triggered, this, [this] { ShowDialog(m_windows.about); });
    connect(DescriptionItem, &QAction::triggered, this,
        [this] { OpenBooklet(FixedPaths::helpFile(QStringLiteral("mtrozsa.doc"))); });
}

void TMainForm::buildHtmlPopup()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    HtmlParent = addItem(PopupMenu1, "HtmlParent", QStringLiteral("szülői kérdőív"));
    HtmlTeacher = addItem(PopupMenu1, "HtmlTeacher", QStringLiteral("tanári kérdőív"));
    HtmlSelfReport = addItem(PopupMenu1, "HtmlSelfReport", QStringLiteral("önértékelő kérdőív"));
    PopupMenu1->addSeparator();
    HtmlParentTeacher = addItem(PopupMenu1, "HtmlParentTeacher", QStringLiteral("szülői + tanári kérdőív"));
    HtmlParentSelfReport = addItem(PopupMenu1, "HtmlParentSelfReport", QStringLiteral("szülői + önértékelő kérdőív"));
    HtmlTeacherSelfReport = addItem(PopupMenu1, "HtmlTeacherSelfReport", QStringLiteral("tanári + önértékelő kérdőív"));
    PopupMenu1->addSeparator();
    HtmlAll = addItem(PopupMenu1, "HtmlAll", QStringLiteral("mindhárom kérdőív"));
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize)
        Image1->setGeometry(Panel1->rect());
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::reportError(const MotraError &error)
{
    if (error.presentation() == MotraError::Presentation::Notice && windowServices().showNotice)
        windowServices().showNotice(error.message());
    else
        ModalSeam::instance().showMessage(this, error.message());
}

// ---- start-up and unlocking -------------------------------------------------------------

void TMainForm::readPassword()
{
    try {
        m_password = readProgramPassword();
        m_passwordKnown = true;
    } catch (const MotraError &error) {
        m_passwordKnown = false;
        // Without a readable password nothing could ever match; say what the user must do.
        ModalSeam::instance().showMessage(this,
            error.message()
                + QStringLiteral("\n\nA program jelszófájlja (c:\\_halden\\motra\\standard.dat) hiányzik vagy sérült, "
                                 "ezért a program zárva marad. Állítson helyre egy ép jelszófájlt, majd indítsa "
                                 "újra a programot."));
    }
}

QString TMainForm::commandLinePassword(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return QString();
    const QString &first = arguments.first();
    const int equals = first.indexOf(QLatin1Char('='));
    if (equals < 0 || first.left(equals) != QLatin1String("_kal"))
        return QString();
    const int semicolon = first.lastIndexOf(QLatin1Char(';'));
    if (semicolon <= equals)
        return QString();
    return first.mid(equals + 1, semicolon - equals - 1);
}

void TMainForm::applyCommandLinePassword()
{
    const QString password = commandLinePassword(m_arguments);
    if (!password.isEmpty())
        Edit2->setText(password);
}

void TMainForm::Edit2Change(const QString &text)
{
    if (!m_locked || !m_passwordKnown || text != m_password)
        return;
    unlock();
}

void TMainForm::unlock()
{
    // Every window whole before the examination is touched (a password given on the command
    // line unlocks at once).
    DeferredBuild::runPending();
    m_locked = false;
    openCommandLineCase();
    Panel2->hide();
    Panel1->show();
    for (QMenu *menu : {FileMenu, ExamMenu, StatMenu, SettingsMenu, HelpMenu})
        menu->menuAction()->setEnabled(true);
    OpenItem->setEnabled(true);
    Image4->show();
}

void TMainForm::openCommandLineCase()
{
    QString file;
    if (m_arguments.size() == 1)
        file = m_arguments.first();
    else if (m_arguments.size() == 2 && !commandLinePassword(m_arguments).isEmpty())
        file = m_arguments.at(1);
    // A file that cannot be read is reported by the walk; the unlock stands.
    if (!file.isEmpty())
        ReadCaseFile(file);
}

bool TMainForm::ReadCaseFile(const QString &path)
{
    try {
        CaseLoading::loadCaseFile(m_record, hostPath(path), path);
    } catch (const MotraError &error) {
        reportError(error);
        return false;
    }
    // From here on the marks, the current charts and the opinion text belong to the
    // examination just read, never to the one before it.
    clearPartMarks();
    try {
        ResetCurrentCharts();
    } catch (const MotraError &error) {
        reportError(error);
    }
    reloadOpinionWindow();
    try {
        writeOpinionFile(m_record);
    } catch (const MotraError &error) {
        reportError(error);
    }

    ShowDialog(m_windows.personalData);
    QDialog *const entries[] = {m_windows.parentEntry, m_windows.teacherEntry, m_windows.selfReportEntry};
    windowServices().caseFileBeingOpened = hostPath(path);
    const auto walked = qScopeGuard([] { windowServices().caseFileBeingOpened.clear(); });
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        m_record.setCurrentKind(kind);
        ShowDialog(entries[kind - 1]);
    }
    ShowDialog(m_windows.opinion);
    return true;
}

// ---- parts of the examination -----------------------------------------------------------

void TMainForm::MarkPartDone(ExamPart part)
{
    switch (part) {
    case ExamPart::PersonalData:
        Check1->show();
        Label1->setDone(true);
        return;
    case ExamPart::Parent:
        Check2->show();
        Label2->setDone(true);
        break;
    case ExamPart::Teacher:
        Check3->show();
        Label3->setDone(true);
        break;
    case ExamPart::SelfReport:
        Check4->show();
        Label4->setDone(true);
        break;
    case ExamPart::Opinion:
        Check5->show();
        Label5->setDone(true);
        return;
    }
    Image5->show();
    Image6->show();
    Image8->show();
    Label5->show();
}

void TMainForm::showPersonalLabels()
{
    const PersonalData &p = m_record.Personal;
    setWindowTitle(MainCaption + QStringLiteral(" (") + p.ChildCode + QStringLiteral(")"));
    KodLabel->setText(QStringLiteral("kódja: ") + p.ChildCode);
    NevLabel->setText(QStringLiteral("neve: ") + p.ChildName);
    NemLabel->setText(QStringLiteral("neme: ") + (p.IsBoy ? QStringLiteral("fiú") : QStringLiteral("lány")));
    KorLabel->setText(QStringLiteral("kora: ") + QString::number(p.Age) + QStringLiteral(" év"));
    for (QLabel *label : {KodLabel, NevLabel, NemLabel, KorLabel})
        label->show();
}

void TMainForm::personalDataClosed()
{
    showPersonalLabels();
    MarkPartDone(ExamPart::PersonalData);
    for (ClickLabel *label : {Label1, Label2, Label3, Label4, Label5})
        label->show();
    ExamMenu->menuAction()->setEnabled(true);
    if (m_guideStep == 2)
        AdvanceGuide();
}

// ---- commands ---------------------------------------------------------------------------

void TMainForm::ShowDialog(QDialog *dialog)
{
    if (dialog)
        ModalSeam::instance().execDialog(dialog);
}

void TMainForm::ShowPersonalData() { ShowDialog(m_windows.personalData); }

void TMainForm::ShowOpinion() { ShowDialog(m_windows.opinion); }

void TMainForm::OpenExamination() { ShowDialog(m_windows.open); }

void TMainForm::OpenBooklet(const QString &fixedPath) { ModalSeam::instance().openDocument(hostPath(fixedPath)); }

void TMainForm::OpenQuestionnaire(int kind)
{
    if (!isValidKind(kind))
        return;
    m_record.setCurrentKind(kind);
    if (m_guideStep == 3)
        AdvanceGuide();
    QDialog *windows[] = {m_windows.parentEntry, m_windows.teacherEntry, m_windows.selfReportEntry};
    ShowDialog(windows[kind - 1]);
}

void TMainForm::reloadOpinionWindow()
{
    if (auto *opinion = qobject_cast<TVelemenyForm *>(m_windows.opinion))
        opinion->loadFromRecord();
}

void TMainForm::clearPartMarks()
{
    for (QLabel *check : {Check1, Check2, Check3, Check4, Check5})
        check->hide();
    for (ClickLabel *label : {Label1, Label2, Label3, Label4, Label5})
        label->setDone(false);
}

void TMainForm::NewExamination()
{
    try {
        ResetCurrentCharts();
    } catch (const MotraError &error) {
        reportError(error);
    }
    m_record.startNextChild();
    reloadOpinionWindow();
    try {
        writeOpinionFile(m_record);
    } catch (const MotraError &error) {
        reportError(error);
    }

    clearPartMarks();

    if (m_guideStep == 1)
        AdvanceGuide();
    else
        ShowPersonalData();
}

bool TMainForm::SaveExamination()
{
    try {
        const QString confirmation = WriteCaseFile(m_record, m_record.Personal.ChildCode);
        ModalSeam::instance().showMessage(this, confirmation);
        return true;
    } catch (const MotraError &error) {
        reportError(error);
        return false;
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    ModalSeam &seam = ModalSeam::instance();
    if (!seam.askYesNo(this, QStringLiteral("MOTRA: Ki akar lépni a programból?"))) {
        event->ignore();
        return;
    }
    if (seam.askYesNo(this, QStringLiteral("MOTRA: El akarja menteni a változásokat?")) && !SaveExamination()) {
        // The examination could not be written: staying open keeps it.
        event->ignore();
        return;
    }
    event->accept();
}

// ---- HTML report ------------------------------------------------------------------------

void TMainForm::Image8MouseDown(const QPoint &localPos) { m_popupPoint = localPos + Image8->pos(); }

void TMainForm::ShowHtmlPopup()
{
    // The point is recorded in workspace coordinates; the menu opens there on the screen.
    QAction *chosen = ModalSeam::instance().popupMenu(PopupMenu1, Panel1->mapToGlobal(m_popupPoint));
    // Only the choice counts: the items have no handlers of their own, or the menu's own
    // triggering would write the page and hand it to the browser a second time. The pairs
    // write the page with the two questionnaires named, as the items say.
    const struct
    {
        QAction *item;
        bool parent, teacher, selfReport;
    } choices[]
        = {{HtmlParent, true, false, false}, {HtmlTeacher, false, true, false}, {HtmlSelfReport, false, false, true},
            {HtmlParentTeacher, true, true, false}, {HtmlParentSelfReport, true, false, true},
            {HtmlTeacherSelfReport, false, true, true}, {HtmlAll, true, true, true}};
    for (const auto &choice : choices) {
        if (chosen && chosen == choice.item) {
            WriteHtml(choice.parent, choice.teacher, choice.selfReport);
            return;
        }
    }
}

void TMainForm::WriteHtml(bool parent, bool teacher, bool selfReport)
{
    const QString file = hostPath(FixedPaths::htmlReport(m_record.Personal.ChildCode));
    try {
        WriteHtmlReport(m_record, file, parent, teacher, selfReport);
    } catch (const MotraError &error) {
        reportError(error);
        return;
    }
    ModalSeam::instance().openDocument(file);
}

// ---- the guide --------------------------------------------------------------------------

bool TMainForm::guideRunning() const { return Timer1->isActive(); }

void TMainForm::setGuideControlsVisible(bool visible)
{
    for (QWidget *w : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(BitBtn1), static_cast<QWidget *>(BitBtn2),
             static_cast<QWidget *>(Button1), static_cast<QWidget *>(FileLabel)})
        w->setVisible(visible);
}

void TMainForm::ShowGuideStep(int step)
{
    const QString path = FixedPaths::guideFile(step);
    const QString file = hostPath(path);
    Memo1->clear();
    if (QFileInfo::exists(file)) {
        try {
            Memo1->setPlainText(TextFile::readLines(file).join(QLatin1Char('\n')));
        } catch (const MotraError &error) {
            reportError(error);
        }
    }
    Memo1->document()->setModified(false);
    Button1->setEnabled(false);
    FileLabel->setText(path);
}

void TMainForm::Image7Click()
{
    if (!Timer1->isActive()) {
        Timer1->start();
        Image7->setToolTip(GuideStopHint);
        setGuideControlsVisible(true);
        m_guideStep = FirstGuideStep;
        BitBtn2->setEnabled(false);
        BitBtn1->setEnabled(true);
        ShowGuideStep(m_guideStep);
    } else {
        Timer1->stop();
        Image3->setOpaque(false);
        m_image3Opaque = false;
        for (ClickLabel *label : {Label2, Label3, Label4})
            label->setOpaque(false);
        m_labelsOpaque = false;
        Image7->setToolTip(GuideStartHint);
        setGuideControlsVisible(false);
    }
}

void TMainForm::AdvanceGuide()
{
    if (m_guideStep >= LastGuideStep)
        return;
    ++m_guideStep;
    BitBtn2->setEnabled(true);
    if (m_guideStep == LastGuideStep)
        BitBtn1->setEnabled(false);
    ShowGuideStep(m_guideStep);
    if (m_guideStep == 2)
        ShowPersonalData();
}

void TMainForm::PreviousGuideStep()
{
    if (m_guideStep <= FirstGuideStep)
        return;
    --m_guideStep;
    BitBtn1->setEnabled(true);
    if (m_guideStep == FirstGuideStep)
        BitBtn2->setEnabled(false);
    ShowGuideStep(m_guideStep);
}

void TMainForm::Button1Click()
{
    QStringList lines = Memo1->toPlainText().split(QLatin1Char('\n'));
    try {
        TextFile::writeLines(hostPath(FixedPaths::guideFile(m_guideStep)), lines);
    } catch (const MotraError &error) {
        reportError(error); // the edits stay in the box and "ment" stays enabled
        return;
    }
    Memo1->document()->setModified(false);
    Button1->setEnabled(false);
}

void TMainForm::Timer1Timer()
{
    if (m_guideStep == 1) {
        m_image3Opaque = !m_image3Opaque;
        Image3->setOpaque(m_image3Opaque);
    } else if (m_guideStep == 3) {
        m_labelsOpaque = !m_labelsOpaque;
        for (ClickLabel *label : {Label2, Label3, Label4})
            label->setOpaque(m_labelsOpaque);
    }
}
