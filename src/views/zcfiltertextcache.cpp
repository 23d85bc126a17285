#include "zcfiltertextcache_p.h"

#include <algorithm>

void ZCFilterTextCache::clear()
{
    m_blocks.clear();
    m_used = 0;
    m_places.clear();
    m_places.squeeze();
    m_full = false;
}

void ZCFilterTextCache::forget(int first, int last)
{
    // The bytes of a forgotten text stay used until the next clear(): an edited row is rare
    // next to the rows a filter reads, and a later text never overwrites an earlier one.
    last = std::min(last, int(m_places.size()) - 1);
    for (int row = std::max(first, 0); row <= last; ++row)
        m_places[row] = Place();
}

bool ZCFilterTextCache::find(int row, QString& text) const
{
    if (row < 0 || row >= m_places.size() || m_places.at(row).start < 0)
        return false;
    const Place& place = m_places.at(row);
    const auto* bytes = reinterpret_cast<const uchar*>(m_blocks[size_t(place.start / blockBytes)].get())
                        + place.start % blockBytes;
    text.resize(place.length);
    QChar* out = text.data();
    for (int i = 0; i < place.length; ++i)
        out[i] = QChar(ushort(bytes[i]));
    return true;
}

void ZCFilterTextCache::keep(int row, const QString& text)
{
    const int length = text.size();
    if (row < 0 || m_full || length > blockBytes)
        return;
    if (m_blocks.empty() || m_used + length > blockBytes) {
        if (int(m_blocks.size() + 1) > budgetBytes / blockBytes) {
            m_full = true;
            return;
        }
        m_blocks.emplace_back(new char[blockBytes]);
        m_used = 0;
    }
    // Copied first and checked on the way: a text beyond Latin-1 leaves the copy unclaimed.
    char* out = m_blocks.back().get() + m_used;
    const auto* in = reinterpret_cast<const ushort*>(text.constData());
    ushort all = 0;
    for (int i = 0; i < length; ++i) {
        all |= in[i];
        out[i] = char(in[i]);
    }
    if (all > 0xFF)
        return;
    if (row >= m_places.size())
        m_places.resize(row + 1);
    m_places[row] = {int(m_blocks.size() - 1) * blockBytes + m_used, length};
    m_used += length;
}
