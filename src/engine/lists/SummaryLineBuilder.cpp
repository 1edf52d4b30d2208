#include "engine/lists/SummaryLineBuilder.h"

#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/ShortStringField.h"
#include "engine/text/Cp1252.h"

#include <algorithm>
#include <array>

namespace {

// The character of every byte, taken once from the program's codec so that
// the lists decode exactly as the cards do.
const std::array<char16_t, 256> &byteCharacters()
{
    static const std::array<char16_t, 256> table = [] {
        char bytes[256];
        for (int i = 0; i < 256; ++i)
            bytes[i] = static_cast<char>(i);
        const QString text = Cp1252::decode(bytes, 256);
        std::array<char16_t, 256> characters {};
        for (int i = 0; i < 256; ++i)
            characters[i] = text.at(i).unicode();
        return characters;
    }();
    return table;
}

} // namespace

SummaryLineBuilder::SummaryLineBuilder(const SummaryLayout &line, const RecordLayout &record)
{
    for (const SummarySegment &segment : line) {
        Piece piece;
        if (segment.literal) {
            const QString literal = QString::fromUtf8(segment.literal);
            piece.literal.assign(reinterpret_cast<const char16_t *>(literal.utf16()), literal.size());
            m_fixedLength += literal.size();
            m_maximumLength += literal.size();
        } else {
            const int index = record.indexOf(QString::fromLatin1(segment.field));
            Q_ASSERT_X(index >= 0, "SummaryLineBuilder", "a summary line names a field the record lacks");
            piece.offset = record.offset(index);
            piece.capacity = record.capacity(index);
            piece.width = segment.width;
            if (segment.width == SummarySegment::kNoWidth) {
                m_maximumLength += piece.capacity;
            } else {
                m_fixedLength += segment.width;
                m_maximumLength += segment.width;
            }
        }
        m_pieces.push_back(std::move(piece));
    }
}

qsizetype SummaryLineBuilder::writeLine(const char *record, char16_t *out) const
{
    // Lists of a hundred thousand lines are built here: one pass, no
    // allocation.
    const std::array<char16_t, 256> &characters = byteCharacters();
    char16_t *const start = out;
    for (const Piece &piece : m_pieces) {
        if (piece.offset < 0) {
            out = std::copy(piece.literal.cbegin(), piece.literal.cend(), out);
            continue;
        }
        // The field's trimmed bytes, one character each, so cutting the
        // bytes cuts the characters.
        const QByteArrayView text = ShortStringField::trimmedBytes(record + piece.offset, piece.capacity);
        const qsizetype length =
            piece.width == SummarySegment::kNoWidth ? text.size() : std::min<qsizetype>(text.size(), piece.width);
        for (qsizetype i = 0; i < length; ++i)
            *out++ = characters[static_cast<unsigned char>(text[i])];
        if (piece.width != SummarySegment::kNoWidth)
            out = std::fill_n(out, piece.width - length, u' ');
    }
    return out - start;
}

QString SummaryLineBuilder::line(const char *record) const
{
    QString text(m_maximumLength, Qt::Uninitialized);
    text.truncate(writeLine(record, reinterpret_cast<char16_t *>(text.data())));
    return text;
}

QString SummaryLineBuilder::line(const Record &record) const
{
    // Through the stored bytes, so that a line built from a card is the one
    // the archive gives back.
    return line(record.encode().constData());
}
