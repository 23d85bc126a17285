// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitcharts_global.h"

#include <QColor>
#include <QString>
#include <QVariant>

class ZCSeriesChart;

/*!
    One data point of a chart series: a category (text, number or date-time), the label shown for
    it, a value, an optional colour (invalid means automatic) and a pointer of the caller's that
    the chart hands back on clicks (not owned).

    Items are values; a copy keeps the owning series of the original.
*/
class MIROKIT_CHARTS_EXPORT ZCItemSeriesChart
{
public:
    explicit ZCItemSeriesChart(ZCSeriesChart* series = nullptr);
    ZCItemSeriesChart(const ZCItemSeriesChart&) = default;
    ZCItemSeriesChart& operator=(const ZCItemSeriesChart&) = default;
    virtual ~ZCItemSeriesChart();

    ZCSeriesChart* GetSeries() const { return m_series; }

    const QVariant& GetCategoria() const { return m_categoria; }
    // A text category stays the key by which its series merges repeated categories.
    void SetCategoria(const QVariant& categoria);

    const QString& GetTextoCategoria() const { return m_textoCategoria; }
    void SetTextoCategoria(const QString& texto) { m_textoCategoria = texto; }

    double GetValor() const { return m_valor; }
    // Also corrects the series total by the difference and widens its minimum and maximum.
    void SetValor(double valor);

    const QColor& GetColor() const { return m_color; }
    void SetColor(const QColor& color) { m_color = color; }

    void* GetData() const { return m_data; }
    void SetData(void* data) { m_data = data; }

private:
    friend class ZCSeriesChart;

    ZCSeriesChart* m_series;
    QVariant m_categoria;
    QString m_textoCategoria;
    double m_valor = 0;
    QColor m_color;
    void* m_data = nullptr;
};

// Signals carry items; QVariant holds them for hosts and scripts.
Q_DECLARE_METATYPE(ZCItemSeriesChart*)
