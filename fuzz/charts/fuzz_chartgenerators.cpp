// SPDX-License-Identifier: GPL-3.0-or-later
// The caller's data as it may come: generators of any type code (unknown ones included) filled
// with text, numeric, date-time and empty categories, non-finite and negative values, limits
// and orderings, drawn, fitted, toggled from the legend and clicked, then drawn again.
#include "fuzzapplication.h"
#include "fuzzinput.h"

#include <Mirokit/ZCChart.h>
#include <Mirokit/ZCGeneradorSeriesChart.h>

#include <QApplication>
#include <QDateTime>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QXYSeries>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace {

using Input = FuzzInput;

QVariant categoryFrom(Input& in)
{
    switch (in.next(5)) {
    case 0: return QString(QChar(u'A' + in.next(6)));
    case 1: return in.next(8) - 2;
    case 2: return QDateTime::fromMSecsSinceEpoch(qint64(in.next(4)) * 86400000);
    case 3: return QVariant();
    default: return in.next(3) * 0.5;
    }
}

double valueFrom(Input& in)
{
    switch (in.next(8)) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return -std::numeric_limits<double>::infinity();
    case 2: return 0;
    default: return in.next(41) - 10;
    }
}

void fill(ZCGeneradorSeriesChart& generador, Input& in)
{
    generador.SetTipoCategoria(in.next(4));
    generador.SetMaxItems(in.next(4));
    generador.SetTipoOrdenacion(in.next(4), in.next(2));
    generador.SetLabelsVisible(in.next(2));
    generador.SetPieLabelsPos(QtCharts::QPieSlice::LabelPosition(in.next(4)));
    generador.SetHoleSize(in.next(3) * 0.4);
    const int data = in.next(12);
    for (int i = 0; i < data; ++i) {
        const QVariant categoria = categoryFrom(in);
        const QString series = QString::number(in.next(3));
        generador.AddDato(categoria, categoria.toString(), valueFrom(in), series, series);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApplication();

    Input in(data, size);
    std::vector<std::unique_ptr<ZCGeneradorSeriesChart>> generadores;
    QList<ZCGeneradorSeriesChart*> list;
    const int layers = 1 + in.next(3);
    for (int i = 0; i < layers; ++i) {
        generadores.emplace_back(new ZCGeneradorSeriesChart(in.next(14) - 1));
        fill(*generadores.back(), in);
        generadores.back()->AplicaOrdenacion();
        list.append(in.next(6) == 0 ? nullptr : generadores.back().get());
    }

    ZCChart chart;
    chart.resize(400, 300);
    chart.SetLeyendaInteractiva(true);
    chart.RepresentaGeneradoresSeries(list);
    chart.AjustaEjeValor();
    const QList<QtCharts::QLegendMarker*> markers = chart.legend()->markers();
    while (!in.atEnd() && !markers.isEmpty()) {
        QtCharts::QLegendMarker* marker = markers.at(in.next(int(markers.size())));
        emit marker->clicked();
        if (auto* points = qobject_cast<QtCharts::QXYSeries*>(marker->series()))
            emit points->clicked(QPointF(in.next(5), in.next(5)));
    }
    chart.RepresentaGeneradoresSeries(list);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
