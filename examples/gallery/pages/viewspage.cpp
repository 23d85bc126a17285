// "Modelos y vistas": a folder tree that loads its children when they are first needed, a
// table of clients searched accent-insensitively on all columns through the search box, with
// column hiding, a footer of totals and a check box per selected row, a table shown page by
// page under a paginator, and a grid that reports long presses; all under a header box.
#include "gallerypage.h"

#include <Mirokit/ZCBuscadorView.h>
#include <Mirokit/ZCFootView.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCModel.h>
#include <Mirokit/ZCPaginadorProxyModel.h>
#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCSortFilterProxyModel.h>
#include <Mirokit/ZCTableView.h>
#include <Mirokit/ZCTitanGrid.h>
#include <Mirokit/ZCTreeItem.h>
#include <Mirokit/ZCTreeModel.h>
#include <Mirokit/ZCTreeView.h>
#include <Mirokit/ZCVerticalHeaderCheckbox.h>

#include <QAction>
#include <QCheckBox>
#include <QGestureEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>

namespace {

// A folder structure generated from each folder's number: every folder holds a few subfolders
// and files, down to four levels. Nothing exists before a view asks for it.
class FolderModel : public ZCTreeModel
{
public:
    enum Tipo { Carpeta = 1, Documento = 2 };

    explicit FolderModel(QObject* parent)
        : ZCTreeModel(parent)
    {
        m_titulos = QStringList{QStringLiteral("Nombre"), QStringLiteral("Tipo")};
    }

    void CargarChilds(ZCTreeItem* item) override
    {
        ++m_loaded;
        if (onLoad)
            onLoad(m_loaded);
        const int depth = depthOf(item);
        if (item->GetTipoNodo() == Documento || depth >= 4) {
            item->SetEstaCargado(true);
            return;
        }
        const int seed = item->GetDataInt();
        const int folders = 2 + seed % 3;
        for (int i = 0; i < folders; ++i)
            item->AddChild(tag(), Carpeta);
        for (int i = 0; i < 1 + seed % 2; ++i)
            item->AddChild(tag(), Documento);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return QVariant();
        const ZCTreeItem* item = itemFromIndex(index);
        const bool folder = item->GetTipoNodo() == Carpeta;
        if (role == Qt::DisplayRole && index.column() == 0)
            return nameOf(item);
        if (role == Qt::DisplayRole)
            return folder ? QStringLiteral("Carpeta") : QStringLiteral("Documento");
        return QVariant();
    }

    std::function<void(int)> onLoad;

private:
    static int depthOf(const ZCTreeItem* item)
    {
        int depth = 0;
        for (const ZCTreeItem* p = item->GetParent(); p; p = p->GetParent())
            ++depth;
        return depth;
    }

    static QString nameOf(const ZCTreeItem* item)
    {
        static const char* const folders[] = {"Facturas", "Albaranes", "Clientes", "Proveedores",
                                              "Nóminas", "Almacén", "Contabilidad"};
        static const char* const files[] = {"resumen.pdf", "balance.ods", "cartas.odt", "pedido.xml"};
        const int n = item->GetDataInt();
        if (item->GetTipoNodo() == Carpeta)
            return QStringLiteral("%1 %2").arg(QString::fromUtf8(folders[n % 7])).arg(n);
        return QStringLiteral("%1-%2").arg(n).arg(QLatin1String(files[n % 4]));
    }

    void* tag() { return reinterpret_cast<void*>(quintptr(++m_serial)); }

    int m_serial = 0;
    int m_loaded = 0;
};

// Generated clients with the accents of real Spanish names.
class ClientModel : public ZCModel
{
public:
    explicit ClientModel(QObject* parent)
        : ZCModel(parent)
    {
        m_titulos = QStringList{QStringLiteral("Nombre"), QStringLiteral("Apellidos"),
                                QStringLiteral("Ciudad"), QStringLiteral("Provincia"),
                                QStringLiteral("Importe")};
        static const char* const names[] = {"José", "María", "Íñigo", "Lucía", "Ramón", "Begoña",
                                            "Jesús", "Ana", "Martín", "Sofía", "Andrés", "Nuria"};
        static const char* const surnames[] = {"García Núñez", "Martínez", "López Ibáñez",
                                               "Sánchez", "Pérez Muñoz", "Gómez", "Fernández"};
        static const char* const cities[][2] = {{"Cádiz", "Cádiz"}, {"León", "León"},
                                                 {"Ávila", "Ávila"}, {"Málaga", "Málaga"},
                                                 {"Logroño", "La Rioja"}, {"Gijón", "Asturias"},
                                                 {"Córdoba", "Córdoba"}, {"Jaén", "Jaén"}};
        for (int i = 0; i < 60; ++i) {
            const auto& city = cities[(i * 5) % 8];
            m_rows.append({QString::fromUtf8(names[i % 12]), QString::fromUtf8(surnames[(i * 3) % 7]),
                           QString::fromUtf8(city[0]), QString::fromUtf8(city[1]),
                           QString::number(100 + (i * 137) % 900)});
        }
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : m_rows.size();
    }

    // The rows show a check box instead of a number.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        if (orientation == Qt::Vertical)
            return QVariant();
        return ZCModel::headerData(section, orientation, role);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return QVariant();
        if (role == Qt::DisplayRole)
            return m_rows.at(index.row()).at(index.column());
        if (role == Qt::TextAlignmentRole && index.column() == 4)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    }

private:
    QVector<QStringList> m_rows;
};

QWidget* folderTree()
{
    auto* box = new QGroupBox(QStringLiteral("Árbol cargado bajo demanda"));
    auto* model = new FolderModel(box);
    auto* view = new ZCTreeView;
    view->setModel(model);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->header()->setStretchLastSection(false);
    view->SetReadOnly(true);

    auto* status = new QLabel;
    model->onLoad = [status](int loaded) {
        status->setText(QStringLiteral("Carpetas cargadas hasta ahora: %1").arg(loaded));
    };

    auto* expandAll = new QPushButton(QStringLiteral("Expandir la selección"));
    auto* collapseAll = new QPushButton(QStringLiteral("Contraer todo"));
    QObject::connect(expandAll, &QPushButton::clicked, view, [view] {
        view->expandWhithChilds(view->currentIndex());
    });
    QObject::connect(collapseAll, &QPushButton::clicked, view, [view] {
        view->collapseWhithChilds(QModelIndex());
    });

    view->SetExpandedIndexes({{0}, {0, 1}});
    view->setCurrentIndex(model->index(1, 0));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(expandAll);
    buttons->addWidget(collapseAll);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(view);
    layout->addLayout(buttons);
    layout->addWidget(status);
    return box;
}

// Keeps the footer's sections under the table's columns and its texts on the shown rows.
void attachFooter(ZCTableView* table, ZCFootView* footer, QStandardItemModel* totals,
                  ZCSortFilterProxyModel* proxy)
{
    const auto refresh = [table, footer, totals, proxy] {
        const int columns = proxy->columnCount();
        QStringList labels;
        double amount = 0;
        for (int row = 0; row < proxy->rowCount(); ++row)
            amount += proxy->sourceModel()->index(proxy->mapToSource(proxy->index(row, 0)).row(), 4).data().toDouble();
        for (int column = 0; column < columns; ++column) {
            const bool isAmount = proxy->headerData(column, Qt::Horizontal).toString() == QLatin1String("Importe");
            if (column == 0)
                labels.append(QStringLiteral("%1 filas").arg(proxy->rowCount()));
            else
                labels.append(isAmount ? QStringLiteral("%L1 €").arg(amount, 0, 'f', 0) : QString());
        }
        totals->setColumnCount(columns);
        totals->setHorizontalHeaderLabels(labels);
        for (int column = 0; column < columns; ++column)
            footer->resizeSection(column, table->horizontalHeader()->sectionSize(column));
    };
    QObject::connect(proxy, &QAbstractItemModel::rowsInserted, footer, refresh);
    QObject::connect(proxy, &QAbstractItemModel::rowsRemoved, footer, refresh);
    QObject::connect(proxy, &QAbstractItemModel::layoutChanged, footer, refresh);
    QObject::connect(proxy, &QAbstractItemModel::modelReset, footer, refresh);
    QObject::connect(proxy, &QAbstractItemModel::columnsInserted, footer, refresh);
    QObject::connect(proxy, &QAbstractItemModel::columnsRemoved, footer, refresh);
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionResized, footer,
                     [footer](int section, int, int size) { footer->resizeSection(section, size); });
    refresh();
}

// The footer starts where the table's columns start, past the check-box header.
QWidget* footerRow(ZCTableView* table, ZCFootView* footer)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(footer);
    const auto align = [table, layout] {
        const int left = table->frameWidth() + table->verticalHeader()->width();
        layout->setContentsMargins(left, 0, table->frameWidth(), 0);
    };
    QObject::connect(table->verticalHeader(), &QHeaderView::geometriesChanged, row, align);
    align();
    return row;
}

QWidget* clientTable()
{
    auto* box = new QGroupBox(QStringLiteral("Tabla con búsqueda sin acentos"));
    auto* model = new ClientModel(box);
    auto* proxy = new ZCSortFilterProxyModel(box);
    proxy->setSourceModel(model);
    proxy->SetFiltrarAllCols(true);
    proxy->SetNormalizado(true);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);

    auto* table = new ZCTableView;
    table->setVerticalHeader(new ZCVerticalHeaderCheckbox(Qt::Vertical, table));
    table->setModel(proxy);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::MultiSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* totals = new QStandardItemModel(box);
    auto* footer = new ZCFootView(Qt::Horizontal);
    footer->setModel(totals);
    footer->setSectionResizeMode(QHeaderView::Fixed);
    attachFooter(table, footer, totals, proxy);
    footer->setFixedHeight(footer->sizeHint().height());

    // The box searches half a second after the last key; Ctrl+B puts the cursor in it.
    auto* search = new ZCBuscadorView;
    search->SetProxyModel(proxy);
    search->setToolTip(QStringLiteral("Pruebe «jose», «logrono» o «nunez» (Ctrl+B)"));
    auto* found = new QLabel;
    QObject::connect(search, &ZCBuscadorView::searchChanged, found, [found, proxy](const QString& text) {
        const QModelIndex first = proxy->GetPrimerIndexEncontrado();
        found->setText(first.isValid() && !text.isEmpty()
                           ? QStringLiteral("Primera coincidencia de «%1»: %2").arg(text, first.data().toString())
                           : QString());
    });
    // Shown filtered from the start, without waiting for the box's pause.
    search->findChild<QLineEdit*>()->setText(QStringLiteral("jose"));
    proxy->setFilterRegularExpression(QStringLiteral("jose"));
    table->selectRow(1);
    table->selectRow(3);

    auto* columns = new QHBoxLayout;
    columns->addWidget(new QLabel(QStringLiteral("Columnas:")));
    for (int column = 1; column < model->columnCount(); ++column) {
        auto* check = new QCheckBox(model->headerData(column, Qt::Horizontal).toString());
        check->setChecked(true);
        QObject::connect(check, &QCheckBox::toggled, proxy,
                         [proxy, column](bool shown) { proxy->SetVisibilidadColumna(column, shown); });
        columns->addWidget(check);
    }
    columns->addStretch();

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(search);
    layout->addLayout(columns);
    layout->addWidget(table, 1);
    layout->addWidget(footerRow(table, footer));
    layout->addWidget(found);
    layout->setSpacing(4);
    return box;
}

QWidget* pagedTable()
{
    auto* box = new QGroupBox(QStringLiteral("Tabla paginada"));
    auto* model = new ClientModel(box);
    // The page proxy keeps the paginator's total and page in step with the rows.
    auto* pages = new ZCPaginadorProxyModel(box);
    pages->SetFilasPorPagina(5);
    pages->setSourceModel(model);

    auto* table = new ZCTableView;
    table->setModel(pages);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* paginator = new ZCPaginadorToolbar(0, nullptr, 0);
    pages->SetPaginador(paginator);
    auto* status = new QLabel(QStringLiteral("Ctrl+Inicio, Ctrl+RePág, Ctrl+AvPág y Ctrl+Fin con el foco en la barra"));
    status->setWordWrap(true);
    auto* reload = new QAction(QStringLiteral("Recargar"), paginator);
    QObject::connect(reload, &QAction::triggered, status, [status, paginator] {
        status->setText(QStringLiteral("Página %1 recargada").arg(paginator->GetPaginaActual()));
    });
    paginator->InsertarAccion(reload);
    QObject::connect(paginator, &ZCPaginadorToolbar::numPaginaChanged, status,
                     [status](uint page) { status->setText(QStringLiteral("Cargada la página %1").arg(page)); });

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(table, 1);
    layout->addWidget(paginator);
    layout->addWidget(status);
    return box;
}

// Hands the grid's gesture events to it, as a host does.
class GestureRouter : public QObject
{
public:
    explicit GestureRouter(ZCTitanGrid* grid)
        : QObject(grid)
        , m_grid(grid)
    {
        grid->grabGesture(Qt::TapAndHoldGesture);
        grid->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_grid && event->type() == QEvent::Gesture)
            return m_grid->gestureEvent(static_cast<QGestureEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    ZCTitanGrid* m_grid;
};

QWidget* holdGrid()
{
    auto* box = new QGroupBox(QStringLiteral("Rejilla con pulsación larga"));
    auto* grid = new ZCTitanGrid;
    grid->setModel(new ClientModel(box));
    new GestureRouter(grid);
    auto* status = new QLabel(QStringLiteral("Mantenga pulsada una celda, la cabecera o el espacio vacío"));
    status->setWordWrap(true);
    QObject::connect(grid, &ZCTitanGrid::signalTapAndHold, status, [status](const QModelIndex& index) {
        status->setText(QStringLiteral("Pulsación larga en la fila %1: %2").arg(index.row() + 1).arg(index.data().toString()));
    });
    QObject::connect(grid, &ZCTitanGrid::signalTapAndHoldNoIndex, status, [status] {
        status->setText(QStringLiteral("Pulsación larga fuera de las celdas"));
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(grid, 1);
    layout->addWidget(status);
    return box;
}

QWidget* createViewsPage()
{
    auto* page = new QWidget;
    auto* header = new ZCHeaderBox(Qt::white, QColor(32, 74, 135), QStringLiteral("Modelos y vistas"), 1.4,
                                   QStringLiteral("Árboles que cargan sus hijos al expandirse y tablas filtradas "
                                                  "sin tener en cuenta acentos ni mayúsculas"),
                                   true);
    // The theme's style sheet would paint over the box's palette; a host gives it its own rule.
    header->setAttribute(Qt::WA_StyledBackground);
    header->setStyleSheet(QStringLiteral("ZCHeaderBox { background: #204a87; }"
                                         "ZCHeaderBox QLabel { color: white; background: transparent; }"
                                         "ZCHeaderBox QLabel[maximumHeight=\"1\"] { background: black; }"));
    auto* splitter = new QSplitter;
    splitter->addWidget(folderTree());
    splitter->addWidget(clientTable());
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    auto* lower = new QSplitter;
    lower->addWidget(pagedTable());
    lower->addWidget(holdGrid());
    lower->setSizes({600, 300}); // the paginator wants the room for all its parts
    auto* rows = new QSplitter(Qt::Vertical);
    rows->addWidget(splitter);
    rows->addWidget(lower);
    rows->setSizes({340, 300});

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(header);
    layout->addWidget(rows, 1);
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(50, "Modelos y vistas", createViewsPage);
