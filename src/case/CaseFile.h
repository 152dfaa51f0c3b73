#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class CaseRecord;

// The lines of the case file of the current examination, in the fixed layout.
QStringList caseFileLines(const CaseRecord &record);
// Replaces the host file with caseFileLines (whole or not at all).
void writeCaseFileTo(const CaseRecord &record, const QString &hostFile);
// Loads a case file into the record (tags, answer sets, opinion); shows nothing.
// Throws MotraError when the file cannot be read or Kora/Neme is not a decimal integer.
void readCaseFile(CaseRecord &record, const QString &hostFile);
// Case files read one after another repeat the same short answers and labels ("0", "1",
// "nem igaz"); with a pool they share one string each instead of every cell decoding and
// allocating its own. Not for sharing between threads.
class CaseTextPool
{
public:
    // slotCount: how many different short texts it keeps at once.
    explicit CaseTextPool(int slotCount = 1021);
    ~CaseTextPool();
    CaseTextPool(const CaseTextPool &) = delete;
    CaseTextPool &operator=(const CaseTextPool &) = delete;

    // The bytes decoded from the code page.
    QString get(QByteArrayView bytes);

private:
    static constexpr qsizetype LongestShared = 48;
    struct Slot;
    quint32 m_slotCount;
    std::unique_ptr<Slot[]> m_slots;
};

// The same from the file's bytes (Windows-1250, any line ends). With onlyKind 1..3 only what
// scoring that questionnaire needs is read, the personal data and the answer values of that
// questionnaire; its labels, the other answer sets and the opinion keep what they hold.
void readCaseFileBytes(CaseRecord &record, const QByteArray &bytes, int onlyKind = 0, CaseTextPool *pool = nullptr);
// Whether the bytes have exactly the layout caseFileLines writes; readCaseFileBytes then
// reads every line by its position.
bool hasOwnCaseFileLayout(const QByteArray &bytes);
