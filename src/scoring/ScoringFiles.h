#pragma once

#include "scoring/NormFile.h"
#include "scoring/ScaleDefinitionReader.h"

#include "case/MotraError.h"

#include <QByteArray>

#include <optional>

// The three installation files one questionnaire's scorer reads: its scale definitions
// (skalaN.txt), its competence norms (tstanN.tp) and its problem-scale norms (fakstN.tp).
// All three are read when the set is made; a file that cannot be read keeps its failure,
// which is thrown only when the scorer asks for that file, so the user sees the same
// message, in the same order, as when every file is read at its moment of use.
// A set is never changed once made and may be shared by threads.
class ScoringFiles
{
public:
    // Reads the three files of questionnaire kind 1..3 from the installation now.
    static ScoringFiles load(int kind);
    // A set from contents already in memory; the files' fixed paths name them in messages.
    static ScoringFiles fromBytes(int kind, const QByteArray &scaleDefinitions, const QByteArray &competenceNorms,
        const QByteArray &problemNorms);

    // Which of the three files.
    enum class File { ScaleDefinitions, CompetenceNorms, ProblemNorms };
    // A copy with one file's content replaced by the bytes (the other two shared).
    ScoringFiles with(File file, const QByteArray &bytes) const;

    int kind() const { return m_kind; }
    // A fresh reader at the first scale; throws the file's failure.
    ScaleDefinitionReader scaleDefinitions() const;
    // Throw the file's failure.
    const NormFile &competenceNorms() const;
    const NormFile &problemNorms() const;

private:
    template<typename T> struct Loaded
    {
        std::optional<T> content;
        std::optional<MotraError> failure;
        const T &get() const
        {
            if (failure)
                throw *failure;
            return *content;
        }
    };

    explicit ScoringFiles(int kind) : m_kind(kind) { }

    int m_kind;
    Loaded<ScaleDefinitionReader> m_scaleDefinitions;
    Loaded<NormFile> m_competenceNorms;
    Loaded<NormFile> m_problemNorms;
};
