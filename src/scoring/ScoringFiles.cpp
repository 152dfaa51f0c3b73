#include "scoring/ScoringFiles.h"

#include "case/FixedPaths.h"
#include "case/Questionnaire.h"

namespace {

// Every scorer reads the scale definitions of its first ten problem scales.
constexpr int ParsedScales = 10;

template<typename T, typename Read> void loadInto(T &slot, Read read)
{
    try {
        slot.content.emplace(read());
    } catch (const MotraError &error) {
        slot.failure.emplace(error);
    }
}

} // namespace

ScoringFiles ScoringFiles::load(int kind)
{
    ScoringFiles files(kindInfo(kind).kind);
    const int k = files.m_kind;
    loadInto(files.m_scaleDefinitions,
        [k] { return ScaleDefinitionReader::preparsed(k, ScaleDefinitionReader::readFile(k), ParsedScales); });
    loadInto(files.m_competenceNorms, [k] { return NormFile::competenceNorms(k); });
    loadInto(files.m_problemNorms, [k] { return NormFile::problemNorms(k); });
    return files;
}

ScoringFiles ScoringFiles::fromBytes(
    int kind, const QByteArray &scaleDefinitions, const QByteArray &competenceNorms, const QByteArray &problemNorms)
{
    ScoringFiles files(kindInfo(kind).kind);
    files.m_scaleDefinitions.content.emplace(
        ScaleDefinitionReader::preparsed(files.m_kind, scaleDefinitions, ParsedScales));
    return files.with(File::CompetenceNorms, competenceNorms).with(File::ProblemNorms, problemNorms);
}

ScoringFiles ScoringFiles::with(File file, const QByteArray &bytes) const
{
    ScoringFiles files = *this;
    const int k = m_kind;
    switch (file) {
    case File::ScaleDefinitions:
        files.m_scaleDefinitions = {};
        files.m_scaleDefinitions.content.emplace(ScaleDefinitionReader::preparsed(k, bytes, ParsedScales));
        break;
    case File::CompetenceNorms:
        files.m_competenceNorms = {};
        loadInto(files.m_competenceNorms, [&] { return NormFile(FixedPaths::competenceNormFile(k), bytes); });
        break;
    case File::ProblemNorms:
        files.m_problemNorms = {};
        loadInto(files.m_problemNorms, [&] { return NormFile(FixedPaths::problemNormFile(k), bytes); });
        break;
    }
    return files;
}

ScaleDefinitionReader ScoringFiles::scaleDefinitions() const { return m_scaleDefinitions.get(); }

const NormFile &ScoringFiles::competenceNorms() const { return m_competenceNorms.get(); }

const NormFile &ScoringFiles::problemNorms() const { return m_problemNorms.get(); }
