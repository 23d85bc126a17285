#include "zcpaginadorproxymodel.h"

#include "zcpaginadortoolbar.h"

#include <algorithm>

ZCPaginadorProxyModel::ZCPaginadorProxyModel(QObject* parent)
    : QAbstractProxyModel(parent)
{
}

ZCPaginadorProxyModel::~ZCPaginadorProxyModel() = default;

int ZCPaginadorProxyModel::sourceRows() const
{
    return sourceModel() ? sourceModel()->rowCount() : 0;
}

uint ZCPaginadorProxyModel::GetTotalPaginas() const
{
    return uint((qint64(sourceRows()) + m_filasPorPagina - 1) / m_filasPorPagina);
}

int ZCPaginadorProxyModel::firstRow() const
{
    // The page is at most the total, so its first row is a source row (or the end of none).
    return m_pagina ? int(qint64(m_pagina - 1) * m_filasPorPagina) : 0;
}

uint ZCPaginadorProxyModel::clampedPage(uint pagina) const
{
    const uint total = GetTotalPaginas();
    return total ? std::clamp(pagina, 1u, total) : 0u;
}

void ZCPaginadorProxyModel::setSourceModel(QAbstractItemModel* model)
{
    beginResetModel();
    for (const QMetaObject::Connection& connection : qAsConst(m_sourceConnections))
        disconnect(connection);
    m_sourceConnections.clear();
    QAbstractProxyModel::setSourceModel(model);
    if (model) {
        using Source = QAbstractItemModel;
        using Self = ZCPaginadorProxyModel;
        m_sourceConnections = {
            connect(model, &Source::modelAboutToBeReset, this, &Self::beginChange),
            connect(model, &Source::modelReset, this, &Self::endChange),
            connect(model, &Source::layoutAboutToBeChanged, this, &Self::beginChange),
            connect(model, &Source::layoutChanged, this, &Self::endChange),
            connect(model, &Source::rowsAboutToBeInserted, this, &Self::beginChangeIfOnPage),
            connect(model, &Source::rowsInserted, this, &Self::endChange),
            connect(model, &Source::rowsAboutToBeRemoved, this, &Self::beginChangeIfOnPage),
            connect(model, &Source::rowsRemoved, this, &Self::endChange),
            connect(model, &Source::rowsAboutToBeMoved, this, &Self::beginChange),
            connect(model, &Source::rowsMoved, this, &Self::endChange),
            connect(model, &Source::columnsAboutToBeInserted, this, &Self::beginChange),
            connect(model, &Source::columnsInserted, this, &Self::endChange),
            connect(model, &Source::columnsAboutToBeRemoved, this, &Self::beginChange),
            connect(model, &Source::columnsRemoved, this, &Self::endChange),
            connect(model, &Source::columnsAboutToBeMoved, this, &Self::beginChange),
            connect(model, &Source::columnsMoved, this, &Self::endChange),
            connect(model, &Source::dataChanged, this, &Self::forwardDataChanged),
            connect(model, &Source::headerDataChanged, this, &Self::forwardHeaderDataChanged),
        };
    }
    m_pagina = clampedPage(m_pagina);
    endResetModel();
    syncPaginador();
}

// Every change of the source that moves rows into or out of the page resets the proxy: a page
// is small, and a view shows it again at once.
void ZCPaginadorProxyModel::beginChange()
{
    if (m_resetting)
        return;
    m_resetting = true;
    beginResetModel();
}

void ZCPaginadorProxyModel::endChange()
{
    if (m_resetting) {
        m_pagina = clampedPage(m_pagina);
        m_resetting = false;
        endResetModel();
    }
    syncPaginador();
}

// Rows inserted or removed after the page change only the number of pages. The page's end
// is taken as if it were full, so rows appended to a short last page do reach it.
void ZCPaginadorProxyModel::beginChangeIfOnPage(const QModelIndex& parent, int first)
{
    if (!parent.isValid() && qint64(first) < qint64(firstRow()) + m_filasPorPagina)
        beginChange();
}

void ZCPaginadorProxyModel::forwardDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                              const QVector<int>& roles)
{
    if (topLeft.parent().isValid())
        return;
    const int first = std::max(topLeft.row(), firstRow());
    const int last = std::min(bottomRight.row(), firstRow() + rowCount() - 1);
    if (first <= last)
        emit dataChanged(index(first - firstRow(), topLeft.column()), index(last - firstRow(), bottomRight.column()), roles);
}

void ZCPaginadorProxyModel::forwardHeaderDataChanged(Qt::Orientation orientation, int first, int last)
{
    if (orientation == Qt::Horizontal) {
        emit headerDataChanged(orientation, first, last);
        return;
    }
    const int from = std::max(first - firstRow(), 0);
    const int to = std::min(last - firstRow(), rowCount() - 1);
    if (from <= to)
        emit headerDataChanged(orientation, from, to);
}

void ZCPaginadorProxyModel::SetPagina(uint pagina)
{
    pagina = clampedPage(pagina);
    if (pagina != m_pagina) {
        beginResetModel();
        m_pagina = pagina;
        endResetModel();
    }
    syncPaginador();
}

void ZCPaginadorProxyModel::SetFilasPorPagina(int filas)
{
    filas = std::max(filas, 1);
    if (filas == m_filasPorPagina)
        return;
    beginResetModel();
    const int first = firstRow();
    m_filasPorPagina = filas;
    m_pagina = clampedPage(uint(first / filas) + 1);
    endResetModel();
    syncPaginador();
}

void ZCPaginadorProxyModel::SetPaginador(ZCPaginadorToolbar* paginador)
{
    disconnect(m_paginadorConnection);
    m_paginador = paginador;
    if (paginador)
        m_paginadorConnection = connect(paginador, &ZCPaginadorToolbar::numPaginaChanged, this, &ZCPaginadorProxyModel::SetPagina);
    syncPaginador();
}

void ZCPaginadorProxyModel::syncPaginador()
{
    const uint total = GetTotalPaginas();
    if (m_paginador)
        m_paginador->SetTotalPaginas(total, m_pagina);
    if (m_pagina == m_paginaAnunciada && total == m_totalAnunciado)
        return;
    m_paginaAnunciada = m_pagina;
    m_totalAnunciado = total;
    emit paginaChanged(m_pagina, total);
}

QModelIndex ZCPaginadorProxyModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex ZCPaginadorProxyModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int ZCPaginadorProxyModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_pagina == 0)
        return 0;
    return std::clamp(sourceRows() - firstRow(), 0, m_filasPorPagina);
}

int ZCPaginadorProxyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

bool ZCPaginadorProxyModel::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && rowCount() > 0;
}

QModelIndex ZCPaginadorProxyModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel())
        return QModelIndex();
    return sourceModel()->index(firstRow() + proxyIndex.row(), proxyIndex.column());
}

QModelIndex ZCPaginadorProxyModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel() || sourceIndex.parent().isValid())
        return QModelIndex();
    return index(sourceIndex.row() - firstRow(), sourceIndex.column());
}

// The columns' titles stand even on an empty page, and the rows keep their source numbers.
QVariant ZCPaginadorProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!sourceModel())
        return QVariant();
    return sourceModel()->headerData(orientation == Qt::Horizontal ? section : firstRow() + section, orientation, role);
}
