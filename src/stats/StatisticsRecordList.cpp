#include "stats/StatisticsRecordList.h"

#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/Questionnaire.h"
#include "case/TextFile.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Problem lines named one by one in the message; the rest are only counted.
constexpr int ListedProblems = 5;

// The header line of a kind, without its line end; built once, as every line is compared with it.
const QString &header(int kind)
{
    static const QString headers[] = {StatisticsHeader(Parent).chopped(2), StatisticsHeader(Teacher).chopped(2),
        StatisticsHeader(SelfReport).chopped(2)};
    return headers[kind - 1];
}

QString kindTitle(int kind) { return kindInfo(kind).name + QStringLiteral(" kérdőív"); }

// The kind whose header the line is, or 0.
int headerKind(const QString &line)
{
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (line == header(kind))
            return kind;
    }
    return 0;
}

bool isBlank(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSpace(); });
}

QString problemLines(const QString &file, const QStringList &lines, int kind)
{
    QStringList listed;
    int problems = 0;
    for (int i = 1; i < lines.size(); ++i) {
        const QString problem = StatisticsRecordList::lineProblem(lines[i], kind);
        if (problem.isEmpty())
            continue;
        if (++problems <= ListedProblems)
            listed << QStringLiteral("  %1. sor: %2").arg(i + 1).arg(problem);
    }
    if (problems == 0)
        return {};
    if (problems > ListedProblems)
        listed << QStringLiteral("  … és még %1 sor").arg(problems - ListedProblems);
    return QStringLiteral("A(z) \"%1\" fájl %2 sora nem statisztikai rekord:\n%3\n"
                          "Ezek a sorok is a listában vannak: kijelölheti és törölheti őket.")
        .arg(file)
        .arg(problems)
        .arg(listed.join(QLatin1Char('\n')));
}

} // namespace

StatisticsRecordList::StatisticsRecordList(QObject *parent) : QAbstractListModel(parent) { }

int StatisticsRecordList::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : count(); }

QVariant StatisticsRecordList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_state.lines[index.row()];
}

QString StatisticsRecordList::lineProblem(const QString &line, int kind)
{
    if (isBlank(line))
        return QStringLiteral("üres sor");
    if (const int other = headerKind(line))
        return QStringLiteral("fejléc (a %1é) a rekordok között").arg(kindTitle(other));
    const qsizetype fields = line.count(QLatin1Char('\t')) + 1;
    const int expected = 4 + kindInfo(kind).slotCount;
    if (fields != expected)
        return QStringLiteral("%1 mező van benne %2 helyett").arg(fields).arg(expected);
    return {};
}

QString StatisticsRecordList::load(const QString &fixedPath)
{
    const int kind = statisticsKindOfFile(fixedPath);
    if (!isValidKind(kind))
        throw MotraError(QStringLiteral("A(z) \"%1\" nem statisztikai fájl: a kiterjesztése nem .da1, .da2 vagy .da3.")
                             .arg(fixedPath));
    StatisticsFileLines read = readStatisticsFileLines(hostPath(fixedPath));
    const bool blank = std::all_of(read.lines.cbegin(), read.lines.cend(), isBlank)
        && (!read.partialLastLine || isBlank(read.partialLine));
    if (blank)
        throw MotraError(
            QStringLiteral("A(z) \"%1\" fájl üres: sem fejléc, sem rekord nincs benne. A lista nem változott.")
                .arg(fixedPath));
    if (read.lines.isEmpty())
        throw MotraError(QStringLiteral("A(z) \"%1\" fájlnak egyetlen teljes sora sincs: az első sorát sem zárja "
                                        "sorvég, egy félbeszakadt írás maradéka. A lista nem változott.")
                             .arg(fixedPath));
    if (read.lines.first() != header(kind)) {
        const int other = headerKind(read.lines.first());
        const QString found = other ? QStringLiteral("a %1 fejléce áll benne").arg(kindTitle(other))
                                    : QStringLiteral("ez nem a fejléc");
        throw MotraError(QStringLiteral("A(z) \"%1\" fájl nem a %2 statisztikai fájlja: az első sora a fejléc "
                                        "(Kod, Datum, nem, kor, x_1 … x_%3) kellene legyen, de %4. "
                                        "A lista nem változott.")
                             .arg(fixedPath, kindTitle(kind))
                             .arg(kindInfo(kind).slotCount)
                             .arg(found));
    }

    QStringList notes;
    const QString problems = problemLines(fixedPath, read.lines, kind);
    if (!problems.isEmpty())
        notes << problems;
    if (read.partialLastLine)
        notes << QStringLiteral("A(z) \"%1\" fájl utolsó sora csonka: nem zárja sorvég, egy félbeszakadt írás "
                                "maradéka. Nem rekord, ezért nem látszik a listában; ha egy törlés után "
                                "felülírja a fájlt, kimarad belőle.")
                     .arg(fixedPath);
    if (read.lines.size() == 1)
        notes << QStringLiteral("A(z) \"%1\" fájlban csak a fejléc van, rekord nincs benne.").arg(fixedPath);

    beginResetModel();
    m_state.file = fixedPath;
    m_state.kind = kind;
    m_state.lines = read.lines;
    m_state.loaded = std::move(read);
    endResetModel();
    return notes.join(QStringLiteral("\n\n"));
}

void StatisticsRecordList::clear() { restore(State()); }

void StatisticsRecordList::restore(const State &state)
{
    beginResetModel();
    m_state = state;
    endResetModel();
}

void StatisticsRecordList::swapLines(int first, int second)
{
    // Moving the lower row above the upper one swaps them; the views keep their selection.
    beginMoveRows(QModelIndex(), second, second, QModelIndex(), first);
    m_state.lines.swapItemsAt(first, second);
    endMoveRows();
}

int StatisticsRecordList::moveUp(int index)
{
    if (!canMoveUp(index))
        return index;
    swapLines(index - 1, index);
    return index - 1;
}

int StatisticsRecordList::moveDown(int index)
{
    if (!canMoveDown(index))
        return index;
    swapLines(index, index + 1);
    return index + 1;
}

void StatisticsRecordList::sortRecords()
{
    const QStringList &lines = m_state.lines;
    if (lines.size() < 3)
        return;
    QCollator collator{QLocale(QLocale::Hungarian)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order(lines.size() - 1);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(
        order.begin(), order.end(), [&](int a, int b) { return collator.compare(lines[a], lines[b]) < 0; });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QStringList sorted;
    sorted.reserve(lines.size());
    sorted << lines.first();
    std::vector<int> newRow(lines.size(), 0);
    for (int position = 1; position < int(lines.size()); ++position) {
        sorted << lines[order[position - 1]];
        newRow[order[position - 1]] = position;
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to << this->index(newRow[index.row()]);
    changePersistentIndexList(from, to);
    m_state.lines = std::move(sorted);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool StatisticsRecordList::removeRecord(int index)
{
    if (!canDelete(index))
        return false;
    beginRemoveRows(QModelIndex(), index, index);
    m_state.lines.removeAt(index);
    endRemoveRows();
    return true;
}

void StatisticsRecordList::write()
{
    if (m_state.file.isEmpty())
        return;
    const QString path = hostPath(m_state.file);
    if (!QFileInfo::exists(path))
        throw MotraError(QStringLiteral("A(z) \"%1\" fájl eltűnt, mióta betöltötte; nem hozom létre újra. "
                                        "A fájl és a lista nem változott.")
                             .arg(m_state.file));
    if (readStatisticsFileLines(path) != m_state.loaded)
        throw MotraError(QStringLiteral("A(z) \"%1\" fájl megváltozott, mióta betöltötte (más is írt bele), ezért "
                                        "nem írom felül: ami közben került bele, elveszne. Válassza ki újra a fájlt. "
                                        "A fájl és a lista nem változott.")
                             .arg(m_state.file));
    TextFile::writeLines(path, m_state.lines);
    m_state.loaded = StatisticsFileLines{m_state.lines, false, {}};
}
