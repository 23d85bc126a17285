// "Gráficos": every series type drawn from one generated data set (monthly sales of three
// regions), with the interactive legend, tooltips and the selection the chart views report, and a
// line of 100,000 points drawn without the per-element properties.
// This page links the Charts component, which is under the GPL (see examples/gallery/CMakeLists.txt).
#include "gallerypage.h"

#include <Mirokit/ZCChart.h>
#include <Mirokit/ZCChartView.h>
#include <Mirokit/ZCGeneradorSeriesChart.h>

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>
#include <memory>
#include <vector>

namespace {

const char* const typeNames[] = {"Líneas", "Áreas", "Barras", "Barras apiladas", "Barras al 100 %",
                                 "Tartas", "Dispersión", "Curvas", "Barras horizontales",
                                 "Barras horizontales apiladas", "Barras horizontales al 100 %",
                                 "Cajas"};

// The same sales figures for every layer, so the chart types can be compared.
std::unique_ptr<ZCGeneradorSeriesChart> salesLayer(int tipo)
{
    auto generador = std::make_unique<ZCGeneradorSeriesChart>(tipo);
    const QStringList meses{QStringLiteral("Ene"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                            QStringLiteral("Abr"), QStringLiteral("May"), QStringLiteral("Jun")};
    const QStringList regiones{QStringLiteral("Norte"), QStringLiteral("Sur"), QStringLiteral("Este")};
    for (int r = 0; r < regiones.size(); ++r) {
        for (int m = 0; m < meses.size(); ++m) {
            const double ventas = std::round(40 + 25 * r + 18 * std::sin(m * 0.9 + r * 1.7) + 4 * m);
            generador->AddDato(meses.at(m), meses.at(m), ventas, regiones.at(r), regiones.at(r));
        }
    }
    if (tipo == QtCharts::QAbstractSeries::SeriesTypePie) {
        generador->SetMaxItems(4);
        generador->SetHoleSize(0.35);
    }
    return generador;
}

// A day of readings every second or so: a slow wave with a faster one and some noise over it.
std::unique_ptr<ZCGeneradorSeriesChart> readingsLayer(int points)
{
    auto generador = std::make_unique<ZCGeneradorSeriesChart>(QtCharts::QAbstractSeries::SeriesTypeLine);
    generador->SetTipoCategoria(ZCGeneradorSeriesChart::CategoriaNumero);
    quint32 noise = 12345;
    for (int i = 0; i < points; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double lectura = 50 + 30 * std::sin(i * 0.00008) + 8 * std::sin(i * 0.0011) + (noise >> 24) / 32.0;
        generador->AddDato(i, QString(), lectura, QStringLiteral("lecturas"), QStringLiteral("Lecturas"));
    }
    return generador;
}

class ChartsPage : public QWidget
{
public:
    ChartsPage()
    {
        auto* layout = new QVBoxLayout(this);
        auto* options = new QHBoxLayout;
        auto* legend = new QCheckBox(QStringLiteral("Leyenda interactiva"));
        auto* tooltips = new QCheckBox(QStringLiteral("Valores al pasar el ratón"));
        legend->setChecked(true);
        tooltips->setChecked(true);
        options->addWidget(legend);
        options->addWidget(tooltips);
        options->addStretch();
        options->addWidget(m_selection);
        layout->addLayout(options);

        auto* grid = new QGridLayout;
        auto* charts = new QWidget;
        charts->setLayout(grid);
        grid->addWidget(manyPointsChart(), 0, 0, 1, 2);
        for (int tipo = 0; tipo < int(std::size(typeNames)); ++tipo)
            grid->addWidget(chartOf(tipo), 1 + tipo / 2, tipo % 2);
        auto* scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(charts);
        layout->addWidget(scroll);

        connect(legend, &QCheckBox::toggled, this, [this](bool on) {
            for (ZCChart* chart : m_charts)
                chart->SetLeyendaInteractiva(on);
        });
        connect(tooltips, &QCheckBox::toggled, this, [this](bool on) {
            for (ZCChart* chart : m_charts)
                chart->SetTooltipsVisible(on);
        });
        showSelection(nullptr, nullptr);
    }

private:
    ZCChart* newChart(const QString& title)
    {
        auto* chart = new ZCChart;
        chart->setTitle(title);
        chart->SetLeyendaInteractiva(true);
        chart->SetTooltipsVisible(true);
        chart->SetChangeCursorOnHovered(true);
        m_charts.push_back(chart);
        return chart;
    }

    ZCChartView* newView(ZCChart* chart)
    {
        auto* view = new ZCChartView(chart);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(340, 280);
        connect(view, &ZCChartView::itemSelectionChanged, this, [this, view](ZCItemSeriesChart* item) {
            showSelection(view->GetSeriesSeleccionada(), item);
        });
        return view;
    }

    // Real data sizes: a host showing this many points leaves the per-element properties out,
    // and the chart still reports the point clicked.
    ZCChartView* manyPointsChart()
    {
        m_layers.push_back(readingsLayer(100000));
        ZCChart* chart = newChart(QStringLiteral("100.000 puntos"));
        chart->SetPropiedadesPorElemento(false);
        chart->RepresentaGeneradoresSeries({m_layers.back().get()});
        chart->legend()->setAlignment(Qt::AlignBottom);
        return newView(chart);
    }

    ZCChartView* chartOf(int tipo)
    {
        m_layers.push_back(salesLayer(tipo));
        ZCChart* chart = newChart(QString::fromUtf8(typeNames[tipo]));
        chart->RepresentaGeneradoresSeries({m_layers.back().get()});
        chart->legend()->setAlignment(Qt::AlignBottom);
        // Small charts: small print, so month names and regions fit.
        QFont small = chart->legend()->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        chart->legend()->setFont(small);
        for (QtCharts::QAbstractAxis* axis : chart->axes())
            axis->setLabelsFont(small);
        // Areas drawn over one another show through.
        for (QtCharts::QAbstractSeries* series : chart->series()) {
            if (series->type() == QtCharts::QAbstractSeries::SeriesTypeArea)
                series->setOpacity(0.55);
        }
        // Three pies of four months each would crowd the legend beyond reading.
        chart->legend()->setVisible(tipo != QtCharts::QAbstractSeries::SeriesTypePie);
        return newView(chart);
    }

    void showSelection(const ZCSeriesChart* series, const ZCItemSeriesChart* item)
    {
        if (item)
            m_selection->setText(QStringLiteral("Selección: %1, %2: %L3").arg(item->GetSeries()->GetDescripcion(),
                                                                             item->GetTextoCategoria())
                                     .arg(item->GetValor()));
        else if (series)
            m_selection->setText(QStringLiteral("Selección: %1").arg(series->GetDescripcion()));
        else
            m_selection->setText(QStringLiteral("Pulse una barra, un punto, un sector o la leyenda"));
    }

    // The charts keep pointers into these layers. The layers go before the chart views (which the
    // QWidget base deletes later), and a chart being destroyed reads none of them.
    std::vector<std::unique_ptr<ZCGeneradorSeriesChart>> m_layers;
    std::vector<ZCChart*> m_charts;
    QLabel* m_selection = new QLabel;
};

QWidget* createChartsPage()
{
    return new ChartsPage;
}

} // namespace

MIROKIT_GALLERY_PAGE(75, "Gráficos", createChartsPage);
