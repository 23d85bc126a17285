// SPDX-License-Identifier: GPL-3.0-or-later
#include "zcgeneradorserieschart.h"

#include "zcserieschart.h"

ZCGeneradorSeriesChart::ZCGeneradorSeriesChart(int tipoSerie)
    : m_tipoSerie(tipoSerie)
{
}

ZCGeneradorSeriesChart::ZCGeneradorSeriesChart(const ZCGeneradorSeriesChart& other)
    : m_tipoSerie(other.m_tipoSerie)
{
    *this = other;
}

ZCGeneradorSeriesChart& ZCGeneradorSeriesChart::operator=(const ZCGeneradorSeriesChart& other)
{
    if (this == &other)
        return *this;
    qDeleteAll(m_series);
    m_series.clear();
    copySeriesFrom(other);
    m_tipoSerie = other.m_tipoSerie;
    m_maxItems = other.m_maxItems;
    m_labelsVisible = other.m_labelsVisible;
    m_barLabelsPos = other.m_barLabelsPos;
    m_pieLabelsPos = other.m_pieLabelsPos;
    m_labelsFont = other.m_labelsFont;
    m_labelsColor = other.m_labelsColor;
    m_labelsAngle = other.m_labelsAngle;
    m_labelsPrefijo = other.m_labelsPrefijo;
    m_labelsSufijo = other.m_labelsSufijo;
    m_barWidth = other.m_barWidth;
    m_holeSize = other.m_holeSize;
    m_tipoCategoria = other.m_tipoCategoria;
    m_tipoOrdenacion = other.m_tipoOrdenacion;
    m_ordenAscendente = other.m_ordenAscendente;
    m_lastSeries = -1;
    return *this;
}

ZCGeneradorSeriesChart::~ZCGeneradorSeriesChart()
{
    qDeleteAll(m_series);
}

void ZCGeneradorSeriesChart::copySeriesFrom(const ZCGeneradorSeriesChart& other)
{
    m_series.reserve(other.m_series.size());
    for (const ZCSeriesChart* series : other.m_series)
        m_series.append(new ZCSeriesChart(*series));
}

ZCSeriesChart* ZCGeneradorSeriesChart::GetSeries(const QString& nombre) const
{
    if (m_lastSeries >= 0 && m_lastSeries < m_series.size() && m_series.at(m_lastSeries)->GetNombre() == nombre)
        return m_series.at(m_lastSeries);
    for (int i = 0; i < m_series.size(); ++i) {
        if (m_series.at(i)->GetNombre() == nombre) {
            m_lastSeries = i;
            return m_series.at(i);
        }
    }
    return nullptr;
}

ZCItemSeriesChart* ZCGeneradorSeriesChart::AddDato(const QVariant& categoria, const QString& textoCategoria,
                                                   double valor, const QString& nombreSerie,
                                                   const QString& descripcionSerie, const QColor& color,
                                                   void* data)
{
    ZCSeriesChart* series = GetSeries(nombreSerie);
    if (!series) {
        series = new ZCSeriesChart(nombreSerie, descripcionSerie);
        m_series.append(series);
        m_lastSeries = m_series.size() - 1;
    }
    return series->AddDato(categoria, textoCategoria, valor, color, data);
}

void ZCGeneradorSeriesChart::SetTipoOrdenacion(int tipo, bool ascendente)
{
    m_tipoOrdenacion = tipo;
    m_ordenAscendente = ascendente;
}

void ZCGeneradorSeriesChart::AplicaOrdenacion()
{
    if (m_tipoOrdenacion == OrdenCategoria)
        OrdenarPorCategoria(m_ordenAscendente);
    else if (m_tipoOrdenacion == OrdenValor)
        OrdenarPorValor(m_ordenAscendente);
}

void ZCGeneradorSeriesChart::OrdenarPorCategoria(bool ascendente)
{
    for (ZCSeriesChart* series : qAsConst(m_series))
        series->OrdenarPorCategoria(ascendente);
}

void ZCGeneradorSeriesChart::OrdenarPorValor(bool ascendente)
{
    for (ZCSeriesChart* series : qAsConst(m_series))
        series->OrdenarPorValor(ascendente);
}
