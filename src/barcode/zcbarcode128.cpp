#include "zcbarcode128.h"

namespace {

// The standard Code 128 symbols: six element widths, bar first; 103-105 are the start
// symbols of sets A, B and C and 106 the stop, which a two-module bar ends.
const char patterns[107][7] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "233111"};
constexpr int startValue = 103;
constexpr int stopValue = 106;
constexpr int checkModulus = 103;

int setOfLetter(QChar ch)
{
    switch (ch.toLatin1()) {
    case 'A': case 'a':
        return ZCBarCode128::SetA;
    case 'B': case 'b':
        return ZCBarCode128::SetB;
    case 'C': case 'c':
        return ZCBarCode128::SetC;
    default:
        return -1;
    }
}

int specialOfLetter(QChar ch)
{
    switch (ch.toLatin1()) {
    case '1': return ZCBarCode128::FNC1;
    case '2': return ZCBarCode128::FNC2;
    case '3': return ZCBarCode128::FNC3;
    case '4': return ZCBarCode128::FNC4;
    case 'A': return ZCBarCode128::CodeA;
    case 'B': return ZCBarCode128::CodeB;
    case 'C': return ZCBarCode128::CodeC;
    case 'S': return ZCBarCode128::Shift;
    default: return -1;
    }
}

// Walks the data once; every read is bounded by `end`.
class Parser
{
public:
    Parser(const QString& dato, int end, QList<uchar>& valores)
        : dato(dato), end(end), valores(valores)
    {
    }

    bool parse(int set)
    {
        int pos = 1;
        while (pos < end) {
            const bool ok = startsEscape(pos) ? parseSpecial(pos, set)
                                              : set == ZCBarCode128::SetC ? parseDigitPair(pos)
                                                                           : parseChar(pos, set);
            if (!ok)
                return false;
        }
        return true;
    }

private:
    bool startsEscape(int pos) const
    {
        return dato.at(pos) == QLatin1Char('#') && pos + 1 < end && dato.at(pos + 1) == QLatin1Char('{');
    }

    bool append(int value)
    {
        if (value < 0)
            return false;
        valores.append(uchar(value));
        return true;
    }

    bool parseChar(int& pos, int set)
    {
        const QChar ch = dato.at(pos++);
        return ch.unicode() <= 0xFF && append(ZCBarCode128::CalculaPatronChar(set, uchar(ch.unicode())));
    }

    bool parseDigitPair(int& pos)
    {
        if (pos + 1 >= end)
            return false;
        const int high = ZCBarCode128::CalculaPatronChar(ZCBarCode128::SetC, digitCode(dato.at(pos)));
        const int low = ZCBarCode128::CalculaPatronChar(ZCBarCode128::SetC, digitCode(dato.at(pos + 1)));
        pos += 2;
        return high >= 0 && low >= 0 && append(high * 10 + low);
    }

    bool parseSpecial(int& pos, int& set)
    {
        if (pos + 3 >= end || dato.at(pos + 3) != QLatin1Char('|'))
            return false;
        const int special = specialOfLetter(dato.at(pos + 2));
        pos += 4;
        if (special < 0 || !append(ZCBarCode128::CalculaPatronEspecial(set, special)))
            return false;
        switch (special) {
        case ZCBarCode128::CodeA:
            set = ZCBarCode128::SetA;
            return true;
        case ZCBarCode128::CodeB:
            set = ZCBarCode128::SetB;
            return true;
        case ZCBarCode128::CodeC:
            set = ZCBarCode128::SetC;
            return true;
        case ZCBarCode128::Shift:
            // The next character, taken literally, from the other of sets A and B.
            return pos < end && parseChar(pos, set == ZCBarCode128::SetA ? ZCBarCode128::SetB : ZCBarCode128::SetA);
        default:
            return true;
        }
    }

    // Characters above Latin-1 become a code no set has.
    static uchar digitCode(QChar ch) { return ch.unicode() <= 0xFF ? uchar(ch.unicode()) : uchar(0xFF); }

    const QString& dato;
    const int end;
    QList<uchar>& valores;
};

} // namespace

ZCBarCode128::ZCBarCode128()
    : ZCBarCode(BarCode128, 0)
{
}

bool ZCBarCode128::IsDatoOK() const
{
    QList<uchar> valores;
    return InterpretaDato(dato, dato.size(), valores) >= 0;
}

int ZCBarCode128::InterpretaDato(const QString& dato, int len, QList<uchar>& valores)
{
    valores.clear();
    const int end = qBound(0, len, int(dato.size()));
    const int set = end > 0 ? setOfLetter(dato.at(0)) : -1;
    if (set < 0)
        return -1;
    valores.reserve(end);
    if (!Parser(dato, end, valores).parse(set)) {
        valores.clear();
        return -1;
    }
    return set;
}

int ZCBarCode128::CalculaPatronChar(int set, uchar ch)
{
    switch (set) {
    case SetA:
        if (ch < 32)
            return ch + 64;
        return ch <= 95 ? ch - 32 : -1;
    case SetB:
        return ch >= 32 && ch <= 127 ? ch - 32 : -1;
    case SetC:
        return ch >= '0' && ch <= '9' ? ch - '0' : -1;
    default:
        return -1;
    }
}

int ZCBarCode128::CalculaPatronEspecial(int set, int special)
{
    const bool inAB = set == SetA || set == SetB;
    switch (special) {
    case FNC1:
        return set >= SetA && set <= SetC ? 102 : -1;
    case FNC2:
        return inAB ? 97 : -1;
    case FNC3:
        return inAB ? 96 : -1;
    case FNC4:
        return set == SetA ? 101 : set == SetB ? 100 : -1;
    case CodeA:
        return set == SetB || set == SetC ? 101 : -1;
    case CodeB:
        return set == SetA || set == SetC ? 100 : -1;
    case CodeC:
        return inAB ? 99 : -1;
    case Shift:
        return inAB ? 98 : -1;
    default:
        return -1;
    }
}

int ZCBarCode128::CalculaPatronCheck(int set, const QList<uchar>& valores)
{
    // The weight is the position modulo 103 and the sum is reduced once at the end: no term
    // exceeds 105 * 102, so even two billion values stay far inside 64 bits.
    qint64 sum = startValue + set;
    int weight = 1;
    for (const uchar value : valores) {
        sum += value * weight;
        if (++weight == checkModulus)
            weight = 0;
    }
    return int(sum % checkModulus);
}

int ZCBarCode128::CalculaCheck() const
{
    QList<uchar> valores;
    const int set = InterpretaDato(dato, dato.size(), valores);
    return set < 0 ? -1 : CalculaPatronCheck(set, valores);
}

void ZCBarCode128::Draw(QPainter* painter, const QRect& rect)
{
    QList<uchar> valores;
    const int set = InterpretaDato(dato, dato.size(), valores);
    if (!painter || set < 0)
        return;
    const DrawScope scope(this, painter, rect);
    DrawStartChar(painter, set);
    for (const uchar value : qAsConst(valores))
        DrawPatron(painter, value);
    DrawPatron(painter, CalculaPatronCheck(set, valores));
    DrawStopChar(painter);
}

void ZCBarCode128::DrawPatron(QPainter* painter, int value)
{
    DrawWidths(painter, patterns[value], false);
}

void ZCBarCode128::DrawStartChar(QPainter* painter, int set)
{
    DrawPatron(painter, startValue + set);
}

void ZCBarCode128::DrawStopChar(QPainter* painter)
{
    DrawPatron(painter, stopValue);
    DrawElement(painter, 2, true, false);
}
