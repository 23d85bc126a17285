#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QWidget>

class CiudadBrowser;
class ClientesModel;
class QLabel;
class QLineEdit;
class ZDateEditBrowser;
class ZNumberSpinBoxBrowser;

/*!
    The customer form: the name, the city (a browser over the known cities), the date of joining
    (which may be empty) and the balance (money, in the locale's currency layout). It edits one
    row of the customer model and writes it back with Guardar().
*/
class ClienteForm : public QWidget
{
    Q_OBJECT

public:
    explicit ClienteForm(ClientesModel* model, QWidget* parent = nullptr);

    //! Shows the row that `fila`, an index of the form's model, is on; an invalid one empties it.
    void Editar(const QModelIndex& fila);
    QModelIndex GetFila() const { return m_fila; }

    CiudadBrowser* GetCiudad() const { return m_ciudad; }
    QLineEdit* GetNombre() const { return m_nombre; }
    ZDateEditBrowser* GetAlta() const { return m_alta; }
    ZNumberSpinBoxBrowser* GetSaldo() const { return m_saldo; }

public slots:
    //! Writes the form into the model; false when no row is being edited.
    bool Guardar();

private:
    QVariant valor(int column) const;

    QPointer<ClientesModel> m_model;
    QPersistentModelIndex m_fila;
    QLabel* m_codigo;
    QLineEdit* m_nombre;
    CiudadBrowser* m_ciudad;
    ZDateEditBrowser* m_alta;
    ZNumberSpinBoxBrowser* m_saldo;
};
