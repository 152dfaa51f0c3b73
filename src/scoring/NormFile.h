#pragma once

#include <QByteArray>
#include <QString>

// One binary norm file (tstanN.tp or fakstN.tp), read whole when opened. Every look-up
// checks the file's length, so a short or damaged file stops the scoring with a message
// instead of yielding a score read from nowhere.
class NormFile
{
public:
    // Opens and reads the file at the fixed path. Throws the notice missingNotice when it
    // cannot be opened, an input/output error when it cannot be read or is empty.
    NormFile(const QString &fixedPath, const QString &missingNotice);
    // A norm file whose content is already in memory; throws the input/output error of an
    // empty file.
    NormFile(const QString &fixedPath, const QByteArray &bytes);

    // tstanN.tp and fakstN.tp of questionnaire kind 1..3.
    static NormFile competenceNorms(int kind);
    static NormFile problemNorms(int kind);

    // The unsigned byte at the offset; throws an input/output error when it lies beyond the end.
    int byteAt(qint64 offset) const;
    qint64 size() const { return m_bytes.size(); }
    const QString &fixedPath() const { return m_fixedPath; }

private:
    void requireContent() const;

    QString m_fixedPath;
    QByteArray m_bytes;
};
