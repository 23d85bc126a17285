#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCModelIndex.h>

#include <QAbstractItemModelTester>
#include <QIdentityProxyModel>
#include <QSortFilterProxyModel>

class TestZCModel : public QObject
{
    Q_OBJECT

private slots:
    void headerAnswersTitlesThenNumbers_data();
    void headerAnswersTitlesThenNumbers();
    void pieDataGivesTitleLabels_data();
    void pieDataGivesTitleLabels();
    void indexOnlyInsideTheTable_data();
    void indexOnlyInsideTheTable();
    void passesTheModelTesterWhileChanging();
    void modelWithoutColumnsHasNoIndexes();

    void modelIndexKnowsItsProxy();
    void sourceIndexMapsOneLevelDown();
    void innermostSourceCrossesEveryProxy();
    void invalidIndexStaysInvalid();

private:
    static TableModel* threeColumnTable(QObject* parent);
};

TableModel* TestZCModel::threeColumnTable(QObject* parent)
{
    auto* model = new TableModel({QStringLiteral("Código"), QStringLiteral("Nombre"),
                                  QStringLiteral("Población")}, parent);
    model->setRows({{QStringLiteral("1"), QStringLiteral("José"), QStringLiteral("Cádiz")},
                    {QStringLiteral("2"), QStringLiteral("Ana"), QStringLiteral("León")}});
    return model;
}

void TestZCModel::headerAnswersTitlesThenNumbers_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("a horizontal section with a title shows the title")
        << 1 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("Nombre"));
    QTest::newRow("a horizontal section past the titles shows its number")
        << 5 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("5"));
    QTest::newRow("a vertical section shows its number, not a title")
        << 0 << int(Qt::Vertical) << int(Qt::DisplayRole) << QVariant(QStringLiteral("0"));
    QTest::newRow("a negative horizontal section shows its number")
        << -1 << int(Qt::Horizontal) << int(Qt::DisplayRole) << QVariant(QStringLiteral("-1"));
    QTest::newRow("a tool tip is not answered")
        << 0 << int(Qt::Horizontal) << int(Qt::ToolTipRole) << QVariant();
}

void TestZCModel::headerAnswersTitlesThenNumbers()
{
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    QCOMPARE(model->headerData(section, Qt::Orientation(orientation), role), expected);
}

void TestZCModel::pieDataGivesTitleLabels_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("the second entry is labelled with the second title")
        << 1 << 0 << QVariant(QStringLiteral("Nombre"));
    QTest::newRow("an entry without title is labelled with its number")
        << 7 << 0 << QVariant(QStringLiteral("7"));
    QTest::newRow("any role but the display role gives nothing") << 1 << 1 << QVariant();
}

void TestZCModel::pieDataGivesTitleLabels()
{
    QFETCH(int, entry);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    QCOMPARE(model->GetPieData(entry, role), expected);
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
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    const QModelIndex parent = underFirstRow ? model->index(0, 0) : QModelIndex();
    const QModelIndex index = model->index(row, column, parent);
    QCOMPARE(index.isValid(), valid);
    if (valid) {
        QCOMPARE(index.internalPointer(), nullptr);
        QVERIFY(!model->parent(index).isValid());
    }
}

void TestZCModel::passesTheModelTesterWhileChanging()
{
    TableModel* model = threeColumnTable(this);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model->insertRow(1, {QStringLiteral("3"), QStringLiteral("Íñigo")});
    model->removeRow(0);
    model->setTitles({QStringLiteral("Uno")});
    model->setRows({});
    QCOMPARE(model->rowCount(), 0);
    delete model;
}

void TestZCModel::modelWithoutColumnsHasNoIndexes()
{
    TableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setRows({{QStringLiteral("a")}, {QStringLiteral("b")}});
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.index(0, 0).isValid());
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("0"));
}

void TestZCModel::modelIndexKnowsItsProxy()
{
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(model.data());

    QVERIFY(ZCModelIndex(proxy.index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex(model->index(0, 0)).EsProxyModel());
    QVERIFY(!ZCModelIndex().EsProxyModel());
}

void TestZCModel::sourceIndexMapsOneLevelDown()
{
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(model.data());
    sorted.sort(1, Qt::AscendingOrder); // "Ana" first
    QIdentityProxyModel outer;
    outer.setSourceModel(&sorted);

    const ZCModelIndex top(outer.index(0, 1));
    QCOMPARE(top.GetSourceIndex(), sorted.index(0, 1));
    QCOMPARE(ZCModelIndex(sorted.index(0, 1)).GetSourceIndex(), model->index(1, 1));

    const ZCModelIndex plain(model->index(1, 2));
    QCOMPARE(plain.GetSourceIndex(), model->index(1, 2));
}

void TestZCModel::innermostSourceCrossesEveryProxy()
{
    const QScopedPointer<TableModel> model(threeColumnTable(nullptr));
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(model.data());
    sorted.sort(1, Qt::AscendingOrder);
    QIdentityProxyModel outer;
    outer.setSourceModel(&sorted);

    const ZCModelIndexSource source(outer.index(0, 2));
    QCOMPARE(source.model(), model.data());
    QCOMPARE(source.row(), 1);
    QCOMPARE(source.data().toString(), QStringLiteral("León"));

    ZCModelIndexSource copy(source);
    copy = ZCModelIndexSource(model->index(0, 0));
    QCOMPARE(copy, model->index(0, 0));
}

void TestZCModel::invalidIndexStaysInvalid()
{
    QVERIFY(!ZCModelIndexSource(QModelIndex()).isValid());
    QVERIFY(!ZCModelIndex().GetSourceIndex().isValid());
}

MIROKIT_TEST_MAIN(TestZCModel)
#include "tst_zcmodel.moc"
