#pragma once

#include <Mirokit/ZLineEditBrowser.h>

#include <QStringList>

/*!
    A city field: the user types it, or picks one of the known cities from the list that the
    pick button (or F4) drops under the field.
*/
class CiudadBrowser : public ZLineEditBrowser
{
    Q_OBJECT

public:
    CiudadBrowser(const QStringList& ciudades, QWidget* parent = nullptr);

protected:
    void onPressBrowser() override;

private:
    QStringList m_ciudades;
};
