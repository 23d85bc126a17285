#pragma once

#include "zlineeditbrowser.h"

class ZCEditorPopupEstilos;

/*!
    A browser of style flags: the line edit shows the names of the flags set, joined by " & ",
    and the pick button opens a check list of all of them.
*/
class MIROKIT_EXPORT ZCEditBrowserEstilos : public ZLineEditBrowser
{
    Q_OBJECT

public:
    explicit ZCEditBrowserEstilos(QWidget* parent = nullptr);
    ~ZCEditBrowserEstilos() override;

    // More than 32 names are refused with a warning.
    void setEstilos(uint flags, const QStringList& names, uint visibleMask);
    uint getEstilos() const;
    QString getNombreEstilosActivos(uint flags, const QStringList& names) const;

protected:
    void onPressBrowser() override;

protected slots:
    void onEstiloChanged(uint nEstilos);

private:
    ZCEditorPopupEstilos* m_popup = nullptr;
    uint m_flags = 0;
    QStringList m_names;
    uint m_visibleMask = 0;
};
