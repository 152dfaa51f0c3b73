#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One answer popup menu of an entry window; every caption reads code "=" label ";".
struct AnswerMenu
{
    QString name; // "PopupMenu23"
    QStringList captions; // "0=nem igaz;", ... in menu order
};

// What opened the menu: a mouse press, a double-click or a key typed into the grid.
enum class MenuTrigger { Press, DoubleClick, Key };

// Which printed row numbers open which menu, for each trigger.
struct MenuRule
{
    QVector<int> rowNumbers; // printed row numbers as integers
    int onPress = -1; // indexes into FormMenus::menus, -1 for none
    int onDoubleClick = -1;
    int onKey = -1;
};

// The answer menus of one questionnaire and the menu of every row.
struct FormMenus
{
    QVector<AnswerMenu> menus;
    QVector<MenuRule> rules;

    // Index into menus of the menu a row opens, or -1 for none; rowNumber is the printed row
    // number read as an integer ("63a"/"94a" read as 999).
    int menuFor(int rowNumber, MenuTrigger trigger) const;

    // Index into menus of the menu with this name, or -1.
    int indexOf(const QString &name) const;
};

// The menus of questionnaire kind 1 (parent), 2 (teacher) or 3 (self-report).
const FormMenus &formMenus(int kind);

// Splits a menu caption "1=néha vagy valamennyire igaz;" into its code ("1") and label
// ("néha vagy valamennyire igaz"). An accelerator mark "&" that the menu system put into
// the caption is dropped first ("&&" stands for a literal "&"). Without a ";" after the
// "=" the label runs to the end. Returns false, leaving both outputs empty, when the
// caption has no "=".
bool splitAnswerCaption(const QString &caption, QString *code, QString *label);
