#pragma once

#include "zcbarcode.h"

/*!
    Interleaved 2 of 5: ASCII digits in pairs, the first of each pair in the bars and the second
    in the spaces. Data of odd length gets a leading "0" when it is drawn.
*/
class MIROKIT_EXPORT ZCBarCodeInterleaved25 : public ZCBarCode
{
public:
    ZCBarCodeInterleaved25();
    ZCBarCodeInterleaved25(const ZCBarCodeInterleaved25& other) = default;
    ZCBarCodeInterleaved25& operator=(const ZCBarCodeInterleaved25& other) = default;

    // Non-empty data of ASCII digits.
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

private:
    void DrawPair(QPainter* painter, int barDigit, int spaceDigit);
};
