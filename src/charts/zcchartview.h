// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitcharts_global.h"
#include "zcitemserieschart.h"
#include "zcserieschart.h"

#include <QtCharts/QChartView>

class ZCChart;

/*!
    Shows a ZCChart and keeps what the last click selected: after every mouse release it reports
    the selected series and item, both null when the click hit nothing.
*/
class MIROKIT_CHARTS_EXPORT ZCChartView : public QtCharts::QChartView
{
    Q_OBJECT

public:
    explicit ZCChartView(ZCChart* chart, QWidget* parent = nullptr);
    ~ZCChartView() override;

    ZCSeriesChart* GetSeriesSeleccionada() const { return m_series; }
    ZCItemSeriesChart* GetItemSeleccionado() const { return m_item; }

signals:
    void seriesSelectionChanged(ZCSeriesChart* pSeries);
    void itemSelectionChanged(ZCItemSeriesChart* pItemSeries);

protected slots:
    void onItemClicked(ZCItemSeriesChart* item);
    void onSeriesClicked(ZCSeriesChart* series);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ZCSeriesChart* m_series = nullptr;
    ZCItemSeriesChart* m_item = nullptr;
};
