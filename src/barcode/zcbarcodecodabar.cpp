#include "zcbarcodecodabar.h"

#include <cstring>

namespace {

const char characters[] = "0123456789-$:/.+ABCD";
// The standard Codabar patterns of `characters`, each followed by the narrow inter-character space.
const char* const patterns[] = {
    "nnnnnwwn", "nnnnwwnn", "nnnwnnwn", "wwnnnnnn", "nnwnnwnn", "wnnnnwnn", "nwnnnnwn",
    "nwnnwnnn", "nwwnnnnn", "wnnwnnnn", "nnnwwnnn", "nnwwnnnn", "wnnnwnwn", "wnwnnnwn",
    "wnwnwnnn", "nnwnwnwn", "nnwwnwnn", "nwnwnnwn", "nnnwnwwn", "nnnwwwnn"};

} // namespace

ZCBarCodeCodabar::ZCBarCodeCodabar()
    : ZCBarCode(BarCodeCodabar, 0)
{
}

bool ZCBarCodeCodabar::IsDatoOK() const
{
    if (dato.isEmpty())
        return false;
    for (const QChar ch : dato) {
        if (ch.unicode() > 0xFF || !RetrievePattern(ch.toLatin1()))
            return false;
    }
    return true;
}

const char* ZCBarCodeCodabar::RetrievePattern(char ch)
{
    const char* found = ch ? std::strchr(characters, ch) : nullptr;
    return found ? patterns[found - characters] : nullptr;
}

void ZCBarCodeCodabar::Draw(QPainter* painter, const QRect& rect)
{
    if (!painter || !IsDatoOK())
        return;
    const DrawScope scope(this, painter, rect);
    for (int i = 0; i < dato.size(); ++i) {
        if (i > 0)
            DesplazaOrigenOneBar();
        bool bar = true;
        for (const char* element = RetrievePattern(dato.at(i).toLatin1()); *element; ++element) {
            DrawElement(painter, *element == 'w' ? 3 : 1, bar, false);
            bar = !bar;
        }
    }
}
