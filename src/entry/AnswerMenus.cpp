#include "entry/AnswerMenus.h"

#include "case/Questionnaire.h"

#include <initializer_list>

namespace {

// The problem-item captions are the same on all three forms.
const std::initializer_list<const char *> ProblemItemCaptions
    = {"0=nem igaz;", "1=néha vagy valamennyire igaz;", "2=nagyon igaz vagy gyakran igaz;"};

// Free-text rows inside the problem-item range; they ask for details and open no menu.
const QVector<int> ParentItemFreeTextRows
    = {69, 77, 98, 110, 117, 127, 132, 137, 140, 148, 153, 163, 168, 170, 172, 193, 204};
const QVector<int> TeacherItemFreeTextRows = {35, 56, 68, 75, 90, 105, 110, 120, 125, 127, 129, 150, 161};
const QVector<int> SelfReportItemFreeTextRows
    = {57, 65, 86, 98, 105, 115, 120, 125, 128, 137, 142, 152, 157, 159, 161, 182, 193};

QString popupName(int number) { return QStringLiteral("PopupMenu%1").arg(number); }

void addMenu(FormMenus &form, int number, std::initializer_list<const char *> captions)
{
    AnswerMenu menu;
    menu.name = popupName(number);
    for (const char *caption : captions)
        menu.captions.append(QString::fromUtf8(caption));
    form.menus.append(menu);
}

int menuIndex(const FormMenus &form, int number)
{
    const int index = form.indexOf(popupName(number));
    Q_ASSERT_X(index >= 0, "AnswerMenus", "rule names a menu the form does not have");
    return index;
}

// A rule by PopupMenu numbers; a double-click and a key press open the press menu unless told otherwise.
void addRule(FormMenus &form, const QVector<int> &rows, int onPress, int onDoubleClick = 0, int onKey = 0)
{
    MenuRule rule;
    rule.rowNumbers = rows;
    rule.onPress = menuIndex(form, onPress);
    rule.onDoubleClick = menuIndex(form, onDoubleClick ? onDoubleClick : onPress);
    rule.onKey = menuIndex(form, onKey ? onKey : onPress);
    form.rules.append(rule);
}

QVector<int> between(int first, int last, const QVector<int> &except = {})
{
    QVector<int> rows;
    for (int row = first; row <= last; ++row) {
        if (!except.contains(row))
            rows.append(row);
    }
    return rows;
}

FormMenus parentMenus()
{
    FormMenus f;
    addMenu(f, 1,
        {"0=nem ismert;", "1=0-7 osztály;", "2=általános iskola 8 osztály;", "3=szakmunkás;", "4=középiskola;",
            "5=főiskola;", "6=egyetem;"});
    addMenu(f, 2,
        {"0=nem ismert;", "1=aktív dolgozó;", "2=munkanélküli;", "3=nyugdíjas, leszázalékolt;", "4=GYES;",
            "5=főfoglalkozású szülő;", "6=eltartott;", "7=meghalt;"});
    addMenu(f, 3,
        {"0=nem ismert;", "1=eredeti teljes család;", "2=csonka család (csak anya);", "3=csonka család (csak apa);",
            "4=teljes család nevelőanyával;", "5=teljes család nevelőapával;", "6=család egyéb rokonnal;"});
    addMenu(f, 4,
        {"1=nincs testvér;", "2=kettőből idősebb;", "3=kettőből fiatalabb;", "4=háromból idősebb;",
            "5=háromból középső;", "6=háromból fiatalabb;", "7=többől idősebb;", "8=többől középső;",
            "9=többől fiatalabb;"});
    addMenu(f, 5, {"1=nincs;", "2=van;"});
    addMenu(f, 6, {"0=nem iker;", "1=egypetéjű;", "2=kétpetéjű;", "3=többes iker;"});
    addMenu(f, 7, {"0=problémamentes;", "1=problémás;"});
    addMenu(f, 8, {"1=sima szülés;", "2=komplikált szülés;"});
    addMenu(f, 9, {"1=időben;", "2=koraszülés;", "3=túlhordás;"});
    addMenu(f, 10, {"1=jobbkezes;", "2=balkezes;", "3=kevert;"});
    addMenu(f, 11, {"1=problémamentes;", "2=problémás;"});
    addMenu(f, 12, {"1=nem tudom;", "2=társaimnál kevesebbet;", "3=annyit, mint a társaim;", "4=társaimnál többet;"});
    addMenu(f, 13, {"1=nem tudom;", "2=társaimnál gyengébb;", "3=átlagos;", "4=jobb, mint a társaim;"});
    addMenu(f, 14, {"1=nem tudom;", "2=kevésbé aktív;", "3=átlagos;", "4=átlagnál aktívabb;"});
    addMenu(f, 15, {"1=nem tudom;", "2=az átlagnál rosszabbul;", "3=átlagosan;", "4=az átlagnál jobban;"});
    addMenu(f, 16, {"1=nem;", "2=igen;"});
    addMenu(f, 17, {"1=egynél kevesebbszer;", "2=egy-két alkalommal;", "3=három vagy több alkalommal;"});
    addMenu(f, 18, {"0=nincs testvérem;", "1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    addMenu(f, 19, {"1=nincs;", "2=egy;", "3=kettő-három;", "4=négy vagy több;"});
    addMenu(f, 20, {"1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    addMenu(f, 21, {"1=rossz;", "2=átlag alatti;", "3=átlagos;", "4=átlag feletti;"});
    addMenu(f, 22, {"1=kevésbé;", "2=átlagosan;", "3=nagyon;"});
    addMenu(f, 23, ProblemItemCaptions);

    // Rows 5..8 open their menus from the keyboard too, so that a typed answer works like a click.
    addRule(f, {5, 7}, 1);
    addRule(f, {6, 8}, 2);
    addRule(f, {9}, 3);
    addRule(f, {10}, 4);
    addRule(f, {11, 63}, 5);
    addRule(f, {12}, 6);
    addRule(f, {13}, 7);
    addRule(f, {14}, 8);
    addRule(f, {15}, 9);
    // The newborn-period row codes 1/2 from a mouse press but 0/1 from a double-click or a key.
    addRule(f, {16}, 11, 7, 7);
    addRule(f, {17}, 10);
    addRule(f, {20, 23, 26, 29, 32, 35}, 12);
    addRule(f, {21, 24, 27, 30, 33, 36}, 13);
    addRule(f, {38, 40, 42}, 14);
    addRule(f, {44, 46, 48}, 15);
    addRule(f, {49}, 19);
    addRule(f, {50}, 17);
    addRule(f, {51}, 18);
    addRule(f, {52, 53}, 20);
    addRule(f, {54}, 22);
    addRule(f, between(55, 59), 21);
    addRule(f, {60, 62}, 16);
    addRule(f, between(67, 203, ParentItemFreeTextRows), 23);
    return f;
}

FormMenus teacherMenus()
{
    FormMenus f;
    addMenu(f, 1,
        {"0=nem ismert;", "1=0-7 osztály;", "2=általános iskola 8 osztály;", "3=szakmunkás;", "4=középiskola;",
            "5=főiskola;", "6=egyetem;"});
    addMenu(f, 2,
        {"0=nem ismert;", "1=aktív dolgozó;", "2=munkanélküli;", "3=nyugdíjas, leszázalékolt;", "4=GYES;",
            "5=főfoglalkozású szülő;", "6=eltartott;", "7=meghalt;"});
    addMenu(f, 3,
        {"0=nem ismert;", "1=eredeti teljes család;", "2=csonka család (csak anya);", "3=csonka család (csak apa);",
            "4=teljes család nevelőanyával;", "5=teljes család nevelőapával;", "6=család egyéb rokonnal;"});
    addMenu(f, 5, {"1=nincs;", "2=van;"});
    addMenu(f, 12, {"1=nem tudom;", "2=nem;", "3=igen;"});
    addMenu(f, 13, {"1=nem;", "2=igen;"});
    addMenu(f, 14, {"1=rossz;", "2=átlag alatti;", "3=átlagos;", "4=jó;", "5=kiemelkedő;"});
    addMenu(f, 15,
        {"1=nagyon az átlag alatt;", "2=jelentősen az átlag alatt;", "3=kicsit az átlag alatt;", "4=átlagos;",
            "5=kicsit az átlag felett;", "6=jelentősen az átlag felett;", "7=nagyon az átlag felett;"});
    addMenu(f, 17, ProblemItemCaptions);

    addRule(f, {5, 7}, 1);
    addRule(f, {6, 8}, 2);
    addRule(f, {9}, 3);
    addRule(f, {10}, 12);
    addRule(f, {12}, 13);
    addRule(f, between(13, 17), 14);
    addRule(f, between(18, 21), 15);
    addRule(f, {22}, 5);
    addRule(f, between(26, 160, TeacherItemFreeTextRows), 17);
    return f;
}

FormMenus selfReportMenus()
{
    FormMenus f;
    addMenu(f, 1, ProblemItemCaptions);
    addMenu(f, 2, {"1=nem tudom;", "2=társaimnál kevesebbet;", "3=annyit, mint a társaim;", "4=társaimnál többet;"});
    addMenu(f, 3, {"1=nem tudom;", "2=társaimnál gyengébb;", "3=átlagos;", "4=jobb, mint a társaim;"});
    addMenu(f, 4, {"1=nem tudom;", "2=kevésbé aktív;", "3=átlagos;", "4=átlagnál aktívabb;"});
    addMenu(f, 5, {"1=nem tudom;", "2=az átlagnál rosszabbul;", "3=átlagosan;", "4=az átlagnál jobban;"});
    addMenu(f, 6, {"1=nincs;", "2=egy;", "3=kettő-három;", "4=négy vagy több;"});
    addMenu(f, 7, {"1=egynél kevesebbszer;", "2=egy-két alkalommal;", "3=három vagy több alkalommal;"});
    addMenu(f, 8, {"0=nincs testvérem;", "1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    addMenu(f, 9, {"1=rosszabbul;", "2=átlagosan;", "3=jobban;"});
    addMenu(f, 10, {"1=rossz;", "2=átlag alatti;", "3=átlagos;", "4=átlag feletti;"});
    addMenu(f, 11, {"1=nem;", "2=igen;"});
    addMenu(f, 12, {"1=nincs;", "2=van;"});
    addMenu(f, 13, {"1=kevésbé;", "2=átlagosan;", "3=nagyon;"});

    addRule(f, {7, 10, 13, 16, 19, 22}, 2);
    addRule(f, {8, 11, 14, 17, 20, 23}, 3);
    addRule(f, {25, 27, 29}, 4);
    addRule(f, {31, 33, 35}, 5);
    addRule(f, {36}, 6);
    addRule(f, {37}, 7);
    addRule(f, {38}, 8);
    addRule(f, {39, 40}, 9);
    addRule(f, {41}, 13);
    addRule(f, between(42, 46), 10);
    addRule(f, {47, 49}, 11);
    addRule(f, {50}, 12);
    addRule(f, between(55, 193, SelfReportItemFreeTextRows), 1);
    return f;
}

} // namespace

int FormMenus::menuFor(int rowNumber, MenuTrigger trigger) const
{
    for (const MenuRule &rule : rules) {
        if (!rule.rowNumbers.contains(rowNumber))
            continue;
        switch (trigger) {
        case MenuTrigger::Press: return rule.onPress;
        case MenuTrigger::DoubleClick: return rule.onDoubleClick;
        case MenuTrigger::Key: return rule.onKey;
        }
    }
    return -1;
}

int FormMenus::indexOf(const QString &name) const
{
    for (int i = 0; i < menus.size(); ++i) {
        if (menus.at(i).name == name)
            return i;
    }
    return -1;
}

const FormMenus &formMenus(int kind)
{
    static const FormMenus forms[3] = {parentMenus(), teacherMenus(), selfReportMenus()};
    return forms[kindInfo(kind).kind - 1];
}

bool splitAnswerCaption(const QString &caption, QString *code, QString *label)
{
    // Drop the accelerator marks: "&&" is a literal "&", a lone "&" marks the next letter.
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                plain.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        plain.append(caption.at(i));
    }

    QString foundCode;
    QString foundLabel;
    const qsizetype equals = plain.indexOf(QLatin1Char('='));
    const bool ok = equals >= 0;
    if (ok) {
        foundCode = plain.left(equals);
        const qsizetype semicolon = plain.indexOf(QLatin1Char(';'), equals + 1);
        foundLabel = semicolon < 0 ? plain.mid(equals + 1) : plain.mid(equals + 1, semicolon - equals - 1);
    }
    if (code)
        *code = foundCode;
    if (label)
        *label = foundLabel;
    return ok;
}
