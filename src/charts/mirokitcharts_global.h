// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokit_global.h"

#include <QtCharts/qchartglobal.h>

#if defined(MIROKIT_BUILDING_CHARTS)
#  define MIROKIT_CHARTS_EXPORT Q_DECL_EXPORT
#else
#  define MIROKIT_CHARTS_EXPORT Q_DECL_IMPORT
#endif

// Qt 5 keeps its chart classes in the namespace QtCharts, Qt 6 beside the rest of Qt. This
// library's headers, and hosts written against them, name them QtCharts::X under both: under
// Qt 6 the namespace lends those names to the top-level classes.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#  define MIROKIT_CHARTS_BEGIN_NAMESPACE QT_CHARTS_BEGIN_NAMESPACE
#  define MIROKIT_CHARTS_END_NAMESPACE QT_CHARTS_END_NAMESPACE
#else
#  define MIROKIT_CHARTS_BEGIN_NAMESPACE QT_BEGIN_NAMESPACE
#  define MIROKIT_CHARTS_END_NAMESPACE QT_END_NAMESPACE
#endif

MIROKIT_CHARTS_BEGIN_NAMESPACE
class QAbstractAxis;
class QAbstractBarSeries;
class QAbstractSeries;
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLegendMarker;
class QPieSlice;
MIROKIT_CHARTS_END_NAMESPACE

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
namespace QtCharts {
using QT_PREPEND_NAMESPACE(QAbstractAxis);
using QT_PREPEND_NAMESPACE(QAbstractBarSeries);
using QT_PREPEND_NAMESPACE(QAbstractSeries);
using QT_PREPEND_NAMESPACE(QBarCategoryAxis);
using QT_PREPEND_NAMESPACE(QBarSet);
using QT_PREPEND_NAMESPACE(QChart);
using QT_PREPEND_NAMESPACE(QChartView);
using QT_PREPEND_NAMESPACE(QLegendMarker);
using QT_PREPEND_NAMESPACE(QPieSlice);
}
#endif
