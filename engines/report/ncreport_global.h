#pragma once

#include <QtCore/qglobal.h>

#if defined(NCREPORT_BUILDING_LIBRARY)
#  define NCREPORT_EXPORT Q_DECL_EXPORT
#else
#  define NCREPORT_EXPORT Q_DECL_IMPORT
#endif
