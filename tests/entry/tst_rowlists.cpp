// The three questionnaires' row lists and answer menus against the layout the entry windows rely on.

#include "case/Questionnaire.h"
#include "case/RowList.h"
#include "case/AnswerSet.h"
#include "entry/AnswerMenus.h"
#include "entry/ZeroFill.h"

#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

struct SlotTag
{
    int slot;
    const char *tag;
};

// Tags of the problem items, by slot. Parent slot 114 is unused (its row is the left-out
// question), slot 107's tag starts with a blank and slot 170 has none.
const SlotTag ParentTags[] = {
    {49, "gyerekes"},
    {50, "allergia"},
    {51, "vitatkoz"},
    {52, "asztmás"},
    {53, "lányos-e"},
    {54, "széklet"},
    {55, "kérkedés"},
    {56, "koncentr"},
    {57, "kényszer"},
    {58, "hiperakt"},
    {59, "csüng"},
    {60, "magányos"},
    {61, "kuszavis"},
    {62, "sírós"},
    {63, "állatok"},
    {64, "kegyetle"},
    {65, "álmodozó"},
    {66, "öngyilk."},
    {67, "figyigén"},
    {68, "rongsaj"},
    {69, "rongmás"},
    {70, "eng.otth"},
    {71, "eng.isko"},
    {72, "rosszevő"},
    {73, "kapcsola"},
    {74, "büntudat"},
    {75, "féltéken"},
    {76, "nemételt"},
    {77, "félelmek"},
    {78, "iskfélel"},
    {79, "rosszgon"},
    {80, "tökélete"},
    {81, "nemszere"},
    {82, "kitolnak"},
    {83, "értéktel"},
    {84, "megsérül"},
    {85, "verekedő"},
    {86, "csúfolják"},
    {87, "sodródik"},
    {88, "hallucin"},
    {89, "indulato"},
    {90, "egyedülv"},
    {91, "hazudós"},
    {92, "körömrág"},
    {93, "idegessé"},
    {94, "tic"},
    {95, "lidérc"},
    {96, "nemszere"},
    {97, "székreke"},
    {98, "félős"},
    {99, "szédülős"},
    {100, "büntudat"},
    {101, "sok-evés"},
    {102, "elfárado"},
    {103, "túlsúlyo"},
    {104, "fájdalma"},
    {105, "fejfájás"},
    {106, "hányinge"},
    {107, " látásipr"},
    {108, "bőrprob"},
    {109, "hasfájás"},
    {110, "hányás"},
    {111, "más-szom"},
    {112, "verekedő"},
    {113, "orrpiszk"},
    {115, "gyakonan"},
    {116, "iskprobl"},
    {117, "mozgás"},
    {118, "idősebb"},
    {119, "fiatalabb"},
    {120, "nembeszé"},
    {121, "kényszcs"},
    {122, "elszökés"},
    {123, "visít"},
    {124, "titkolóz"},
    {125, "vízionál"},
    {126, "önkritik"},
    {127, "gyújtoga"},
    {128, "sexprobl"},
    {129, "bohóckod"},
    {130, "szégyenl"},
    {131, "kevesalv"},
    {132, "többalvá"},
    {133, "székletj"},
    {134, "beszédpr"},
    {135, "elbambul"},
    {136, "lopás"},
    {137, "elcssen"},
    {138, "gyüjtöge"},
    {139, "furcsvis"},
    {140, "gondolat"},
    {141, "makacs"},
    {142, "hangulat"},
    {143, "durcás"},
    {144, "gyanakvó"},
    {145, "káromkod"},
    {146, "suicgond"},
    {147, "alvajáró"},
    {148, "beszédes"},
    {149, "ugratós"},
    {150, "dühroham"},
    {151, "sexérdek"},
    {152, "ijeszt"},
    {153, "ujjszopá"},
    {154, "túlrende"},
    {155, "alvásipr"},
    {156, "csavarog"},
    {157, "nemaktív"},
    {158, "boldogta"},
    {159, "harsány"},
    {160, "drogfogy"},
    {161, "vandálko"},
    {162, "enurnapp"},
    {163, "enurnoct"},
    {164, "nyafogós"},
    {165, "másnemhe"},
    {166, "visszahú"},
    {167, "aggodalm"},
    {168, "dohányzi"},
    {169, "alkoholt"},
    {170, ""},
};

const SlotTag TeacherTags[] = {
    {21, "gyerekes"},
    {22, "hangosk"},
    {23, "vitatkoz"},
    {24, "nemfejez"},
    {25, "lányos-e"},
    {26, "felesel"},
    {27, "kérkedés"},
    {28, "koncentr"},
    {29, "kényszer"},
    {30, "hiperakt"},
    {31, "csüng"},
    {32, "magányos"},
    {33, "kuszavis"},
    {34, "sírós"},
    {35, "izgága"},
    {36, "kegyetle"},
    {37, "álmodozó"},
    {38, "öngyilk"},
    {39, "figyigén"},
    {40, "rongsaj"},
    {41, "rongmás"},
    {42, "nehezen"},
    {43, "eng.isko"},
    {44, "zavarja"},
    {45, "kapcsola"},
    {46, "büntudat"},
    {47, "féltéken"},
    {48, "nemételt"},
    {49, "félelmek"},
    {50, "iskfélel"},
    {51, "rosszgon"},
    {52, "tökélete"},
    {53, "nemszere"},
    {54, "kitolnak"},
    {55, "értéktel"},
    {56, "megsérül"},
    {57, "verekedő"},
    {58, "csúfoljá"},
    {59, "sodródik"},
    {60, "hallucin"},
    {61, "indulato"},
    {62, "egyedülv"},
    {63, "hazudós"},
    {64, "körömrág"},
    {65, "idegessé"},
    {66, "tic"},
    {67, "szabály"},
    {68, "nemszere"},
    {69, "tanulás"},
    {70, "félős"},
    {71, "szédülős"},
    {72, "büntudat"},
    {73, "beszél"},
    {74, "kimerült"},
    {75, "túlsúlyo"},
    {76, "fájdalma"},
    {77, "fejfájás"},
    {78, "hányinge"},
    {79, "látásipr"},
    {80, "bőrprob"},
    {81, "hasfájás"},
    {82, "hányás"},
    {83, "más-szom"},
    {84, "verekedő"},
    {85, "orrpiszk"},
    {86, "alszik"},
    {87, "fásult"},
    {88, "iskprobl"},
    {89, "mozgás"},
    {90, "idősebb"},
    {91, "fiatalab"},
    {92, "nemtársa"},
    {93, "kényszcs"},
    {94, "fegyelem"},
    {95, "visít"},
    {96, "titkolóz"},
    {97, "vízionál"},
    {98, "önkritik"},
    {99, "rendetle"},
    {100, "felelőtl"},
    {101, "bohóckod"},
    {102, "szégyenl"},
    {103, "lobbanék"},
    {104, "frusztrá"},
    {105, "figyelem"},
    {106, "beszédpr"},
    {107, "bamba"},
    {108, "megbántv"},
    {109, "lop"},
    {110, "gyüjtöge"},
    {111, "furcsvis"},
    {112, "gondolat"},
    {113, "makacs"},
    {114, "hangulat"},
    {115, "duzzog"},
    {116, "gyanakvó"},
    {117, "káromkod"},
    {118, "suicgond"},
    {119, "alultelj"},
    {120, "beszédes"},
    {121, "ugratós"},
    {122, "dühroham"},
    {123, "sexérdek"},
    {124, "ijeszt"},
    {125, "elkésik"},
    {126, "túlrende"},
    {127, "feladat"},
    {128, "csavarog"},
    {129, "nemaktív"},
    {130, "boldogta"},
    {131, "harsány"},
    {132, "drogfogy"},
    {133, "tetszés"},
    {134, "iskundor"},
    {135, "félhibát"},
    {136, "nyafogós"},
    {137, "ápolatl"},
    {138, "visszahú"},
    {139, "aggodalm"},
    {140, "dohányzi"},
    {141, "alkoholt"},
    {142, "egyébpro"},
};

const SlotTag SelfReportTags[] = {
    {36, "gyerekes"},
    {37, "allergia"},
    {38, "vitatkoz"},
    {39, "asztmás"},
    {40, "lányos"},
    {41, "állatsze"},
    {42, "kérkedés"},
    {43, "koncentr"},
    {44, "kényszer"},
    {45, "hiperakt"},
    {46, "csüng"},
    {47, "magányos"},
    {48, "zavarod"},
    {49, "sírós"},
    {50, "őszinte"},
    {51, "durva"},
    {52, "álmodozó"},
    {53, "öngyilk"},
    {54, "figyigén"},
    {55, "rongsaj"},
    {56, "rongmás"},
    {57, "eng.otth"},
    {58, "eng.isko"},
    {59, "rosszevő"},
    {60, "kapcsola"},
    {61, "büntudat"},
    {62, "féltéken"},
    {63, "segít"},
    {64, "félelmek"},
    {65, "iskfélel"},
    {66, "rosszgon"},
    {67, "tökélete"},
    {68, "nemszere"},
    {69, "kitolnak"},
    {70, "értéktel"},
    {71, "megsérül"},
    {72, "verekedő"},
    {73, "csúfoljá"},
    {74, "sodródik"},
    {75, "hallucin"},
    {76, "indulato"},
    {77, "egyedülv"},
    {78, "hazudós"},
    {79, "körömrág"},
    {80, "idegessé"},
    {81, "rángások"},
    {82, "lidérc"},
    {83, "nemszere"},
    {84, "jól-tud"},
    {85, "félős"},
    {86, "szédülős"},
    {87, "büntudat"},
    {88, "sok-evés"},
    {89, "elfárado"},
    {90, "túlsúlyo"},
    {91, "fájdalma"},
    {92, "fejfájás"},
    {93, "hányinge"},
    {94, "látásipr"},
    {95, "bőrprob"},
    {96, "hasfájás"},
    {97, "hányás"},
    {98, "egyéb"},
    {99, "verekedő"},
    {100, "orrpiszk"},
    {101, "barátság"},
    {102, "kipróbál"},
    {103, "iskprobl"},
    {104, "mozgás"},
    {105, "idősebb"},
    {106, "fiatalab"},
    {107, "nembeszé"},
    {108, "kényszcs"},
    {109, "elszökés"},
    {110, "visít"},
    {111, "titkolóz"},
    {112, "vízionál"},
    {113, "félénk"},
    {114, "gyújtoga"},
    {115, "kézügyes"},
    {116, "bohóckod"},
    {117, "szégyenl"},
    {118, "kevesalv"},
    {119, "többalvá"},
    {120, "fantázia"},
    {121, "beszédpr"},
    {122, "kiállJog"},
    {123, "lopás"},
    {124, "elcssen"},
    {125, "gyüjtöge"},
    {126, "furcsvis"},
    {127, "gondolat"},
    {128, "makacs"},
    {129, "hangulat"},
    {130, "társas"},
    {131, "gyanakvó"},
    {132, "káromkod"},
    {133, "suicgond"},
    {134, "nevettet"},
    {135, "beszédes"},
    {136, "ugratós"},
    {137, "indulato"},
    {138, "sexérdek"},
    {139, "ijeszt"},
    {140, "segítő"},
    {141, "túlrende"},
    {142, "alvásipr"},
    {143, "csavarog"},
    {144, "nemaktív"},
    {145, "boldogta"},
    {146, "harsány"},
    {147, "drogfogy"},
    {148, "tisztess"},
    {149, "vicces"},
    {150, "könnyüÉl"},
    {151, "segítő"},
    {152, "másnemhe"},
    {153, "visszahú"},
    {154, "aggodalm"},
    {155, "dohányzi"},
    {156, "alkohol"},
    {157, "egyébpro"},
};

const char *const ParentResultLabels[] = {
    "Aktivitás nyerspont:",
    "Társas tevékenység nyerspont:",
    "Iskolai teljesítmény nyerspont:",
    "Összkompetencia nyerspont:",
    "Visszahúzódás nyerspont:",
    "Szomatikus panaszok nyerspont:",
    "Szorongás, depresszió nyerspont:",
    "Szociális problémák nyerspont:",
    "Gondolkodási zavarok nyerspont:",
    "Figyelmi problémák nyerspont:",
    "Szabályszegő magatartás nyerspont:",
    "Agresszió nyerspont:",
    "Internalizáció nyerspont:",
    "Externalizáció nyerspont:",
    "Összprobléma skála nyerspont:",
    "Aktivitás T-érték",
    "Társas tevékenység T-érték",
    "Iskolai eredményesség T-érték",
    "Összkompetencia skála T-érték",
    "Visszahúzódás T-érték",
    "Szomatikus panaszok T-érték",
    "Szorongás, depresszió T-érték",
    "Szociális problémák T-érték",
    "Gondolkodási zavarok T-érték",
    "Figyelmi problémák T-érték",
    "Szabályszegő magatartás T-érték",
    "Agresszó T-érték",
    "Internalizáció T-érték",
    "Externalizáció T-érték",
    "Összprobléma skála T-érték",
};

const char *const TeacherResultLabels[] = {
    "Iskolai eredményesség nyerspont:",
    "Iskolai szorgalom nyerspont:",
    "Iskolai magatartás nyerspont:",
    "Tnulás nyerspont:",
    "Boldogság nyerspont:",
    "Iskolai összesített adaptivitás nyerspont:",
    "Visszahúzódás nyerspont:",
    "Szomatikus panaszok nyerspont:",
    "Szorongás, depresszió nyerspont:",
    "Szociális problémák nyerspont:",
    "Gondolkodási zavarok nyerspont:",
    "Figyelmi problémák nyerspont:",
    "Szabályszegő magatartás nyerspont:",
    "Agresszió nyerspont:",
    "Internalizáció nyerspont:",
    "Externalizáció nyerspont:",
    "Összprobléma skála",
    "Iskolai eredményesség T-érték:",
    "Iskolai szorgalom T-érték:",
    "Iskolai magatartás T-érték:",
    "Tnulás T-érték:",
    "Boldogság T-érték:",
    "Iskolai összesített adaptivitás T-érték:",
    "Visszahúzódás T-érték:",
    "Szomatikus panaszok T-érték:",
    "Szorongás, depresszió T-érték:",
    "Szociális problémák T-érték:",
    "Gondolkodási zavarok T-érték:",
    "Figyelmi problémák T-érték:",
    "Szabályszegő magatartás T-érték:",
    "Agresszió T-érték:",
    "Internalizáció T-érték:",
    "Externalizáció T-érték:",
    "Összprobléma skála T-érték:",
};

const char *const SelfReportResultLabels[] = {
    "Aktivitás nyerspont:",
    "Társas tevékenység nyerspont:",
    "Iskolai teljesítmény nyerspont:",
    "Összkompetencia nyerspont:",
    "Visszahúzódás nyerspont:",
    "Szomatikus panaszok nyerspont:",
    "Szorongás, depresszió nyerspont:",
    "Szociális problémák nyerspont:",
    "Gondolkodási zavarok nyerspont:",
    "Figyelmi problémák nyerspont:",
    "Szabályszegő magatartás nyerspont:",
    "Agresszió nyerspont:",
    "Szociális érettség nyerspont:",
    "Internalizáció nyerspont:",
    "Externalizáció nyerspont:",
    "Összprobléma skála nyerspont:",
    "Aktivitás T-érték",
    "Társas tevékenység T-érték",
    "Iskolai eredményesség T-érték",
    "Összkompetencia skála T-érték",
    "Visszahúzódás T-érték",
    "Szomatikus panaszok T-érték",
    "Szorongás, depresszió T-érték",
    "Szociális problémák T-érték",
    "Gondolkodási zavarok T-érték",
    "Figyelmi problémák T-érték",
    "Szabályszegő magatartás T-érték",
    "Agresszó T-érték",
    "Szociális érettség T-érték",
    "Internalizáció T-érték",
    "Externalizáció T-érték",
    "Összprobléma skála T-érték",
};

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list.append(QString::number(n));
    return list;
}

QStringList without(QStringList list, const QStringList &removed)
{
    for (const QString &r : removed)
        list.removeAll(r);
    return list;
}

QStringList parentItemNumbers() { return numbers(67, 204); }

QStringList teacherItemNumbers()
{
    QStringList list = without(numbers(26, 161), {QStringLiteral("85")});
    list.insert(list.indexOf(QStringLiteral("94")) + 1, QStringLiteral("94a"));
    return list;
}

const QStringList ParentItemFreeText = {
    "69", "77", "98", "110", "117", "127", "132", "137", "140", "148", "153", "163", "168", "170", "172", "193", "204"};
const QStringList TeacherItemFreeText
    = {"35", "56", "68", "75", "90", "94a", "105", "110", "120", "125", "127", "129", "150", "161"};
const QStringList SelfReportItemFreeText = {
    "57", "65", "86", "98", "105", "115", "120", "125", "128", "137", "142", "152", "157", "159", "161", "182", "193"};

const char *const ResourceNames[] = {":/rowlists/szulo.txt", ":/rowlists/tanar.txt", ":/rowlists/onert.txt"};
const char *const FormNames[] = {"szulo", "tanar", "onert"};

QByteArray rowName(int kind, const QString &what) { return QByteArray(FormNames[kind - 1]) + ' ' + what.toUtf8(); }

QStringList toStrings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list.append(QString::fromUtf8(t));
    return list;
}

const QStringList ProblemItemCaptions
    = toStrings({"0=nem igaz;", "1=néha vagy valamennyire igaz;", "2=nagyon igaz vagy gyakran igaz;"});

const char *triggerName(MenuTrigger trigger)
{
    switch (trigger) {
    case MenuTrigger::Press: return "press";
    case MenuTrigger::DoubleClick: return "double-click";
    case MenuTrigger::Key: return "key";
    }
    return "?";
}

const MenuTrigger AllTriggers[] = {MenuTrigger::Press, MenuTrigger::DoubleClick, MenuTrigger::Key};

} // namespace

Q_DECLARE_METATYPE(MenuTrigger)

class TestRowLists : public QObject
{
    Q_OBJECT

private slots:
    void resourceFile_data();
    void resourceFile();
    void layout_data();
    void layout();
    void freeTextRows_data();
    void freeTextRows();
    void subQuestions_data();
    void subQuestions();
    void quotedTexts_data();
    void quotedTexts();
    void tags_data();
    void tags();
    void tagsOnlyOnItems_data();
    void tagsOnlyOnItems();
    void resultLabels_data();
    void resultLabels();
    void slotsRiseByOne_data();
    void slotsRiseByOne();
    void definitionsReadBack_data();
    void definitionsReadBack();
    void menuNames_data();
    void menuNames();
    void menuCaptions_data();
    void menuCaptions();
    void rowMenus_data();
    void rowMenus();
    void itemRowMenus_data();
    void itemRowMenus();
    void splitCaption_data();
    void splitCaption();
    void zeroFill_data();
    void zeroFill();

private:
    void addLayout(int kind, int firstRow, int lastRow, const QStringList &rowNumbers, int firstSlot, int lastSlot,
        const QStringList &freeText = {}, const QList<int> &unusedSlots = {});
    void addMenuRows(int kind, const QList<int> &rowNumbers, const QString &menu);
    void addMenuCaptions(int kind, int number, const QStringList &captions);
};

void TestRowLists::resourceFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lines");
    QTest::newRow("szulo") << 1 << 233;
    QTest::newRow("tanar") << 2 << 194;
    QTest::newRow("onert") << 3 << 223;
}

void TestRowLists::resourceFile()
{
    QFETCH(int, kind);
    QFETCH(int, lines);

    QFile file(QString::fromLatin1(ResourceNames[kind - 1]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains('\r'));
    QVERIFY(bytes.endsWith('\n'));
    QCOMPARE(bytes.count('\n'), lines);
    // Valid UTF-8 that survives a round trip.
    QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes);
    QVERIFY(!QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));

    QCOMPARE(rowList(kind).size(), lines);
    QCOMPARE(rowList(kind).size(), kindInfo(kind).rowCount);
}

void TestRowLists::addLayout(int kind, int firstRow, int lastRow, const QStringList &rowNumbers, int firstSlot,
    int lastSlot, const QStringList &freeText, const QList<int> &unusedSlots)
{
    QTest::newRow(rowName(kind, QStringLiteral("rows %1..%2").arg(firstRow).arg(lastRow)))
        << kind << firstRow << lastRow << rowNumbers << firstSlot << lastSlot << freeText << unusedSlots;
}

void TestRowLists::layout_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QStringList>("rowNumbers");
    QTest::addColumn<int>("firstSlot"); // NoSlot: the range has no slotted row
    QTest::addColumn<int>("lastSlot");
    QTest::addColumn<QStringList>("freeText");
    QTest::addColumn<QList<int>>("unusedSlots");

    // Parent form.
    addLayout(1, 0, 0, {"1"}, NoSlot, NoSlot, {"1"});
    addLayout(1, 1, 1, {"2"}, 1, 1);
    addLayout(1, 2, 2, {"3"}, 2, 2);
    addLayout(1, 3, 3, {"4"}, 3, 3);
    addLayout(1, 4, 16, numbers(5, 17), 4, 16);
    addLayout(1, 17, 34, numbers(19, 36), 17, 28, {"19", "22", "25", "28", "31", "34"});
    addLayout(1, 35, 40, numbers(37, 42), 29, 31, {"37", "39", "41"});
    addLayout(1, 41, 46, numbers(43, 48), 32, 34, {"43", "45", "47"});
    addLayout(1, 47, 52, numbers(49, 54), 35, 40);
    addLayout(1, 53, 57, numbers(55, 59), 41, 45);
    addLayout(1, 58, 64, {"60", "61", "62", "63", "63a", "64", "65"}, 46, 48, {"61", "63a", "64", "65"});
    addLayout(1, 65, 202, parentItemNumbers(), 49, 170, ParentItemFreeText, {114});
    addLayout(1, 203, 232, numbers(205, 234), 171, 200);

    // Teacher form.
    addLayout(2, 0, 3, numbers(1, 4), 1, 3, {"1"});
    addLayout(2, 4, 7, numbers(5, 8), 4, 7);
    addLayout(2, 8, 8, {"9"}, 8, 8);
    addLayout(2, 9, 10, {"10", "11"}, 9, 9, {"11"});
    addLayout(2, 11, 11, {"12"}, 10, 10);
    addLayout(2, 12, 16, numbers(13, 17), 11, 15);
    addLayout(2, 17, 20, numbers(18, 21), 16, 19);
    addLayout(2, 21, 23, numbers(22, 24), 20, 20, {"23", "24"});
    addLayout(2, 24, 159, teacherItemNumbers(), 21, 142, TeacherItemFreeText);
    addLayout(2, 160, 193, numbers(162, 195), 143, 176);

    // Self-report form.
    addLayout(3, 0, 3, numbers(1, 4), 1, 3, {"1"});
    addLayout(3, 4, 21, numbers(6, 23), 4, 15, {"6", "9", "12", "15", "18", "21"});
    addLayout(3, 22, 27, numbers(24, 29), 16, 18, {"24", "26", "28"});
    addLayout(3, 28, 33, numbers(30, 35), 19, 21, {"30", "32", "34"});
    addLayout(3, 34, 39, numbers(36, 41), 22, 27);
    addLayout(3, 40, 44, numbers(42, 46), 28, 32);
    addLayout(3, 45, 51, numbers(47, 53), 33, 35, {"48", "51", "52", "53"});
    addLayout(3, 52, 190, numbers(55, 193), 36, 157, SelfReportItemFreeText);
    addLayout(3, 191, 222, numbers(194, 225), 158, 189);
}

void TestRowLists::layout()
{
    QFETCH(int, kind);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(QStringList, rowNumbers);
    QFETCH(int, firstSlot);
    QFETCH(int, lastSlot);
    QFETCH(QStringList, freeText);
    QFETCH(QList<int>, unusedSlots);

    const QVector<RowDefinition> &rows = rowList(kind);
    QCOMPARE(lastRow - firstRow + 1, rowNumbers.size());
    QVERIFY(lastRow < rows.size());

    int expectedSlot = firstSlot;
    int lastSeenSlot = NoSlot;
    for (int r = firstRow; r <= lastRow; ++r) {
        const RowDefinition &row = rows.at(r);
        const QString number = rowNumbers.at(r - firstRow);
        QVERIFY2(row.RowNumber == number, qPrintable(QStringLiteral("row %1: %2").arg(r).arg(row.text)));
        if (freeText.contains(number)) {
            QVERIFY2(row.SlotNumber == NoSlot, qPrintable(row.text));
            continue;
        }
        while (unusedSlots.contains(expectedSlot))
            ++expectedSlot;
        QVERIFY2(row.SlotNumber == expectedSlot, qPrintable(QStringLiteral("row %1: %2").arg(r).arg(row.text)));
        lastSeenSlot = expectedSlot++;
    }
    QCOMPARE(lastSeenSlot, lastSlot);
}

void TestRowLists::freeTextRows_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("freeText");

    QTest::newRow("szulo") << 1
                           << QStringList{"1", "19", "22", "25", "28", "31", "34", "37", "39", "41", "43", "45", "47",
                                  "61", "63a", "64", "65"}
            + ParentItemFreeText;
    QTest::newRow("tanar") << 2 << QStringList{"1", "11", "23", "24"} + TeacherItemFreeText;
    QTest::newRow("onert") << 3
                           << QStringList{"1", "6", "9", "12", "15", "18", "21", "24", "26", "28", "30", "32", "34",
                                  "48", "51", "52", "53"}
            + SelfReportItemFreeText;
}

void TestRowLists::freeTextRows()
{
    QFETCH(int, kind);
    QFETCH(QStringList, freeText);

    QStringList found;
    for (const RowDefinition &row : rowList(kind)) {
        if (row.SlotNumber == NoSlot)
            found.append(row.RowNumber);
    }
    QCOMPARE(found, freeText);
}

void TestRowLists::subQuestions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("gridRow"); // -1: the form has no sub-question
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("caption"); // column 0 of the grid

    QTest::newRow("szulo 63a") << 1 << 62 << "63a"
                               << QString::fromUtf8("63.a. Ha igen, mik ezek a problémák és mikor kezdődtek?");
    QTest::newRow("tanar 94a") << 2 << 92 << "94a" << QString::fromUtf8("94.a. Ha igen, írja le, milyen panaszok:");
    QTest::newRow("onert none") << 3 << -1 << QString() << QString();
}

void TestRowLists::subQuestions()
{
    QFETCH(int, kind);
    QFETCH(int, gridRow);
    QFETCH(QString, number);
    QFETCH(QString, caption);

    const QVector<RowDefinition> &rows = rowList(kind);
    for (int r = 0; r < rows.size(); ++r) {
        const RowDefinition &row = rows.at(r);
        bool numeric = false;
        row.RowNumber.toInt(&numeric);
        if (r == gridRow) {
            QCOMPARE(row.RowNumber, number);
            QCOMPARE(row.SlotNumber, NoSlot);
            QCOMPARE(row.rowNumberValue(), 999);
            QVERIFY(row.Tag.isEmpty());
            if (!caption.isEmpty())
                QCOMPARE(questionCaption(kind, row), caption);
        } else {
            QVERIFY2(numeric, qPrintable(row.text));
        }
    }
}

void TestRowLists::quotedTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("gridRow");
    QTest::addColumn<QString>("text");

    for (int kind = 1; kind <= 3; ++kind) {
        QTest::newRow(rowName(kind, QStringLiteral("name"))) << kind << 0 << QString::fromUtf8("1/*/ Név / Jelige");
        QTest::newRow(rowName(kind, QStringLiteral("code"))) << kind << 1 << QString::fromUtf8("2/1/ Azonosító");
        QTest::newRow(rowName(kind, QStringLiteral("sex")))
            << kind << 2 << QString::fromUtf8("3/2/ Nem (fiú vagy lány)");
        QTest::newRow(rowName(kind, QStringLiteral("age"))) << kind << 3 << QString::fromUtf8("4/3/ Életkor");
    }
    QTest::newRow("szulo father") << 1 << 4 << QString::fromUtf8("5/4/ Apa iskolai végzettsége:");
    QTest::newRow("szulo 63a") << 1 << 62
                               << QString::fromUtf8("63a/*/ Ha igen, mik ezek a problémák és mikor kezdődtek?");
    QTest::newRow("szulo item 1") << 1 << 65
                                  << QString::fromUtf8(
                                         "67/49/ Viselkedése életkorához képest túlságosan gyerekes.#gyerekes");
    QTest::newRow("szulo left out") << 1 << 138 << QString::fromUtf8("140/*/ Ez a kérdés kimarad ebből a változatból.");
}

void TestRowLists::quotedTexts()
{
    QFETCH(int, kind);
    QFETCH(int, gridRow);
    QFETCH(QString, text);

    QCOMPARE(rowList(kind).at(gridRow).text, text);
}

void TestRowLists::tags_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("tag");

    auto add = [](int kind, const SlotTag *begin, const SlotTag *end) {
        for (const SlotTag *t = begin; t != end; ++t)
            QTest::newRow(rowName(kind, QStringLiteral("slot %1").arg(t->slot)))
                << kind << t->slot << QString::fromUtf8(t->tag);
    };
    add(1, std::begin(ParentTags), std::end(ParentTags));
    add(2, std::begin(TeacherTags), std::end(TeacherTags));
    add(3, std::begin(SelfReportTags), std::end(SelfReportTags));
}

void TestRowLists::tags()
{
    QFETCH(int, kind);
    QFETCH(int, slot);
    QFETCH(QString, tag);

    int found = 0;
    for (const RowDefinition &row : rowList(kind)) {
        if (row.SlotNumber == slot) {
            ++found;
            QCOMPARE(row.Tag, tag);
            QCOMPARE(row.text.contains(QLatin1Char('#')), !tag.isEmpty());
        }
    }
    QCOMPARE(found, 1);
}

void TestRowLists::tagsOnlyOnItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("firstItemSlot");
    QTest::addColumn<int>("lastItemSlot");
    QTest::newRow("szulo") << 1 << 49 << 170;
    QTest::newRow("tanar") << 2 << 21 << 142;
    QTest::newRow("onert") << 3 << 36 << 157;
}

void TestRowLists::tagsOnlyOnItems()
{
    QFETCH(int, kind);
    QFETCH(int, firstItemSlot);
    QFETCH(int, lastItemSlot);

    for (const RowDefinition &row : rowList(kind)) {
        const bool item = row.SlotNumber >= firstItemSlot && row.SlotNumber <= lastItemSlot;
        if (!item)
            QVERIFY2(row.Tag.isEmpty() && !row.text.contains(QLatin1Char('#')), qPrintable(row.text));
    }
}

void TestRowLists::resultLabels_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("gridRow");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("rowNumber");
    QTest::addColumn<QString>("label");

    auto add = [](int kind, const char *const *begin, const char *const *end) {
        const KindInfo &info = kindInfo(kind);
        int row = info.firstResultRow;
        int slot = info.firstResultSlot();
        for (const char *const *l = begin; l != end; ++l, ++row, ++slot) {
            // Row numbers run two ahead of the grid rows in the parent and teacher forms, three in the self-report.
            const int number = row + (kind == 3 ? 3 : 2);
            QTest::newRow(rowName(kind, QStringLiteral("row %1").arg(row)))
                << kind << row << slot << QString::number(number) << QString::fromUtf8(*l);
        }
    };
    add(1, std::begin(ParentResultLabels), std::end(ParentResultLabels));
    add(2, std::begin(TeacherResultLabels), std::end(TeacherResultLabels));
    add(3, std::begin(SelfReportResultLabels), std::end(SelfReportResultLabels));
}

void TestRowLists::resultLabels()
{
    QFETCH(int, kind);
    QFETCH(int, gridRow);
    QFETCH(int, slot);
    QFETCH(QString, rowNumber);
    QFETCH(QString, label);

    const RowDefinition &row = rowList(kind).at(gridRow);
    QCOMPARE(row.RowNumber, rowNumber);
    QCOMPARE(row.SlotNumber, slot);
    QCOMPARE(row.Label, QLatin1Char(' ') + label);
    QVERIFY(row.Tag.isEmpty());
    QCOMPARE(row.text, QStringLiteral("%1/%2/ %3").arg(rowNumber).arg(slot).arg(label));
}

void TestRowLists::slotsRiseByOne_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("unusedSlots");
    QTest::newRow("szulo") << 1 << QList<int>{114};
    QTest::newRow("tanar") << 2 << QList<int>{};
    QTest::newRow("onert") << 3 << QList<int>{};
}

void TestRowLists::slotsRiseByOne()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, unusedSlots);

    int previous = 0;
    for (const RowDefinition &row : rowList(kind)) {
        if (row.SlotNumber == NoSlot)
            continue;
        int expected = previous + 1;
        while (unusedSlots.contains(expected))
            ++expected;
        QVERIFY2(row.SlotNumber == expected, qPrintable(row.text));
        previous = row.SlotNumber;
    }
    QCOMPARE(previous, kindInfo(kind).slotCount);
}

void TestRowLists::definitionsReadBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("szulo") << 1;
    QTest::newRow("tanar") << 2;
    QTest::newRow("onert") << 3;
}

void TestRowLists::definitionsReadBack()
{
    QFETCH(int, kind);

    QSet<QString> numbersSeen;
    for (const RowDefinition &row : rowList(kind)) {
        // Every text is number "/" slot "/" blank question, with the tag after "#".
        const QString slot = row.SlotNumber == NoSlot ? QStringLiteral("*") : QString::number(row.SlotNumber);
        QString rebuilt = row.RowNumber + QLatin1Char('/') + slot + QLatin1Char('/') + row.Label;
        if (row.text.contains(QLatin1Char('#')))
            rebuilt += QLatin1Char('#') + row.Tag;
        QCOMPARE(rebuilt, row.text);
        QVERIFY2(row.Label.startsWith(QLatin1Char(' ')), qPrintable(row.text));
        QVERIFY2(row.Label.trimmed().size() > 1, qPrintable(row.text));
        QVERIFY2(!row.Label.endsWith(QLatin1Char(' ')), qPrintable(row.text));
        QVERIFY2(!row.Label.contains(QLatin1String("  ")), qPrintable(row.text));
        QVERIFY2(!numbersSeen.contains(row.RowNumber), qPrintable(row.text));
        numbersSeen.insert(row.RowNumber);
    }
}

void TestRowLists::menuNames_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("numbers");
    QList<int> parent;
    for (int n = 1; n <= 23; ++n)
        parent.append(n);
    QTest::newRow("szulo") << 1 << parent;
    QTest::newRow("tanar") << 2 << QList<int>{1, 2, 3, 5, 12, 13, 14, 15, 17};
    QTest::newRow("onert") << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
}

void TestRowLists::menuNames()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, numbers);

    const FormMenus &form = formMenus(kind);
    QCOMPARE(form.menus.size(), numbers.size());
    for (int i = 0; i < numbers.size(); ++i) {
        const QString name = QStringLiteral("PopupMenu%1").arg(numbers.at(i));
        QCOMPARE(form.indexOf(name), i);
        // Every entry reads code "=" label ";" with a one-digit code.
        for (const QString &caption : form.menus.at(i).captions) {
            QString code;
            QString label;
            QVERIFY(splitAnswerCaption(caption, &code, &label));
            QVERIFY2(code.size() == 1 && code.at(0).isDigit(), qPrintable(caption));
            QVERIFY2(!label.isEmpty(), qPrintable(caption));
            QCOMPARE(caption, code + QLatin1Char('=') + label + QLatin1Char(';'));
        }
    }
    QCOMPARE(form.indexOf(QStringLiteral("PopupMenu99")), -1);
}

void TestRowLists::addMenuCaptions(int kind, int number, const QStringList &captions)
{
    QTest::newRow(rowName(kind, QStringLiteral("PopupMenu%1").arg(number)))
        << kind << QStringLiteral("PopupMenu%1").arg(number) << captions;
}

void TestRowLists::menuCaptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("captions");

    const QStringList education = toStrings({"0=nem ismert;", "1=0-7 osztály;", "2=általános iskola 8 osztály;",
        "3=szakmunkás;", "4=középiskola;", "5=főiskola;", "6=egyetem;"});
    const QStringList activity = toStrings({"0=nem ismert;", "1=aktív dolgozó;", "2=munkanélküli;",
        "3=nyugdíjas, leszázalékolt;", "4=GYES;", "5=főfoglalkozású szülő;", "6=eltartott;", "7=meghalt;"});
    const QStringList family = toStrings(
        {"0=nem ismert;", "1=eredeti teljes család;", "2=csonka család (csak anya);", "3=csonka család (csak apa);",
            "4=teljes család nevelőanyával;", "5=teljes család nevelőapával;", "6=család egyéb rokonnal;"});
    const QStringList timeSpent
        = toStrings({"1=nem tudom;", "2=társaimnál kevesebbet;", "3=annyit, mint a társaim;", "4=társaimnál többet;"});
    const QStringList performance
        = toStrings({"1=nem tudom;", "2=társaimnál gyengébb;", "3=átlagos;", "4=jobb, mint a társaim;"});
    const QStringList howActive = toStrings({"1=nem tudom;", "2=kevésbé aktív;", "3=átlagos;", "4=átlagnál aktívabb;"});
    const QStringList howWell
        = toStrings({"1=nem tudom;", "2=az átlagnál rosszabbul;", "3=átlagosan;", "4=az átlagnál jobban;"});
    const QStringList friends = toStrings({"1=nincs;", "2=egy;", "3=kettő-három;", "4=négy vagy több;"});
    const QStringList timesAWeek
        = toStrings({"1=egynél kevesebbszer;", "2=egy-két alkalommal;", "3=három vagy több alkalommal;"});
    const QStringList siblings = toStrings({"0=nincs testvérem;", "1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    const QStringList gettingAlong = toStrings({"1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    const QStringList school = toStrings({"1=rossz;", "2=átlag alatti;", "3=átlagos;", "4=átlag feletti;"});
    const QStringList independence = toStrings({"1=kevésbé;", "2=átlagosan;", "3=nagyon;"});
    const QStringList noYes = toStrings({"1=nem;", "2=igen;"});
    const QStringList noneSome = toStrings({"1=nincs;", "2=van;"});

    addMenuCaptions(1, 1, education);
    addMenuCaptions(1, 2, activity);
    addMenuCaptions(1, 3, family);
    addMenuCaptions(1, 4,
        toStrings({"1=nincs testvér;", "2=kettőből idősebb;", "3=kettőből fiatalabb;", "4=háromból idősebb;",
            "5=háromból középső;", "6=háromból fiatalabb;", "7=többől idősebb;", "8=többől középső;",
            "9=többől fiatalabb;"}));
    addMenuCaptions(1, 5, noneSome);
    addMenuCaptions(1, 6, toStrings({"0=nem iker;", "1=egypetéjű;", "2=kétpetéjű;", "3=többes iker;"}));
    addMenuCaptions(1, 7, toStrings({"0=problémamentes;", "1=problémás;"}));
    addMenuCaptions(1, 8, toStrings({"1=sima szülés;", "2=komplikált szülés;"}));
    addMenuCaptions(1, 9, toStrings({"1=időben;", "2=koraszülés;", "3=túlhordás;"}));
    addMenuCaptions(1, 10, toStrings({"1=jobbkezes;", "2=balkezes;", "3=kevert;"}));
    addMenuCaptions(1, 11, toStrings({"1=problémamentes;", "2=problémás;"}));
    addMenuCaptions(1, 12, timeSpent);
    addMenuCaptions(1, 13, performance);
    addMenuCaptions(1, 14, howActive);
    addMenuCaptions(1, 15, howWell);
    addMenuCaptions(1, 16, noYes);
    addMenuCaptions(1, 17, timesAWeek);
    addMenuCaptions(1, 18, siblings);
    addMenuCaptions(1, 19, friends);
    addMenuCaptions(1, 20, gettingAlong);
    addMenuCaptions(1, 21, school);
    addMenuCaptions(1, 22, independence);
    addMenuCaptions(1, 23, ProblemItemCaptions);

    addMenuCaptions(2, 1, education);
    addMenuCaptions(2, 2, activity);
    addMenuCaptions(2, 3, family);
    addMenuCaptions(2, 5, noneSome);
    addMenuCaptions(2, 12, toStrings({"1=nem tudom;", "2=nem;", "3=igen;"}));
    addMenuCaptions(2, 13, noYes);
    addMenuCaptions(2, 14, toStrings({"1=rossz;", "2=átlag alatti;", "3=átlagos;", "4=jó;", "5=kiemelkedő;"}));
    addMenuCaptions(2, 15,
        toStrings({"1=nagyon az átlag alatt;", "2=jelentősen az átlag alatt;", "3=kicsit az átlag alatt;", "4=átlagos;",
            "5=kicsit az átlag felett;", "6=jelentősen az átlag felett;", "7=nagyon az átlag felett;"}));
    addMenuCaptions(2, 17, ProblemItemCaptions);

    addMenuCaptions(3, 1, ProblemItemCaptions);
    addMenuCaptions(3, 2, timeSpent);
    addMenuCaptions(3, 3, performance);
    addMenuCaptions(3, 4, howActive);
    addMenuCaptions(3, 5, howWell);
    addMenuCaptions(3, 6, friends);
    addMenuCaptions(3, 7, timesAWeek);
    addMenuCaptions(3, 8, siblings);
    addMenuCaptions(3, 9, gettingAlong);
    addMenuCaptions(3, 10, school);
    addMenuCaptions(3, 11, noYes);
    addMenuCaptions(3, 12, noneSome);
    addMenuCaptions(3, 13, independence);
}

void TestRowLists::menuCaptions()
{
    QFETCH(int, kind);
    QFETCH(QString, menu);
    QFETCH(QStringList, captions);

    const FormMenus &form = formMenus(kind);
    const int index = form.indexOf(menu);
    QVERIFY(index >= 0);
    QCOMPARE(form.menus.at(index).name, menu);
    QCOMPARE(form.menus.at(index).captions, captions);
}

void TestRowLists::addMenuRows(int kind, const QList<int> &rowNumbers, const QString &menu)
{
    for (int number : rowNumbers) {
        for (MenuTrigger trigger : AllTriggers) {
            QTest::newRow(rowName(kind, QStringLiteral("%1 %2").arg(number).arg(QLatin1String(triggerName(trigger)))))
                << kind << number << trigger << menu;
        }
    }
}

void TestRowLists::rowMenus_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rowNumber");
    QTest::addColumn<MenuTrigger>("trigger");
    QTest::addColumn<QString>("menu"); // empty: no menu

    // Parent form; rows 5..8 open their menus from the keyboard as well.
    addMenuRows(1, {5, 7}, "PopupMenu1");
    addMenuRows(1, {6, 8}, "PopupMenu2");
    addMenuRows(1, {9}, "PopupMenu3");
    addMenuRows(1, {10}, "PopupMenu4");
    addMenuRows(1, {11, 63}, "PopupMenu5");
    addMenuRows(1, {12}, "PopupMenu6");
    addMenuRows(1, {13}, "PopupMenu7");
    addMenuRows(1, {14}, "PopupMenu8");
    addMenuRows(1, {15}, "PopupMenu9");
    QTest::newRow("szulo 16 press") << 1 << 16 << MenuTrigger::Press << "PopupMenu11";
    QTest::newRow("szulo 16 double-click") << 1 << 16 << MenuTrigger::DoubleClick << "PopupMenu7";
    QTest::newRow("szulo 16 key") << 1 << 16 << MenuTrigger::Key << "PopupMenu7";
    addMenuRows(1, {17}, "PopupMenu10");
    addMenuRows(1, {20, 23, 26, 29, 32, 35}, "PopupMenu12");
    addMenuRows(1, {21, 24, 27, 30, 33, 36}, "PopupMenu13");
    addMenuRows(1, {38, 40, 42}, "PopupMenu14");
    addMenuRows(1, {44, 46, 48}, "PopupMenu15");
    addMenuRows(1, {49}, "PopupMenu19");
    addMenuRows(1, {50}, "PopupMenu17");
    addMenuRows(1, {51}, "PopupMenu18");
    addMenuRows(1, {52, 53}, "PopupMenu20");
    addMenuRows(1, {54}, "PopupMenu22");
    addMenuRows(1, {55, 56, 57, 58, 59}, "PopupMenu21");
    addMenuRows(1, {60, 62}, "PopupMenu16");
    addMenuRows(1, {67, 68, 70, 126, 128, 139, 141, 202, 203}, "PopupMenu23");
    addMenuRows(1, {0, 1, 2, 3, 4, 18, 19, 22, 37, 39, 43, 47, 61, 64, 65, 66, 69, 117, 127, 140, 204, 205, 234, 999},
        QString());

    // Teacher form.
    addMenuRows(2, {5, 7}, "PopupMenu1");
    addMenuRows(2, {6, 8}, "PopupMenu2");
    addMenuRows(2, {9}, "PopupMenu3");
    addMenuRows(2, {10}, "PopupMenu12");
    addMenuRows(2, {12}, "PopupMenu13");
    addMenuRows(2, {13, 14, 15, 16, 17}, "PopupMenu14");
    addMenuRows(2, {18, 19, 20, 21}, "PopupMenu15");
    addMenuRows(2, {22}, "PopupMenu5");
    addMenuRows(2, {26, 27, 34, 36, 84, 86, 94, 95, 159, 160}, "PopupMenu17");
    addMenuRows(2, {1, 2, 3, 4, 11, 23, 24, 25, 35, 90, 105, 161, 162, 195, 999}, QString());

    // Self-report form.
    addMenuRows(3, {7, 10, 13, 16, 19, 22}, "PopupMenu2");
    addMenuRows(3, {8, 11, 14, 17, 20, 23}, "PopupMenu3");
    addMenuRows(3, {25, 27, 29}, "PopupMenu4");
    addMenuRows(3, {31, 33, 35}, "PopupMenu5");
    addMenuRows(3, {36}, "PopupMenu6");
    addMenuRows(3, {37}, "PopupMenu7");
    addMenuRows(3, {38}, "PopupMenu8");
    addMenuRows(3, {39, 40}, "PopupMenu9");
    addMenuRows(3, {41}, "PopupMenu13");
    addMenuRows(3, {42, 43, 44, 45, 46}, "PopupMenu10");
    addMenuRows(3, {47, 49}, "PopupMenu11");
    addMenuRows(3, {50}, "PopupMenu12");
    addMenuRows(3, {55, 56, 58, 114, 116, 191, 192}, "PopupMenu1");
    addMenuRows(3, {1, 2, 3, 4, 5, 6, 24, 30, 48, 51, 52, 53, 54, 57, 115, 193, 194, 225}, QString());
}

void TestRowLists::rowMenus()
{
    QFETCH(int, kind);
    QFETCH(int, rowNumber);
    QFETCH(MenuTrigger, trigger);
    QFETCH(QString, menu);

    const FormMenus &form = formMenus(kind);
    const int index = form.menuFor(rowNumber, trigger);
    QCOMPARE(index >= 0 ? form.menus.at(index).name : QString(), menu);
}

void TestRowLists::itemRowMenus_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("itemMenu");
    QTest::newRow("szulo") << 1 << "PopupMenu23";
    QTest::newRow("tanar") << 2 << "PopupMenu17";
    QTest::newRow("onert") << 3 << "PopupMenu1";
}

void TestRowLists::itemRowMenus()
{
    QFETCH(int, kind);
    QFETCH(QString, itemMenu);

    // Across the whole symptom range: a slotted row offers the item menu, a free-text row none.
    const KindInfo &info = kindInfo(kind);
    const FormMenus &form = formMenus(kind);
    const int expected = form.indexOf(itemMenu);
    QVERIFY(expected >= 0);
    const QVector<RowDefinition> &rows = rowList(kind);
    for (int r = info.firstItemRow; r < info.firstResultRow; ++r) {
        const RowDefinition &row = rows.at(r);
        for (MenuTrigger trigger : AllTriggers) {
            const int index = form.menuFor(row.rowNumberValue(), trigger);
            QVERIFY2(index == (row.SlotNumber == NoSlot ? -1 : expected), qPrintable(row.text));
        }
    }
    // The personal rows and the result rows never open a menu.
    for (int r : {0, 1, 2, 3}) {
        for (MenuTrigger trigger : AllTriggers)
            QCOMPARE(form.menuFor(rows.at(r).rowNumberValue(), trigger), -1);
    }
    for (int r = info.firstResultRow; r < rows.size(); ++r) {
        for (MenuTrigger trigger : AllTriggers)
            QCOMPARE(form.menuFor(rows.at(r).rowNumberValue(), trigger), -1);
    }
}

void TestRowLists::splitCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("label");

    QTest::newRow("plain") << "0=nem igaz;" << true << "0"
                           << "nem igaz";
    QTest::newRow("accented") << QString::fromUtf8("1=néha vagy valamennyire igaz;") << true << "1"
                              << QString::fromUtf8("néha vagy valamennyire igaz");
    QTest::newRow("comma in label") << QString::fromUtf8("3=nyugdíjas, leszázalékolt;") << true << "3"
                                    << QString::fromUtf8("nyugdíjas, leszázalékolt");
    QTest::newRow("accelerator before code") << "&2=van;" << true << "2"
                                             << "van";
    QTest::newRow("accelerator in label") << "1=&nem;" << true << "1"
                                          << "nem";
    QTest::newRow("doubled ampersand") << "2=a && b;" << true << "2"
                                       << "a & b";
    QTest::newRow("text after semicolon") << "5=egy;ketto;" << true << "5"
                                          << "egy";
    QTest::newRow("equals in label") << "1=a=b;" << true << "1"
                                     << "a=b";
    QTest::newRow("no semicolon") << "4=GYES" << true << "4"
                                  << "GYES";
    QTest::newRow("semicolon before equals") << "x;1=igen;" << true << "x;1"
                                             << "igen";
    QTest::newRow("empty parts") << "=;" << true << ""
                                 << "";
    QTest::newRow("no equals") << "nincs kod;" << false << ""
                               << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void TestRowLists::splitCaption()
{
    QFETCH(QString, caption);
    QFETCH(bool, ok);
    QFETCH(QString, code);
    QFETCH(QString, label);

    QString gotCode = QStringLiteral("stale");
    QString gotLabel = QStringLiteral("stale");
    QCOMPARE(splitAnswerCaption(caption, &gotCode, &gotLabel), ok);
    QCOMPARE(gotCode, code);
    QCOMPARE(gotLabel, label);
    // Either output may be left out.
    QCOMPARE(splitAnswerCaption(caption, nullptr, nullptr), ok);
}

void TestRowLists::zeroFill_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("parent") << int(Parent);
    QTest::newRow("teacher") << int(Teacher);
    QTest::newRow("self-report") << int(SelfReport);
}

void TestRowLists::zeroFill()
{
    QFETCH(int, kind);
    AnswerSet answers(kind);
    answers.startNewExamination();
    const KindInfo &info = kindInfo(kind);
    const QVector<RowDefinition> &rows = rowList(kind);
    const int blankRow = info.firstItemRow + 1;
    const int answeredRow = info.firstItemRow + 2;
    answers.setValueText(blankRow, QStringLiteral(" "));
    answers.setValueText(answeredRow, QStringLiteral("2"));

    fillSymptomRowsWithZero(answers);

    for (int row = 0; row < answers.size(); ++row) {
        const QString value = answers.valueText(row);
        if (row < info.firstItemRow) {
            QCOMPARE(value, QString());
            QCOMPARE(answers.answerLabel(row), QStringLiteral("-"));
        } else if (row >= info.firstResultRow) {
            QCOMPARE(value, QStringLiteral("***"));
        } else if (row == blankRow || row == answeredRow) {
            QCOMPARE(value, row == blankRow ? QStringLiteral(" ") : QStringLiteral("2"));
            QCOMPARE(answers.answerLabel(row), QStringLiteral("-"));
        } else if (rows[row].isFreeText()) {
            QCOMPARE(value, QStringLiteral("-"));
            QCOMPARE(answers.answerLabel(row), QStringLiteral("-"));
        } else {
            QCOMPARE(value, QStringLiteral("0"));
            QCOMPARE(answers.answerLabel(row), QStringLiteral("nullával feltöltve"));
        }
    }
}

QTEST_GUILESS_MAIN(TestRowLists)
#include "tst_rowlists.moc"
