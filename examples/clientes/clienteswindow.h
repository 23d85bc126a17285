#pragma once

#include <Mirokit/ZCMainWindow.h>

class ClienteForm;
class ClientesModel;
class InformeClientes;
class QAction;
class QLabel;
class ZCBuscadorView;
class ZCPaginadorProxyModel;
class ZCPaginadorToolbar;
class ZCSortFilterProxyModel;
class ZCTableView;

/*!
    The program's window: the list of customers in the middle, one page at a time with the
    paginator under it; a dock with the search box (accents and case do not matter) and a dock
    with the form of the customer chosen in the list; a tool bar to save the form and to print
    the report by city to PDF.

    The list shows the model through two proxies: the search filter, then the page.
*/
class ClientesWindow : public ZCMainWindow
{
    Q_OBJECT

public:
    explicit ClientesWindow(ClientesModel* clientes, QWidget* parent = nullptr);

    ClientesModel* GetClientes() const { return m_clientes; }
    ZCSortFilterProxyModel* GetFiltro() const { return m_filtro; }
    ZCPaginadorProxyModel* GetPagina() const { return m_pagina; }
    ZCTableView* GetTabla() const { return m_tabla; }
    ZCBuscadorView* GetBuscador() const { return m_buscador; }
    ZCPaginadorToolbar* GetPaginador() const { return m_paginador; }
    ClienteForm* GetFicha() const { return m_ficha; }
    InformeClientes* GetInforme() const { return m_informe; }
    QAction* GetAccionGuardar() const { return m_guardar; }

private:
    void createList();
    void createDocks();
    void createToolBar();
    void editCurrent(const QModelIndex& current);
    void showFound();
    void printToPdf();

    ClientesModel* m_clientes;
    ZCSortFilterProxyModel* m_filtro;
    ZCPaginadorProxyModel* m_pagina;
    ZCTableView* m_tabla = nullptr;
    ZCPaginadorToolbar* m_paginador = nullptr;
    ZCBuscadorView* m_buscador = nullptr;
    QLabel* m_encontrados = nullptr;
    ClienteForm* m_ficha = nullptr;
    InformeClientes* m_informe;
    QAction* m_guardar = nullptr;
};
