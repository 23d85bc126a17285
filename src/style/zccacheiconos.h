#pragma once

#include "mirokit_global.h"
#include "zcgestortemasestilo.h"

#include <QIcon>
#include <QMap>
#include <QPair>
#include <QString>

/*!
    The icons one theme has handed out, by icon name and state (ordered by name, then state).
    The theme manager keeps one per theme so that switching back to a theme reuses its icons.
*/
class MIROKIT_EXPORT ZCCacheIconos
{
public:
    using Key = QPair<QString, ZCGestorTemasEstilo::EEstadoIcono>;

    ZCCacheIconos();
    virtual ~ZCCacheIconos();

    bool Contains(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state) const;
    QIcon GetIcon(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state) const;
    void SetIcon(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state, const QIcon& icon);
    int Count() const;

private:
    QMap<Key, QIcon> m_iconos;
};
