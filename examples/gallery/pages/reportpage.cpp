// "Informes": a table of sales registered by name as an item model, a sample report over it
// (in Spanish formats, sorted and grouped by city with totals as money, a barcode per row, a
// grand total and "Página n de m") shown in the engine's preview window, embedded beside the
// table and run again as the table is edited, a button that prints it to PDF, and the report
// designer opened on the sample report.
#include "gallerypage.h"
#include "reportpage.h"

#include <Mirokit/ZCNCReportCustomDSProvider.h>
#include <Mirokit/ZCNCReportDatasourceControl.h>
#include <Mirokit/ZCNCReportDesigner.h>
#include <Mirokit/ZCNCReportFieldEditControl.h>

#include <ncrdcanvas.h>
#include <ncrdcanvasview.h>
#include <ncrddocument.h>
#include <ncrdgraphpropdialog.h>
#include <ncrdmainwindow.h>
#include <ncreport.h>
#include <ncreportpreviewwindow.h>

#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>


namespace {

const char sampleReport[] = R"(<report name="Ventas por ciudad" locale="es_ES" pageSize="A5" leftMargin="12" rightMargin="12">
  <datasources><datasource id="ventas" type="4" itemModel="ventas"/></datasources>
  <variables>
    <variable id="totalCiudad" expression="$D{ventas.Importe}" resetGroup="ciudad"/>
    <variable id="total" expression="$D{ventas.Importe}"/>
  </variables>
  <pageHeader height="16">
    <label x="0" y="0" width="124" height="8" fontSize="14" bold="true" color="#1f4e79">Ventas por ciudad</label>
    <label x="0" y="9" width="40" height="5" fontSize="8" bold="true">Cliente</label>
    <label x="84" y="9" width="40" height="5" fontSize="8" bold="true" align="right">Importe</label>
    <line x1="0" y1="14.5" x2="124" y2="14.5" lineWidth="0.3" color="#1f4e79"/>
  </pageHeader>
  <pageFooter height="8">
    <field x="0" y="2" width="124" height="5" fontSize="8" align="right">Página $V{pageNumber} de $V{pageCount}</field>
  </pageFooter>
  <detail id="lineas" dataSource="ventas" height="9" sort="Ciudad, Importe desc">
    <group id="ciudad" expression="$D{ventas.Ciudad}">
      <header height="8">
        <rectangle x="0" y="1" width="124" height="6" fill="#dde8f3" color="#dde8f3"/>
        <field x="2" y="1" width="80" height="6" bold="true">$D{Ciudad}</field>
      </header>
      <footer height="8">
        <line x1="84" y1="0.5" x2="124" y2="0.5" lineWidth="0.2"/>
        <field x="40" y="1" width="84" height="6" bold="true" align="right" format="currency">Total $D{Ciudad}: $V{totalCiudad}</field>
      </footer>
    </group>
    <field x="2" y="0" width="44" height="9" fontSize="9">$D{Cliente}</field>
    <barcode x="48" y="1" width="34" height="7" barcodeType="7">C$D{Código}</barcode>
    <field x="84" y="0" width="40" height="9" fontSize="9" align="right" format="currency" source="datasource">Importe</field>
  </detail>
  <reportFooter height="12">
    <line x1="0" y1="1.5" x2="124" y2="1.5" lineWidth="0.4" color="#1f4e79"/>
    <label x="0" y="3" width="60" height="7" bold="true" color="#1f4e79">Total general</label>
    <field x="64" y="3" width="60" height="7" bold="true" align="right" color="#1f4e79" format="currency">$V{total}</field>
  </reportFooter>
</report>)";

// The gallery's formula editor: a plain line edit.
class FormulaEdit : public ZCNCReportFieldEditControl
{
public:
    FormulaEdit(bool wrap, QWidget* parent)
        : ZCNCReportFieldEditControl(wrap, new QLineEdit, parent)
    {
        connect(lineEdit(), &QLineEdit::textEdited, this, &FormulaEdit::emitTextEdited);
    }

protected:
    void SetTextEditor(const QString& text) override { lineEdit()->setText(text); }

private:
    QLineEdit* lineEdit() const { return static_cast<QLineEdit*>(editor()); }
};

// The gallery's side of the designer: its sales table is the item model "ventas".
class GalleryDesigner : public ZCNCReportDesigner
{
public:
    explicit GalleryDesigner(QAbstractItemModel* sales)
        : m_sales(sales)
    {
    }
    ZCNCReportFieldEditControl* CreateFieldEditControl(bool wrap, QWidget*, QWidget* parent) override
    {
        return new FormulaEdit(wrap, parent);
    }
    ZCNCReportDatasourceControl* CreateDatasourceControl(QWidget* parent) override
    {
        return new ZCNCReportDatasourceControl(parent);
    }
    void ActualizaItemModels() override { AddItemModel(QStringLiteral("ventas"), m_sales); }
    // The gallery's colours are offered in the graphic items' colour fields.
    void OnGraphPropDialog(NCRDGraphPropDialog* dialog) override
    {
        const QStringList colours{QStringLiteral("#1f4e79"), QStringLiteral("#dde8f3"), QStringLiteral("black")};
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (field->objectName() == QLatin1String("wColor") || field->objectName() == QLatin1String("wFill"))
                field->setCompleter(new QCompleter(colours, field));
        }
    }

private:
    QAbstractItemModel* m_sales;
};

QStandardItemModel* createSales(QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    model->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Cliente"), QStringLiteral("Ciudad"),
                                      QStringLiteral("Importe")});
    const char* const rows[][4] = {{"100101", "Ana Ruiz", "Cádiz", "120.50"},   {"100102", "Luis Peña", "Cádiz", "89.90"},
                                   {"100103", "Eva Sanz", "León", "240.00"},    {"100104", "José Ortiz", "León", "35.10"},
                                   {"100105", "Íñigo Mora", "León", "410.75"},  {"100106", "Marta Gil", "Soria", "64.00"},
                                   {"100107", "Pablo Díez", "Soria", "18.20"}};
    for (const auto& row : rows) {
        QList<QStandardItem*> items;
        for (const char* cell : row)
            items.append(new QStandardItem(QString::fromUtf8(cell)));
        model->appendRow(items);
    }
    return model;
}

QWidget* createReportPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* sales = createSales(page);

    auto* provider = new ZCNCReportCustomDSProvider(page);
    auto* report = new NCReport(page);
    // The library's provider brings the library's evaluator with it.
    report->setCustomDataSourceProvider(provider);
    report->addItemModel(QStringLiteral("ventas"), sales);
    report->setReportSource(QByteArray(sampleReport));
    report->load();

    auto* splitter = new QSplitter;
    auto* table = new QTableView;
    table->setModel(sales);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    splitter->addWidget(table);

    // The preview window as a widget of the page: tool bar, thumbnails and status bar included.
    auto* preview = new NCReportPreviewWindow(nullptr, Qt::Widget);
    splitter->addWidget(preview);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    auto* status = new QLabel;
    auto* design = new QPushButton(QStringLiteral("Diseñar…"));
    auto* print = new QPushButton(QStringLiteral("Imprimir a PDF…"));
    buttons->addWidget(status, 1);
    buttons->addWidget(design);
    buttons->addWidget(print);
    layout->addLayout(buttons);

    // Edits arrive one cell at a time: one run after the last of them, and none while one runs.
    auto* delay = new QTimer(page);
    delay->setSingleShot(true);
    delay->setInterval(150);
    const auto refresh = [=] {
        if (preview->isRunning()) {
            delay->start();
            return;
        }
        if (preview->run(report))
            status->setText(QStringLiteral("%1 página(s); las filas del modelo «ventas» se editan en la tabla.")
                                .arg(preview->pageCount()));
        else
            status->setText(report->error().toString());
    };
    QObject::connect(delay, &QTimer::timeout, page, refresh);
    QObject::connect(sales, &QAbstractItemModel::dataChanged, delay, QOverload<>::of(&QTimer::start));
    QObject::connect(print, &QPushButton::clicked, page, [=] {
        const QString fileName = QFileDialog::getSaveFileName(page, QStringLiteral("Imprimir a PDF"),
                                                              QStringLiteral("ventas.pdf"), QStringLiteral("PDF (*.pdf)"));
        if (fileName.isEmpty())
            return;
        status->setText(report->runReportToPdf(fileName) ? QStringLiteral("Guardado en %1").arg(fileName)
                                                         : report->error().toString());
    });
    // The designer edits the sample saved as a file; what it saves is previewed here.
    QObject::connect(design, &QPushButton::clicked, page, [=] {
        const QString fileName =
            QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/mirokit-ventas.xml");
        QFile file(fileName);
        if (!file.exists() && (!file.open(QIODevice::WriteOnly) || file.write(sampleReport) < 0)) {
            status->setText(file.errorString());
            return;
        }
        file.close();
        GalleryDesigner designer(sales);
        designer.SetArgumento(fileName);
        designer.ExecDialog(page);
        report->setReportFile(fileName);
        if (report->load())
            refresh();
        else
            status->setText(report->error().toString());
    });
    refresh();
    return page;
}

} // namespace

bool writeReportDesignerScreenshots(const std::function<bool(QWidget&, const QString&)>& save)
{
    QTemporaryDir directory;
    const QString fileName = directory.filePath(QStringLiteral("ventas.xml"));
    QFile file(fileName);
    if (!directory.isValid() || !file.open(QIODevice::WriteOnly) || file.write(sampleReport) < 0)
        return false;
    file.close();
    QStandardItemModel* sales = createSales(nullptr);
    const std::unique_ptr<QStandardItemModel> salesOwner(sales);
    GalleryDesigner designer(sales);
    designer.SetArgumento(fileName);
    const std::unique_ptr<NCRDMainWindow> window(designer.CreateMainWindow(nullptr));
    designer.ActualizaModelosDataSources();
    window->resize(1400, 900);
    window->show();
    NCRDDocument* document = window->activeDocument();
    if (!document)
        return false;
    const QDomElement detail = document->xml().documentElement().firstChildElement(QStringLiteral("detail"));
    document->canvas()->selectElements({detail.firstChildElement(QStringLiteral("field"))});
    document->canvasView()->setZoom(100);
    if (!save(*window, QStringLiteral("informes-disenador-100.png")))
        return false;
    document->canvasView()->fitPage();
    return save(*window, QStringLiteral("informes-disenador-pagina.png"));
}

MIROKIT_GALLERY_PAGE(100, "Informes", createReportPage);
