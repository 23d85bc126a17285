#pragma once

#include "zceditorpopup.h"

class ZCListBoxCheckEstilos;

/*!
    A pop-up editor of style flags: one check item per flag name.
*/
class MIROKIT_EXPORT ZCEditorPopupEstilos : public ZCEditorPopup
{
    Q_OBJECT

public:
    //! flags: the bits checked; names: one per bit; visibleMask: the bits whose item is shown.
    ZCEditorPopupEstilos(QWidget* parent, uint flags, QStringList names, uint visibleMask);
    ~ZCEditorPopupEstilos() override;

    // Shows these flags instead of the ones the pop-up holds.
    void setEstilos(uint flags, const QStringList& names, uint visibleMask);
    uint getEstilos() const;

signals:
    void estiloChanged(uint nEstilos);

protected:
    void onAceptar() override;

private:
    ZCListBoxCheckEstilos* m_list;
};
