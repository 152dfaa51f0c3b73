#include "case/ListFiles.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/MotraError.h"
#include "case/TextFile.h"
#include "case/WordCopy.h"

#include <QFile>
#include <QFileInfo>

namespace ListFiles {

QStringList readList(const QString &fixedPath) { return TextFile::readLines(hostPath(fixedPath)); }

QStringList readListOrEmpty(const QString &fixedPath)
{
    const QString path = hostPath(fixedPath);
    if (!QFileInfo::exists(path))
        return {};
    return TextFile::readLines(path);
}

void writeList(const QString &fixedPath, const QStringList &entries)
{
    TextFile::writeLines(hostPath(fixedPath), entries);
}

QStringList readRecentList() { return readListOrEmpty(FixedPaths::RecentList); }

QStringList withSavedPath(QStringList lines, const QString &casePath)
{
    lines.append(casePath);
    const qsizetype earlier = lines.indexOf(casePath);
    if (earlier < lines.size() - 1)
        lines.removeAt(earlier);
    return lines;
}

void addToRecentList(const QString &casePath)
{
    writeList(FixedPaths::RecentList, withSavedPath(readRecentList(), casePath));
}

void removeRecentEntry(int fileIndex)
{
    QStringList lines = readRecentList();
    if (fileIndex < 0 || fileIndex >= lines.size())
        return;
    lines.removeAt(fileIndex);
    writeList(FixedPaths::RecentList, lines);
}

void deleteRecentList()
{
    QFile file(hostPath(FixedPaths::RecentList));
    if (file.exists() && !file.remove())
        throw MotraError::ioError(FixedPaths::RecentList, file.errorString());
}

QStringList personalSummaryLines(const PersonalData &personal)
{
    const QString sex = personal.IsBoy ? QStringLiteral("férfi") : QStringLiteral("nő");
    return {
        QStringLiteral("név: (") + personal.ChildCode + QStringLiteral(") ") + personal.ChildName
            + QStringLiteral(",  ") + QString::number(personal.Age) + QStringLiteral(" éves ") + sex,
        QStringLiteral("a vizsg. időpontja: ") + personal.ExamDate,
        QStringLiteral("a vizsgálatot végezte: ") + personal.Examiner,
    };
}

void writePersonalSummary(const PersonalData &personal)
{
    const QStringList lines = personalSummaryLines(personal);
    writeList(FixedPaths::PersonalSummary, lines);
    WordCopy::write(WordCopy::PersonalSummary, lines);
}

} // namespace ListFiles
