// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZCGeneradorSeriesChart.h>
#include <Mirokit/ZCItemSeriesChart.h>
#include <Mirokit/ZCSeriesChart.h>

#include <QDateTime>

#include <cmath>
#include <limits>

class tst_ZCSeriesChart : public QObject
{
    Q_OBJECT

private slots:
    void addDato_data();
    void addDato();
    void mergedItemTakesTheLatestTextColourAndData();
    void setValorCorrectsTheSeries();
    void nonFiniteValuesStayOutOfTotals();
    void ordering_data();
    void ordering();
    void numericCategoriesStayInOrderAroundANaN();
    void generatorFindsAndCreatesSeriesByName();
    void copiesOwnTheirItems();
};

void tst_ZCSeriesChart::addDato_data()
{
    QTest::addColumn<QVariantList>("categorias");
    QTest::addColumn<QList<double>>("valores");
    QTest::addColumn<int>("items");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    QTest::newRow("a repeated text category is merged into one item")
        << QVariantList{QStringLiteral("A"), QStringLiteral("A")} << QList<double>{2, 3} << 1 << 5.0 << 2.0 << 5.0;
    QTest::newRow("a repeated number is two items")
        << QVariantList{1, 1} << QList<double>{2, 3} << 2 << 5.0 << 2.0 << 3.0;
    QTest::newRow("a repeated date-time is two items")
        << QVariantList{QDateTime(QDate(2024, 1, 1), QTime(0, 0)), QDateTime(QDate(2024, 1, 1), QTime(0, 0))}
        << QList<double>{1, 1} << 2 << 2.0 << 1.0 << 1.0;
    QTest::newRow("a merge that lowers an item widens with its new value only")
        << QVariantList{QStringLiteral("A"), QStringLiteral("A")} << QList<double>{5, -3} << 1 << 2.0 << 2.0 << 5.0;
    QTest::newRow("the first value alone sets the range")
        << QVariantList{QStringLiteral("A")} << QList<double>{-7} << 1 << -7.0 << -7.0 << -7.0;
}

void tst_ZCSeriesChart::addDato()
{
    QFETCH(QVariantList, categorias);
    QFETCH(QList<double>, valores);

    ZCSeriesChart series(QStringLiteral("s"), QStringLiteral("Serie"));
    for (int i = 0; i < categorias.size(); ++i)
        series.AddDato(categorias.at(i), categorias.at(i).toString(), valores.at(i));

    QTEST(int(series.GetItems().size()), "items");
    QTEST(series.GetValorTotal(), "total");
    QTEST(series.GetValorMin(), "min");
    QTEST(series.GetValorMax(), "max");
    for (const ZCItemSeriesChart* item : series.GetItems())
        QCOMPARE(item->GetSeries(), &series);
}

void tst_ZCSeriesChart::mergedItemTakesTheLatestTextColourAndData()
{
    int first = 0;
    ZCSeriesChart series;
    ZCItemSeriesChart* item = series.AddDato(QStringLiteral("A"), QStringLiteral("uno"), 1, Qt::red, &first);
    QCOMPARE(series.AddDato(QStringLiteral("A"), QStringLiteral("Uno"), 1, Qt::blue, nullptr), item);
    QCOMPARE(item->GetTextoCategoria(), QStringLiteral("Uno"));
    QCOMPARE(item->GetColor(), QColor(Qt::blue));
    QCOMPARE(item->GetData(), &first);   // a null pointer does not replace the caller's data
    QCOMPARE(item->GetValor(), 2.0);
}

void tst_ZCSeriesChart::setValorCorrectsTheSeries()
{
    ZCSeriesChart series;
    series.AddDato(QStringLiteral("A"), QStringLiteral("A"), 2);
    ZCItemSeriesChart* item = series.AddDato(QStringLiteral("B"), QStringLiteral("B"), 3);
    item->SetValor(10);
    QCOMPARE(series.GetValorTotal(), 12.0);
    QCOMPARE(series.GetValorMax(), 10.0);
    QCOMPARE(series.GetValorMin(), 2.0);

    // A category changed afterwards is the one repeated data merges into.
    item->SetCategoria(QStringLiteral("C"));
    QCOMPARE(series.AddDato(QStringLiteral("C"), QStringLiteral("C"), 1), item);
    QVERIFY(series.AddDato(QStringLiteral("B"), QStringLiteral("B"), 1) != item);
}

void tst_ZCSeriesChart::nonFiniteValuesStayOutOfTotals()
{
    MessageLogCapture log;
    ZCSeriesChart series(QStringLiteral("ventas"), QString());
    series.AddDato(QStringLiteral("A"), QStringLiteral("A"), 4);
    series.AddDato(QStringLiteral("B"), QStringLiteral("B"), std::numeric_limits<double>::quiet_NaN());
    ZCItemSeriesChart* infinite = series.AddDato(QStringLiteral("C"), QStringLiteral("C"),
                                                 std::numeric_limits<double>::infinity());
    QCOMPARE(series.GetItems().size(), 3);
    QCOMPARE(series.GetValorTotal(), 4.0);
    QCOMPARE(series.GetValorMax(), 4.0);
    QCOMPARE(log.texts(QtWarningMsg).count(QStringLiteral("La serie «ventas» tiene un valor no numérico; queda "
                                                           "fuera del total y del rango")), 2);

    infinite->SetValor(6);   // becoming finite, it joins the total
    QCOMPARE(series.GetValorTotal(), 10.0);
    QCOMPARE(series.GetValorMax(), 6.0);
}

void tst_ZCSeriesChart::ordering_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<bool>("ascendente");
    QTest::addColumn<QList<double>>("valores");
    QTest::addColumn<QStringList>("orden");

    // Categories B, A, C, D, E in this order take the values in turn.
    const QList<double> values{3, 1, 3, 2};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("by category ascending") << int(ZCGeneradorSeriesChart::OrdenCategoria) << true << values
                                           << QStringList{"A", "B", "C", "D"};
    QTest::newRow("by category descending") << int(ZCGeneradorSeriesChart::OrdenCategoria) << false << values
                                            << QStringList{"D", "C", "B", "A"};
    QTest::newRow("by value ascending, equal values in data order")
        << int(ZCGeneradorSeriesChart::OrdenValor) << true << values << QStringList{"A", "D", "B", "C"};
    QTest::newRow("by value descending, equal values in data order")
        << int(ZCGeneradorSeriesChart::OrdenValor) << false << values << QStringList{"B", "C", "D", "A"};
    QTest::newRow("by value ascending, a missing value last and the numbers still in order")
        << int(ZCGeneradorSeriesChart::OrdenValor) << true << QList<double>{3, 1, nan, 2, 0}
        << QStringList{"E", "A", "D", "B", "C"};
    QTest::newRow("by value descending, a missing value last too")
        << int(ZCGeneradorSeriesChart::OrdenValor) << false << QList<double>{3, 1, nan, 2, 0}
        << QStringList{"B", "D", "A", "E", "C"};
    QTest::newRow("no ordering keeps the data order") << int(ZCGeneradorSeriesChart::SinOrden) << true << values
                                                      << QStringList{"B", "A", "C", "D"};
}

void tst_ZCSeriesChart::ordering()
{
    QFETCH(int, tipo);
    QFETCH(bool, ascendente);
    QFETCH(QList<double>, valores);

    ZCGeneradorSeriesChart generador(QtCharts::QAbstractSeries::SeriesTypeBar);
    const QStringList categories{"B", "A", "C", "D", "E"};
    for (int i = 0; i < valores.size(); ++i)
        generador.AddDato(categories.at(i), categories.at(i), valores.at(i), QStringLiteral("s"), QString());
    generador.SetTipoOrdenacion(tipo, ascendente);
    generador.AplicaOrdenacion();

    QStringList orden;
    for (const ZCItemSeriesChart* item : generador.GetSeries(QStringLiteral("s"))->GetItems())
        orden << item->GetCategoria().toString();
    QTEST(orden, "orden");
}

void tst_ZCSeriesChart::numericCategoriesStayInOrderAroundANaN()
{
    // A line is drawn through its points in this order: a NaN among them must not scramble it.
    ZCSeriesChart series;
    for (const double x : {3.0, 1.0, std::numeric_limits<double>::quiet_NaN(), 2.0, 0.0})
        series.AddDato(x, QString(), 1);
    series.OrdenarPorCategoria(true);
    QList<double> orden;
    for (const ZCItemSeriesChart* item : series.GetItems())
        orden << item->GetCategoria().toDouble();
    QCOMPARE(orden.mid(0, 4), (QList<double>{0, 1, 2, 3}));
    QVERIFY(std::isnan(orden.at(4)));
}

void tst_ZCSeriesChart::generatorFindsAndCreatesSeriesByName()
{
    ZCGeneradorSeriesChart generador(QtCharts::QAbstractSeries::SeriesTypeLine);
    generador.AddDato(1, QString(), 1, QStringLiteral("a"), QStringLiteral("Serie A"));
    generador.AddDato(1, QString(), 2, QStringLiteral("b"), QStringLiteral("Serie B"));
    generador.AddDato(2, QString(), 3, QStringLiteral("a"), QStringLiteral("ignored"));
    QCOMPARE(generador.GetSeries().size(), 2);
    QCOMPARE(generador.GetSeries(QStringLiteral("a"))->GetDescripcion(), QStringLiteral("Serie A"));
    QCOMPARE(generador.GetSeries(QStringLiteral("a"))->GetItems().size(), 2);
    QCOMPARE(generador.GetSeries(QStringLiteral("c")), nullptr);
    // A series renamed by the caller is found under its new name.
    generador.GetSeries().at(1)->SetNombre(QStringLiteral("c"));
    QCOMPARE(generador.GetSeries(QStringLiteral("c")), generador.GetSeries().at(1));
    QCOMPARE(generador.GetLabelsAngle(), 0.0);
}

void tst_ZCSeriesChart::copiesOwnTheirItems()
{
    auto* original = new ZCGeneradorSeriesChart(QtCharts::QAbstractSeries::SeriesTypePie);
    original->AddDato(QStringLiteral("A"), QStringLiteral("A"), 1, QStringLiteral("s"), QString());
    ZCGeneradorSeriesChart copy(*original);
    ZCGeneradorSeriesChart assigned(QtCharts::QAbstractSeries::SeriesTypeLine);
    assigned = *original;
    delete original;   // under the sanitizer, a shared item would be freed twice below

    for (const ZCGeneradorSeriesChart* generador : {&copy, &assigned}) {
        QCOMPARE(generador->GetTipoSerie(), int(QtCharts::QAbstractSeries::SeriesTypePie));
        ZCSeriesChart* series = generador->GetSeries(QStringLiteral("s"));
        QVERIFY(series);
        QCOMPARE(series->GetItems().constFirst()->GetSeries(), series);
        // The copied category index points at the copy's own items.
        QCOMPARE(series->AddDato(QStringLiteral("A"), QStringLiteral("A"), 1), series->GetItems().constFirst());
    }
}

MIROKIT_TEST_MAIN(tst_ZCSeriesChart)
#include "tst_zcserieschart.moc"
