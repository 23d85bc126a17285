// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirokitcharts_global.h"
#include "zcitemserieschart.h"
#include "zcserieschart.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QtCharts/QChart>

#include <memory>

class ZCChartItemTable;
class ZCGeneradorSeriesChart;

/*!
    A chart drawn from caller-filled series generators. RepresentaGeneradoresSeries rebuilds the
    Qt series, axes and legend from the generators: lines, areas, scatter and spline plots, bars
    (plain, stacked, percent, vertical or horizontal), pies and box plots, with a category order
    shared by the layers, tooltips and an interactive legend.

    Every Qt series, bar set, box set and pie slice made here carries the dynamic property
    "seriesChart" (the ZCSeriesChart*, as a void* variant) and, while SetPropiedadesPorElemento
    is on (the default), a property per element for the host to read: slices carry
    "itemSeriesChart", bar sets "itemSeriesChart<bar index>" and point series
    "itemSeriesChart<x>,<y>" (the item). Qt finds dynamic properties by a linear search, so a
    series of n points costs n² to tag: a chart of many points should turn them off.

    The chart itself does not read those properties: it keeps a table from every Qt object it
    made to the series and items behind it, through which GetItemSeries and the click signals
    find the item in constant time, and translate a click into itemClicked or, when no item is
    found, seriesClicked.

    While value-axis fitting is on (the default), every value axis of a rebuild and the one that
    AjustaEjeValor fits get ticks at 1, 2 or 5 times a power of ten. Axis labels follow the
    chart's locale, which is the application's unless the host sets another.

    The generators stay the caller's and must outlive the representation made from them.
*/
class MIROKIT_CHARTS_EXPORT ZCChart : public QtCharts::QChart
{
    Q_OBJECT

public:
    explicit ZCChart(QGraphicsItem* parent = nullptr);
    ~ZCChart() override;

    void RepresentaGeneradoresSeries(const QList<ZCGeneradorSeriesChart*>& generadores);

    // A new Qt series of the type code (QAbstractSeries::SeriesType), recorded; null outside 0..11.
    QtCharts::QAbstractSeries* CreaSeries(int tipo);
    // The recorded axis of that type (QAbstractAxis::AxisType) and orientation, made when missing.
    QtCharts::QAbstractAxis* AseguraEje(int tipo, Qt::Orientation orientation);
    QtCharts::QAbstractAxis* CreaEje(int tipo, Qt::Orientation orientation);
    virtual void AddEjes();
    void AddAllSeries();
    void DestruyeAllSeries();
    void DestruyeEjes();

    void AjustaEjeValor();
    void AplicaTemaPorDefecto();
    // Dims or lights a legend entry; with aplicarASerie what the entry stands for follows.
    void EncenderMarker(QtCharts::QLegendMarker* marker, bool encender, bool aplicarASerie = true);
    void SetSeriesVisible(QtCharts::QAbstractSeries* series, bool visible);

    bool GetLeyendaInteractiva() const { return m_leyendaInteractiva; }
    void SetLeyendaInteractiva(bool interactiva);
    bool GetAjustarEjeValor() const { return m_ajustarEjeValor; }
    void SetAjustarEjeValor(bool ajustar) { m_ajustarEjeValor = ajustar; }
    bool GetChangeCursorOnHovered() const { return m_changeCursorOnHovered; }
    void SetChangeCursorOnHovered(bool change) { m_changeCursorOnHovered = change; }
    bool GetTooltipsVisible() const { return m_tooltipsVisible; }
    void SetTooltipsVisible(bool visible) { m_tooltipsVisible = visible; }
    // Whether the next rebuild tags points, bars and slices with their item (see above).
    bool GetPropiedadesPorElemento() const { return m_propiedadesPorElemento; }
    void SetPropiedadesPorElemento(bool propiedades) { m_propiedadesPorElemento = propiedades; }

signals:
    void itemClicked(ZCItemSeriesChart* pItemSeriesChart);
    void seriesClicked(ZCSeriesChart* pSeriesChart);
    void itemDoubleClicked(ZCItemSeriesChart* pItemSeriesChart);
    void seriesDoubleClicked(ZCSeriesChart* pSeriesChart);

public slots:
    void onSliceClicked(QtCharts::QPieSlice* slice);
    void onBarSetClicked(int index, QtCharts::QBarSet* set);
    void onXYClicked(const QPointF& point);
    void onSliceDoubleClicked(QtCharts::QPieSlice* slice);
    void onBarSetDoubleClicked(int index, QtCharts::QBarSet* set);
    void onXYDoubleClicked(const QPointF& point);
    void onSliceHovered(QtCharts::QPieSlice* slice, bool state);
    void onBarSetHovered(bool state, int index, QtCharts::QBarSet* set);
    void onXYHovered(const QPointF& point, bool state);
    void onLegendMarkerClicked();

protected:
    ZCSeriesChart* GetSeries(QtCharts::QAbstractSeries* series) const;
    // The item behind a point of a point or area series: the point itself, or the nearest point
    // within a marker's reach of a position on the line.
    ZCItemSeriesChart* GetItemSeries(QtCharts::QAbstractSeries* series, const QPointF& point,
                                     ZCSeriesChart** pSeries = nullptr) const;
    ZCItemSeriesChart* GetItemSeries(QtCharts::QBarSet* set, int index, ZCSeriesChart** pSeries = nullptr) const;
    ZCItemSeriesChart* GetItemSeries(QtCharts::QPieSlice* slice, ZCSeriesChart** pSeries = nullptr) const;

private:
    struct Rebuild;

    void representaCategoriasComunes(const QList<ZCGeneradorSeriesChart*>& generadores);
    void representaPuntos(const ZCGeneradorSeriesChart& generador);
    void representaBarrasPorSerie(const ZCGeneradorSeriesChart& generador);
    void representaBarrasPorCategoria(const ZCGeneradorSeriesChart& generador);
    void representaTartas(const ZCGeneradorSeriesChart& generador);
    void representaCajas(const ZCGeneradorSeriesChart& generador);
    QtCharts::QAbstractBarSeries* creaSerieBarras(const ZCGeneradorSeriesChart& generador);
    QtCharts::QBarCategoryAxis* ejeCategorias(int tipoSerie);
    void tagSeries(QObject* object, ZCSeriesChart* model);
    void tagItem(QObject* object, int index, ZCItemSeriesChart* item);
    void connectLegendMarkers();
    Qt::Orientation recordedOrientation(const QtCharts::QAbstractAxis* axis) const;
    void addDefaultAxes(Qt::Orientation orientation);
    void emitClick(ZCItemSeriesChart* item, ZCSeriesChart* series, bool doble);
    void switchBars(QtCharts::QBarSet* set, QtCharts::QAbstractBarSeries* bars, bool on);
    QPointF nearestPoint(QtCharts::QAbstractSeries* series, const QPointF& position, bool* found) const;

    QList<QtCharts::QAbstractSeries*> m_series;
    QList<QPair<QtCharts::QAbstractAxis*, Qt::Orientation>> m_ejes;
    QHash<QtCharts::QAbstractSeries*, QtCharts::QAbstractAxis*> m_ejeSerie;
    bool m_leyendaInteractiva = false;
    bool m_ajustarEjeValor = true;
    bool m_changeCursorOnHovered = false;
    bool m_tooltipsVisible = false;
    bool m_propiedadesPorElemento = true;
    std::unique_ptr<ZCChartItemTable> m_items;
    // Bookkeeping of the rebuild in progress (categories per axis, X ranges), null between rebuilds.
    std::unique_ptr<Rebuild> m_rebuild;
};
