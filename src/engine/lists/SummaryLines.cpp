#include "engine/lists/SummaryLines.h"

#include "engine/lists/AsciiFold.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryOrder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

SummaryLines::SummaryLines(const QStringList &lines)
{
    qsizetype characters = 0;
    for (const QString &line : lines)
        characters += line.size();
    reserve(lines.size(), characters);
    for (const QString &line : lines)
        append(line);
}

SummaryLines::SummaryLines(const SummaryLines &other)
    : m_starts(other.m_starts)
    , m_order(other.m_order)
{
    grow(other.m_size);
    if (other.m_size > 0)
        std::memcpy(text(), other.text(), std::size_t(other.m_size) * sizeof(char16_t));
    m_size = other.m_size;
}

SummaryLines &SummaryLines::operator=(const SummaryLines &other)
{
    if (this != &other)
        *this = SummaryLines(other);
    return *this;
}

SummaryLines::SummaryLines(SummaryLines &&other) noexcept
{
    *this = std::move(other);
}

SummaryLines &SummaryLines::operator=(SummaryLines &&other) noexcept
{
    m_text = std::move(other.m_text);
    m_size = std::exchange(other.m_size, 0);
    m_capacity = std::exchange(other.m_capacity, 0);
    m_starts = std::move(other.m_starts);
    m_order = std::move(other.m_order);
    other.m_starts.clear();
    other.m_order.clear();
    return *this;
}

void SummaryLines::grow(qsizetype more)
{
    if (m_size + more <= m_capacity)
        return;
    const qsizetype capacity = std::max(m_size + more, m_capacity + m_capacity / 2);
    if (!m_text.resize(std::size_t(capacity) * sizeof(char16_t)))
        throw std::bad_alloc();
    m_capacity = capacity;
}

void SummaryLines::reserve(qsizetype lines, qsizetype characters)
{
    grow(characters - m_size);
    m_starts.reserve(static_cast<std::size_t>(lines));
    m_order.reserve(static_cast<std::size_t>(lines));
}

void SummaryLines::append(QStringView line)
{
    grow(line.size());
    m_order.push_back(static_cast<qsizetype>(m_starts.size()));
    m_starts.push_back(m_size);
    std::copy(line.utf16(), line.utf16() + line.size(), text() + m_size);
    m_size += line.size();
}

void SummaryLines::append(const SummaryLineBuilder &builder, const char *record)
{
    grow(builder.maximumLength());
    m_order.push_back(static_cast<qsizetype>(m_starts.size()));
    m_starts.push_back(m_size);
    m_size += builder.writeLine(record, text() + m_size);
}

void SummaryLines::squeeze()
{
    if (m_capacity > m_size && m_text.resize(std::size_t(m_size) * sizeof(char16_t)))
        m_capacity = m_size;
    m_starts.shrink_to_fit();
    m_order.shrink_to_fit();
}

void SummaryLines::clear()
{
    *this = SummaryLines();
}

QStringList SummaryLines::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype row = 0; row < size(); ++row)
        lines.append(line(row).toString());
    return lines;
}

qsizetype SummaryLines::memoryBytes() const
{
    return m_capacity * qsizetype(sizeof(char16_t))
        + qsizetype((m_starts.capacity() + m_order.capacity()) * sizeof(qsizetype));
}

namespace {

// A piece of a line, folded, packed into numbers that order like the text,
// so that the sort compares numbers rather than reading lines that lie all
// over memory. A character takes one byte: codes of 255 and above all
// become 255 and end the piece there (the rest stays 0), and characters
// missing at the end of a line are 0. Equal pieces that are not exact
// (the line is shorter, or a character did not fit) mean "compare the
// lines".
struct SortEntry
{
    static constexpr int kWords = 3;
    static constexpr qsizetype kCharacters = kWords * 8;

    void setPiece(QStringView line, qsizetype from)
    {
        std::fill_n(words, kWords, 0);
        exact = line.size() >= from + kCharacters;
        const qsizetype end = std::min(line.size(), from + kCharacters);
        for (qsizetype i = from; i < end; ++i) {
            const char16_t c = AsciiFold::upper(line.utf16()[i]);
            const quint64 byte = c >= 255 ? 255 : c;
            words[(i - from) / 8] |= byte << (8 * (7 - (i - from) % 8));
            if (byte == 255) {
                exact = false;
                break;
            }
        }
    }

    bool samePiece(const SortEntry &other) const
    {
        return std::equal(words, words + kWords, other.words);
    }

    bool pieceBefore(const SortEntry &other) const
    {
        return std::lexicographical_compare(words, words + kWords, other.words, other.words + kWords);
    }

    quint64 words[kWords];
    quint32 index;
    bool exact;
};

} // namespace

void SummaryLines::sort()
{
    const std::size_t count = m_order.size();
    LargeBuffer memory(count * sizeof(SortEntry));
    if (count > 0 && !memory.data())
        throw std::bad_alloc();
    auto *entries = static_cast<SortEntry *>(memory.data());
    for (std::size_t row = 0; row < count; ++row) {
        new (entries + row) SortEntry;
        entries[row].index = quint32(m_order[row]);
        entries[row].setPiece(stored(m_order[row]), 0);
    }
    sortRun(entries, entries + count, 0);
    for (std::size_t row = 0; row < count; ++row)
        m_order[row] = entries[row].index;
}

// Sorts entries whose lines are equal before `from` by the piece starting
// there, then each run of equal pieces by the next piece, and so on: every
// line is read a piece at a time, once per piece, however many times it is
// compared.
void SummaryLines::sortRun(void *firstEntry, void *lastEntry, qsizetype from) const
{
    auto *first = static_cast<SortEntry *>(firstEntry);
    auto *last = static_cast<SortEntry *>(lastEntry);
    std::sort(first, last, [](const SortEntry &a, const SortEntry &b) { return a.pieceBefore(b); });
    for (SortEntry *run = first; run < last;) {
        SortEntry *end = run + 1;
        while (end < last && end->samePiece(*run))
            ++end;
        if (end - run > 1) {
            if (std::all_of(run, end, [](const SortEntry &entry) { return entry.exact; })) {
                for (SortEntry *entry = run; entry < end; ++entry)
                    entry->setPiece(stored(entry->index), from + SortEntry::kCharacters);
                sortRun(run, end, from + SortEntry::kCharacters);
            } else {
                // Equal lines keep the order they were added in.
                std::sort(run, end, [this](const SortEntry &a, const SortEntry &b) {
                    const int order = SummaryOrder::compare(stored(a.index), stored(b.index));
                    return order != 0 ? order < 0 : a.index < b.index;
                });
            }
        }
        run = end;
    }
}
