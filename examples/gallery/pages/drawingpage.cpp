// "Dibujo": the painting helpers (fit modes, figures, text, rich text, barcodes), colour
// swatches, and the standard dialog wrappers opening over the darkened window.
#include "gallerypage.h"

#include <Mirokit/ZCBarCode11.h>
#include <Mirokit/ZCColorDialog.h>
#include <Mirokit/ZCDrawer.h>
#include <Mirokit/ZCFileDialog.h>
#include <Mirokit/ZCFontDialog.h>
#include <Mirokit/ZCFrameColor.h>
#include <Mirokit/ZCPrintDialog.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <functional>

namespace {

// A row or grid of framed cells, each painted by a function and captioned underneath.
class PaintedCells : public QWidget
{
public:
    struct Cell {
        QString caption;
        std::function<void(QPainter*, const QRect&)> paint;
    };

    PaintedCells(const QVector<Cell>& cells, const QSize& cellSize, int columns)
        : m_cells(cells)
        , m_cellSize(cellSize)
        , m_columns(columns)
    {
        const int rows = (cells.size() + columns - 1) / columns;
        setFixedSize(columns * (cellSize.width() + spacing), rows * (cellSize.height() + captionHeight + spacing));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int i = 0; i < m_cells.size(); ++i) {
            const QPoint corner((i % m_columns) * (m_cellSize.width() + spacing),
                                (i / m_columns) * (m_cellSize.height() + captionHeight + spacing));
            const QRect cell(corner, m_cellSize);
            painter.fillRect(cell, Qt::white);
            m_cells[i].paint(&painter, cell);
            painter.setPen(QColor(190, 190, 190));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(corner + QPoint(0, m_cellSize.height()), QSize(m_cellSize.width(), captionHeight)),
                             Qt::AlignCenter, m_cells[i].caption);
        }
    }

private:
    static constexpr int spacing = 8;
    static constexpr int captionHeight = 18;
    QVector<Cell> m_cells;
    QSize m_cellSize;
    int m_columns;
};

QGroupBox* box(const QString& title, QWidget* content)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

// A small landscape: sky, sun and hills, so that stretching and cropping show.
QImage landscape()
{
    QImage image(90, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 60);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(1, QColor(190, 220, 250));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QPointF(66, 18), 10, 10);
    painter.setBrush(QColor(60, 150, 70));
    painter.drawEllipse(QRectF(-20, 38, 80, 50));
    painter.setBrush(QColor(40, 120, 55));
    painter.drawEllipse(QRectF(35, 42, 80, 46));
    return image;
}

QWidget* fitModes()
{
    const QImage image = landscape();
    const char* const names[] = {"0 natural", "1 estirada", "2 reducida", "3 proporcional",
                                 "4 mosaico", "5 esquina"};
    QVector<PaintedCells::Cell> cells;
    for (int mode = 0; mode <= 5; ++mode) {
        cells.append({QString::fromUtf8(names[mode]), [image, mode](QPainter* painter, const QRect& cell) {
                          ZCDrawer::DrawImage(painter, cell, ZCDrawer::EMIAspectoDibujoGeneric(mode), image);
                      }});
    }
    return new PaintedCells(cells, QSize(124, 80), 6);
}

QWidget* figures()
{
    const char* const names[] = {"Horizontal", "Vertical", "Rectángulo", "Redondeado", "Elipse"};
    QVector<PaintedCells::Cell> cells;
    for (int tipo = 0; tipo <= 4; ++tipo) {
        cells.append({QString::fromUtf8(names[tipo]), [tipo](QPainter* painter, const QRect& cell) {
                          ZCDrawer::DrawFigura(painter, ZCDrawer::ETipoDeFigura(tipo), cell.adjusted(8, 8, -8, -8),
                                               QColor(30, 80, 160), QColor(150, 200, 240), 4);
                      }});
    }
    return new PaintedCells(cells, QSize(76, 64), 5);
}

QWidget* texts()
{
    const QString sentence = QStringLiteral("Este texto es más largo que su rectángulo y se recorta en el borde");
    const QString html = QStringLiteral(
        "<b>Texto enriquecido</b> con <i>cursiva</i>, <span style='color:#b03030'>color</span> "
        "y <u>subrayado</u>, ajustado al ancho.");
    QVector<PaintedCells::Cell> cells{
        {QStringLiteral("DrawTextW recortado"), [sentence](QPainter* painter, const QRect& cell) {
             ZCDrawer::DrawTextW(painter, sentence, cell.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft);
         }},
        {QStringLiteral("DrawTextDocument"), [html](QPainter* painter, const QRect& cell) {
             ZCDrawer::DrawTextDocument(painter, html, cell.adjusted(4, 2, -4, -2));
         }},
    };
    return new PaintedCells(cells, QSize(176, 64), 2);
}

QString code11(const QString& digits)
{
    const QChar c = ZCBarCode11::CalculaCheck(digits, digits.size());
    const QString withC = digits + c;
    return withC + ZCBarCode11::CalculaCheck(withC, withC.size(), 9);
}

QWidget* barCodes()
{
    const QVector<QPair<EMITipoBarCode, QString>> samples{
        {BarCodeEan13, QStringLiteral("1234567890128")}, {BarCodeEan8, QStringLiteral("96385074")},
        {BarCodeUPC, QStringLiteral("036000291452")},    {BarCode39, QStringLiteral("MIROKIT")},
        {BarCode39Ext, QStringLiteral("Mirokit")},       {BarCodeInterleaved25, QStringLiteral("12345678")},
        {BarCodeCodabar, QStringLiteral("A40156B")},     {BarCode128, QStringLiteral("BMirokit 128")},
        {BarCode11, code11(QStringLiteral("123-45"))}};
    QVector<PaintedCells::Cell> cells;
    for (const auto& sample : samples) {
        const QString caption = ZCBarCode::GetDescripcionTipo(sample.first) + QStringLiteral(": ") + sample.second;
        cells.append({caption, [sample](QPainter* painter, const QRect& cell) {
                          ZCDrawer::DrawBarCode(painter, sample.first, 200, sample.second, cell.adjusted(8, 6, -8, -6));
                      }});
    }
    return new PaintedCells(cells, QSize(262, 40), 3);
}

ZCFrameColor* swatch(const QColor& colour, const QString& caption, Qt::Orientation orientation, const QSize& size)
{
    auto* frame = new ZCFrameColor;
    frame->setColorFondo(colour);
    frame->setColorTexto(colour.lightness() > 140 ? Qt::black : Qt::white);
    frame->setTexto(caption, orientation);
    frame->setFixedSize(size);
    return frame;
}

QWidget* swatches()
{
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(swatch(QColor(220, 60, 50), QStringLiteral("Rojo"), Qt::Horizontal, QSize(80, 56)));
    layout->addWidget(swatch(QColor(250, 210, 70), QStringLiteral("Amarillo maíz de verano"), Qt::Horizontal, QSize(80, 56)));
    layout->addWidget(swatch(QColor(60, 140, 80), QStringLiteral("Verde"), Qt::Horizontal, QSize(36, 56)));
    layout->addWidget(swatch(QColor(40, 90, 170), QStringLiteral("Azul"), Qt::Vertical, QSize(44, 70)));
    layout->addWidget(swatch(QColor(120, 70, 160), QStringLiteral("Violeta oscuro de medianoche"), Qt::Vertical, QSize(44, 70)));
    layout->addWidget(swatch(QColor(90, 90, 90), QStringLiteral("Gris"), Qt::Vertical, QSize(30, 14)));
    layout->addStretch();
    return content;
}

QWidget* dialogButtons()
{
    auto* content = new QWidget;
    auto* layout = new QGridLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* result = new QLabel;
    const auto addButton = [layout](const QString& text, const std::function<void(QWidget*)>& open) {
        auto* button = new QPushButton(text);
        QObject::connect(button, &QPushButton::clicked, button, [button, open] { open(button->window()); });
        const int index = layout->count();
        layout->addWidget(button, index / 3, index % 3);
    };
    addButton(QStringLiteral("Abrir archivo…"), [result](QWidget* window) {
        result->setText(ZCFileDialog::getOpenFileName(window, QStringLiteral("Abrir archivo")));
    });
    addButton(QStringLiteral("Elegir carpeta…"), [result](QWidget* window) {
        result->setText(ZCFileDialog::getExistingDirectory(window, QStringLiteral("Elegir carpeta")));
    });
    addButton(QStringLiteral("Fuente…"), [result](QWidget* window) {
        auto* dialog = new ZCFontDialog(result->font(), window);
        QObject::connect(dialog, &QFontDialog::fontSelected, result,
                         [result](const QFont& font) { result->setText(font.family()); });
        dialog->OpenAndDelete();
    });
    addButton(QStringLiteral("Color…"), [result](QWidget* window) {
        const QColor colour = ZCColorDialog::getColor(Qt::white, window, QStringLiteral("Color"));
        if (colour.isValid())
            result->setText(colour.name());
    });
    addButton(QStringLiteral("Imprimir…"), [](QWidget* window) {
        QPrinter printer;
        ZCPrintDialog dialog(&printer, window);
        dialog.exec();
    });
    layout->addWidget(result, 2, 0, 1, 3);
    return content;
}

QWidget* createDrawingPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(box(QStringLiteral("Ajustes de imagen"), fitModes()), 0, 0, 1, 2);
    layout->addWidget(box(QStringLiteral("Figuras"), figures()), 1, 0);
    layout->addWidget(box(QStringLiteral("Texto y texto enriquecido"), texts()), 1, 1);
    layout->addWidget(box(QStringLiteral("Códigos de barras"), barCodes()), 2, 0, 1, 2);
    layout->addWidget(box(QStringLiteral("ZCFrameColor"), swatches()), 3, 0);
    layout->addWidget(box(QStringLiteral("Diálogos sobre la ventana oscurecida"), dialogButtons()), 3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(2, 1);

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    return scroll;
}

} // namespace

MIROKIT_GALLERY_PAGE(40, "Dibujo", createDrawingPage);
