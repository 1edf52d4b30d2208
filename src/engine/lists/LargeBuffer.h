#pragma once

#include <cstddef>

// Memory for the large blocks of the lists (the lines' text, the archive's
// read blocks, the sort), taken straight from the system in huge pages
// where the system offers them: touching fresh memory a small page at a
// time costs more than building the lines in it. Pages never written are
// never taken. Move-only.
class LargeBuffer
{
public:
    LargeBuffer() = default;
    explicit LargeBuffer(std::size_t bytes) { resize(bytes); }
    ~LargeBuffer();
    LargeBuffer(LargeBuffer &&other) noexcept;
    LargeBuffer &operator=(LargeBuffer &&other) noexcept;
    LargeBuffer(const LargeBuffer &) = delete;
    LargeBuffer &operator=(const LargeBuffer &) = delete;

    void *data() const { return m_data; }
    std::size_t capacity() const { return m_capacity; }
    // Makes the buffer `bytes` long, keeping what it holds up to the shorter
    // length; false (and the buffer unchanged) when the system has no
    // memory left.
    bool resize(std::size_t bytes);

private:
    void release();

    void *m_data = nullptr;
    std::size_t m_capacity = 0;   // bytes usable
    std::size_t m_mapped = 0;     // bytes mapped from m_data
};
