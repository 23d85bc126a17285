#pragma once

#include <QtCore/qglobal.h>

#if defined(QTITAN_BUILDING_GRID)
#  define QTITAN_GRID_EXPORT Q_DECL_EXPORT
#else
#  define QTITAN_GRID_EXPORT Q_DECL_IMPORT
#endif
