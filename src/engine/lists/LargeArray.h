#pragma once

#include "engine/lists/LargeBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

// A growing array of plain values on a LargeBuffer, for the per-line
// numbers of a list of a hundred thousand lines: unlike a std::vector's
// heap block, its memory comes in huge pages where the system has them.
template<typename T>
class LargeArray
{
    static_assert(std::is_trivially_copyable_v<T>, "a LargeArray holds plain values only");

public:
    LargeArray() = default;
    LargeArray(const LargeArray &other) { *this = other; }
    LargeArray &operator=(const LargeArray &other)
    {
        if (this != &other) {
            clear();
            reserve(other.m_size);
            if (other.m_size > 0)
                std::memcpy(data(), other.data(), other.m_size * sizeof(T));
            m_size = other.m_size;
        }
        return *this;
    }
    LargeArray(LargeArray &&other) noexcept = default;
    LargeArray &operator=(LargeArray &&other) noexcept
    {
        m_buffer = std::move(other.m_buffer);
        m_size = std::exchange(other.m_size, 0);
        return *this;
    }

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::size_t capacity() const { return m_buffer.capacity() / sizeof(T); }
    T *data() const { return static_cast<T *>(m_buffer.data()); }
    T &operator[](std::size_t i) const { return data()[i]; }
    T *begin() const { return data(); }
    T *end() const { return data() + m_size; }

    // Room for `count` values in all; throws std::bad_alloc when the system
    // has no memory left.
    void reserve(std::size_t count)
    {
        if (count > capacity() && !m_buffer.resize(count * sizeof(T)))
            throw std::bad_alloc();
    }
    void push_back(const T &value)
    {
        if (m_size == capacity())
            reserve(std::max<std::size_t>(16, m_size + m_size / 2));
        data()[m_size++] = value;
    }
    void clear()
    {
        m_buffer.resize(0);
        m_size = 0;
    }
    void shrink_to_fit()
    {
        if (m_size == 0)
            m_buffer.resize(0);
        else if (capacity() > m_size)
            m_buffer.resize(m_size * sizeof(T));
    }

private:
    LargeBuffer m_buffer;
    std::size_t m_size = 0;
};
