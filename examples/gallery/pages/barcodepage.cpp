// "Códigos de barras": every symbology of the barcode family with editable data, whether the data
// is valid, its check character, the module width and zoom, drawn as you type.
#include "gallerypage.h"

#include <Mirokit/ZCBarCode11.h>
#include <Mirokit/ZCBarCode128.h>
#include <Mirokit/ZCBarCodeEanUpc.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace {

// Data that shows each symbology at its best, by type code.
const char* const sampleData[] = {"4512345678906", "96385074", "012345678905", "CODE 39",
                                  "Mirokit 1.0", "0123456789", "A37859B", "BBarcode#{C|2026",
                                  "123-4552"};

// Paints one symbol on white, the way a report or a label would.
class BarCodePreview : public QWidget
{
public:
    explicit BarCodePreview(int tipo)
        : code(ZCBarCode::Create(tipo))
    {
        setMinimumSize(320, 64);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    ZCBarCode& barCode() { return *code; }

    // Told the module width in pixels that the last paint used.
    std::function<void(int)> painted;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        code->Draw(&painter, rect().adjusted(8, 6, -8, -6));
        if (painted && code->IsDatoOK())
            painted(code->GetModulePx());
    }

private:
    std::unique_ptr<ZCBarCode> code;
};

QString checkText(ZCBarCode& code)
{
    const QString dato = code.GetDato();
    switch (code.GetTipo()) {
    case BarCodeEan13:
    case BarCodeEan8:
    case BarCodeUPC:
        return QStringLiteral("dígito «%1»").arg(static_cast<ZCBarCodeEanUpc&>(code).CalculaCheck(true));
    case BarCode128: {
        const int check = static_cast<ZCBarCode128&>(code).CalculaCheck();
        return check < 0 ? QStringLiteral("—") : QStringLiteral("valor %1").arg(check);
    }
    case BarCode11: {
        // The checks that the data before its last two characters asks for.
        const QString body = dato.left(qMax(0, dato.size() - 2));
        const QChar c = ZCBarCode11::CalculaCheck(body, body.size(), 10);
        const QChar k = ZCBarCode11::CalculaCheck(body + c, body.size() + 1, 9);
        return QStringLiteral("C «%1», K «%2»").arg(c).arg(k);
    }
    default:
        return QStringLiteral("sin control");
    }
}

// One line of the table: name, data editor, validity, check character and the drawn symbol.
class SymbologyRow : public QObject
{
public:
    SymbologyRow(int tipo, QGridLayout* grid, int row, QLabel* moduleWidth, QObject* parent)
        : QObject(parent)
        , preview(new BarCodePreview(tipo))
        , editor(new QLineEdit(QString::fromLatin1(sampleData[tipo])))
        , validity(new QLabel)
        , check(new QLabel)
    {
        grid->addWidget(new QLabel(ZCBarCode::GetDescripcionTipo(tipo)), row, 0);
        grid->addWidget(editor, row, 1);
        grid->addWidget(validity, row, 2);
        grid->addWidget(check, row, 3);
        grid->addWidget(preview, row, 4);
        connect(editor, &QLineEdit::textChanged, this, &SymbologyRow::refresh);
        preview->painted = [moduleWidth, this](int pixels) {
            moduleWidth->setText(QStringLiteral("Ancho de módulo: %1 milésimas de pulgada, %2 px a %3 ppp")
                                     .arg(preview->barCode().GetModuleMils())
                                     .arg(pixels)
                                     .arg(preview->logicalDpiX()));
        };
    }

    void setZoom(int percent)
    {
        preview->barCode().Zoom(percent);
        refresh();
    }

    void refresh()
    {
        ZCBarCode& code = preview->barCode();
        code.SetDato(editor->text());
        const bool valid = code.IsDatoOK();
        validity->setText(valid ? QStringLiteral("✔ válido") : QStringLiteral("✘ no válido"));
        validity->setStyleSheet(valid ? QStringLiteral("color: #1b7f3b;") : QStringLiteral("color: #b3261e;"));
        check->setText(checkText(code));
        preview->update();
        // Interleaved 2 of 5 pads odd data with a leading zero when it draws.
        if (code.GetDato() != editor->text())
            editor->setText(code.GetDato());
    }

private:
    BarCodePreview* preview;
    QLineEdit* editor;
    QLabel* validity;
    QLabel* check;
};

QWidget* createBarCodePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* zoomBox = new QGroupBox(QStringLiteral("Módulo"));
    auto* zoomLayout = new QHBoxLayout(zoomBox);
    auto* zoom = new QSpinBox;
    zoom->setRange(25, 400);
    zoom->setSingleStep(25);
    zoom->setSuffix(QStringLiteral(" %"));
    zoom->setValue(200);
    auto* moduleWidth = new QLabel;
    moduleWidth->setMinimumWidth(460);
    zoomLayout->addWidget(new QLabel(QStringLiteral("Zoom:")));
    zoomLayout->addWidget(zoom);
    zoomLayout->addSpacing(20);
    zoomLayout->addWidget(moduleWidth);
    zoomLayout->addStretch();
    layout->addWidget(zoomBox);

    auto* symbols = new QGroupBox(QStringLiteral("Simbologías"));
    auto* grid = new QGridLayout(symbols);
    const QStringList headers{QStringLiteral("Tipo"), QStringLiteral("Datos"), QStringLiteral("Estado"),
                              QStringLiteral("Control"), QStringLiteral("Símbolo")};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(headers.at(column)));
        grid->addWidget(header, 0, column);
    }
    grid->setColumnStretch(4, 1);
    QVector<SymbologyRow*> rows;
    for (int tipo = 0; tipo < 9; ++tipo)
        rows.append(new SymbologyRow(tipo, grid, tipo + 1, moduleWidth, page));
    layout->addWidget(symbols);
    layout->addStretch();

    const auto applyZoom = [rows](int percent) {
        for (SymbologyRow* row : rows)
            row->setZoom(percent);
    };
    QObject::connect(zoom, QOverload<int>::of(&QSpinBox::valueChanged), page, applyZoom);
    applyZoom(zoom->value());
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(90, "Códigos de barras", createBarCodePage);
