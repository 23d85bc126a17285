#include "zcbarcodeeanupc.h"

namespace {

// The standard EAN/UPC element sets: seven modules per digit, most significant bit first,
// a set bit is a bar. Set C is set A with bars and spaces swapped, set B is set C reversed.
const quint8 digitSets[3][10] = {
    {0x0D, 0x19, 0x13, 0x3D, 0x23, 0x31, 0x2F, 0x3B, 0x37, 0x0B},
    {0x27, 0x33, 0x1B, 0x21, 0x1D, 0x39, 0x05, 0x11, 0x09, 0x17},
    {0x72, 0x66, 0x6C, 0x42, 0x5C, 0x4E, 0x50, 0x44, 0x48, 0x74}};

} // namespace

ZCBarCodeEanUpc::ZCBarCodeEanUpc(int tipo, int longitud)
    : ZCBarCode(tipo, longitud)
{
}

bool ZCBarCodeEanUpc::IsDatoOK() const
{
    if (!ZCBarCode::IsDatoOK())
        return false;
    for (const QChar ch : dato) {
        if (DigitValue(ch) < 0)
            return false;
    }
    return dato.at(longitud - 1) == CalculaCheck(false);
}

QChar ZCBarCodeEanUpc::CalculaCheck(bool bLen) const
{
    const int count = longitud - 1;
    if (bLen && dato.size() < count)
        return QLatin1Char(' ');
    int sum = 0;
    int weight = 3;
    for (int i = qMin(count, int(dato.size())) - 1; i >= 0; --i) {
        const int digit = DigitValue(dato.at(i));
        if (digit < 0)
            return QLatin1Char(' ');
        sum += digit * weight;
        weight = 4 - weight;
    }
    return QLatin1Char(char('0' + (10 - sum % 10) % 10));
}

void ZCBarCodeEanUpc::DrawDigit(QPainter* painter, char digit, int parity)
{
    const int bits = digitSets[parity][digit - '0'];
    // Runs of equal modules are drawn as one element.
    int bit = 6;
    while (bit >= 0) {
        const bool bar = (bits >> bit) & 1;
        const int start = bit;
        while (bit >= 0 && bool((bits >> bit) & 1) == bar)
            --bit;
        DrawElement(painter, start - bit, bar, false);
    }
}

// Bar, space, bar, all full height.
void ZCBarCodeEanUpc::DrawGuardaLateral(QPainter* painter)
{
    DrawBar(painter, true);
    DesplazaOrigenOneBar();
    DrawBar(painter, true);
}

// Space, bar, space, bar, space, all full height.
void ZCBarCodeEanUpc::DrawGuardaCentral(QPainter* painter)
{
    DesplazaOrigenOneBar();
    DrawGuardaLateral(painter);
    DesplazaOrigenOneBar();
}

void ZCBarCodeEanUpc::DrawSymbol(QPainter* painter, const QRect& rect, int firstDigit,
                                 const char* leftParities)
{
    if (!painter)
        return;
    const DrawScope scope(this, painter, rect);
    const int half = (longitud - firstDigit) / 2;
    DrawGuardaLateral(painter);
    for (int i = 0; i < half; ++i) {
        const int parity = leftParities ? leftParities[i] - 'A' : ParidadA;
        DrawDigit(painter, char(dato.at(firstDigit + i).unicode()), parity);
    }
    DrawGuardaCentral(painter);
    for (int i = firstDigit + half; i < longitud; ++i)
        DrawDigit(painter, char(dato.at(i).unicode()), ParidadC);
    DrawGuardaLateral(painter);
}
