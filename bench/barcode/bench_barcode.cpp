// Painting symbols into an image, data validation included, against libzint encoding and
// rendering the same data to a bitmap: one pixel per module, 50 rows, no text. Ours paints into
// an image the size of one label and, for information, into a sheet of 96 labels.
#include "benchmark.h"

#include <Mirokit/ZCBarCode128.h>
#include <Mirokit/ZCBarCodeEan13.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <tuple>

#include <zint.h>

namespace {

constexpr int symbolCount = 10000;
constexpr int symbolRows = 50;

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

// Ours: one painter on one RGB image holding a grid of cells, each symbol in a cell of its own;
// the image is cleared whenever the cells start over. A grid of one cell is the closest match of
// zint's bitmap: a background filled and a symbol painted each time, in memory the cache holds.
class OurPainting
{
public:
    struct Grid {
        int cellWidth;
        int columns;
        int rows;
        QSize size() const { return QSize(cellWidth * columns, symbolRows * rows); }
    };

    OurPainting(ZCBarCode& code, const QStringList& data, const QString& prefix, QPainter& painter, Grid grid)
        : code(code), data(data), prefix(prefix), painter(painter), grid(grid)
    {
    }

    void operator()()
    {
        code.SetDato(prefix + data.at(next));
        const int index = next % (grid.columns * grid.rows);
        next = (next + 1) % data.size();
        if (index == 0)
            painter.fillRect(QRect(QPoint(0, 0), grid.size()), Qt::white);
        const QPoint corner(grid.cellWidth * (index % grid.columns), symbolRows * (index / grid.columns));
        code.Draw(&painter, QRect(corner, QSize(grid.cellWidth, symbolRows)));
    }

    static QImage image(Grid grid)
    {
        QImage image(grid.size(), QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 DPI: one pixel per 12-mil module
        image.setDotsPerMeterY(3780);
        return image;
    }

private:
    ZCBarCode& code;
    const QStringList& data;
    const QString prefix;
    QPainter& painter;
    const Grid grid;
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
        symbol->height = symbolRows;
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
    // zint takes the twelve digits and adds the check digit itself.
    QStringList eanDigits;
    for (const QString& text : eans)
        eanDigits.append(text.left(12));
    const QStringList texts = code128Text(random);

    struct Case {
        QString name;
        ZCBarCode& code;
        const QStringList& ours;
        QString prefix;
        int cellWidth;
        int symbology;
        const QStringList& theirs;
    };
    ZCBarCodeEan13 ean;
    ZCBarCode128 code128;
    const Case cases[] = {{QStringLiteral("EAN-13"), ean, eans, QString(), 120, BARCODE_EANX, eanDigits},
                          {QStringLiteral("Code 128"), code128, texts, QStringLiteral("B"), 260, BARCODE_CODE128, texts}};
    for (const Case& c : cases) {
        // The label, and a sheet of 8 x 12 labels larger than the cache: there, every symbol
        // reads its cell back from memory, which zint's bitmap never has to.
        for (const auto& [layout, columns, rows] : {std::make_tuple("label", 1, 1), std::make_tuple("sheet of 96", 8, 12)}) {
            const OurPainting::Grid grid{c.cellWidth, columns, rows};
            QImage image = OurPainting::image(grid);
            QPainter painter(&image);
            bench::compare(QStringLiteral("%1, %2 symbols, %3").arg(c.name).arg(symbolCount).arg(QLatin1String(layout)),
                           OurPainting(c.code, c.ours, c.prefix, painter, grid), ZintPainting(c.symbology, c.theirs),
                           symbolCount);
        }
    }
    return 0;
}
