#pragma once

// Reading a fuzz input as a stream of choices, for the targets that drive an object through
// random sequences of operations.

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_position >= m_size; }
    // A choice in 0 .. bound - 1; 0 once the input is used up.
    int next(int bound) { return atEnd() ? 0 : m_data[m_position++] % bound; }
    // Up to `count` raw bytes, fewer when the input ends first.
    QByteArray bytes(int count)
    {
        const size_t available = qMin(size_t(qMax(count, 0)), m_size - qMin(m_position, m_size));
        const QByteArray result(reinterpret_cast<const char*>(m_data + m_position), int(available));
        m_position += available;
        return result;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_position = 0;
};
