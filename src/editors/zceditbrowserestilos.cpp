#include "zceditbrowserestilos.h"

#include "zceditorpopupestilos.h"
#include "zcflagnames_p.h"
#include "zcthemeicon_p.h"

ZCEditBrowserEstilos::ZCEditBrowserEstilos(QWidget* parent)
    : ZLineEditBrowser(parent, true)
{
    setReadOnly(true);
    SetIcono(themeIcon(QStringLiteral("edit")));
}

ZCEditBrowserEstilos::~ZCEditBrowserEstilos() = default;

void ZCEditBrowserEstilos::setEstilos(uint flags, const QStringList& names, uint visibleMask)
{
    if (!ZCFlagNames::fitInFlags(names))
        return;
    m_flags = flags;
    m_names = names;
    m_visibleMask = visibleMask;
    setText(getNombreEstilosActivos(flags, names));
}

uint ZCEditBrowserEstilos::getEstilos() const
{
    return m_flags;
}

QString ZCEditBrowserEstilos::getNombreEstilosActivos(uint flags, const QStringList& names) const
{
    QStringList active;
    for (int bit = 0; bit < names.size(); ++bit) {
        if (ZCFlagNames::isSet(flags, bit))
            active << names.at(bit);
    }
    return active.join(QStringLiteral(" & "));
}

// Shown again, the pop-up first takes the current flags: accepting it without buttons writes
// back what it shows.
void ZCEditBrowserEstilos::onPressBrowser()
{
    if (!m_popup) {
        m_popup = new ZCEditorPopupEstilos(this, m_flags, m_names, m_visibleMask);
        connect(m_popup, &ZCEditorPopupEstilos::estiloChanged, this, &ZCEditBrowserEstilos::onEstiloChanged);
    } else {
        m_popup->setEstilos(m_flags, m_names, m_visibleMask);
    }
    m_popup->show();
}

void ZCEditBrowserEstilos::onEstiloChanged(uint nEstilos)
{
    m_flags = nEstilos;
    setText(getNombreEstilosActivos(nEstilos, m_names));
    emit editingFinished();
}
