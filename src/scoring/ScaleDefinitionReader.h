#pragma once

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

// Reads a scale-definition file (skalaN.txt) scale by scale: a title line, then a count n
// and n item numbers (line ends count as separators), the rest of the last item's line
// skipped. The whole file is read when the reader is made; numbers are plain ASCII, so the
// bytes are parsed directly.
class ScaleDefinitionReader
{
public:
    using Items = QVarLengthArray<int, 128>;

    // Opens skalaN.txt of questionnaire kind 1..3; throws " Nem találom a SKALAN.TXT fájlt."
    explicit ScaleDefinitionReader(int kind);
    // A reader over bytes already in memory (the name is only used in messages).
    ScaleDefinitionReader(int kind, const QByteArray &bytes);

    // The item numbers (1..122) of the next scale. An item that is not a whole number or
    // lies outside 1..122 throws " A SKALAN.TXT fájl meghibásodott."; a count that is not a
    // number or a file that ends too early throws an input/output error naming the file.
    void readNextScale(Items &items);

private:
    void skipLine();
    void skipBlanks();
    // The next blank-separated token; empty at the end of the file.
    QByteArray nextToken();

    int m_kind;
    QString m_fixedPath;
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    int m_scale = 0;
};
