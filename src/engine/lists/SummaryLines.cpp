#include "engine/lists/SummaryLines.h"

#include "engine/lists/SummaryLineBuilder.h"
#include "engine/lists/SummaryOrder.h"

#include <algorithm>
#include <utility>

namespace {

// The characters of a block of text (64 KB): large enough that a list of a
// hundred thousand lines takes a few hundred of them, small enough that the
// free end of the last one does not count.
constexpr qsizetype kBlockCharacters = 32768;

} // namespace

SummaryLines::SummaryLines(const QStringList &lines)
{
    reserve(lines.size());
    for (const QString &line : lines)
        append(line);
}

SummaryLines::SummaryLines(const SummaryLines &other)
{
    reserve(other.size());
    for (const QStringView line : other.m_lines)
        append(line);
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
    m_blocks = std::exchange(other.m_blocks, {});
    m_used = std::exchange(other.m_used, 0);
    m_characters = std::exchange(other.m_characters, 0);
    m_lines = std::exchange(other.m_lines, {});
    return *this;
}

char16_t *SummaryLines::roomFor(qsizetype characters)
{
    if (m_blocks.empty() || m_used + characters > m_blocks.back().capacity) {
        const qsizetype capacity = std::max(characters, kBlockCharacters);
        m_blocks.push_back({std::make_unique_for_overwrite<char16_t[]>(static_cast<std::size_t>(capacity)), capacity});
        m_used = 0;
    }
    return m_blocks.back().text.get() + m_used;
}

void SummaryLines::added(const char16_t *text, qsizetype length)
{
    m_lines.emplace_back(text, length);
    m_used += length;
    m_characters += length;
}

void SummaryLines::reserve(qsizetype lines)
{
    m_lines.reserve(static_cast<std::size_t>(lines));
}

void SummaryLines::append(QStringView line)
{
    char16_t *into = roomFor(line.size());
    std::copy_n(line.utf16(), line.size(), into);
    added(into, line.size());
}

void SummaryLines::append(const SummaryLineBuilder &builder, const char *record)
{
    char16_t *into = roomFor(builder.maximumLength());
    added(into, builder.writeLine(record, into));
}

void SummaryLines::squeeze()
{
    m_lines.shrink_to_fit();
}

void SummaryLines::clear()
{
    *this = SummaryLines();
}

QStringList SummaryLines::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (const QStringView line : m_lines)
        lines.append(line.toString());
    return lines;
}

qsizetype SummaryLines::memoryBytes() const
{
    qsizetype bytes = 0;
    for (const Block &block : m_blocks)
        bytes += block.capacity * qsizetype(sizeof(char16_t));
    return bytes + qsizetype(m_lines.capacity() * sizeof(QStringView));
}

void SummaryLines::sort()
{
    std::stable_sort(m_lines.begin(), m_lines.end(), SummaryOrder::less);
}
