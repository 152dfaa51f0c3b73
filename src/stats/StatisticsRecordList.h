#pragma once

#include "stats/StatisticsFiles.h"

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

// One per-questionnaire statistics file as the maintenance dialog edits it: its lines in
// file order, line 0 the header, which no operation moves or removes. Moves, sorting and
// removals change only the list; the file changes only through write().
class StatisticsRecordList : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit StatisticsRecordList(QObject *parent = nullptr);

    // Everything the list holds, to put back when a step fails.
    struct State
    {
        QString file; // fixed path, empty when no file is loaded
        int kind = 0;
        QStringList lines;
        StatisticsFileLines loaded; // the file as it was read, to notice changes made meanwhile
    };

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Loads a file of the statistics folder (a fixed path; its extension tells the kind).
    // Throws MotraError with the path and the reason when the file cannot be read, is empty
    // or does not begin with its kind's header; the list is unchanged then. Returns what the
    // user should know about a file that did load (a partial last line, lines that are not
    // records, no records at all), empty when there is nothing to tell.
    QString load(const QString &fixedPath);
    // Loads the same file again, dropping what was not written.
    QString reload() { return load(m_state.file); }
    void clear();

    const State &state() const { return m_state; }
    void restore(const State &state);
    const QString &file() const { return m_state.file; }
    int kind() const { return m_state.kind; }
    const QStringList &lines() const { return m_state.lines; }
    int count() const { return int(m_state.lines.size()); }

    bool canMoveUp(int index) const { return index >= 2 && index < count(); }
    bool canMoveDown(int index) const { return index >= 1 && index <= count() - 2; }
    bool canDelete(int index) const { return index >= 1 && index < count(); }
    // Swaps the record with its neighbour; returns its new index (unchanged when the move is
    // not allowed).
    int moveUp(int index);
    int moveDown(int index);
    // Sorts every line but the header into Hungarian alphabetical order, letter case ignored;
    // lines that compare equal keep their order.
    void sortRecords();
    // Removes a record (never the header); false when the index is not a record's.
    bool removeRecord(int index);
    // Replaces the file with the lines, each ended by CR LF, in Windows-1250, whole or not at
    // all. Refuses with MotraError when the file has vanished or changed since it was loaded,
    // so that nothing written meanwhile is lost. The list is unchanged either way.
    void write();

    // Why a line of a kind's file is not one of its records; empty when it is one.
    static QString lineProblem(const QString &line, int kind);

private:
    void swapLines(int first, int second);

    State m_state;
};
