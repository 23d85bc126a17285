#pragma once

#include "cliente.h"

#include <Mirokit/ZCModel.h>

#include <QVector>

/*!
    The customers, in a ZCModel as a host fills it: one row per customer, one column per field.
    Values come out as they are (numbers, dates; a null date for none), so that the search, the
    form and the report format them themselves; the column titles are also the names the report
    reads the columns by.
*/
class ClientesModel : public ZCModel
{
    Q_OBJECT

public:
    enum Columna { ColCodigo, ColNombre, ColCiudad, ColAlta, ColSaldo };

    explicit ClientesModel(QVector<Cliente> clientes, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const Cliente& GetCliente(int row) const { return m_clientes.at(row); }

private:
    QVector<Cliente> m_clientes;
};
