#pragma once

#include "mirokit_global.h"

#include <QColor>
#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QVector>

#include <memory>

class QPainter;

/*!
    Type codes of the barcode classes; the drawing helpers take the same numbers.
*/
enum EMITipoBarCode {
    BarCodeEan13 = 0,
    BarCodeEan8 = 1,
    BarCodeUPC = 2,
    BarCode39 = 3,
    BarCode39Ext = 4,
    BarCodeInterleaved25 = 5,
    BarCodeCodabar = 6,
    BarCode128 = 7,
    BarCode11 = 8
};

/*!
    Base of the linear barcode symbologies: a plain value holding the data, the bar colour and
    the narrow module width in thousandths of an inch. Draw() paints the bars into a rectangle at
    the painter's resolution, starting at its left edge; modules that do not fit are left out,
    and nothing is painted outside the rectangle. No human-readable text, no quiet zones.
*/
class MIROKIT_EXPORT ZCBarCode
{
    Q_DECLARE_TR_FUNCTIONS(ZCBarCode)

public:
    virtual ~ZCBarCode();

    virtual bool IsDatoOK() const;
    virtual void Draw(QPainter* painter, const QRect& rect) = 0;

    int GetTipo() const { return tipo; }
    void SetDato(const QString& dato);
    const QString& GetDato() const { return dato; }
    void SetColorBarras(const QColor& color);
    QColor GetColorBarras() const { return colorBarras; }

    void Zoom(int percent);
    int GetModuleMils() const { return moduleMils; }
    int GetModulePx() const { return modulePx; }

    QString GetDescripcionTipo() const;
    static QString GetDescripcionTipo(int tipo);

    // The object for a type code (0 to 8); null for any other code.
    static std::unique_ptr<ZCBarCode> Create(int tipo);

protected:
    ZCBarCode(int tipo, int longitud);
    ZCBarCode(const ZCBarCode& other) = default;
    ZCBarCode& operator=(const ZCBarCode& other) = default;

    void AjustaResolucion(QPainter* painter, const QRect& rect);
    void DrawBar(QPainter* painter, bool full);
    void DesplazaOrigenOneBar();

    // One element of `modules` narrow modules, bar or space, full or short height; the run is cut
    // at the last whole module that fits the rectangle. Bars are collected and painted together
    // when the DrawScope ends.
    void DrawElement(QPainter* painter, int modules, bool bar, bool full);
    // Elements given by their widths in modules ('1' to '4'), alternating bar and space from a
    // bar: "211214" is a two-module bar, a one-module space, ...
    void DrawWidths(QPainter* painter, const char* widths, bool full);
    // `count` elements from the most significant of `count` bits, bar first; a set bit is a wide
    // element of three modules.
    void DrawWideNarrow(QPainter* painter, int bits, int count, bool full);

    // Fits the resolution to the painter; when it goes out of scope it paints the collected bars,
    // leaving the painter's state as it was. Every Draw paints inside one.
    class DrawScope
    {
    public:
        DrawScope(ZCBarCode* barCode, QPainter* painter, const QRect& rect);
        ~DrawScope();
        DrawScope(const DrawScope&) = delete;
        DrawScope& operator=(const DrawScope&) = delete;

    private:
        ZCBarCode* barCode;
        QPainter* painter;
    };

    // The ASCII digit value of ch, or -1: other Unicode digits are not digits here.
    static int DigitValue(QChar ch);

    int tipo = -1;
    int longitud = 0;
    QString dato;
    QColor colorBarras{0, 0, 0, 255};
    int moduleMils = 12;
    int modulePx = 1;
    int height = 0;
    int shortHeight = 0;
    QPoint origin;
    QRect rect;

private:
    struct Bar {
        int x;
        int width;
        bool full;
    };

    void PaintBars(QPainter* painter);
    void FillRows(int width);
    const QRgb* RowAt(int y, int width) const;
    void DrawAsImage(QPainter* painter, int width, int inkedHeight) const;
    bool OverlayOnImage(QPainter* painter, int width, int inkedHeight);

    // The bars of the symbol being drawn, left to right, already cut to the rectangle.
    QVector<Bar> bars;
    // The pixel rows of those bars, and the lines of a plain background with the bars put on it;
    // kept between drawings for their storage.
    QVector<QRgb> rows;
    QVector<QRgb> plainLines;
};
