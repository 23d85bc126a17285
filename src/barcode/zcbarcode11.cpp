#include "zcbarcode11.h"

namespace {

// The standard Code 11 patterns of 0-9 and "-" (value 10), and the start/stop character.
const quint8 patterns[11] = {0x01, 0x11, 0x09, 0x18, 0x05, 0x14, 0x0C, 0x03, 0x12, 0x10, 0x04};
const quint8 startStopPattern = 0x06;
constexpr int dashValue = 10;

} // namespace

ZCBarCode11::ZCBarCode11()
    : ZCBarCode(BarCode11, 0)
{
}

bool ZCBarCode11::IsDatoOK() const
{
    const int n = dato.size();
    if (n < 3)
        return false;
    for (const QChar ch : dato) {
        if (ValorCaracter(ch) < 0)
            return false;
    }
    return dato.at(n - 2) == CalculaCheck(dato, n - 2, 10) && dato.at(n - 1) == CalculaCheck(dato, n - 1, 9);
}

QChar ZCBarCode11::CalculaCheck(const QString& dato, int n, int maximumWeight)
{
    n = qBound(0, n, int(dato.size()));
    maximumWeight = qMax(1, maximumWeight);
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        const int value = ValorCaracter(dato.at(i));
        if (value < 0)
            return QLatin1Char(' ');
        const int weight = (n - 1 - i) % maximumWeight + 1;
        sum = (sum + value * weight) % 11;
    }
    return sum == dashValue ? QLatin1Char('-') : QLatin1Char(char('0' + sum));
}

void ZCBarCode11::Draw(QPainter* painter, const QRect& rect)
{
    if (!painter || !IsDatoOK())
        return;
    const DrawScope scope(this, painter, rect);
    DrawPatron(painter, startStopPattern);
    for (const QChar ch : qAsConst(dato))
        DrawPatron(painter, patterns[ValorCaracter(ch)]);
    DrawPatron(painter, startStopPattern);
}

int ZCBarCode11::ValorCaracter(QChar ch)
{
    return ch == QLatin1Char('-') ? dashValue : DigitValue(ch);
}

void ZCBarCode11::DrawPatron(QPainter* painter, int pattern)
{
    DrawWideNarrow(painter, pattern, 5, true);
    DesplazaOrigenOneBar();
}
