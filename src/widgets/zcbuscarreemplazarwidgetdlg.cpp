#include "zcbuscarreemplazarwidgetdlg.h"

#include "zcaction.h"
#include "zcbuscarreemplazarwidget.h"
#include "zcicon.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

// Without the darkening overlay: the text being searched must stay readable behind the dialog.
ZCBuscarReemplazarWidgetDlg::ZCBuscarReemplazarWidgetDlg(QWidget* parent)
    : ZCDialog(tr("Buscar y reemplazar"), parent, QString(), {}, false)
    , m_widget(new ZCBuscarReemplazarWidget(this))
{
    m_widget->SetDlgBuscarReemplazar(this);
    auto* cancelar = new QPushButton(tr("&Cancelar"), m_widget);
    connect(cancelar, &QPushButton::clicked, this, &QWidget::hide);
    m_widget->GetLayoutBotones()->addWidget(cancelar);
    AddWidget(m_widget);
}

ZCBuscarReemplazarWidget* ZCBuscarReemplazarWidgetDlg::GetWidgetBuscarReemplazar() const
{
    return m_widget;
}

void ZCBuscarReemplazarWidgetDlg::SetEditor(ZCBuscarReemplazarEditor* editor)
{
    m_widget->SetEditor(editor);
}

ZCAction* ZCBuscarReemplazarWidgetDlg::CreateAccion()
{
    auto* action = new ZCAction(ZCIcon(QStringLiteral(":/Resources/tg_reemplazar")), tr("Buscar / Reemplazar"), this);
    action->SetShortcut(QKeySequence::Find, Qt::WidgetWithChildrenShortcut, true);
    connect(action, &QAction::triggered, this, &ZCBuscarReemplazarWidgetDlg::onActivaFind);
    return action;
}

void ZCBuscarReemplazarWidgetDlg::CreateShortcuts(QWidget* widget)
{
    auto* find = new QShortcut(QKeySequence::Find, widget, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    auto* next = new QShortcut(QKeySequence(tr("F3")), widget, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    auto* previous = new QShortcut(QKeySequence(tr("Shift+F3")), widget, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, &ZCBuscarReemplazarWidgetDlg::onActivaFind);
    connect(next, &QShortcut::activated, m_widget, &ZCBuscarReemplazarWidget::onBuscarSiguiente);
    connect(previous, &QShortcut::activated, m_widget, &ZCBuscarReemplazarWidget::onBuscarAnterior);
}

void ZCBuscarReemplazarWidgetDlg::onActivaFind()
{
    show();
    raise();
    m_widget->ReIniciar();
    activateWindow();
    emit findActivado();
}
