#include "zcbarcode39ext.h"

#include <algorithm>
#include <iterator>

namespace {

// How a character is written in plain Code 39: a shift character followed by a letter counted
// from the first character of its range, or the character itself.
struct ExtRange {
    ushort first;
    ushort last;
    char shift;
    char firstLetter;
};

const ExtRange ranges[] = {
    {0, 0, '%', 'U'},     {1, 26, '$', 'A'},    {27, 31, '%', 'A'},   {33, 47, '/', 'A'},
    {58, 58, '/', 'Z'},   {59, 63, '%', 'F'},   {64, 64, '%', 'V'},   {91, 95, '%', 'K'},
    {96, 96, '%', 'W'},   {97, 122, '+', 'A'},  {123, 127, '%', 'P'}};

} // namespace

ZCBarCode39Ext::ZCBarCode39Ext()
    : ZCBarCode39(BarCode39Ext)
{
}

bool ZCBarCode39Ext::IsDatoOK() const
{
    if (dato.isEmpty())
        return false;
    for (const QChar ch : dato) {
        if (ch.unicode() > 127)
            return false;
    }
    return true;
}

void ZCBarCode39Ext::Draw(QPainter* painter, const QRect& rect)
{
    if (IsDatoOK())
        DrawText(painter, rect, CovertirDatoExt());
}

QString ZCBarCode39Ext::CovertirDatoExt() const
{
    QString converted;
    converted.reserve(dato.size() * 2);
    for (const QChar ch : dato) {
        const ushort code = ch.unicode();
        const ExtRange* range = std::find_if(std::begin(ranges), std::end(ranges),
                                             [code](const ExtRange& r) { return code >= r.first && code <= r.last; });
        if (range == std::end(ranges)) {
            converted += ch;
        } else {
            converted += QLatin1Char(range->shift);
            converted += QLatin1Char(char(range->firstLetter + (code - range->first)));
        }
    }
    return converted;
}
