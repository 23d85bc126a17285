#pragma once

#include "zcbarcode.h"

/*!
    Common ground of EAN-13, EAN-8 and UPC-A: a fixed number of ASCII digits whose last is the
    modulo-10 check digit, digits drawn from the three standard element sets between guards.
*/
class MIROKIT_EXPORT ZCBarCodeEanUpc : public ZCBarCode
{
public:
    enum EParidad { ParidadA = 0, ParidadB = 1, ParidadC = 2 };

    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override = 0;

    // The check digit of the first longitud - 1 digits; with bLen, a blank while the data is
    // still shorter than that. Anything but digits there gives a blank too.
    QChar CalculaCheck(bool bLen) const;

protected:
    ZCBarCodeEanUpc(int tipo, int longitud);
    ZCBarCodeEanUpc(const ZCBarCodeEanUpc& other) = default;
    ZCBarCodeEanUpc& operator=(const ZCBarCodeEanUpc& other) = default;

    // The seven modules of an ASCII digit in set A, B or C, short height.
    void DrawDigit(QPainter* painter, char digit, int parity);
    // The whole symbol, for data known to be valid: guard, the left half of the digits from
    // `firstDigit` on in the sets named by `leftParities` ("ABABBA"; all A when null), centre
    // guard, the right half in set C, guard.
    void DrawSymbol(QPainter* painter, const QRect& rect, int firstDigit, const char* leftParities);

private:
    void DrawGuardaLateral(QPainter* painter);
    void DrawGuardaCentral(QPainter* painter);
};
