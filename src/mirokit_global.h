#pragma once

#include <QtCore/qglobal.h>

#if defined(MIROKIT_BUILDING_LIBRARY)
#  define MIROKIT_EXPORT Q_DECL_EXPORT
#else
#  define MIROKIT_EXPORT Q_DECL_IMPORT
#endif
