#pragma once

#include "zcbarcode.h"

/*!
    Codabar: digits, "-$:/.+" and the letters A to D, which the data itself places as start and
    stop characters. Seven elements per character and short bars.
*/
class MIROKIT_EXPORT ZCBarCodeCodabar : public ZCBarCode
{
public:
    ZCBarCodeCodabar();
    ZCBarCodeCodabar(const ZCBarCodeCodabar& other) = default;
    ZCBarCodeCodabar& operator=(const ZCBarCodeCodabar& other) = default;

    // Non-empty data of characters that Codabar has.
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

    // Eight letters "n" (narrow) and "w" (wide): the character's seven elements and the narrow
    // space after it; null for a character Codabar lacks.
    static const char* RetrievePattern(char ch);
};
