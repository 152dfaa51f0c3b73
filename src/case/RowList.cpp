#include "case/RowList.h"

#include <QFile>
#include <QStringList>

int RowDefinition::rowNumberValue() const
{
    bool ok = false;
    const int value = RowNumber.toInt(&ok, 10);
    return ok ? value : NoSlot;
}

RowDefinition parseRowDefinition(const QString &text)
{
    RowDefinition row;
    row.text = text;
    const qsizetype firstSlash = text.indexOf(QLatin1Char('/'));
    if (firstSlash < 0) {
        // No slash: no number, no slot; everything is the label.
        row.Label = text;
        return row;
    }
    row.RowNumber = text.left(firstSlash);
    qsizetype secondSlash = text.indexOf(QLatin1Char('/'), firstSlash + 1);
    if (secondSlash < 0)
        secondSlash = text.size();
    const QString slot = text.mid(firstSlash + 1, secondSlash - firstSlash - 1);
    if (slot.isEmpty() || slot == QLatin1String("*") || slot == QLatin1String(" *") || slot == QLatin1String("* ")) {
        row.SlotNumber = NoSlot;
    } else {
        bool ok = false;
        const int value = slot.trimmed().toInt(&ok, 10);
        row.SlotNumber = ok ? value : NoSlot;
    }
    const QString rest = secondSlash < text.size() ? text.mid(secondSlash + 1) : QString();
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    row.Label = hash < 0 ? rest : rest.left(hash);
    row.Tag = hash < 0 ? QString() : rest.mid(hash + 1);
    return row;
}

static QVector<RowDefinition> loadRowList(const QString &resource)
{
    QFile file(resource);
    QVector<RowDefinition> rows;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("row list resource %s is missing", qPrintable(resource));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.isEmpty())
            rows.append(parseRowDefinition(line));
    }
    return rows;
}

const QVector<RowDefinition> &rowList(int kind)
{
    static const QVector<RowDefinition> lists[3] = {
        loadRowList(QStringLiteral(":/rowlists/szulo.txt")),
        loadRowList(QStringLiteral(":/rowlists/tanar.txt")),
        loadRowList(QStringLiteral(":/rowlists/onert.txt")),
    };
    return lists[kindInfo(kind).kind - 1];
}

QString questionCaption(int kind, const RowDefinition &row)
{
    const KindInfo &info = kindInfo(kind);
    if (!info.subQuestionNumber.isEmpty() && row.RowNumber == info.subQuestionNumber)
        return info.subQuestionPrefix + row.Label;
    return row.RowNumber + QLatin1Char('.') + row.Label;
}
