// motra-demogen: builds the demonstration installation (the folder standing for drive C:)
// from the texts under demo/ and the program's own tables. The norm tables it writes are
// synthetic demonstration data and give no clinically valid T-scores.
//
// usage: motra-demogen <demo text folder> <output folder>

#include "DemoCases.h"
#include "DemoNorms.h"
#include "DemoPictures.h"
#include "GifWriter.h"
#include "WordTemplate.h"

#include "case/MotraError.h"
#include "case/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdio>

namespace {

class Generator
{
public:
    Generator(const QString &sources, const QString &root) : m_sources(sources), m_root(root) { }

    void run()
    {
        makeFolders();
        copyTexts();
        writePasswordFile();
        writeNorms();
        writePictures();
        writeReportPictures();
        writeDocuments();
        DemoCases::write(m_root); // scored with the norms written above
    }

private:
    QString motra(const QString &relative) const { return m_root + QStringLiteral("/_halden/motra/") + relative; }

    static void fail(const QString &message) { throw MotraError(message); }

    void writeBytes(const QString &path, const QByteArray &bytes) const
    {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }

    void saveImage(const QString &path, const QImage &image, const char *format) const
    {
        if (!image.save(path, format))
            fail(QStringLiteral("cannot write %1").arg(path));
    }

    void makeFolders() const
    {
        // The program itself never creates a folder: every one it writes into must be here.
        for (const char *folder :
            {"archivum", "aktualis", "html", "doc", "stat", "jegyzet", "wizard", "help", "pictures"}) {
            if (!QDir().mkpath(motra(QLatin1String(folder))))
                fail(QStringLiteral("cannot create %1").arg(motra(QLatin1String(folder))));
        }
        if (!QDir().mkpath(m_root + QStringLiteral("/qrelab/kalauz/pictures")))
            fail(QStringLiteral("cannot create the photo folder"));
    }

    // demo/_halden/motra/... (UTF-8, LF) becomes the same path in Windows-1250 with CR LF.
    void copyTexts() const
    {
        QDirIterator it(m_sources, QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        while (it.hasNext()) {
            const QString source = it.next();
            QFile file(source);
            if (!file.open(QIODevice::ReadOnly))
                fail(QStringLiteral("cannot read %1").arg(source));
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8.decode(file.readAll());
            if (utf8.hasError())
                fail(QStringLiteral("%1 is not UTF-8").arg(source));
            const QString target = m_root + QLatin1Char('/') + QDir(m_sources).relativeFilePath(source);
            QDir().mkpath(QFileInfo(target).path());
            TextFile::writeLines(target, TextFile::splitLines(text));
            ++count;
        }
        if (count == 0)
            fail(QStringLiteral("no texts found under %1").arg(m_sources));
    }

    // Line 20: the length digit at character 21, the password from character 22 on.
    void writePasswordFile() const
    {
        QStringList lines;
        for (int i = 1; i <= 24; ++i)
            lines.append(QStringLiteral("MOTRA beállítás %1 - ezt a fájlt ne szerkessze kézzel.")
                             .arg(i, 2, 10, QLatin1Char('0')));
        const QString filler = QStringLiteral("jelszó következik: *");
        if (filler.size() != 20)
            fail(QStringLiteral("the password line's filler must be 20 characters long"));
        lines[19] = filler + QStringLiteral("6123456000 vége");
        TextFile::writeLines(motra(QStringLiteral("standard.dat")), lines);
    }

    void writeNorms() const
    {
        for (int kind = 1; kind <= 3; ++kind) {
            TextFile::writeLines(motra(QStringLiteral("skala%1.txt").arg(kind)), DemoNorms::scaleDefinitionLines(kind));
            writeBytes(motra(QStringLiteral("tstan%1.tp").arg(kind)), DemoNorms::competenceNorms(kind));
            writeBytes(motra(QStringLiteral("fakst%1.tp").arg(kind)), DemoNorms::problemNorms(kind));
        }
    }

    void writePictures() const
    {
        const struct
        {
            const char *background;
            const char *current;
            QString title;
        } charts[] = {{"diag_szu.bmp", "Akt_Diag.bmp", QStringLiteral("szülői kérdőív")},
            {"diag_tan.bmp", "Akt_Di_2.bmp", QStringLiteral("tanári kérdőív")},
            {"diag_one.bmp", "Akt_Di_3.bmp", QStringLiteral("önértékelő kérdőív")}};
        for (const auto &chart : charts) {
            const QImage image = DemoPictures::chartBackground(chart.title);
            saveImage(motra(QStringLiteral("pictures/") + QLatin1String(chart.background)), image, "BMP");
            saveImage(motra(QStringLiteral("aktualis/") + QLatin1String(chart.current)), image, "BMP");
        }
        saveImage(m_root + QStringLiteral("/qrelab/kalauz/nincs.bmp"), DemoPictures::noPhoto(), "BMP");
    }

    void writeReportPictures() const
    {
        const char *const bars[5] = {"mm.gif", "m.gif", "n.gif", "p.gif", "pp.gif"};
        for (int band = 0; band < 5; ++band)
            writeBytes(
                motra(QStringLiteral("html/") + QLatin1String(bars[band])), encodeGif(DemoPictures::bandBar(band)));
        writeBytes(motra(QStringLiteral("html/skala.gif")), encodeGif(DemoPictures::ruler()));
        writeBytes(motra(QStringLiteral("html/jelmagy.gif")), encodeGif(DemoPictures::legend()));
        writeBytes(motra(QStringLiteral("html/logo.gif")), encodeGif(DemoPictures::logo()));
    }

    // A word processor opens RTF whatever the file's extension says.
    static QByteArray rtf(const QString &title, const QStringList &paragraphs)
    {
        QStringEncoder encoder("windows-1250");
        auto escape = [&encoder](const QString &text) {
            QByteArray out;
            for (const char c : QByteArray(encoder.encode(text))) {
                const uchar u = uchar(c);
                if (u >= 0x80)
                    out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
                else if (c == '\\' || c == '{' || c == '}')
                    out += QByteArray("\\") + c;
                else
                    out += c;
            }
            return out;
        };
        QByteArray doc = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n";
        doc += "\\f0\\fs32\\b " + escape(title) + "\\b0\\par\r\n\\fs24\r\n";
        for (const QString &paragraph : paragraphs)
            doc += escape(paragraph) + "\\par\r\n";
        doc += "}\r\n";
        return doc;
    }

    void writeDocuments() const
    {
        const QString blank = QStringLiteral("Ez a bemutató telepítés üres helyőrzője; a valódi tesztfüzetet "
                                             "a program forgalmazójától kapott fájl váltja fel.");
        writeBytes(motra(QStringLiteral("help/szulo.doc")),
            rtf(QStringLiteral("MOTRA - szülői tesztfüzet (bemutató)"), {blank}));
        writeBytes(motra(QStringLiteral("help/tanar.doc")),
            rtf(QStringLiteral("MOTRA - tanári tesztfüzet (bemutató)"), {blank}));
        writeBytes(motra(QStringLiteral("help/onert.doc")),
            rtf(QStringLiteral("MOTRA - önértékelő tesztfüzet (bemutató)"), {blank}));
        writeBytes(motra(QStringLiteral("help/mtrozsa.doc")),
            rtf(QStringLiteral("A MOTRA teszt ismertetése (bemutató)"),
                {QStringLiteral("A MOTRA a szülő, a pedagógus és a gyermek kérdőívéből számít nyerspontokat "
                                "és T-értékeket, profildiagramot rajzol és jegyzőkönyvet készít."),
                    QStringLiteral("Ebben a bemutató telepítésben a normatáblák kitaláltak: a T-értékek nem "
                                   "használhatók klinikai döntéshez."),
                    blank}));
        writeWordTemplate(motra(QStringLiteral("aktualis/aktualis.dot")));
    }

    QString m_sources;
    QString m_root;
};

} // namespace

int main(int argc, char *argv[])
{
    // Drawing text on images needs a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: motra-demogen <demo text folder> <output folder>\n");
        return 2;
    }
    const QString sources = QDir(args[1]).absolutePath();
    const QString root = QDir(args[2]).absolutePath();
    // Stale files must never survive: the output folder starts empty.
    if (QDir(root).exists() && !QDir(root).isEmpty()) {
        std::fprintf(stderr, "motra-demogen: %s is not empty; remove it first\n", qPrintable(root));
        return 2;
    }
    try {
        Generator(sources, root).run();
    } catch (const MotraError &error) {
        std::fprintf(stderr, "motra-demogen: %s\n", error.what());
        return 1;
    }
    return 0;
}
