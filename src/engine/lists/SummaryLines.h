#pragma once

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
    // added in.
    void sort();

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
    // Sorts a run of the sort's entries (kept to the source file).
    void sortRun(void *first, void *last, qsizetype from) const;

    LargeBuffer m_text;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    std::vector<qsizetype> m_starts;  // of each line, in the order added
    std::vector<qsizetype> m_order;   // list row -> line index
};
