// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirokittest.h"

#include <Mirokit/ZCChart.h>
#include <Mirokit/ZCChartView.h>
#include <Mirokit/ZCGeneradorSeriesChart.h>

#include <QtCharts>

#include <memory>

using namespace QtCharts;

namespace {

// Generators filled from one data set, a chart drawn from them and a view showing it.
struct Fixture {
    std::vector<std::unique_ptr<ZCGeneradorSeriesChart>> generadores;
    ZCChart* chart = new ZCChart;
    ZCChartView view{chart};

    Fixture() { view.resize(640, 480); }

    // Series "a" (1, 2, 3) and, when wanted, "b" (4, 5, 6) over the categories Ene, Feb, Mar.
    ZCGeneradorSeriesChart& add(int tipo, bool twoSeries = true)
    {
        generadores.emplace_back(new ZCGeneradorSeriesChart(tipo));
        ZCGeneradorSeriesChart& generador = *generadores.back();
        const QStringList meses{QStringLiteral("Ene"), QStringLiteral("Feb"), QStringLiteral("Mar")};
        for (int i = 0; i < meses.size(); ++i) {
            generador.AddDato(meses.at(i), meses.at(i), i + 1, QStringLiteral("a"), QStringLiteral("Serie A"));
            if (twoSeries)
                generador.AddDato(meses.at(i), meses.at(i), i + 4, QStringLiteral("b"), QStringLiteral("Serie B"));
        }
        return generador;
    }

    void draw()
    {
        QList<ZCGeneradorSeriesChart*> list;
        for (const auto& generador : generadores)
            list.append(generador.get());
        chart->RepresentaGeneradoresSeries(list);
    }

    void layOut()
    {
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
    }

    QStringList categories(Qt::Orientation orientation) const
    {
        for (QAbstractAxis* axis : chart->axes(orientation)) {
            if (auto* bars = qobject_cast<QBarCategoryAxis*>(axis))
                return bars->categories();
        }
        return {};
    }

    ZCSeriesChart* series(int generador, const char* nombre) const
    {
        return generadores.at(size_t(generador))->GetSeries(QLatin1String(nombre));
    }

    ZCItemSeriesChart* item(int generador, const char* nombre, int index) const
    {
        return series(generador, nombre)->GetItems().at(index);
    }
};

QString joined(const QList<qreal>& values)
{
    QStringList texts;
    for (qreal value : values)
        texts << QString::number(value);
    return texts.join(QLatin1Char(' '));
}

// What each Qt series holds, one entry per point series, bar set, pie or box set.
QStringList valuesOf(const QList<QAbstractSeries*>& seriesList)
{
    QStringList result;
    for (QAbstractSeries* series : seriesList) {
        QXYSeries* points = qobject_cast<QXYSeries*>(series);
        if (auto* area = qobject_cast<QAreaSeries*>(series))
            points = area->upperSeries();
        if (points) {
            QList<qreal> ys;
            for (const QPointF& point : points->points())
                ys << point.y();
            result << joined(ys);
        } else if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                QList<qreal> values;
                for (int i = 0; i < set->count(); ++i)
                    values << set->at(i);
                result << joined(values);
            }
        } else if (auto* pie = qobject_cast<QPieSeries*>(series)) {
            QList<qreal> values;
            for (QPieSlice* slice : pie->slices())
                values << slice->value();
            result << joined(values);
        } else if (auto* boxes = qobject_cast<QBoxPlotSeries*>(series)) {
            for (QBoxSet* set : boxes->boxSets())
                result << joined({set->at(0), set->at(1), set->at(2), set->at(3), set->at(4)});
        }
    }
    return result;
}

} // namespace

class tst_ZCChart : public QObject
{
    Q_OBJECT

private slots:
    void representsEachSeriesType_data();
    void representsEachSeriesType();
    void stackedLayerOfOneSeriesHasOneSetPerCategory();
    void layersShareOneCategoryOrder();
    void piesStandSideBySide();
    void numericAndDateTimeAxesSpanEverySeries();
    void defaultAxesCoverEveryOrientation_data();
    void defaultAxesCoverEveryOrientation();
    void fitsTheValueAxisToWhatIsShown();
    void valueAxesTickAtNiceNumbersInTheApplicationsLocale_data();
    void valueAxesTickAtNiceNumbersInTheApplicationsLocale();
    void legendTogglesWhatItStandsFor_data();
    void legendTogglesWhatItStandsFor();
    void clicksReachTheModel_data();
    void clicksReachTheModel();
    void elementPropertiesFollowTheSwitch_data();
    void elementPropertiesFollowTheSwitch();
    void viewReportsTheSelection();
    void rebuildInsideAClickHandler();
    void hostileDataDrawsNothingHarmful();
};

void tst_ZCChart::representsEachSeriesType_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("qtSeries");
    QTest::addColumn<int>("categoryOrientation");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QStringList>("values");

    const QStringList meses{"Ene", "Feb", "Mar"};
    const QStringList perSeries{"1 2 3", "4 5 6"};
    QTest::newRow("lines: one line per series") << 0 << 2 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("areas: one area per series") << 1 << 2 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("bars: one set per series") << 2 << 1 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("stacked bars of two series: one set per series") << 3 << 1 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("percent bars of two series: one set per series") << 4 << 1 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("pies: one pie per series") << 5 << 2 << 0 << QStringList() << perSeries;
    QTest::newRow("scatter: one plot per series") << 6 << 2 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("splines: one spline per series") << 7 << 2 << int(Qt::Horizontal) << meses << perSeries;
    QTest::newRow("horizontal bars: categories run down") << 8 << 1 << int(Qt::Vertical) << meses << perSeries;
    QTest::newRow("horizontal stacked bars") << 9 << 1 << int(Qt::Vertical) << meses << perSeries;
    QTest::newRow("horizontal percent bars") << 10 << 1 << int(Qt::Vertical) << meses << perSeries;
    QTest::newRow("box plot: one box per series, extremes and quartiles")
        << 11 << 1 << int(Qt::Horizontal) << QStringList{"Serie A", "Serie B"}
        << QStringList{"1 1.5 2 2.5 3", "4 4.5 5 5.5 6"};
}

void tst_ZCChart::representsEachSeriesType()
{
    QFETCH(int, tipo);
    QFETCH(int, categoryOrientation);

    Fixture f;
    f.add(tipo);
    f.draw();
    QTEST(int(f.chart->series().size()), "qtSeries");
    for (QAbstractSeries* series : f.chart->series())
        QCOMPARE(int(series->type()), tipo);
    if (categoryOrientation)
        QTEST(f.categories(Qt::Orientation(categoryOrientation)), "categories");
    QTEST(valuesOf(f.chart->series()), "values");

    // A second rebuild replaces everything of the first.
    f.draw();
    QTEST(int(f.chart->series().size()), "qtSeries");
    if (categoryOrientation)
        QCOMPARE(f.chart->axes(Qt::Orientation(categoryOrientation)).size(), 1);
}

void tst_ZCChart::stackedLayerOfOneSeriesHasOneSetPerCategory()
{
    Fixture f;
    f.add(QAbstractSeries::SeriesTypeStackedBar, false).GetSeries().first()->GetItems().at(0)->SetColor(Qt::red);
    f.draw();
    QCOMPARE(f.chart->series().size(), 1);
    auto* bars = static_cast<QAbstractBarSeries*>(f.chart->series().first());
    QCOMPARE(bars->count(), 3);
    QCOMPARE(bars->barSets().first()->label(), QStringLiteral("Ene"));
    QCOMPARE(bars->barSets().first()->color(), QColor(Qt::red));
    QCOMPARE(f.chart->legend()->markers().size(), 3);
    QCOMPARE(f.categories(Qt::Horizontal), QStringList{QStringLiteral("Serie A")});
    QCOMPARE(valuesOf(f.chart->series()), (QStringList{"1", "2", "3"}));
}

void tst_ZCChart::layersShareOneCategoryOrder()
{
    Fixture f;
    // Summed over both layers: Ene 1+4+10, Feb 2+5, Mar 3+6+1, Abr 7 (only in the second).
    ZCGeneradorSeriesChart& bars = f.add(QAbstractSeries::SeriesTypeBar);
    bars.SetTipoOrdenacion(ZCGeneradorSeriesChart::OrdenValor, false);
    ZCGeneradorSeriesChart& line = *f.generadores.emplace_back(new ZCGeneradorSeriesChart(0));
    line.SetTipoOrdenacion(ZCGeneradorSeriesChart::OrdenValor, false);
    line.AddDato(QStringLiteral("Mar"), QStringLiteral("Mar"), 1, QStringLiteral("c"), QStringLiteral("C"));
    line.AddDato(QStringLiteral("Abr"), QStringLiteral("Abr"), 7, QStringLiteral("c"), QStringLiteral("C"));
    line.AddDato(QStringLiteral("Ene"), QStringLiteral("Ene"), 10, QStringLiteral("c"), QStringLiteral("C"));
    f.draw();

    // Feb and Abr tie: the first to appear comes first.
    QCOMPARE(f.categories(Qt::Horizontal), (QStringList{"Ene", "Mar", "Feb", "Abr"}));
    QCOMPARE(f.chart->axes(Qt::Horizontal).size(), 1);
    // Each layer's values sit under their categories: bars padded to the shared order.
    QCOMPARE(valuesOf(f.chart->series()), (QStringList{"1 3 2", "4 6 5", "1 7 10"}));
    auto* points = static_cast<QXYSeries*>(f.chart->series().last());
    QCOMPARE(points->at(1), QPointF(3, 7));   // Abr is the fourth category

    // A limit on the items keeps the leading categories only.
    bars.SetMaxItems(2);
    line.SetMaxItems(2);
    f.draw();
    QCOMPARE(f.categories(Qt::Horizontal), (QStringList{"Ene", "Mar"}));
}

void tst_ZCChart::piesStandSideBySide()
{
    Fixture f;
    ZCGeneradorSeriesChart& pies = f.add(QAbstractSeries::SeriesTypePie);
    pies.SetHoleSize(0.5);
    f.draw();
    const QList<QAbstractSeries*> all = f.chart->series();
    QCOMPARE(all.size(), 2);
    for (int i = 0; i < 2; ++i) {
        auto* pie = static_cast<QPieSeries*>(all.at(i));
        QCOMPARE(pie->pieSize(), 0.35);
        QCOMPARE(pie->horizontalPosition(), i == 0 ? 0.25 : 0.75);
        QCOMPARE(pie->holeSize(), 0.175);
    }
}

void tst_ZCChart::numericAndDateTimeAxesSpanEverySeries()
{
    Fixture f;
    auto& dates = *f.generadores.emplace_back(new ZCGeneradorSeriesChart(QAbstractSeries::SeriesTypeLine));
    dates.SetTipoCategoria(ZCGeneradorSeriesChart::CategoriaFecha);
    const QDateTime first(QDate(2024, 1, 1), QTime(0, 0));
    // The first series placed spans more than the last one.
    dates.AddDato(first, QString(), 1, QStringLiteral("a"), QString());
    dates.AddDato(first.addDays(30), QString(), 2, QStringLiteral("a"), QString());
    dates.AddDato(first.addDays(10), QString(), 3, QStringLiteral("b"), QString());
    f.draw();
    auto* axis = qobject_cast<QDateTimeAxis*>(f.chart->axes(Qt::Horizontal).value(0));
    QVERIFY(axis);
    QCOMPARE(axis->min(), first);
    QCOMPARE(axis->max(), first.addDays(30));

    // The value axis across them covers every series too.
    Fixture lines;
    lines.add(QAbstractSeries::SeriesTypeLine);
    lines.draw();
    auto* across = qobject_cast<QValueAxis*>(lines.chart->axes(Qt::Vertical).value(0));
    QVERIFY(across);
    QVERIFY(across->min() <= 1 && across->max() >= 6);

    // A single number still gives an axis with room around it.
    Fixture g;
    auto& numbers = *g.generadores.emplace_back(new ZCGeneradorSeriesChart(QAbstractSeries::SeriesTypeScatter));
    numbers.SetTipoCategoria(ZCGeneradorSeriesChart::CategoriaNumero);
    numbers.AddDato(5, QString(), 1, QStringLiteral("a"), QString());
    g.draw();
    auto* values = qobject_cast<QValueAxis*>(g.chart->axes(Qt::Horizontal).value(0));
    QVERIFY(values);
    QVERIFY(values->min() < 5 && values->max() > 5);
}

namespace {

// "value 0..6" or "categories 3" for each axis of an orientation, sorted.
QString describeAxes(const QChart& chart, Qt::Orientation orientation)
{
    QStringList texts;
    for (QAbstractAxis* axis : chart.axes(orientation)) {
        if (auto* values = qobject_cast<QValueAxis*>(axis))
            texts << QStringLiteral("value %1..%2").arg(values->min()).arg(values->max());
        else if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
            texts << QStringLiteral("categories %1").arg(categories->count());
        else
            texts << QStringLiteral("other");
    }
    texts.sort();
    return texts.join(QStringLiteral(", "));
}

} // namespace

void tst_ZCChart::defaultAxesCoverEveryOrientation_data()
{
    QTest::addColumn<QList<int>>("tipos");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");

    QTest::newRow("two lines share one value axis that spans both") << QList<int>{0} << "categories 3" << "value 1..6";
    QTest::newRow("bars rise from zero") << QList<int>{2} << "categories 3" << "value 0..6";
    QTest::newRow("horizontal bars have their values across") << QList<int>{8} << "value 0..6" << "categories 3";
    QTest::newRow("stacked bars span their stacks, to the next tick") << QList<int>{3} << "categories 3" << "value 0..10";
    QTest::newRow("a line and bars share the value axis") << QList<int>{0, 2} << "categories 3" << "value 0..6";
    QTest::newRow("upright and horizontal bars each get a value axis")
        << QList<int>{2, 8} << "categories 3, value 0..6" << "categories 3, value 0..6";
    QTest::newRow("a box plot rises from zero") << QList<int>{11} << "categories 2" << "value 0..6";
    QTest::newRow("pies have no axes") << QList<int>{5} << "" << "";
}

void tst_ZCChart::defaultAxesCoverEveryOrientation()
{
    QFETCH(QList<int>, tipos);
    Fixture f;
    for (int tipo : tipos)
        f.add(tipo);
    f.draw();
    QTEST(describeAxes(*f.chart, Qt::Horizontal), "horizontal");
    QTEST(describeAxes(*f.chart, Qt::Vertical), "vertical");
    for (QAbstractSeries* series : f.chart->series()) {
        if (series->type() != QAbstractSeries::SeriesTypePie)
            QCOMPARE(series->attachedAxes().size(), 2);
    }
}

void tst_ZCChart::fitsTheValueAxisToWhatIsShown()
{
    Fixture f;
    ZCGeneradorSeriesChart& lines = f.add(QAbstractSeries::SeriesTypeLine);
    lines.GetSeries(QStringLiteral("b"))->GetItems().at(2)->SetValor(40);
    f.draw();
    f.chart->SetSeriesVisible(f.chart->series().at(1), false);
    f.chart->AjustaEjeValor();
    auto* axis = qobject_cast<QValueAxis*>(f.chart->axes(Qt::Vertical).value(0));
    QVERIFY(axis);
    QVERIFY2(axis->max() < 10, qPrintable(QString::number(axis->max())));

    // A bar set made transparent from the legend is left out too.
    Fixture g;
    g.add(QAbstractSeries::SeriesTypeBar).GetSeries(QStringLiteral("b"))->GetItems().at(2)->SetValor(40);
    g.draw();
    g.chart->SetLeyendaInteractiva(true);
    emit g.chart->legend()->markers().at(1)->clicked();
    auto* barAxis = qobject_cast<QValueAxis*>(g.chart->axes(Qt::Vertical).value(0));
    QVERIFY(barAxis);
    QVERIFY2(barAxis->max() < 10, qPrintable(QString::number(barAxis->max())));
}

void tst_ZCChart::valueAxesTickAtNiceNumbersInTheApplicationsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QStringList>("labels");

    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("thousands grouped the Spanish way") << spanish << QList<double>{0, 40000, 99999}
        << QStringList{"0", "20.000", "40.000", "60.000", "80.000", "100.000"};
    QTest::newRow("thousands grouped the American way") << QLocale(QLocale::English, QLocale::UnitedStates)
        << QList<double>{0, 40000, 99999}
        << QStringList{"0", "20,000", "40,000", "60,000", "80,000", "100,000"};
    QTest::newRow("whole steps show no decimals") << spanish << QList<double>{12.6, 50, 96}
        << QStringList{"0", "20", "40", "60", "80", "100"};
    QTest::newRow("steps of tenths show one decimal, after a comma") << spanish << QList<double>{0.12, 0.5, 0.87}
        << QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0"};
}

void tst_ZCChart::valueAxesTickAtNiceNumbersInTheApplicationsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QList<double>, values);
    QFETCH(QStringList, labels);

    const QLocale before;
    QLocale::setDefault(locale);
    Fixture f;
    QLocale::setDefault(before);
    auto& lines = *f.generadores.emplace_back(new ZCGeneradorSeriesChart(QAbstractSeries::SeriesTypeLine));
    for (int i = 0; i < values.size(); ++i)
        lines.AddDato(QString::number(i), QString::number(i), values.at(i), QStringLiteral("a"), QStringLiteral("A"));
    f.draw();
    f.layOut();

    auto* axis = qobject_cast<QValueAxis*>(f.chart->axes(Qt::Vertical).value(0));
    QVERIFY(axis);
    QCOMPARE(axis->tickCount(), labels.size());
    QStringList shown;
    for (const QGraphicsItem* item : f.view.scene()->items()) {
        if (item->isVisible() && item->type() == QGraphicsTextItem::Type)
            shown.append(static_cast<const QGraphicsTextItem*>(item)->toPlainText());
    }
    for (const QString& label : qAsConst(labels))
        QVERIFY2(shown.contains(label), qPrintable(label + QStringLiteral(" is not among ") + shown.join(QLatin1Char(' '))));
}

void tst_ZCChart::legendTogglesWhatItStandsFor_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("twoSeries");
    QTest::addColumn<QStringList>("valuesWhenOff");
    QTest::addColumn<bool>("visibleWhenOff");

    QTest::newRow("a line hides") << 0 << true << QStringList{"1 2 3", "4 5 6"} << false;
    QTest::newRow("an area hides") << 1 << true << QStringList{"1 2 3", "4 5 6"} << false;
    QTest::newRow("a plain bar set turns transparent") << 2 << true << QStringList{"1 2 3", "4 5 6"} << true;
    QTest::newRow("a stacked bar set drops to zero") << 3 << true << QStringList{"0 0 0", "4 5 6"} << true;
    QTest::newRow("a percent bar set drops to zero") << 4 << true << QStringList{"0 0 0", "4 5 6"} << true;
    QTest::newRow("one of two pies hides") << 5 << true << QStringList{"1 2 3", "4 5 6"} << false;
    QTest::newRow("a slice of the only pie drops to zero") << 5 << false << QStringList{"0 2 3"} << true;
}

void tst_ZCChart::legendTogglesWhatItStandsFor()
{
    QFETCH(int, tipo);
    QFETCH(bool, twoSeries);
    QFETCH(QStringList, valuesWhenOff);

    Fixture f;
    f.add(tipo, twoSeries);
    f.draw();
    f.chart->SetLeyendaInteractiva(true);
    f.layOut();
    QLegendMarker* marker = f.chart->legend()->markers().first();
    const QStringList valuesOn = valuesOf(f.chart->series());
    auto* stackAxis = qobject_cast<QValueAxis*>(f.chart->axes(Qt::Vertical).value(0));
    const qreal maxOn = stackAxis ? stackAxis->max() : 0;
    QSignalSpy seriesClicks(f.chart, &ZCChart::seriesClicked);
    QSignalSpy itemClicks(f.chart, &ZCChart::itemClicked);
    auto* pie = qobject_cast<QPieSeries*>(marker->series());
    const QColor sliceColor = pie ? pie->slices().first()->color() : QColor();

    emit marker->clicked();
    QCOMPARE(marker->pen().color().alpha(), 128);   // half of 255, rounded
    QCOMPARE(marker->labelBrush().color().alpha(), 128);
    QVERIFY(marker->isVisible());
    QCOMPARE(valuesOf(f.chart->series()), valuesWhenOff);
    QTEST(marker->series()->isVisible(), "visibleWhenOff");
    if (tipo == QAbstractSeries::SeriesTypeBar)
        QCOMPARE(static_cast<QBarLegendMarker*>(marker)->barset()->color().alpha(), 0);
    if (tipo == QAbstractSeries::SeriesTypeStackedBar)
        QCOMPARE(stackAxis->max(), maxOn - 3);   // the highest stack, 3 + 6, is now 6
    // The signal names the series, or the item of a slice of the only pie.
    if (tipo == QAbstractSeries::SeriesTypePie && !twoSeries)
        QCOMPARE(itemClicks.value(0).value(0).value<ZCItemSeriesChart*>(), f.item(0, "a", 0));
    else
        QCOMPARE(seriesClicks.value(0).value(0).value<ZCSeriesChart*>(), f.series(0, "a"));

    emit marker->clicked();
    QCOMPARE(marker->pen().color().alpha(), 255);
    QCOMPARE(valuesOf(f.chart->series()), valuesOn);
    QVERIFY(marker->series()->isVisible());
    if (tipo == QAbstractSeries::SeriesTypeBar)
        QCOMPARE(static_cast<QBarLegendMarker*>(marker)->barset()->color().alpha(), 255);
    if (tipo == QAbstractSeries::SeriesTypeStackedBar)
        QCOMPARE(stackAxis->max(), maxOn);
    if (pie)
        QCOMPARE(pie->slices().first()->color(), sliceColor);
}

namespace {

// Clicks the element of the chart's first Qt series: bar `index` of set `element`, slice
// `element`, or the position `point` of a point series.
void clickOn(QAbstractSeries* series, int element, int index, const QPointF& point)
{
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series)) {
        emit bars->clicked(index, bars->barSets().at(element));
    } else if (auto* pie = qobject_cast<QPieSeries*>(series)) {
        emit pie->clicked(pie->slices().at(element));
    } else if (auto* area = qobject_cast<QAreaSeries*>(series)) {
        emit area->clicked(point);
    } else {
        emit static_cast<QXYSeries*>(series)->clicked(point);
    }
}

// "a:2" is item 2 of series "a"; "a" alone is the series, clicked where no item is.
void compareClick(const Fixture& f, QSignalSpy& items, QSignalSpy& series, const QString& expected)
{
    const QStringList parts = expected.split(QLatin1Char(':'));
    const QByteArray nombre = parts.at(0).toLatin1();
    if (parts.size() == 2) {
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.at(0).at(0).value<ZCItemSeriesChart*>(), f.item(0, nombre.constData(), parts.at(1).toInt()));
        QVERIFY(series.isEmpty());
    } else {
        QVERIFY(items.isEmpty());
        QCOMPARE(series.size(), 1);
        QCOMPARE(series.at(0).at(0).value<ZCSeriesChart*>(), f.series(0, nombre.constData()));
    }
}

} // namespace

void tst_ZCChart::clicksReachTheModel_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("twoSeries");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("propiedades");

    const QPointF none;
    for (const bool propiedades : {true, false}) {
        const QByteArray with = propiedades ? " (element properties on)" : " (element properties off)";
        const auto row = [&with](const char* name) -> QTestData& { return QTest::newRow((QByteArray(name) + with).constData()); };
        row("a bar is its item") << 2 << true << 1 << 2 << none << "b:2" << propiedades;
        row("a horizontal bar is its item") << 8 << true << 0 << 0 << none << "a:0" << propiedades;
        row("a stacked set of the only series is its category's item") << 3 << false << 1 << 0 << none << "a:1" << propiedades;
        row("a slice is its item") << 5 << false << 1 << 0 << none << "a:1" << propiedades;
        row("a scatter point is its item") << 6 << false << 0 << 0 << QPointF(2, 3) << "a:2" << propiedades;
        row("a click on a line near a point is that point") << 0 << false << 0 << 0 << QPointF(1.02, 2.01) << "a:1" << propiedades;
        row("a click on an area near a point is that point") << 1 << false << 0 << 0 << QPointF(0.01, 1) << "a:0" << propiedades;
        row("a click on a line far from every point is the series") << 0 << false << 0 << 0 << QPointF(1.5, 2.5) << "a" << propiedades;
    }
}

void tst_ZCChart::clicksReachTheModel()
{
    QFETCH(int, tipo);
    QFETCH(bool, twoSeries);
    QFETCH(int, element);
    QFETCH(int, index);
    QFETCH(QPointF, point);
    QFETCH(bool, propiedades);

    Fixture f;
    f.chart->SetPropiedadesPorElemento(propiedades);
    f.add(tipo, twoSeries);
    f.draw();
    f.layOut();
    QSignalSpy items(f.chart, &ZCChart::itemClicked);
    QSignalSpy series(f.chart, &ZCChart::seriesClicked);
    clickOn(f.chart->series().first(), element, index, point);
    QFETCH(QString, expected);
    compareClick(f, items, series, expected);

    // Double clicks go the same way, and so does a click after the chart was drawn again.
    QSignalSpy doubleItems(f.chart, &ZCChart::itemDoubleClicked);
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(f.chart->series().first())) {
        emit bars->doubleClicked(index, bars->barSets().at(element));
        QCOMPARE(doubleItems.size(), 1);
    }
    f.draw();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    items.clear();
    series.clear();
    clickOn(f.chart->series().first(), element, index, point);
    compareClick(f, items, series, expected);
}

void tst_ZCChart::elementPropertiesFollowTheSwitch_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("propiedades");
    QTest::addColumn<QStringList>("expected");

    const QStringList points{"seriesChart", "itemSeriesChart0,1", "itemSeriesChart1,2", "itemSeriesChart2,3"};
    QTest::newRow("a line's points are tagged with their x and y") << 0 << true << points;
    QTest::newRow("a line without element properties keeps its series") << 0 << false << QStringList{"seriesChart"};
    QTest::newRow("a bar set's bars are tagged with their index")
        << 2 << true << QStringList{"seriesChart", "itemSeriesChart0", "itemSeriesChart1", "itemSeriesChart2"};
    QTest::newRow("a bar set without element properties keeps its series") << 2 << false << QStringList{"seriesChart"};
    QTest::newRow("a slice is tagged with its item") << 5 << true << QStringList{"seriesChart", "itemSeriesChart"};
    QTest::newRow("a slice without element properties keeps its series") << 5 << false << QStringList{"seriesChart"};
}

void tst_ZCChart::elementPropertiesFollowTheSwitch()
{
    QFETCH(int, tipo);
    QFETCH(bool, propiedades);

    Fixture f;
    QVERIFY(f.chart->GetPropiedadesPorElemento());
    f.chart->SetPropiedadesPorElemento(propiedades);
    ZCGeneradorSeriesChart& generador = f.add(tipo, false);
    generador.SetTipoCategoria(ZCGeneradorSeriesChart::CategoriaNumero);
    if (tipo == QAbstractSeries::SeriesTypeLine) {   // numeric categories 0, 1, 2 for the points
        generador.GetSeries().first()->GetItems().at(0)->SetCategoria(0);
        generador.GetSeries().first()->GetItems().at(1)->SetCategoria(1);
        generador.GetSeries().first()->GetItems().at(2)->SetCategoria(2);
    }
    f.draw();
    QAbstractSeries* series = f.chart->series().first();
    const QObject* tagged = series;
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
        tagged = bars->barSets().first();
    else if (auto* pie = qobject_cast<QPieSeries*>(series))
        tagged = pie->slices().first();
    QStringList names;
    for (const QByteArray& name : tagged->dynamicPropertyNames())
        names << QString::fromLatin1(name);
    names.sort();
    QFETCH(QStringList, expected);
    expected.sort();
    QCOMPARE(names, expected);
    const ZCSeriesChart* model = f.series(0, "a");
    QCOMPARE(tagged->property("seriesChart").value<void*>(), static_cast<const void*>(model));
}

void tst_ZCChart::viewReportsTheSelection()
{
    Fixture f;
    f.add(QAbstractSeries::SeriesTypeBar, false);
    f.draw();
    f.layOut();
    QSignalSpy seriesSelection(&f.view, &ZCChartView::seriesSelectionChanged);
    QSignalSpy itemSelection(&f.view, &ZCChartView::itemSelectionChanged);

    QAbstractSeries* bars = f.chart->series().first();
    const QPoint onBar = f.view.mapFromScene(f.chart->mapToPosition(QPointF(1, 1), bars));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, onBar);
    QCOMPARE(itemSelection.takeLast().at(0).value<ZCItemSeriesChart*>(), f.item(0, "a", 1));
    QCOMPARE(seriesSelection.takeLast().at(0).value<ZCSeriesChart*>(), f.series(0, "a"));

    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(itemSelection.takeLast().at(0).value<ZCItemSeriesChart*>(), nullptr);
    QCOMPARE(seriesSelection.takeLast().at(0).value<ZCSeriesChart*>(), nullptr);
}

void tst_ZCChart::rebuildInsideAClickHandler()
{
    Fixture f;
    f.add(QAbstractSeries::SeriesTypeLine);
    f.draw();
    f.chart->SetLeyendaInteractiva(true);
    int rebuilds = 0;
    connect(f.chart, &ZCChart::seriesClicked, f.chart, [&] {
        ++rebuilds;
        f.draw();
    });
    auto* line = static_cast<QLineSeries*>(f.chart->series().first());
    emit line->clicked(QPointF(50, 50));
    emit f.chart->legend()->markers().first()->clicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(rebuilds, 2);
    QCOMPARE(f.chart->series().size(), 2);
}

void tst_ZCChart::hostileDataDrawsNothingHarmful()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Fixture f;
    for (int tipo = 0; tipo <= 11; ++tipo) {
        auto& generador = *f.generadores.emplace_back(new ZCGeneradorSeriesChart(tipo));
        generador.AddDato(QStringLiteral("x"), QStringLiteral("x"), nan, QStringLiteral("nan"), QString());
        generador.AddDato(QStringLiteral("y"), QStringLiteral("y"), -inf, QStringLiteral("nan"), QString());
        generador.AddDato(QStringLiteral("x"), QStringLiteral("x"), 0, QStringLiteral("ceros"), QString());
        generador.AddDato(QStringLiteral("x"), QStringLiteral("x"), -3, QStringLiteral("negativos"), QString());
        generador.AddDato(QVariant(), QString(), 2, QStringLiteral("sin categoría"), QString());
        generador.GetSeries(QStringLiteral("ceros"));   // no data at all below
        generador.AddDato(QStringLiteral("z"), QString(), 1, QString(), QString());
    }
    f.generadores.emplace_back(new ZCGeneradorSeriesChart(99));   // an unknown type draws nothing
    QList<ZCGeneradorSeriesChart*> list{nullptr};
    for (const auto& generador : f.generadores)
        list.append(generador.get());
    list.append(nullptr);
    f.chart->RepresentaGeneradoresSeries(list);
    f.chart->AjustaEjeValor();
    f.layOut();
    QVERIFY(!f.view.grab().isNull());
    for (QAbstractAxis* axis : f.chart->axes()) {
        if (auto* values = qobject_cast<QValueAxis*>(axis))
            QVERIFY(std::isfinite(values->min()) && std::isfinite(values->max()));
    }
    QCOMPARE(f.chart->CreaSeries(12), nullptr);
    QCOMPARE(f.chart->CreaEje(3, Qt::Horizontal), nullptr);
}

MIROKIT_TEST_MAIN(tst_ZCChart)
#include "tst_zcchart.moc"
