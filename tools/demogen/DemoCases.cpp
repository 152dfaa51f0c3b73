#include "DemoCases.h"

#include "case/CaseFile.h"
#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/ListFiles.h"
#include "case/MotraError.h"
#include "case/RowList.h"
#include "charts/ProfilePreview.h"
#include "charts/ScaleItemList.h"
#include "entry/AnswerMenus.h"
#include "scoring/ScoringDriver.h"

#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <array>

namespace DemoCases {

namespace {

const QString Examiner = QStringLiteral("Dr. Minta Mária (bemutató)");
const QString Reason = QStringLiteral("bemutató vizsgálat – kitalált gyermek");
const QString Invented = QStringLiteral("KITALÁLT BEMUTATÓ GYERMEK – ez a vizsgálat nem valódi személyről szól.");
const QString DemoNorms = QStringLiteral("A válaszokat a bemutató telepítés generálta, a normatáblák is kitaláltak: "
                                         "a T-értékek nem használhatók klinikai döntéshez.");

enum Form : unsigned { ParentForm = 1, TeacherForm = 2, SelfReportForm = 4 };

struct Child
{
    QString code;
    QString name;
    bool boy;
    int age;
    QString date;
    unsigned answered; // Form bits: questionnaires with answers
    unsigned scored; // Form bits: questionnaires scored before saving
    QString focus; // the problem scale that stands out (a word of its name)
    std::array<QString, 3> pastimes; // sport, hobby, club
    QString note; // the opinion's own sentence
    QColor hair; // photograph; invalid for a child without one
    QColor shirt;
    quint32 seed;
};

const QVector<Child> &children()
{
    // Listed as last.mod keeps them, oldest first: the one with all three questionnaires
    // comes out on top of the recent list.
    static const QVector<Child> list = {
        {QStringLiteral("DEMO03"), QStringLiteral("Bemutató Csaba"), true, 15, QStringLiteral("2024.2.20."),
            ParentForm | SelfReportForm, 0, QStringLiteral("Visszahúzódás"),
            {QStringLiteral("kosárlabda"), QStringLiteral("számítógépes játékok"), QStringLiteral("-")},
            QStringLiteral("A kérdőívek válaszai be vannak írva, de a program még nem számolta ki őket: megnyitáskor "
                           "minden kérdőív újra számolódik."),
            QColor(), QColor(), 303},
        {QStringLiteral("DEMO02"), QStringLiteral("Bemutató Anna"), false, 8, QStringLiteral("2024.3.5."), ParentForm,
            ParentForm, QStringLiteral("Szorongás"),
            {QStringLiteral("úszás"), QStringLiteral("rajzolás"), QStringLiteral("néptánccsoport")},
            QStringLiteral("Csak a szülői kérdőív készült el; a szorongás, depresszió skálán emelkedett érték "
                           "(bemutató adat)."),
            QColor(150, 90, 40), QColor(220, 80, 120), 202},
        {QStringLiteral("DEMO04"), QStringLiteral("Bemutató Dóra"), false, 16, QStringLiteral("2024.3.11."),
            ParentForm | SelfReportForm, ParentForm | SelfReportForm, QStringLiteral("Szabályszegő"),
            {QStringLiteral("futás"), QStringLiteral("zenehallgatás"), QStringLiteral("-")},
            QStringLiteral("A szülői és az önértékelő kérdőív készült el, a tanári nem; a szabályszegő magatartás "
                           "skálán emelkedett érték (bemutató adat)."),
            QColor(40, 30, 25), QColor(60, 140, 90), 404},
        {QStringLiteral("DEMO01"), QStringLiteral("Bemutató Bence"), true, 12, QStringLiteral("2024.3.18."),
            ParentForm | TeacherForm | SelfReportForm, ParentForm | TeacherForm | SelfReportForm,
            QStringLiteral("Figyelmi"),
            {QStringLiteral("labdarúgás"), QStringLiteral("legózás"), QStringLiteral("cserkészet")},
            QStringLiteral(
                "Mindhárom kérdőív elkészült; a figyelmi problémák skálán emelkedett érték (bemutató adat)."),
            QColor(200, 160, 70), QColor(60, 100, 200), 101},
    };
    return list;
}

// A small deterministic generator: the same installation every time.
class Random
{
public:
    explicit Random(quint32 seed) : m_state(seed * 2654435761u + 1) { }
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    double uniform() { return (next() % 100000) / 100000.0; }
    int below(int n) { return int(next() % quint32(n)); }

private:
    quint32 m_state;
};

unsigned formBit(int kind) { return 1u << (kind - 1); }

// The slots of the problem items of the scale whose name holds the word.
QSet<int> focusSlots(int kind, const QString &word)
{
    QSet<int> itemSlots;
    for (int bar = 0; bar < kindInfo(kind).scaleCount; ++bar) {
        if (!ProfilePreview::barHint(kind, bar).contains(word))
            continue;
        for (int item : scaleItemList(kind, bar + 1))
            itemSlots.insert(item + kindInfo(kind).itemSlotOffset);
    }
    return itemSlots;
}

QString freeText(const QString &label, const Child &child)
{
    if (!label.contains(QLatin1String("(1.)")))
        return QStringLiteral("-");
    if (label.contains(QLatin1String("sport"), Qt::CaseInsensitive))
        return child.pastimes[0];
    if (label.contains(QLatin1String("hobbi"), Qt::CaseInsensitive))
        return child.pastimes[1];
    if (label.contains(QLatin1String("Szervezet"), Qt::CaseInsensitive))
        return child.pastimes[2];
    return QStringLiteral("-");
}

void fillAnswers(CaseRecord &record, int kind, const Child &child)
{
    Random random(child.seed * 7 + quint32(kind));
    const KindInfo &info = kindInfo(kind);
    const QVector<RowDefinition> &rows = rowList(kind);
    const FormMenus &menus = formMenus(kind);
    const QSet<int> focus = focusSlots(kind, child.focus);
    AnswerSet &set = record.answers(kind);
    for (int row = 4; row < info.firstResultRow; ++row) {
        const RowDefinition &definition = rows[row];
        const int menu = menus.menuFor(definition.rowNumberValue(), MenuTrigger::Press);
        if (menu >= 0) {
            const QStringList &captions = menus.menus[menu].captions;
            // Background questions: one of the first answers, the common ones.
            int pick = random.below((int(captions.size()) + 1) / 2);
            if (row >= info.firstItemRow) {
                // Problem items: mostly "not true", more often true on the child's own scale.
                const double u = random.uniform();
                pick = focus.contains(definition.SlotNumber) ? (u < 0.25 ? 0
                               : u < 0.6                                 ? 1
                                                                         : 2)
                                                             : (u < 0.8         ? 0
                                                                     : u < 0.96 ? 1
                                                                                : 2);
                pick = qMin(pick, int(captions.size()) - 1);
            }
            QString code;
            QString label;
            splitAnswerCaption(captions[pick], &code, &label);
            set.setValueText(row, code);
            set.setAnswerLabel(row, label);
        } else if (definition.isFreeText()) {
            set.setValueText(row, freeText(definition.Label, child));
        } else {
            set.setValueText(row, QStringLiteral("0"));
        }
    }
}

// A drawn portrait with the word "BEMUTATÓ" across it: nobody's real photograph.
QImage portrait(const Child &child)
{
    QImage image(240, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(205, 225, 245));
    sky.setColorAt(1, QColor(160, 190, 225));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(child.shirt);
    p.drawEllipse(QRect(30, 215, 180, 170));
    const QColor skin(240, 205, 175);
    p.setBrush(skin);
    p.drawRect(QRect(105, 180, 30, 45));
    p.setBrush(child.hair);
    if (child.boy)
        p.drawEllipse(QRect(62, 55, 116, 90));
    else
        p.drawRoundedRect(QRect(55, 60, 130, 165), 55, 55);
    p.setBrush(skin);
    p.drawEllipse(QRect(72, 80, 96, 120));
    p.setBrush(QColor(50, 50, 60));
    p.drawEllipse(QPoint(102, 132), 6, 7);
    p.drawEllipse(QPoint(138, 132), 6, 7);
    p.setPen(QPen(QColor(170, 70, 70), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(100, 150, 40, 26), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRect(QRect(0, 12, 240, 46));
    p.setPen(QColor(160, 20, 20));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 12, 240, 26), Qt::AlignCenter, QStringLiteral("BEMUTATÓ"));
    font.setPixelSize(13);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(0, 37, 240, 20), Qt::AlignCenter, QStringLiteral("kitalált gyermek: ") + child.code);
    return image;
}

void writePhoto(const Child &child)
{
    const QString file = hostPath(FixedPaths::PhotoFolder + child.code + QStringLiteral(".jpg"));
    QImageWriter writer(file, "jpeg");
    writer.setQuality(85);
    if (!writer.canWrite() || !writer.write(portrait(child)))
        throw MotraError(QStringLiteral("cannot write the photograph %1 (%2); Qt's JPEG image plugin comes with the "
                                        "package libqt6gui6")
                             .arg(file, writer.errorString()));
}

void writeCase(const Child &child)
{
    CaseRecord record;
    record.startNewExamination();
    PersonalData &personal = record.Personal;
    personal.ChildName = child.name;
    personal.ChildCode = child.code;
    personal.IsBoy = child.boy;
    personal.Age = child.age;
    personal.Examiner = Examiner;
    personal.ExamDate = child.date;
    personal.ExamReason = Reason;
    record.copyPersonalDataToAnswerSets();
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (child.answered & formBit(kind))
            fillAnswers(record, kind, child);
    }
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (child.scored & formBit(kind))
            ScoreKind(record, kind);
    }
    record.Opinion = {Invented, DemoNorms, child.note};
    writeCaseFileTo(record, hostPath(FixedPaths::caseFile(child.code)));
    if (child.hair.isValid())
        writePhoto(child);
}

} // namespace

QStringList caseFiles()
{
    QStringList files;
    for (const Child &child : children())
        files.append(FixedPaths::caseFile(child.code));
    return files;
}

void write(const QString &root)
{
    // The program's own path mapping and scoring do the work, on the tree being built.
    const QByteArray previous = qgetenv("MOTRA_ROOT");
    const bool hadRoot = qEnvironmentVariableIsSet("MOTRA_ROOT");
    qputenv("MOTRA_ROOT", root.toLocal8Bit());
    try {
        for (const Child &child : children())
            writeCase(child);
        ListFiles::writeList(FixedPaths::RecentList, caseFiles());
    } catch (...) {
        hadRoot ? qputenv("MOTRA_ROOT", previous) : qunsetenv("MOTRA_ROOT");
        throw;
    }
    hadRoot ? qputenv("MOTRA_ROOT", previous) : qunsetenv("MOTRA_ROOT");
}

} // namespace DemoCases
