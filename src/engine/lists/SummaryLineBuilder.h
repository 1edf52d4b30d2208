#pragma once

#include "engine/lists/SummaryLayout.h"

#include <QString>

#include <vector>

class Record;
class RecordLayout;

// Builds the summary line of a record straight from its bytes, decoding only
// the fields the line shows: each field's text trimmed, then padded with
// blanks or cut to its width; the last field only trimmed; literal texts as
// they are.
class SummaryLineBuilder
{
public:
    SummaryLineBuilder(const SummaryLayout &line, const RecordLayout &record);

    // Writes the line of the record whose bytes start at `record` (the
    // record layout's size of them) to `out`, which has room for
    // maximumLength() characters, and returns its length.
    qsizetype writeLine(const char *record, char16_t *out) const;
    QString line(const char *record) const;
    QString line(const Record &record) const;

    // The characters every line has whatever the record holds: the widths
    // and the literals, without the last field.
    int fixedLength() const { return m_fixedLength; }
    // The most characters a line can have.
    int maximumLength() const { return m_maximumLength; }

private:
    struct Piece
    {
        std::u16string literal;
        int offset = -1;    // of the field's length byte; -1 for a literal
        int capacity = 0;
        int width = 0;
    };

    std::vector<Piece> m_pieces;
    int m_fixedLength = 0;
    int m_maximumLength = 0;
};
