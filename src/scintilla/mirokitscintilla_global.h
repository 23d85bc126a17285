// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokit_global.h"

#if defined(MIROKIT_BUILDING_SCINTILLA)
#  define MIROKIT_SCINTILLA_EXPORT Q_DECL_EXPORT
#else
#  define MIROKIT_SCINTILLA_EXPORT Q_DECL_IMPORT
#endif
