#pragma once

#include "mirokit_global.h"

#include <QAbstractProxyModel>
#include <QList>
#include <QMetaObject>
#include <QPointer>

class ZCPaginadorToolbar;

/*!
    A proxy that shows one page of the rows of a flat source model (a table or a list, often a
    ZCSortFilterProxyModel): page n (from 1) holds the source rows from (n - 1) x rows per page
    on. The number of pages follows the source's row count, filtering included; the page is
    kept within them (0 only while the source has no rows).

    Given a paginator, the proxy keeps its total and current page in step (without making it
    emit) and turns to the page the user chooses in it. Sorting through the proxy sorts the
    source, so pages follow the sorted order.
*/
class MIROKIT_EXPORT ZCPaginadorProxyModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    explicit ZCPaginadorProxyModel(QObject* parent = nullptr);
    ~ZCPaginadorProxyModel() override;

    void setSourceModel(QAbstractItemModel* sourceModel) override;

    int GetFilasPorPagina() const { return m_filasPorPagina; }
    //! At least one row a page; the current page becomes the one holding its first row.
    void SetFilasPorPagina(int filas);
    uint GetPagina() const { return m_pagina; }
    uint GetTotalPaginas() const;

    //! The paginator is not owned; the proxy forgets it when it is destroyed.
    void SetPaginador(ZCPaginadorToolbar* paginador);
    ZCPaginadorToolbar* GetPaginador() const { return m_paginador; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;

public slots:
    //! Pages outside 1 to the total are brought to the nearest one.
    void SetPagina(uint pagina);

signals:
    void paginaChanged(uint pagina, uint totalPaginas);

private:
    int firstRow() const;
    int sourceRows() const;
    uint clampedPage(uint pagina) const;
    void beginChange();
    void endChange();
    void beginChangeIfOnPage(const QModelIndex& parent, int first);
    void forwardHeaderDataChanged(Qt::Orientation orientation, int first, int last);
    void forwardDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
    void syncPaginador();

    int m_filasPorPagina = 50;
    uint m_pagina = 0;
    bool m_resetting = false;
    // What paginaChanged() said last, so that it speaks only of changes.
    uint m_paginaAnunciada = 0;
    uint m_totalAnunciado = 0;
    QPointer<ZCPaginadorToolbar> m_paginador;
    QMetaObject::Connection m_paginadorConnection;
    QList<QMetaObject::Connection> m_sourceConnections;
};
