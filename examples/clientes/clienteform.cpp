#include "clienteform.h"

#include "ciudadbrowser.h"
#include "clientesmodel.h"
#include "generadorclientes.h"

#include <Mirokit/ZDateEditBrowser.h>
#include <Mirokit/ZNumberSpinBox.h>
#include <Mirokit/ZNumberSpinBoxBrowser.h>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPair>
#include <QVector>

ClienteForm::ClienteForm(ClientesModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_codigo(new QLabel)
    , m_nombre(new QLineEdit)
    , m_ciudad(new CiudadBrowser(Ciudades()))
    , m_alta(new ZDateEditBrowser(nullptr, false))
    , m_saldo(new ZNumberSpinBoxBrowser(nullptr, false))
{
    m_alta->setCalendarPopup(true);
    m_saldo->setNumericFormat(ZNumberSpinBox::NFormatLocalCurrency);
    m_saldo->setSuffix(QStringLiteral(" €"));
    m_saldo->setDecimals(2);
    m_saldo->setRange(-1e9, 1e9);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Código"), m_codigo);
    layout->addRow(QStringLiteral("&Nombre"), m_nombre);
    layout->addRow(QStringLiteral("C&iudad"), m_ciudad);
    layout->addRow(QStringLiteral("&Alta"), m_alta);
    layout->addRow(QStringLiteral("&Saldo"), m_saldo);
    setEnabled(false);
}

QVariant ClienteForm::valor(int column) const
{
    return m_model->index(m_fila.row(), column).data(Qt::EditRole);
}

void ClienteForm::Editar(const QModelIndex& fila)
{
    m_fila = fila.model() == m_model ? fila : QModelIndex();
    setEnabled(m_fila.isValid());
    if (!m_fila.isValid())
        return;
    m_codigo->setText(valor(ClientesModel::ColCodigo).toString());
    m_nombre->setText(valor(ClientesModel::ColNombre).toString());
    m_ciudad->setText(valor(ClientesModel::ColCiudad).toString());
    m_alta->setDate(valor(ClientesModel::ColAlta).toDate()); // null: an empty field
    m_saldo->setValue(valor(ClientesModel::ColSaldo).toDouble());
}

bool ClienteForm::Guardar()
{
    if (!m_model || !m_fila.isValid())
        return false;
    // Read before the first write: a write may move the row out of the list (a search that no
    // longer finds it), and the list would then hand the form another row.
    const int row = m_fila.row();
    const QVector<QPair<int, QVariant>> values{{ClientesModel::ColNombre, m_nombre->text()},
                                               {ClientesModel::ColCiudad, m_ciudad->text()},
                                               {ClientesModel::ColAlta, m_alta->date()},
                                               {ClientesModel::ColSaldo, m_saldo->value()}};
    for (const auto& [column, value] : values)
        m_model->setData(m_model->index(row, column), value);
    return true;
}
