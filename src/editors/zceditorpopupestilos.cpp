#include "zceditorpopupestilos.h"

#include "zclistboxcheckestilos.h"

ZCEditorPopupEstilos::ZCEditorPopupEstilos(QWidget* parent, uint flags, QStringList names, uint visibleMask)
    : ZCEditorPopup(parent)
    , m_list(new ZCListBoxCheckEstilos(this))
{
    m_list->setEstilos(flags, names, visibleMask);
    setEditor(m_list);
}

ZCEditorPopupEstilos::~ZCEditorPopupEstilos() = default;

void ZCEditorPopupEstilos::setEstilos(uint flags, const QStringList& names, uint visibleMask)
{
    m_list->setEstilos(flags, names, visibleMask);
}

uint ZCEditorPopupEstilos::getEstilos() const
{
    return m_list->getEstilos();
}

void ZCEditorPopupEstilos::onAceptar()
{
    emit estiloChanged(getEstilos());
}
