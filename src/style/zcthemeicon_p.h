#pragma once

#include "zcgestortemasestilo.h"

// What the library's own controls show on their buttons: the icon of that name, in its normal
// state, from the theme in force (the library's default theme while the host has chosen none).
inline QIcon themeIcon(const QString& name)
{
    return GetGestorTemasEstilo()->FromTheme(name, ZCGestorTemasEstilo::EstadoNormal);
}
