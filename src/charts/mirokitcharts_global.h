// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokit_global.h"

#if defined(MIROKIT_BUILDING_CHARTS)
#  define MIROKIT_CHARTS_EXPORT Q_DECL_EXPORT
#else
#  define MIROKIT_CHARTS_EXPORT Q_DECL_IMPORT
#endif
