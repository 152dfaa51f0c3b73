#pragma once

#include <QStringList>

// The examinations already in the archive folder, as the personal data dialog warns about
// them: the file names found there and their base names (up to the first ".").
class ArchivedCodes
{
public:
    // Lists the archive folder now; an unreadable or missing folder gives an empty list.
    static ArchivedCodes scan();
    // From a list of file names (tests, or a listing made elsewhere).
    explicit ArchivedCodes(QStringList fileNames = QStringList());

    const QStringList &fileNames() const { return m_fileNames; }
    // The base names, in the order of fileNames().
    const QStringList &codes() const { return m_codes; }

    // True when saving the examination under this code would replace a file already in
    // the archive. The file is the one saving writes: the code made safe for a file name
    // ("A/B" and "A_B" both write A_B.mtr), or the name when the code is empty; letter case
    // does not matter, as on the program's home file system.
    bool wouldOverwrite(const QString &code, const QString &name = QString()) const;

private:
    QStringList m_fileNames;
    QStringList m_codes;
};
