#pragma once

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include "case/MotraError.h"

#include <memory>
#include <optional>

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

    // The content of skalaN.txt; throws as the file-reading constructor does.
    static QByteArray readFile(int kind);
    // A reader over bytes whose first `scales` scales are parsed now, once: readers copied
    // from it hand those out without parsing again and meet a damaged scale at the same
    // scale, with the same message, as a reader parsing as it goes.
    static ScaleDefinitionReader preparsed(int kind, const QByteArray &bytes, int scales);

    // The item numbers (1..122) of the next scale. An item that is not a whole number or
    // lies outside 1..122 throws " A SKALAN.TXT fájl meghibásodott."; a count that is not a
    // number or a file that ends too early throws an input/output error naming the file.
    void readNextScale(Items &items);

private:
    void skipLine();
    void skipBlanks();
    // The next blank-separated token; empty at the end of the file.
    QByteArrayView nextToken();

    struct Parsed
    {
        QVector<Items> scales;
        std::optional<MotraError> failure; // met at the scale after the parsed ones
        qsizetype endPos = 0;
    };

    int m_kind;
    QString m_fixedPath;
    std::shared_ptr<const Parsed> m_parsed;
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    int m_scale = 0;
};
