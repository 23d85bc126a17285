#pragma once

#include "zcbarcode.h"

/*!
    Code 11: digits and "-", followed by the C and K check characters, which the caller supplies
    as part of the data.
*/
class MIROKIT_EXPORT ZCBarCode11 : public ZCBarCode
{
public:
    ZCBarCode11();
    ZCBarCode11(const ZCBarCode11& other) = default;
    ZCBarCode11& operator=(const ZCBarCode11& other) = default;

    // At least three characters, all digits or "-", the last two being the C and K checks.
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

    // Check character over the first n characters of `dato`: weights count from 1 at the last of
    // them, leftward, starting again after `maximumWeight` (10 for the C check, 9 for the K
    // check). A blank when one of the characters is not a Code 11 character.
    static QChar CalculaCheck(const QString& dato, int n, int maximumWeight = 10);

private:
    // 0 to 9 for the ASCII digits, 10 for "-", -1 for anything else.
    static int ValorCaracter(QChar ch);
    // A character's five elements from the most significant bit, a set bit is wide.
    void DrawPatron(QPainter* painter, int pattern);
};
