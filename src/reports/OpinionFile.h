#pragma once

class CaseRecord;

// Replaces "aktualis\velem.txt" with the record's opinion lines (whole or not at all), so
// the word-processor template shows the opinion of the examination in hand, then its
// word-processor copy (WordCopy::OpinionText).
// Throws MotraError when the file cannot be written.
void writeOpinionFile(const CaseRecord &record);
