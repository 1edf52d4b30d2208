#pragma once

#include "engine/lists/LargeArray.h"
#include "engine/lists/LargeBuffer.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class SummaryLineBuilder;

// The lines of a list window, kept as a few large blocks of text with where
// each line stands in them, so that a list of a hundred thousand lines is a
// few allocations rather than one per line and takes little more than its
// characters. A line never moves once written: the lines of lists filled
// apart are joined without copying their text. Lines are shown in list
// order, which is the order they were added in until sort() is called.
class SummaryLines
{
public:
    SummaryLines() = default;
    explicit SummaryLines(const QStringList &lines);
    SummaryLines(const SummaryLines &other);
    SummaryLines &operator=(const SummaryLines &other);
    SummaryLines(SummaryLines &&other) noexcept;
    SummaryLines &operator=(SummaryLines &&other) noexcept;

    // Room for `lines` lines of `characters` characters in all. Room that
    // is never written is never taken from the system.
    void reserve(qsizetype lines, qsizetype characters);
    void append(QStringView line);
    // Appends the summary line of a record (its bytes).
    void append(const SummaryLineBuilder &builder, const char *record);
    // Appends the lines of `other` in its list order, leaving it empty.
    void append(SummaryLines &&other);
    // Gives back the room reserved beyond the lines held.
    void squeeze();
    void clear();

    qsizetype size() const { return static_cast<qsizetype>(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }
    // Line `row` in list order.
    QStringView line(qsizetype row) const { return stored(lineAt(row)); }
    QStringList toStringList() const;
    // Every character of every line.
    qsizetype characterCount() const { return m_characters; }
    // The memory the lines take, in bytes.
    qsizetype memoryBytes() const;

    // Sorts the list by SummaryOrder; equal lines keep the order they were
    // added in. A long list is sorted in `parts` parts at once (0: as many
    // as the processors and its length are worth), with the same result.
    void sort(int parts = 0);
    // Below this many lines a part, a list is sorted in one go.
    static constexpr qsizetype kMinimumLinesPerPart = 8192;

private:
    struct Span
    {
        const char16_t *text;
        qsizetype length;
    };

    // The line (its index in the order added) shown at `row`.
    qsizetype lineAt(qsizetype row) const
    {
        return m_order.empty() ? row : m_order[static_cast<std::size_t>(row)];
    }
    QStringView stored(qsizetype index) const
    {
        const Span &span = m_lines[static_cast<std::size_t>(index)];
        return QStringView(span.text, span.length);
    }
    // Where the next line is written: the free room of the last block.
    char16_t *writePosition() const
    {
        return static_cast<char16_t *>(m_blocks.back().data()) + m_used;
    }
    // Makes room for `more` characters after the last line, in a new block
    // when the last one is full (blocks holding lines are never moved).
    void grow(qsizetype more);
    // Records the line just written, of `length` characters.
    void added(qsizetype length);
    // Sorts a run of the sort's entries (kept to the source file), with
    // room for as many in `scratch`.
    void sortRun(void *first, void *last, void *scratch, qsizetype from) const;

    std::vector<LargeBuffer> m_blocks;  // the text; lines are added to the last
    qsizetype m_used = 0;               // characters written in the last block
    qsizetype m_characters = 0;         // in all the blocks
    LargeArray<Span> m_lines;           // in the order added
    // List row -> line index; empty while the rows are in the order added,
    // which is until a sort.
    LargeArray<qsizetype> m_order;
    // The beginning of each line packed for the sort, until it sorts.
    struct SortKey
    {
        quint64 words[3];
    };
    LargeArray<SortKey> m_keys;
};
