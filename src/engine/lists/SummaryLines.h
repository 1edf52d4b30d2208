#pragma once

#include "engine/lists/LargeArray.h"
#include "engine/lists/LargeBuffer.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class SummaryLineBuilder;

// The lines of a list window, kept as one text with the start of each line,
// so that a list of a hundred thousand lines is a few allocations rather
// than one per line and takes little more than its characters. Lines are
// shown in list order, which is the order they were added in until sort()
// is called.
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

    qsizetype size() const { return static_cast<qsizetype>(m_order.size()); }
    bool isEmpty() const { return m_order.empty(); }
    // Line `row` in list order.
    QStringView line(qsizetype row) const { return stored(m_order[static_cast<std::size_t>(row)]); }
    QStringList toStringList() const;
    // Every character of every line.
    qsizetype characterCount() const { return m_size; }
    // The memory the lines take, in bytes.
    qsizetype memoryBytes() const;

    // Sorts the list by SummaryOrder; equal lines keep the order they were
    // added in. A long list is sorted in `parts` parts at once (0: as many
    // as the processors and its length are worth), with the same result.
    void sort(int parts = 0);
    // Below this many lines a part, a list is sorted in one go.
    static constexpr qsizetype kMinimumLinesPerPart = 16384;

private:
    char16_t *text() const { return static_cast<char16_t *>(m_text.data()); }
    QStringView stored(qsizetype index) const
    {
        const auto i = static_cast<std::size_t>(index);
        const qsizetype end = i + 1 < m_starts.size() ? m_starts[i + 1] : m_size;
        return QStringView(text() + m_starts[i], end - m_starts[i]);
    }
    // Makes room for `more` characters after the last line.
    void grow(qsizetype more);
    // Records the line just written at `start`.
    void added(qsizetype start);
    // Sorts a run of the sort's entries (kept to the source file), with
    // room for as many in `scratch`.
    void sortRun(void *first, void *last, void *scratch, qsizetype from) const;

    LargeBuffer m_text;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    LargeArray<qsizetype> m_starts;  // of each line, in the order added
    LargeArray<qsizetype> m_order;   // list row -> line index
    // The beginning of each line packed for the sort, until it sorts.
    struct SortKey
    {
        quint64 words[3];
    };
    LargeArray<SortKey> m_keys;
};
