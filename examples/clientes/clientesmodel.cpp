#include "clientesmodel.h"

ClientesModel::ClientesModel(QVector<Cliente> clientes, QObject* parent)
    : ZCModel(parent)
    , m_clientes(std::move(clientes))
{
    m_titulos = QStringList{QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad"),
                            QStringLiteral("Alta"), QStringLiteral("Saldo")};
}

int ClientesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_clientes.size();
}

QVariant ClientesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const Cliente& cliente = m_clientes.at(index.row());
    switch (index.column()) {
    case ColCodigo:
        return cliente.codigo;
    case ColNombre:
        return cliente.nombre;
    case ColCiudad:
        return cliente.ciudad;
    case ColAlta:
        return cliente.alta;
    case ColSaldo:
        return cliente.saldo;
    default:
        return QVariant();
    }
}

bool ClientesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    Cliente& cliente = m_clientes[index.row()];
    switch (index.column()) {
    case ColNombre:
        cliente.nombre = value.toString().trimmed();
        break;
    case ColCiudad:
        cliente.ciudad = value.toString().trimmed();
        break;
    case ColAlta:
        cliente.alta = value.toDate();
        break;
    case ColSaldo:
        cliente.saldo = value.toDouble();
        break;
    default:
        return false; // the code is the customer's identity
    }
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ClientesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = ZCModel::flags(index);
    if (index.isValid() && index.column() != ColCodigo)
        flags |= Qt::ItemIsEditable;
    return flags;
}
