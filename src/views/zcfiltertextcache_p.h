#pragma once

#include <QString>
#include <QVector>

#include <memory>
#include <vector>

/*!
    The texts a filter matched top-level rows against, kept so that the next pattern (the user's
    next keystroke) is matched without reading a cell or removing an accent again.

    Texts are stored one byte per character, so only texts within Latin-1 are kept (after accents
    are removed, nearly all Western text is); others are read again each time. The texts take at
    most budgetBytes, in blocks of blockBytes filled in turn; past that, rows are not kept. Each
    top-level row up to the highest one kept costs eight bytes more for its place in the blocks.
*/
class ZCFilterTextCache
{
public:
    static constexpr int blockBytes = 1 << 20;
    static constexpr int budgetBytes = 128 << 20;

    // Every row's text, when the model changes shape or the filter reads other texts.
    void clear();
    // The texts of the rows first to last, whose cells changed.
    void forget(int first, int last);

    // The row's text into `text` (its capacity reused); false when the row has none kept.
    bool find(int row, QString& text) const;
    // Keeps the row's text, when it is Latin-1 and the budget has room for it.
    void keep(int row, const QString& text);


private:
    // Where a row's text starts, counted over all blocks (the budget keeps it within an int).
    struct Place {
        int start = -1;
        int length = 0;
    };

    std::vector<std::unique_ptr<char[]>> m_blocks;
    int m_used = 0;   // bytes used in the last block
    QVector<Place> m_places;
    bool m_full = false;
};
