#include "case/FixedPaths.h"

#include "case/VisibleText.h"

namespace FixedPaths {

static const QString &pick(int kind, const QString &parent, const QString &teacher, const QString &selfReport)
{
    return kind == 1 ? parent : kind == 2 ? teacher : selfReport;
}

QString scaleDefinitionFile(int kind) { return pick(kind, Skala1, Skala2, Skala3); }
QString competenceNormFile(int kind) { return pick(kind, Tstan1, Tstan2, Tstan3); }
QString problemNormFile(int kind) { return pick(kind, Fakst1, Fakst2, Fakst3); }
QString chartBackground(int kind) { return pick(kind, ParentBackground, TeacherBackground, SelfReportBackground); }
QString currentChart(int kind) { return pick(kind, ParentChart, TeacherChart, SelfReportChart); }

QString helpFile(const QString &name) { return HelpFolder + name; }
QString notesFile(const QString &name) { return NotesFolder + name; }
QString guideFile(int step) { return WizardFolder + QString::number(step) + QStringLiteral(".hlp"); }

QString safeBaseName(const QString &name)
{
    QString safe = name;
    safe.replace(QLatin1Char('\\'), QLatin1Char('_'));
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    safe.replace(QLatin1Char(':'), QLatin1Char('_'));
    safe.replace(QLatin1String(".."), QLatin1String("__"));
    // A line break would split the name's entry in a list file; other control characters
    // make names nobody can type.
    for (QChar &c : safe) {
        if (VisibleText::isControl(c))
            c = QLatin1Char('_');
    }
    return safe;
}

QString caseFile(const QString &baseName) { return ArchiveFolder + safeBaseName(baseName) + QStringLiteral(".mtr"); }
QString htmlReport(const QString &code) { return ReportFolder + safeBaseName(code) + QStringLiteral(".htm"); }

} // namespace FixedPaths
