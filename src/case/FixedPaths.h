#pragma once

#include <QString>

// Every file of the program lives at a fixed path of the installation. These texts are
// what the program stores, shows and compares; hostPath() turns them into host paths.
namespace FixedPaths {

inline const QString ProgramFolder = QStringLiteral("c:\\_halden\\motra\\");
inline const QString ArchiveFolder = QStringLiteral("c:\\_halden\\motra\\archivum\\");
inline const QString CurrentFolder = QStringLiteral("c:\\_halden\\motra\\aktualis\\");
inline const QString PicturesFolder = QStringLiteral("c:\\_halden\\motra\\pictures\\");
inline const QString HelpFolder = QStringLiteral("c:\\_halden\\motra\\help\\");
inline const QString NotesFolder = QStringLiteral("c:\\_halden\\motra\\jegyzet\\");
inline const QString WizardFolder = QStringLiteral("c:\\_halden\\motra\\wizard\\");
inline const QString ReportFolder = QStringLiteral("c:\\_halden\\motra\\html\\");
inline const QString DocFolder = QStringLiteral("c:\\_halden\\motra\\doc\\");
inline const QString StatFolder = QStringLiteral("c:\\_halden\\motra\\stat\\");
// The statistics file lists use the folder without the closing backslash.
inline const QString StatFolderNoSlash = QStringLiteral("c:\\_halden\\motra\\stat");
inline const QString ArchiveFolderNoSlash = QStringLiteral("c:\\_halden\\motra\\archivum");

inline const QString Skala1 = QStringLiteral("c:\\_halden\\motra\\skala1.txt");
inline const QString Skala2 = QStringLiteral("c:\\_halden\\motra\\skala2.txt");
inline const QString Skala3 = QStringLiteral("c:\\_halden\\motra\\skala3.txt");
inline const QString Tstan1 = QStringLiteral("c:\\_halden\\motra\\tstan1.tp");
inline const QString Tstan2 = QStringLiteral("c:\\_halden\\motra\\tstan2.tp");
inline const QString Tstan3 = QStringLiteral("c:\\_halden\\motra\\tstan3.tp");
inline const QString Fakst1 = QStringLiteral("c:\\_halden\\motra\\fakst1.tp");
inline const QString Fakst2 = QStringLiteral("c:\\_halden\\motra\\fakst2.tp");
inline const QString Fakst3 = QStringLiteral("c:\\_halden\\motra\\fakst3.tp");

inline const QString PasswordFile = QStringLiteral("c:\\_halden\\motra\\standard.dat");
inline const QString ExaminerList = QStringLiteral("c:\\_halden\\motra\\vv.txt");
inline const QString ReasonList = QStringLiteral("c:\\_halden\\motra\\ok.txt");
inline const QString RecentList = QStringLiteral("c:\\_halden\\motra\\last.mod");
inline const QString SummaryStatFile = QStringLiteral("c:\\_halden\\motra\\stat\\_sum.dat");

inline const QString PersonalSummary = QStringLiteral("c:\\_halden\\motra\\aktualis\\szemad.txt");
inline const QString OpinionText = QStringLiteral("c:\\_halden\\motra\\aktualis\\velem.txt");
inline const QString WordTemplate = QStringLiteral("c:\\_halden\\motra\\aktualis\\aktualis.dot");
inline const QString ParentChart = QStringLiteral("c:\\_halden\\motra\\aktualis\\Akt_Diag.bmp");
inline const QString TeacherChart = QStringLiteral("c:\\_halden\\motra\\aktualis\\Akt_Di_2.bmp");
inline const QString SelfReportChart = QStringLiteral("c:\\_halden\\motra\\aktualis\\Akt_Di_3.bmp");
inline const QString ParentBackground = QStringLiteral("c:\\_halden\\motra\\pictures\\diag_szu.bmp");
inline const QString TeacherBackground = QStringLiteral("c:\\_halden\\motra\\pictures\\diag_tan.bmp");
inline const QString SelfReportBackground = QStringLiteral("c:\\_halden\\motra\\pictures\\diag_one.bmp");

inline const QString PhotoProgramFolder = QStringLiteral("c:\\qrelab\\kalauz\\");
inline const QString PhotoFolder = QStringLiteral("c:\\qrelab\\kalauz\\pictures\\");
inline const QString NoPhotoPicture = QStringLiteral("c:\\qrelab\\kalauz\\nincs.bmp");

// Help texts and instruction texts of the help folder.
inline const QString HelpWord1 = QStringLiteral("c:\\_halden\\motra\\help\\h_word1.txt");
inline const QString HelpCsat = QStringLiteral("c:\\_halden\\motra\\help\\h_csat.txt");
inline const QString CsatText = QStringLiteral("c:\\_halden\\motra\\help\\csat.txt");

// Per questionnaire (1 parent, 2 teacher, 3 self-report).
QString scaleDefinitionFile(int kind);
QString competenceNormFile(int kind);
QString problemNormFile(int kind);
QString chartBackground(int kind);
QString currentChart(int kind);

// "c:\_halden\motra\help\" + name and "c:\_halden\motra\jegyzet\" + name.
QString helpFile(const QString &name);
QString notesFile(const QString &name);
// "c:\_halden\motra\wizard\" + step + ".hlp"
QString guideFile(int step);

// A base name made safe to stand inside a folder: "\", "/", ":", line breaks and other
// control characters become "_" and ".." becomes "__", so a code can never name a file
// outside the folder nor split a line of a list file. Safe names are returned unchanged.
QString safeBaseName(const QString &name);
// ArchiveFolder + safeBaseName(baseName) + ".mtr"
QString caseFile(const QString &baseName);
// ReportFolder + safeBaseName(code) + ".htm"
QString htmlReport(const QString &code);

} // namespace FixedPaths
