// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitcharts_global.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QVariant>
#include <QtCharts/QAbstractBarSeries>
#include <QtCharts/QPieSlice>

class ZCItemSeriesChart;
class ZCSeriesChart;

/*!
    One layer of a chart: a Qt series type (the numbering of QAbstractSeries::SeriesType, 0 line
    to 11 box plot), the named series the caller fills with AddDato, and how the layer is drawn:
    labels, bar width, pie hole, the kind of its categories and their order.

    The generator owns its series; a copy copies them with their items.
*/
class MIROKIT_CHARTS_EXPORT ZCGeneradorSeriesChart
{
public:
    // Category kinds: text on a bar-category axis, numbers on a value axis, date-times on a
    // date-time axis.
    enum { CategoriaTexto = 0, CategoriaNumero = 1, CategoriaFecha = 2 };
    // Orderings applied by AplicaOrdenacion.
    enum { SinOrden = 0, OrdenCategoria = 1, OrdenValor = 2 };

    explicit ZCGeneradorSeriesChart(int tipoSerie);
    ZCGeneradorSeriesChart(const ZCGeneradorSeriesChart& other);
    ZCGeneradorSeriesChart& operator=(const ZCGeneradorSeriesChart& other);
    virtual ~ZCGeneradorSeriesChart();

    int GetTipoSerie() const { return m_tipoSerie; }

    const QList<ZCSeriesChart*>& GetSeries() const { return m_series; }
    ZCSeriesChart* GetSeries(const QString& nombre) const;

    // Adds the datum to the series of that name, appended with the description when missing.
    ZCItemSeriesChart* AddDato(const QVariant& categoria, const QString& textoCategoria, double valor,
                               const QString& nombreSerie, const QString& descripcionSerie,
                               const QColor& color = QColor(), void* data = nullptr);

    void AplicaOrdenacion();
    void OrdenarPorCategoria(bool ascendente);
    void OrdenarPorValor(bool ascendente);

    int GetMaxItems() const { return m_maxItems; }
    void SetMaxItems(int maxItems) { m_maxItems = maxItems; }

    bool IsLabelsVisible() const { return m_labelsVisible; }
    void SetLabelsVisible(bool visible) { m_labelsVisible = visible; }
    QtCharts::QAbstractBarSeries::LabelsPosition GetBarLabelsPos() const { return m_barLabelsPos; }
    void SetBarLabelsPos(QtCharts::QAbstractBarSeries::LabelsPosition pos) { m_barLabelsPos = pos; }
    QtCharts::QPieSlice::LabelPosition GetPieLabelsPos() const { return m_pieLabelsPos; }
    void SetPieLabelsPos(QtCharts::QPieSlice::LabelPosition pos) { m_pieLabelsPos = pos; }
    const QFont& GetLabelsFont() const { return m_labelsFont; }
    void SetLabelsFont(const QFont& font) { m_labelsFont = font; }
    const QColor& GetLabelsColor() const { return m_labelsColor; }
    void SetLabelsColor(const QColor& color) { m_labelsColor = color; }
    double GetLabelsAngle() const { return m_labelsAngle; }
    void SetLabelsAngle(double angle) { m_labelsAngle = angle; }
    const QString& GetLabelsPrefijo() const { return m_labelsPrefijo; }
    void SetLabelsPrefijo(const QString& prefijo) { m_labelsPrefijo = prefijo; }
    const QString& GetLabelsSufijo() const { return m_labelsSufijo; }
    void SetLabelsSufijo(const QString& sufijo) { m_labelsSufijo = sufijo; }

    double GetBarWidth() const { return m_barWidth; }
    void SetBarWidth(double width) { m_barWidth = width; }
    double GetHoleSize() const { return m_holeSize; }
    void SetHoleSize(double size) { m_holeSize = size; }

    int GetTipoCategoria() const { return m_tipoCategoria; }
    void SetTipoCategoria(int tipo) { m_tipoCategoria = tipo; }

    int GetTipoOrdenacion() const { return m_tipoOrdenacion; }
    bool EsOrdenAscendiente() const { return m_ordenAscendente; }
    void SetTipoOrdenacion(int tipo, bool ascendente = true);

private:
    void copySeriesFrom(const ZCGeneradorSeriesChart& other);

    int m_tipoSerie;
    QList<ZCSeriesChart*> m_series;
    int m_maxItems = 0;
    bool m_labelsVisible = false;
    QtCharts::QAbstractBarSeries::LabelsPosition m_barLabelsPos = QtCharts::QAbstractBarSeries::LabelsCenter;
    QtCharts::QPieSlice::LabelPosition m_pieLabelsPos = QtCharts::QPieSlice::LabelOutside;
    QFont m_labelsFont;
    QColor m_labelsColor;
    double m_labelsAngle = 0;
    QString m_labelsPrefijo;
    QString m_labelsSufijo;
    double m_barWidth = 0;
    double m_holeSize = 0;
    int m_tipoCategoria = CategoriaTexto;
    int m_tipoOrdenacion = SinOrden;
    bool m_ordenAscendente = true;
    // The series AddDato used last: data usually comes series by series.
    mutable int m_lastSeries = -1;
};
