#pragma once

#include "case/Questionnaire.h"

#include <QString>
#include <QVector>

// One row of a questionnaire: "67/49/ Viselkedése életkorához képest túlságosan gyerekes.#gyerekes".
struct RowDefinition
{
    QString text; // the whole definition
    QString RowNumber; // text before the first "/" ("63a" for a sub-question)
    int SlotNumber = NoSlot;
    QString Label; // after the second "/" up to "#", leading blank kept
    QString Tag; // after "#"

    // The row number as an integer for choosing menus; "63a", "94a" and other non-numbers read 999.
    int rowNumberValue() const;
    bool isFreeText() const { return SlotNumber == NoSlot; }
};

// Reads a row definition by the grid's rules.
RowDefinition parseRowDefinition(const QString &text);

// The fixed row list of a questionnaire (1 parent, 2 teacher, 3 self-report).
const QVector<RowDefinition> &rowList(int kind);

// Column 0 of the answer grid: "5. Apa iskolai végzettsége:", or the sub-question prefix
// followed directly by the label ("63.a. Ha igen, ...").
QString questionCaption(int kind, const RowDefinition &row);
