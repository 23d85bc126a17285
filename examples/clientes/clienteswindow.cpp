#include "clienteswindow.h"

#include "clienteform.h"
#include "clientesmodel.h"
#include "formatodelegate.h"
#include "informeclientes.h"

#include <Mirokit/ZCAction.h>
#include <Mirokit/ZCBuscadorView.h>
#include <Mirokit/ZCDockWidget.h>
#include <Mirokit/ZCModelIndex.h>
#include <Mirokit/ZCPaginadorProxyModel.h>
#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCSortFilterProxyModel.h>
#include <Mirokit/ZCTableView.h>
#include <Mirokit/ZCToolBar.h>

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
// Rows on a page of the list.
constexpr int filasPorPagina = 25;
} // namespace

ClientesWindow::ClientesWindow(ClientesModel* clientes, QWidget* parent)
    : ZCMainWindow(QStringLiteral("Clientes"), parent)
    , m_clientes(clientes)
    , m_filtro(new ZCSortFilterProxyModel(this))
    , m_pagina(new ZCPaginadorProxyModel(this))
    , m_informe(new InformeClientes(clientes, this))
{
    setWindowTitle(QStringLiteral("Clientes"));
    // The search looks in every column, without regard to accents or case: "ibanez" finds
    // "Ibáñez".
    m_filtro->SetFiltrarAllCols(true);
    m_filtro->SetNormalizado(true);
    m_filtro->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filtro->setSourceModel(m_clientes);
    m_pagina->SetFilasPorPagina(filasPorPagina);
    m_pagina->setSourceModel(m_filtro);

    createList();
    createDocks();
    createToolBar();
    showFound();
}

void ClientesWindow::createList()
{
    m_tabla = new ZCTableView;
    m_tabla->setModel(m_pagina);
    m_tabla->setItemDelegate(new FormatoDelegate(m_tabla));
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Sorting the page sorts the search's result, so the pages follow the order.
    m_tabla->setSortingEnabled(true);
    m_tabla->sortByColumn(ClientesModel::ColCodigo, Qt::AscendingOrder);
    // Only a page is measured, so fitting the columns to their contents costs little.
    m_tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabla->horizontalHeader()->setSectionResizeMode(ClientesModel::ColNombre, QHeaderView::Stretch);
    m_tabla->verticalHeader()->hide();
    setCentralWidget(m_tabla);
    connect(m_tabla->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ClientesWindow::editCurrent);

    m_paginador = new ZCPaginadorToolbar(0, this, 0);
    m_paginador->setObjectName(QStringLiteral("Paginador"));
    m_paginador->setWindowTitle(QStringLiteral("Páginas"));
    m_paginador->SetLabelInicial(QStringLiteral("Página"));
    addToolBar(Qt::BottomToolBarArea, m_paginador);
    m_pagina->SetPaginador(m_paginador);
}

void ClientesWindow::createDocks()
{
    auto* busqueda = new QWidget;
    auto* layout = new QVBoxLayout(busqueda);
    m_buscador = new ZCBuscadorView;
    m_buscador->SetProxyModel(m_filtro);
    m_encontrados = new QLabel;
    layout->addWidget(m_buscador);
    layout->addWidget(m_encontrados);
    layout->addStretch();
    // A new search starts again at its first page.
    connect(m_buscador, &ZCBuscadorView::searchChanged, this, [this] {
        m_pagina->SetPagina(1);
        showFound();
    });

    auto* dockBusqueda = new ZCDockWidget(QStringLiteral("Buscar"), this);
    dockBusqueda->setObjectName(QStringLiteral("DockBuscar"));
    dockBusqueda->setWidget(busqueda);
    addDockWidget(Qt::LeftDockWidgetArea, dockBusqueda);

    m_ficha = new ClienteForm(m_clientes);
    auto* dockFicha = new ZCDockWidget(QStringLiteral("Ficha del cliente"), this);
    dockFicha->setObjectName(QStringLiteral("DockFicha"));
    dockFicha->setWidget(m_ficha);
    addDockWidget(Qt::RightDockWidgetArea, dockFicha);
}

void ClientesWindow::createToolBar()
{
    auto* bar = new ZCToolBar(this);
    bar->setObjectName(QStringLiteral("Clientes"));
    bar->setWindowTitle(QStringLiteral("Clientes"));
    addToolBar(Qt::TopToolBarArea, bar);

    m_guardar = bar->addAction(QIcon(QStringLiteral(":/Resources/tg_edit.png")), QStringLiteral("Guardar ficha"));
    m_guardar->setShortcut(QKeySequence::Save);
    connect(m_guardar, &QAction::triggered, m_ficha, &ClienteForm::Guardar);

    QAction* imprimir = bar->addAction(QStringLiteral("Informe por ciudades…"));
    setupActionIconQtPrintPreview(imprimir, QLatin1String("print"));
    imprimir->setShortcut(QKeySequence::Print);
    connect(imprimir, &QAction::triggered, this, &ClientesWindow::printToPdf);
}

// The list shows proxies of the model; the form edits the model's own row.
void ClientesWindow::editCurrent(const QModelIndex& current)
{
    m_ficha->Editar(ZCModelIndexSource(current));
}

void ClientesWindow::showFound()
{
    const int found = m_filtro->rowCount();
    m_encontrados->setText(found == 1 ? QStringLiteral("1 cliente") : QStringLiteral("%1 clientes").arg(found));
}

void ClientesWindow::printToPdf()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Informe por ciudades"),
                                                          QStringLiteral("clientes.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    if (m_informe->ImprimirPdf(fileName))
        statusBar()->showMessage(QStringLiteral("Informe guardado en %1").arg(fileName), 5000);
    else
        statusBar()->showMessage(m_informe->Error());
}
