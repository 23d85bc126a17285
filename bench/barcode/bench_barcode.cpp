// Painting symbols into an image, data validation included, against libzint encoding and
// rendering the same data to a bitmap of the same size: one pixel per module, 50 rows, no text.
#include "benchmark.h"

#include <Mirokit/ZCBarCode128.h>
#include <Mirokit/ZCBarCodeEan13.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <zint.h>

namespace {

constexpr int symbolCount = 10000;
constexpr int rows = 50;

QStringList ean13Data(QRandomGenerator& random)
{
    QStringList data;
    ZCBarCodeEan13 code;
    for (int i = 0; i < symbolCount; ++i) {
        QString digits;
        for (int d = 0; d < 12; ++d)
            digits += QChar('0' + random.bounded(10));
        code.SetDato(digits);
        data.append(digits + code.CalculaCheck(true));
    }
    return data;
}

QStringList code128Text(QRandomGenerator& random)
{
    QStringList data;
    for (int i = 0; i < symbolCount; ++i) {
        QString text;
        const int length = random.bounded(8, 20);
        for (int c = 0; c < length; ++c)
            text += QChar(random.bounded(65, 91) + (c % 2 ? 32 : 0));
        data.append(text);
    }
    return data;
}

// Ours: a sheet of labels, one painter on one RGB image (like zint's bitmap), each symbol in a
// cell of its own; the sheet is cleared whenever the cells start over.
class OurPainting
{
public:
    OurPainting(ZCBarCode& code, const QStringList& data, const QString& prefix, QPainter& painter, int cellWidth)
        : code(code), data(data), prefix(prefix), painter(painter), cell(0, 0, cellWidth, rows)
    {
    }

    void operator()()
    {
        code.SetDato(prefix + data.at(next));
        const int index = next % (columns * sheetRows);
        next = (next + 1) % data.size();
        if (index == 0)
            painter.fillRect(QRect(0, 0, cell.width() * columns, rows * sheetRows), Qt::white);
        code.Draw(&painter, cell.translated(cell.width() * (index % columns), rows * (index / columns)));
    }

    static QImage sheet(int cellWidth)
    {
        QImage image(cellWidth * columns, rows * sheetRows, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 DPI: one pixel per 12-mil module
        image.setDotsPerMeterY(3780);
        return image;
    }

private:
    static constexpr int columns = 8;
    static constexpr int sheetRows = 12;
    ZCBarCode& code;
    const QStringList& data;
    const QString prefix;
    QPainter& painter;
    const QRect cell;
    int next = 0;
};

// libzint: encode and render to its RGB bitmap at half scale, which is one pixel per module.
class ZintPainting
{
public:
    ZintPainting(int symbology, const QStringList& data)
        : symbology(symbology)
    {
        for (const QString& text : data)
            encoded.append(text.toLatin1());
    }

    void operator()()
    {
        zint_symbol* symbol = ZBarcode_Create();
        symbol->symbology = symbology;
        symbol->height = rows;
        symbol->scale = 0.5f;
        symbol->show_hrt = 0;
        const QByteArray& text = encoded.at(next);
        next = (next + 1) % encoded.size();
        ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char*>(text.constData()), text.size(), 0);
        ZBarcode_Delete(symbol);
    }

private:
    int symbology;
    QList<QByteArray> encoded;
    int next = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QRandomGenerator random(1234);

    const QStringList eans = ean13Data(random);
    ZCBarCodeEan13 ean;
    // zint takes the twelve digits and adds the check digit itself.
    QStringList eanDigits;
    for (const QString& text : eans)
        eanDigits.append(text.left(12));
    QImage eanSheet = OurPainting::sheet(120);
    QPainter eanPainter(&eanSheet);
    bench::compare(QStringLiteral("EAN-13, 10000 symbols"), OurPainting(ean, eans, QString(), eanPainter, 120),
                   ZintPainting(BARCODE_EANX, eanDigits), symbolCount);

    const QStringList texts = code128Text(random);
    ZCBarCode128 code128;
    QImage code128Sheet = OurPainting::sheet(260);
    QPainter code128Painter(&code128Sheet);
    bench::compare(QStringLiteral("Code 128, 10000 symbols"),
                   OurPainting(code128, texts, QStringLiteral("B"), code128Painter, 260),
                   ZintPainting(BARCODE_CODE128, texts), symbolCount);
    return 0;
}
