#include "engine/lists/LargeBuffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t pageSize()
{
    static const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

std::size_t roundUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}

// Below this, memory is mapped a small page at a time.
constexpr std::size_t kHugeFrom = kHugePage / 8;

// The bytes to map for a buffer of `bytes`: whole huge pages from a size
// where the first touch of each small page would cost more than the memory
// a partly used huge page wastes (on a virtual machine a page fault can cost
// ten microseconds, so a list's 800 KB of line starts taken small page by
// small page costs two milliseconds).
std::size_t mappingFor(std::size_t bytes)
{
    return bytes < kHugeFrom ? roundUp(bytes, pageSize()) : roundUp(bytes, kHugePage);
}

// A fresh mapping of `bytes` (a result of mappingFor), aligned to a huge
// page when it is made of them.
void *mapFresh(std::size_t bytes)
{
    if (bytes < kHugeFrom) {
        void *memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        return memory == MAP_FAILED ? nullptr : memory;
    }
    // Map a huge page more and cut the ends, so that the start is aligned.
    const std::size_t padded = bytes + kHugePage;
    void *memory = ::mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(memory);
    const std::uintptr_t aligned = roundUp(start, kHugePage);
    if (aligned > start)
        ::munmap(memory, aligned - start);
    const std::uintptr_t end = start + padded;
    if (end > aligned + bytes)
        ::munmap(reinterpret_cast<void *>(aligned + bytes), end - (aligned + bytes));
    auto *result = reinterpret_cast<void *>(aligned);
    // Only advice: without huge pages the memory works all the same.
    ::madvise(result, bytes, MADV_HUGEPAGE);
    return result;
}

} // namespace

LargeBuffer::~LargeBuffer()
{
    release();
}

LargeBuffer::LargeBuffer(LargeBuffer &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_capacity(std::exchange(other.m_capacity, 0))
    , m_mapped(std::exchange(other.m_mapped, 0))
{
}

LargeBuffer &LargeBuffer::operator=(LargeBuffer &&other) noexcept
{
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
    }
    return *this;
}

void LargeBuffer::release()
{
    if (m_data)
        ::munmap(m_data, m_mapped);
    m_data = nullptr;
    m_capacity = 0;
    m_mapped = 0;
}

bool LargeBuffer::resize(std::size_t bytes)
{
    if (bytes == 0) {
        release();
        return true;
    }
    if (bytes <= m_mapped) {
        // Shrinking gives back the pages after the end that are no longer
        // needed; growing within the mapping costs nothing.
        const std::size_t mapped = mappingFor(bytes);
        if (mapped < m_mapped) {
            ::munmap(static_cast<char *>(m_data) + mapped, m_mapped - mapped);
            m_mapped = mapped;
        }
        m_capacity = bytes;
        return true;
    }
    const std::size_t mapped = mappingFor(bytes);
    void *fresh = mapFresh(mapped);
    if (!fresh)
        return false;
    if (m_data)
        std::memcpy(fresh, m_data, std::min(m_capacity, bytes));
    release();
    m_data = fresh;
    m_mapped = mapped;
    m_capacity = bytes;
    return true;
}
