#include "reports/HtmlReport.h"

#include "case/CaseRecord.h"
#include "case/FixedPaths.h"
#include "case/HostPath.h"
#include "case/RowList.h"
#include "case/TextFile.h"
#include "case/VisibleText.h"
#include "charts/ScaleItemEntries.h"
#include "charts/ScaleItemList.h"

#include <QStringDecoder>

#include <array>

namespace {

struct SectionInfo
{
    QString answerHeading;
    QString answerToggleId;
    QString listTogglePrefix;
    QString title;
    QStringList scaleLabels;
};

const SectionInfo &sectionInfo(int kind)
{
    static const SectionInfo sections[3] = {
        {QStringLiteral("a szülő válaszai"), QStringLiteral("szulovalaszok"), QStringLiteral("szulolistak"),
            QStringLiteral("Szülői kérdőív"),
            {QStringLiteral("Aktivitás:"), QStringLiteral("Társas tev.:"), QStringLiteral("Isk eredm:"),
                QStringLiteral("Összkompetencia:"), QStringLiteral("Visszahúzódás:"), QStringLiteral("Szom. panaszok:"),
                QStringLiteral("Szor. depr.:"), QStringLiteral("Szoc. probl.:"), QStringLiteral("Gondolk. zav.:"),
                QStringLiteral("Figy. probl.:"), QStringLiteral("Szabályszegés:"), QStringLiteral("Agresszió:"),
                QStringLiteral("Internalizáció:"), QStringLiteral("Externalizáció:"), QStringLiteral("Összprobléma:")}},
        {QStringLiteral("a tanár válaszai"), QStringLiteral("tanarvalaszok"), QStringLiteral("tanarlistak"),
            QStringLiteral("Tanári kérdőív"),
            {QStringLiteral("Isk. eredm.:"), QStringLiteral("Isk. szorg.:"), QStringLiteral("Isk. magat.:"),
                QStringLiteral("Tanulás:"), QStringLiteral("Boldogság:"), QStringLiteral("Össz. isk. adapt.:"),
                QStringLiteral("Visszahúzódás:"), QStringLiteral("Szom. panaszok:"), QStringLiteral("Szor. depr.:"),
                QStringLiteral("Szoc. probl.:"), QStringLiteral("Gondolk. zav.:"), QStringLiteral("Figy. probl.:"),
                QStringLiteral("Szabályszegés:"), QStringLiteral("Agresszió:"), QStringLiteral("Internalizáció:"),
                QStringLiteral("Externalizáció:"), QStringLiteral("Összprobléma:")}},
        {QStringLiteral("a VSZ. válaszai"), QStringLiteral("onertvalaszok"), QStringLiteral("onelistak"),
            QStringLiteral("Önértékelő kérdőív"),
            {QStringLiteral("Aktivitás:"), QStringLiteral("Társas tev.:"), QStringLiteral("Isk eredm:"),
                QStringLiteral("Összkompetencia:"), QStringLiteral("Visszahúzódás:"), QStringLiteral("Szom. panaszok:"),
                QStringLiteral("Szor. depr.:"), QStringLiteral("Szoc. probl.:"), QStringLiteral("Gondolk. zav.:"),
                QStringLiteral("Figy. probl.:"), QStringLiteral("Szabályszegés:"), QStringLiteral("Agresszió:"),
                QStringLiteral("Szoc. érettség:"), QStringLiteral("Internalizáció:"), QStringLiteral("Externalizáció:"),
                QStringLiteral("Összprobléma:")}},
    };
    return sections[kindInfo(kind).kind - 1];
}

const char *const HeadLines[] = {
    "<HTML><HEAD>",
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
    "<SCRIPT language=JavaScript>",
    "function clickHandler() {",
    "var targetId, srcElement, targetElement;",
    "srcElement = window.event.srcElement;",
    "if (srcElement.className == \"Outline\") {",
    "targetId = srcElement.id + \"details\";",
    "targetElement = document.all(targetId);",
    "if (targetElement.style.display == \"none\") {",
    "targetElement.style.display = \"\";",
    "} else {",
    "targetElement.style.display = \"none\";",
    "}}}",
    "document.onclick = clickHandler;",
    "</SCRIPT>",
    "<TITLE>Ostravine MOTRA jkv.</TITLE></HEAD>",
    "<BODY><P ALIGN=Center>",
    "<IMG SRC=\"logo.gif\"><BR><HR>",
};

// The Unicode characters that the page's code page holds, found once by decoding every byte.
const std::array<bool, 0x10000> &encodableCharacters()
{
    static const std::array<bool, 0x10000> table = [] {
        std::array<bool, 0x10000> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QStringDecoder decoder("windows-1250");
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            if (!decoder.hasError() && decoded.size() == 1 && decoded[0] != QChar(QChar::ReplacementCharacter))
                t[decoded[0].unicode()] = true;
        }
        return t;
    }();
    return table;
}

// Collects the page's lines; `carry` is text written without a line end, which the next
// line continues.
class PageWriter
{
public:
    void line(const QString &text)
    {
        m_lines.append(m_carry + text);
        m_carry.clear();
    }
    void line(const char *text) { line(QString::fromUtf8(text)); }
    void withoutLineEnd(const QString &text) { m_carry += text; }
    QStringList finish()
    {
        if (!m_carry.isEmpty())
            line(QString());
        return m_lines;
    }

private:
    QStringList m_lines;
    QString m_carry;
};

void writeAnswerTable(PageWriter &page, const CaseRecord &record, int kind)
{
    const SectionInfo &info = sectionInfo(kind);
    const QString &id = info.answerToggleId;
    page.line("<FONT COLOR=\"#0000a0\"><B>");
    page.line(QStringLiteral("<U id=") + id + QStringLiteral(" class=Outline style=\"cursor: hand; \">"));
    page.line(info.answerHeading + QStringLiteral("</U><BR></B></FONT>"));
    page.line(QStringLiteral("<DIV id=") + id + QStringLiteral("details style=\"display:None;\">"));
    page.line("<TABLE BORDER>");
    const AnswerSet &answers = record.answers(kind);
    const QVector<RowDefinition> &rows = rowList(kind);
    const int rowCount = qMin<int>(kindInfo(kind).firstResultRow, qMin<int>(rows.size(), answers.size()));
    for (int r = 0; r < rowCount; ++r) {
        page.line(QStringLiteral("<TR><TD>") + htmlText(questionCaption(kind, rows[r])) + QStringLiteral("</TD>"));
        page.withoutLineEnd(QStringLiteral("<TD>") + htmlText(answers.valueText(r)) + QStringLiteral(" (")
            + htmlText(answers.answerLabel(r)) + QStringLiteral(")</TD></TR>"));
    }
    page.line("</TABLE>");
    page.line("</DIV><P>");
}

void writeScaleRow(PageWriter &page, const CaseRecord &record, int kind, int scale)
{
    const SectionInfo &info = sectionInfo(kind);
    const ScaleScores &scores = record.scores(kind);
    const QString &label = info.scaleLabels.value(scale - 1);
    const double raw = scores.RawScores.value(scale - 1);
    const int t = scores.TScores.value(scale - 1);
    const QString labelAndRaw = label + QStringLiteral(" (nyp.=") + rawScoreText(raw) + QLatin1Char(')');
    const QString number = QString::number(scale);

    page.line("<TR><TD>");
    if (!hasScaleItemList(kind, scale)) {
        page.line(labelAndRaw);
    } else {
        page.line("<FONT COLOR=\"#ff0000\">");
        page.line(QStringLiteral("<U id=") + info.listTogglePrefix + number
            + QStringLiteral(" class=Outline style=\"cursor: hand; \">"));
        page.line(labelAndRaw);
        page.line("</U></FONT>");
        page.line("<FONT COLOR=\"#0000ff\">");
        page.line(QStringLiteral("<DIV id=") + info.listTogglePrefix + number
            + QStringLiteral("details style=\"display:None;\">"));
        for (const ScaleItemEntry &entry : BuildScaleItemEntries(record, kind, scale))
            page.line(htmlText(entry.text) + QStringLiteral("<BR>"));
        page.line("</DIV></FONT>");
    }
    page.line("</TD>");
    page.line(QStringLiteral("<TD>") + QString::number(t) + significanceMark(t)
        + QStringLiteral("</TD><TD bgcolor=\"dddddd\"><IMG SRC=") + bandPicture(t));
    page.line(
        QStringLiteral("WIDTH=\"") + QString::number(3 * qint64(t)) + QStringLiteral("\" HEIGHT=\"9\"></TD></TR>"));
}

void writeScaleTable(PageWriter &page, const CaseRecord &record, int kind)
{
    const SectionInfo &info = sectionInfo(kind);
    page.line("<TABLE>");
    if (kind == Parent) {
        page.line("<TR><TD>Skálanév (nyerspont) T-érték</TD>");
        page.line("<TD>jelmagy.:</TD><TD><IMG SRC=\"jelmagy.gif\"></TD></TR>");
    } else {
        page.line("<TR><TD>Skálanév (nyerspont) T-érték</TD><TD>jelmagy.:</TD><TD><IMG SRC=\"jelmagy.gif\"></TD></TR>");
    }
    page.line("<TR><TD bgcolor=\"000000\" COLSPAN=2><P ALIGN=Left><FONT COLOR=\"#ffffff\">");
    page.line(QStringLiteral("<B>") + info.title + QStringLiteral("</B></FONT></TD>"));
    page.line("<TD><IMG SRC=\"skala.gif\"></TD></TR>");
    for (int scale = 1; scale <= kindInfo(kind).scaleCount; ++scale)
        writeScaleRow(page, record, kind, scale);
    page.line("</TABLE><P>");
}

} // namespace

QString htmlText(const QString &text)
{
    const std::array<bool, 0x10000> &encodable = encodableCharacters();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); continue;
        case '<': out += QLatin1String("&lt;"); continue;
        case '>': out += QLatin1String("&gt;"); continue;
        case '"': out += QLatin1String("&quot;"); continue;
        default: break;
        }
        if (VisibleText::isControl(c)) {
            // NUL, line breaks and the like are shown as visible signs, never copied raw.
            out += QStringLiteral("&#%1;").arg(VisibleText::showControls(QString(c)).front().unicode());
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else if (encodable[c.unicode()]) {
            out += c;
        } else if (c.isSurrogate()) {
            out += QLatin1String("&#65533;"); // a lone half of a pair: no character at all
        } else {
            out += QStringLiteral("&#%1;").arg(c.unicode());
        }
    }
    return out;
}

QString significanceMark(int tScore)
{
    if (tScore < 30)
        return QStringLiteral(" (--)");
    if (tScore <= 39)
        return QStringLiteral(" (-)");
    if (tScore <= 60)
        return QStringLiteral(" (0)");
    if (tScore <= 70)
        return QStringLiteral(" (+)");
    return QStringLiteral(" (++)");
}

QString bandPicture(int tScore)
{
    if (tScore < 0 || tScore > 100)
        return QString();
    if (tScore < 30)
        return QStringLiteral("\"mm.gif\"");
    if (tScore <= 39)
        return QStringLiteral("\"m.gif\"");
    if (tScore <= 60)
        return QStringLiteral("\"n.gif\"");
    if (tScore <= 70)
        return QStringLiteral("\"p.gif\"");
    return QStringLiteral("\"pp.gif\"");
}

QString rawScoreText(double rawScore) { return QString::number(rawScore, 'f', 1).left(6); }

QStringList htmlReportLines(const CaseRecord &record, bool parent, bool teacher, bool selfReport)
{
    PageWriter page;
    for (const char *line : HeadLines)
        page.line(line);

    page.line("<TABLE CELLSPACING=\"0\" CELLPADDING=\"0\">");
    page.line("<TR><TD bgcolor=\"000000\"><P ALIGN=Left>");
    page.line("<FONT COLOR=\"#ffffff\"><B>Személyi adatok</B></FONT></TD></TR>");
    page.line(QStringLiteral("<TR><TD>A vizsgálat kódja: </TD><TD>") + htmlText(record.Personal.ChildCode)
        + QStringLiteral("</TD></TR>"));
    page.line(QStringLiteral("<TR><TD>A vizsgált személy neve: </TD><TD>") + htmlText(record.Personal.ChildName)
        + QStringLiteral("</TD></TR>"));
    page.line("</TABLE><P>");

    const bool selected[3] = {parent, teacher, selfReport};
    for (int kind = Parent; kind <= SelfReport; ++kind) {
        if (!selected[kind - 1])
            continue;
        writeAnswerTable(page, record, kind);
        writeScaleTable(page, record, kind);
    }

    page.line("<B>A vizsgálatvezető véleménye: </B><P>");
    for (const QString &line : record.Opinion)
        page.line(htmlText(line));
    page.line(QStringLiteral("<HR><BR>") + htmlText(record.Personal.ExamDate));
    page.line(
        QStringLiteral("<P ALIGN=Center>a vizsg&aacute;latot v&eacute;gezte: ") + htmlText(record.Personal.Examiner));
    page.line("</BODY></HTML>");
    return page.finish();
}

void WriteHtmlReport(const CaseRecord &record, const QString &hostFile, bool parent, bool teacher, bool selfReport)
{
    TextFile::writeLines(hostFile, htmlReportLines(record, parent, teacher, selfReport));
}

QString htmlReportPath(const QString &code) { return hostPath(FixedPaths::htmlReport(code)); }
