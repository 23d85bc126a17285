#pragma once

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes read as a stream of small choices; past the end every choice is 0.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_position >= m_size; }
    int next(int bound) { return atEnd() ? 0 : m_data[m_position++] % bound; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};
