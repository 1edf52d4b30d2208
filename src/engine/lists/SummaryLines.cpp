#include "engine/lists/SummaryLines.h"

#include "engine/lists/AsciiFold.h"
#include "engine/lists/ParallelParts.h"
#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryOrder.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <utility>

namespace {

// A piece of a line, folded, packed into numbers that order like the text,
// so that the sort compares numbers rather than reading lines that lie all
// over memory. A character takes one byte: codes of 255 and above all
// become 255 and end the piece there (the rest stays 0), and characters
// missing at the end of a line are 0. The piece is exact when it holds all
// its characters as they are: a line shorter than the piece, or one with a
// character that did not fit, is not.
constexpr int kPieceWords = 3;
constexpr qsizetype kPieceCharacters = kPieceWords * 8;
constexpr unsigned char kWide = 255;

bool packPiece(QStringView line, qsizetype from, quint64 *words)
{
    // The characters into a buffer of the piece's size, then every one of
    // them through the same steps: a loop of a fixed length without
    // branches, which the compiler runs on several characters at once.
    char16_t characters[kPieceCharacters] = {};
    const qsizetype count = std::clamp<qsizetype>(line.size() - from, 0, kPieceCharacters);
    std::copy_n(line.utf16() + from, count, characters);
    unsigned char bytes[kPieceCharacters];
    bool wide = false;
    for (qsizetype i = 0; i < kPieceCharacters; ++i) {
        const char16_t c = AsciiFold::upper(characters[i]);
        wide |= c >= kWide;
        bytes[i] = static_cast<unsigned char>(c >= kWide ? kWide : c);
    }
    if (wide) {
        // What follows the first wide character is left out of the piece.
        unsigned char *first = std::find(bytes, bytes + count, kWide);
        std::fill(first + 1, bytes + kPieceCharacters, static_cast<unsigned char>(0));
    }
    for (int w = 0; w < kPieceWords; ++w)
        words[w] = qFromBigEndian<quint64>(bytes + w * 8);
    return count == kPieceCharacters && !wide;
}

// Whether a line's first piece, packed, is exact: it is, unless the line is
// shorter than the piece or a character did not fit (a byte of 255).
bool firstPieceExact(const quint64 *words, qsizetype lineLength)
{
    if (lineLength < kPieceCharacters)
        return false;
    for (int w = 0; w < kPieceWords; ++w) {
        for (int b = 0; b < 8; ++b) {
            if (((words[w] >> (8 * b)) & 0xFFu) == kWide)
                return false;
        }
    }
    return true;
}

} // namespace

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
    : m_order(other.m_order)
    , m_keys(other.m_keys)
{
    if (other.m_lines.empty())
        return;
    // One block for all the text, the lines in the order they were added.
    grow(other.m_characters);
    m_lines.reserve(other.m_lines.size());
    for (const Span &span : other.m_lines) {
        char16_t *into = writePosition();
        std::copy_n(span.text, span.length, into);
        m_lines.push_back({into, span.length});
        m_used += span.length;
    }
    m_characters = other.m_characters;
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
    m_blocks = std::move(other.m_blocks);
    other.m_blocks.clear();
    m_used = std::exchange(other.m_used, 0);
    m_characters = std::exchange(other.m_characters, 0);
    m_lines = std::move(other.m_lines);
    m_order = std::move(other.m_order);
    m_keys = std::move(other.m_keys);
    return *this;
}

void SummaryLines::grow(qsizetype more)
{
    const auto capacityOf = [](const LargeBuffer &block) {
        return qsizetype(block.capacity() / sizeof(char16_t));
    };
    if (!m_blocks.empty() && m_used + more <= capacityOf(m_blocks.back()))
        return;
    // A block nothing stands in yet may still move; one holding lines is
    // cut to what it holds and followed by a new one.
    if (m_blocks.empty() || m_used > 0) {
        if (!m_blocks.empty())
            m_blocks.back().resize(std::size_t(m_used) * sizeof(char16_t));
        m_blocks.emplace_back();
        m_used = 0;
    }
    const qsizetype capacity = std::max({more, m_characters / 2, qsizetype(4096)});
    if (!m_blocks.back().resize(std::size_t(capacity) * sizeof(char16_t)))
        throw std::bad_alloc();
}

void SummaryLines::reserve(qsizetype lines, qsizetype characters)
{
    grow(std::max<qsizetype>(0, characters - m_characters));
    m_lines.reserve(static_cast<std::size_t>(lines));
    if (!m_order.empty())
        m_order.reserve(static_cast<std::size_t>(lines));
    m_keys.reserve(static_cast<std::size_t>(lines));
}

void SummaryLines::added(qsizetype length)
{
    const char16_t *text = writePosition();
    const auto index = static_cast<qsizetype>(m_lines.size());
    m_lines.push_back({text, length});
    if (!m_order.empty())
        m_order.push_back(index);
    m_used += length;
    m_characters += length;
    // The line's sort key is packed now, while its characters are still in
    // the processor's cache. Kept only while every line has one: a sort
    // gives them back.
    if (m_keys.size() + 1 == m_lines.size()) {
        SortKey key;
        packPiece(QStringView(text, length), 0, key.words);
        m_keys.push_back(key);
    }
}

void SummaryLines::append(QStringView line)
{
    grow(line.size());
    std::copy(line.utf16(), line.utf16() + line.size(), writePosition());
    added(line.size());
}

void SummaryLines::append(const SummaryLineBuilder &builder, const char *record)
{
    grow(builder.maximumLength());
    added(builder.writeLine(record, writePosition()));
}

void SummaryLines::append(SummaryLines &&other)
{
    if (m_lines.empty()) {
        *this = std::move(other);
        return;
    }
    // The other's blocks become ours: its lines stay where they are.
    squeeze();
    const auto firstIndex = static_cast<qsizetype>(m_lines.size());
    const bool keysKept = m_keys.size() == m_lines.size() && other.m_keys.size() == other.m_lines.size();
    const std::size_t lines = m_lines.size() + other.m_lines.size();
    m_lines.reserve(lines);
    for (const Span &span : other.m_lines)
        m_lines.push_back(span);
    // The rows in order stay without an order; otherwise both lists' rows
    // are written out.
    if (!m_order.empty() || !other.m_order.empty()) {
        if (m_order.empty()) {
            m_order.reserve(lines);
            for (qsizetype row = 0; row < firstIndex; ++row)
                m_order.push_back(row);
        }
        m_order.reserve(lines);
        for (qsizetype row = 0; row < other.size(); ++row)
            m_order.push_back(firstIndex + other.lineAt(row));
    }
    if (keysKept) {
        m_keys.reserve(lines);
        for (const SortKey &key : other.m_keys)
            m_keys.push_back(key);
    } else {
        m_keys.clear();
    }
    for (LargeBuffer &block : other.m_blocks)
        m_blocks.push_back(std::move(block));
    m_used = other.m_used;
    m_characters += other.m_characters;
    other.clear();
}

void SummaryLines::squeeze()
{
    if (!m_blocks.empty())
        m_blocks.back().resize(std::size_t(m_used) * sizeof(char16_t));
    m_lines.shrink_to_fit();
    m_order.shrink_to_fit();
    m_keys.shrink_to_fit();
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
    qsizetype bytes = 0;
    for (const LargeBuffer &block : m_blocks)
        bytes += qsizetype(block.capacity());
    return bytes + qsizetype(m_lines.capacity() * sizeof(Span))
        + qsizetype(m_order.capacity() * sizeof(qsizetype)) + qsizetype(m_keys.capacity() * sizeof(SortKey));
}

namespace {

// What the sort orders: a line's piece (see packPiece) and the line. Equal
// pieces that are not exact mean "compare the lines".
struct SortEntry
{
    static constexpr int kWords = kPieceWords;
    static constexpr qsizetype kCharacters = kPieceCharacters;

    void setPiece(QStringView line, qsizetype from) { exact = packPiece(line, from, words); }

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

// The first words at which the entries are cut into `parts` groups of about
// the same size, from a sample of them: group g holds the entries whose
// first word is at least cut g - 1 and below cut g. Entries with the same
// first word are in the same group, so the groups, each sorted on its own,
// follow each other in order.
std::vector<quint64> groupCuts(const SortEntry *entries, std::size_t count, int parts)
{
    if (parts <= 1)
        return {};
    // Spread over the list by a rule of its own, so that a list with a
    // pattern repeating every few lines is not sampled at one point of it.
    constexpr std::size_t kSample = 4096;
    std::vector<quint64> sample;
    quint64 mixer = 0x9E3779B97F4A7C15ull;
    for (std::size_t i = 0; i < std::min(count, kSample); ++i) {
        mixer = mixer * 6364136223846793005ull + 1442695040888963407ull;
        sample.push_back(entries[(mixer >> 33) % count].words[0]);
    }
    std::sort(sample.begin(), sample.end());
    std::vector<quint64> cuts;
    for (int g = 1; g < parts; ++g) {
        const quint64 cut = sample[sample.size() * std::size_t(g) / std::size_t(parts)];
        if (cuts.empty() || cut > cuts.back())
            cuts.push_back(cut);
    }
    return cuts;
}

std::size_t groupOf(const std::vector<quint64> &cuts, quint64 firstWord)
{
    return std::size_t(std::upper_bound(cuts.cbegin(), cuts.cend(), firstWord) - cuts.cbegin());
}

// Byte `b` (0 to 23) of an entry's piece.
unsigned digitOf(const SortEntry &entry, int b)
{
    return unsigned(entry.words[b / 8] >> (8 * (7 - b % 8))) & 0xFFu;
}

// Sorts entries by their pieces, a byte at a time from the first (a radix
// sort), keeping the order of entries with equal pieces: a comparison sort
// spends most of its time on comparisons whose outcome the processor cannot
// guess. `scratch` has room for as many entries.
void sortByPiece(SortEntry *first, SortEntry *last, SortEntry *scratch, int b = 0)
{
    // Below this, sorting by insertion is quicker than counting.
    constexpr std::ptrdiff_t kFew = 48;
    for (;;) {
        const std::ptrdiff_t count = last - first;
        if (count < 2 || b == SortEntry::kCharacters)
            return;
        if (count < kFew) {
            for (SortEntry *next = first + 1; next < last; ++next) {
                const SortEntry moving = *next;
                SortEntry *place = next;
                for (; place > first && moving.pieceBefore(place[-1]); --place)
                    *place = place[-1];
                *place = moving;
            }
            return;
        }
        std::array<std::ptrdiff_t, 257> starts {};
        for (const SortEntry *entry = first; entry < last; ++entry)
            ++starts[digitOf(*entry, b) + 1];
        // All alike in this byte (the blanks that pad a column): on to the
        // next byte without moving anything.
        if (std::find(starts.cbegin() + 1, starts.cend(), count) != starts.cend()) {
            ++b;
            continue;
        }
        for (std::size_t d = 1; d < starts.size(); ++d)
            starts[d] += starts[d - 1];
        std::array<std::ptrdiff_t, 256> next {};
        std::copy(starts.cbegin(), starts.cend() - 1, next.begin());
        for (const SortEntry *entry = first; entry < last; ++entry)
            scratch[next[digitOf(*entry, b)]++] = *entry;
        std::copy(scratch, scratch + count, first);
        for (std::size_t d = 0; d < 256; ++d) {
            if (starts[d + 1] - starts[d] > 1)
                sortByPiece(first + starts[d], first + starts[d + 1], scratch + starts[d], b + 1);
        }
        return;
    }
}

} // namespace

void SummaryLines::sort(int parts)
{
    const std::size_t count = m_lines.size();
    if (count == 0)
        return;
    if (parts <= 0)
        parts = ParallelParts::automatic(qint64(count), kMinimumLinesPerPart);
    parts = int(std::min<std::size_t>(std::size_t(parts), count));
    const auto entryMemory = [count] {
        LargeBuffer memory(count * sizeof(SortEntry));
        if (!memory.data())
            throw std::bad_alloc();
        return memory;
    };
    const LargeBuffer memory = entryMemory();
    auto *entries = static_cast<SortEntry *>(memory.data());
    const bool keysKept = m_keys.size() == m_lines.size();
    const auto rowsOf = [count, parts](int part) {
        return std::pair(count * std::size_t(part) / std::size_t(parts),
                         count * std::size_t(part + 1) / std::size_t(parts));
    };
    ParallelParts::run(parts, [&](int part) {
        const auto [first, end] = rowsOf(part);
        for (std::size_t row = first; row < end; ++row) {
            new (entries + row) SortEntry;
            const qsizetype index = lineAt(qsizetype(row));
            entries[row].index = quint32(index);
            if (keysKept) {
                std::copy_n(m_keys[std::size_t(index)].words, kPieceWords, entries[row].words);
                entries[row].exact = firstPieceExact(entries[row].words, stored(index).size());
            } else {
                entries[row].setPiece(stored(index), 0);
            }
        }
    });
    // Used once: what the lines take from here on is their text alone.
    m_keys.clear();
    // From now on the rows have an order of their own.
    if (m_order.empty()) {
        m_order.reserve(count);
        for (std::size_t row = 0; row < count; ++row)
            m_order.push_back(qsizetype(row));
    }
    // Deal the entries into groups by their first word, then sort the
    // groups at once, one a part (one group when the list is sorted in one
    // go).
    const std::vector<quint64> cuts = groupCuts(entries, count, parts);
    const std::size_t groups = cuts.size() + 1;
    // counts[part][group]: how many of a part's rows fall in each group.
    std::vector<std::vector<std::size_t>> counts(std::size_t(parts), std::vector<std::size_t>(groups, 0));
    ParallelParts::run(parts, [&](int part) {
        const auto [first, end] = rowsOf(part);
        std::vector<std::size_t> &mine = counts[std::size_t(part)];
        for (std::size_t row = first; row < end; ++row)
            ++mine[groupOf(cuts, entries[row].words[0])];
    });
    // Where each part's rows of each group go: groups one after the other,
    // and within a group the parts in row order, so equal lines keep their
    // order.
    std::vector<std::size_t> groupStarts(groups + 1, 0);
    std::vector<std::vector<std::size_t>> places(std::size_t(parts), std::vector<std::size_t>(groups, 0));
    std::size_t place = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        groupStarts[g] = place;
        for (int part = 0; part < parts; ++part) {
            places[std::size_t(part)][g] = place;
            place += counts[std::size_t(part)][g];
        }
    }
    groupStarts[groups] = place;
    const LargeBuffer dealtMemory = entryMemory();
    auto *dealt = static_cast<SortEntry *>(dealtMemory.data());
    ParallelParts::run(parts, [&](int part) {
        const auto [first, end] = rowsOf(part);
        std::vector<std::size_t> &next = places[std::size_t(part)];
        for (std::size_t row = first; row < end; ++row)
            new (dealt + next[groupOf(cuts, entries[row].words[0])]++) SortEntry(entries[row]);
    });
    // The entries as first made are no longer needed: their room is the
    // groups' scratch.
    ParallelParts::run(int(groups), [&](int group) {
        const std::size_t start = groupStarts[std::size_t(group)];
        sortRun(dealt + start, dealt + groupStarts[std::size_t(group) + 1], entries + start, 0);
        for (std::size_t row = groupStarts[std::size_t(group)]; row < groupStarts[std::size_t(group) + 1]; ++row)
            m_order[row] = dealt[row].index;
    });
}

// Sorts entries whose lines are equal before `from` by the piece starting
// there, then each run of equal pieces by the next piece, and so on: every
// line is read a piece at a time, once per piece, however many times it is
// compared.
void SummaryLines::sortRun(void *firstEntry, void *lastEntry, void *scratchEntries, qsizetype from) const
{
    auto *first = static_cast<SortEntry *>(firstEntry);
    auto *last = static_cast<SortEntry *>(lastEntry);
    auto *scratch = static_cast<SortEntry *>(scratchEntries);
    sortByPiece(first, last, scratch);
    for (SortEntry *run = first; run < last;) {
        SortEntry *end = run + 1;
        while (end < last && end->samePiece(*run))
            ++end;
        if (end - run > 1) {
            if (std::all_of(run, end, [](const SortEntry &entry) { return entry.exact; })) {
                // The lines of a run lie all over memory: each is asked for
                // a few entries ahead, so that it has arrived when needed.
                constexpr std::ptrdiff_t kAhead = 8;
                for (SortEntry *entry = run; entry < end; ++entry) {
                    if (end - entry > kAhead) {
                        const QStringView ahead = stored(entry[kAhead].index);
                        __builtin_prefetch(ahead.utf16() + std::min(ahead.size(), from + SortEntry::kCharacters));
                    }
                    entry->setPiece(stored(entry->index), from + SortEntry::kCharacters);
                }
                sortRun(run, end, scratch + (run - first), from + SortEntry::kCharacters);
            } else {
                // The lines agree up to `from` (every one is that long):
                // only what follows is compared. Equal lines keep the order
                // they were added in.
                std::sort(run, end, [this, from](const SortEntry &a, const SortEntry &b) {
                    const int order = SummaryOrder::compare(stored(a.index).mid(from), stored(b.index).mid(from));
                    return order != 0 ? order < 0 : a.index < b.index;
                });
            }
        }
        run = end;
    }
}
