#pragma once

#include "zcbarcode.h"

#include <QList>

/*!
    Code 128. The first character of the data names the start set (A, B or C, either case);
    the rest is encoded in the current set, where a four-character sequence "#{x|" inserts a
    special symbol: x = 1-4 for FNC1-FNC4, A/B/C to change set, S to take the next character
    from the other of sets A and B. In set C the characters go in pairs of ASCII digits.
*/
class MIROKIT_EXPORT ZCBarCode128 : public ZCBarCode
{
public:
    enum ESet { SetA = 0, SetB = 1, SetC = 2 };
    enum EEspecial { FNC1, FNC2, FNC3, FNC4, CodeA, CodeB, CodeC, Shift };

    ZCBarCode128();
    ZCBarCode128(const ZCBarCode128& other) = default;
    ZCBarCode128& operator=(const ZCBarCode128& other) = default;

    // True when the data parses.
    bool IsDatoOK() const override;
    void Draw(QPainter* painter, const QRect& rect) override;

    // Parses the first `len` characters of `dato` into the data symbol values (each below 103);
    // returns the start set, or -1 when the data is invalid.
    static int InterpretaDato(const QString& dato, int len, QList<uchar>& valores);
    // The value of a character in set A or B, or the digit's value in set C; -1 when the set
    // lacks the character.
    static int CalculaPatronChar(int set, uchar ch);
    // The value of a special symbol in a set, or -1 when the set lacks it.
    static int CalculaPatronEspecial(int set, int special);
    static int CalculaPatronCheck(int set, const QList<uchar>& valores);
    // The check value of the data, or -1 when the data is invalid.
    int CalculaCheck() const;

private:
    void DrawPatron(QPainter* painter, int value);
    void DrawStartChar(QPainter* painter, int set);
    void DrawStopChar(QPainter* painter);
};
