#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCModelIndex.h>

#include <QAbstractItemModelTester>
#include <QIdentityProxyModel>
#include <QSortFilterProxyModel>

namespace {

TableModel* threeColumnTable(QObject* parent = nullptr)
{
    auto* model = new TableModel({QStringLiteral("Código"), QStringLiteral("Nombre"),
                                  QStringLiteral("Población")}, parent);
    model->setRows({{QStringLiteral("1"), QStringLiteral("José"), QStringLiteral("Cádiz")},
                    {QStringLiteral("2"), QStringLiteral("Ana"), QStringLiteral("León")}});
    return model;
}

} // namespace

class TestZCModel : public QObject
{
    Q_OBJECT

private slots:
    void headerAndPieLabels_data();
    void headerAndPieLabels();
    void indexOnlyInsideTheTable_data();
    void indexOnlyInsideTheTable();
    void passesTheModelTesterWhileChanging();
    void modelIndexCrossesEveryProxy();
};

void TestZCModel::headerAndPieLabels_data()
{
    QTest::addColumn<bool>("pie");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const int h = Qt::Horizontal, v = Qt::Vertical, display = Qt::DisplayRole;
    QTest::newRow("a horizontal section with a title shows the title")
        << false << 1 << h << display << QVariant(QStringLiteral("Nombre"));
    QTest::newRow("a horizontal section past the titles shows its number")
        << false << 5 << h << display << QVariant(QStringLiteral("5"));
    QTest::newRow("a vertical section shows its number, not a title")
        << false << 0 << v << display << QVariant(QStringLiteral("0"));
    QTest::newRow("a negative horizontal section shows its number")
        << false << -1 << h << display << QVariant(QStringLiteral("-1"));
    QTest::newRow("a tool tip is not answered") << false << 0 << h << int(Qt::ToolTipRole) << QVariant();
    QTest::newRow("a pie entry is labelled with its title") << true << 1 << 0 << 0 << QVariant(QStringLiteral("Nombre"));
    QTest::newRow("a pie entry without title is labelled with its number")
        << true << 7 << 0 << 0 << QVariant(QStringLiteral("7"));
    QTest::newRow("a pie entry gives nothing for another role") << true << 1 << 0 << 1 << QVariant();
}

void TestZCModel::headerAndPieLabels()
{
    QFETCH(bool, pie);
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    const QScopedPointer<TableModel> model(threeColumnTable());
    QCOMPARE(pie ? model->GetPieData(section, role) : model->headerData(section, Qt::Orientation(orientation), role),
             expected);
}

void TestZCModel::indexOnlyInsideTheTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("underFirstRow");
    QTest::addColumn<bool>("valid");

    QTest::newRow("the last cell") << 1 << 2 << false << true;
    QTest::newRow("a row past the end") << 2 << 0 << false << false;
    QTest::newRow("a column past the titles") << 0 << 3 << false << false;
    QTest::newRow("a negative row") << -1 << 0 << false << false;
    QTest::newRow("a negative column") << 0 << -1 << false << false;
    QTest::newRow("a cell under another cell of a flat model") << 0 << 0 << true << false;
}

void TestZCModel::indexOnlyInsideTheTable()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, underFirstRow);
    QFETCH(bool, valid);
    const QScopedPointer<TableModel> model(threeColumnTable());
    const QModelIndex index = model->index(row, column, underFirstRow ? model->index(0, 0) : QModelIndex());
    QCOMPARE(index.isValid(), valid);
    QVERIFY(!model->parent(index).isValid());
}

void TestZCModel::passesTheModelTesterWhileChanging()
{
    const QScopedPointer<TableModel> model(threeColumnTable());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    model->insertRow(1, {QStringLiteral("3"), QStringLiteral("Íñigo")});
    model->removeRow(0);
    model->setTitles({}); // no columns: rows but no indexes
    QVERIFY(!model->index(0, 0).isValid());
    model->setTitles({QStringLiteral("Uno")});
    model->setRows({});
    QCOMPARE(model->rowCount(), 0);
}

void TestZCModel::modelIndexCrossesEveryProxy()
{
    const QScopedPointer<TableModel> model(threeColumnTable());
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(model.data());
    sorted.sort(1, Qt::AscendingOrder); // "Ana" first
    QIdentityProxyModel outer;
    outer.setSourceModel(&sorted);

    QVERIFY(ZCModelIndex(sorted.index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex(model->index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex().EsProxyModel());
    // One level down only, and a plain index is its own source.
    QCOMPARE(ZCModelIndex(outer.index(0, 1)).GetSourceIndex(), sorted.index(0, 1));
    QCOMPARE(ZCModelIndex(sorted.index(0, 1)).GetSourceIndex(), model->index(1, 1));
    QCOMPARE(ZCModelIndex(model->index(1, 2)).GetSourceIndex(), model->index(1, 2));
    QVERIFY(!ZCModelIndex().GetSourceIndex().isValid());

    const ZCModelIndexSource source(outer.index(0, 2));
    QCOMPARE(source.model(), model.data());
    QCOMPARE(source.data().toString(), QStringLiteral("León"));
    QVERIFY(!ZCModelIndexSource(QModelIndex()).isValid());
}

MIROKIT_TEST_MAIN(TestZCModel)
#include "tst_zcmodel.moc"
