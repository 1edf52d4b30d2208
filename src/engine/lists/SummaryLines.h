#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

class SummaryLineBuilder;

// The lines of a list window, their text written into blocks of a fixed
// size with where each line stands in them, so that a list of a hundred
// thousand lines is a few hundred allocations rather than one per line and
// takes little more than its characters. A line never moves once written.
// Lines are shown in the order they were added in until sort() is called.
class SummaryLines
{
public:
    SummaryLines() = default;
    explicit SummaryLines(const QStringList &lines);
    SummaryLines(const SummaryLines &other);
    SummaryLines &operator=(const SummaryLines &other);
    SummaryLines(SummaryLines &&other) noexcept;
    SummaryLines &operator=(SummaryLines &&other) noexcept;

    // Room for `lines` lines in all.
    void reserve(qsizetype lines);
    void append(QStringView line);
    // Appends the summary line of a record (its bytes).
    void append(const SummaryLineBuilder &builder, const char *record);
    // Gives back the room reserved for lines beyond those held.
    void squeeze();
    void clear();

    qsizetype size() const { return static_cast<qsizetype>(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }
    // Line `row` in list order.
    QStringView line(qsizetype row) const { return m_lines[static_cast<std::size_t>(row)]; }
    QStringList toStringList() const;
    // Every character of every line.
    qsizetype characterCount() const { return m_characters; }
    // The memory the lines take, in bytes.
    qsizetype memoryBytes() const;

    // Sorts the list by SummaryOrder; equal lines keep the order they had.
    void sort();

private:
    struct Block
    {
        std::unique_ptr<char16_t[]> text;
        qsizetype capacity = 0;
    };

    // Where a line of at most `characters` characters is written: the free
    // room of the last block, or a new block when it is full.
    char16_t *roomFor(qsizetype characters);
    // Records the line of `length` characters just written at `text`.
    void added(const char16_t *text, qsizetype length);

    std::vector<Block> m_blocks;     // the text; lines are added to the last
    qsizetype m_used = 0;            // characters written in the last block
    qsizetype m_characters = 0;      // in all the blocks
    std::vector<QStringView> m_lines;  // in list order
};
