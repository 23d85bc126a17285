#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCPaginadorProxyModel.h>
#include <Mirokit/ZCPaginadorToolbar.h>
#include <Mirokit/ZCSortFilterProxyModel.h>

#include <QAbstractItemModelTester>

namespace {

QVector<QStringList> numberedRows(int count, int from = 0)
{
    QVector<QStringList> rows;
    for (int i = from; i < from + count; ++i)
        rows.append({QStringLiteral("fila %1").arg(i)});
    return rows;
}

// Numbered rows behind a filter, the page proxy over the filter, and a paginator beside it.
struct Pages {
    TableModel table;
    ZCSortFilterProxyModel filter;
    ZCPaginadorProxyModel pager;
    ZCPaginadorToolbar bar{0};
    QSignalSpy barMoves{&bar, &ZCPaginadorToolbar::numPaginaChanged};
    QSignalSpy resets{&pager, &QAbstractItemModel::modelReset};
    QAbstractItemModelTester tester{&pager, QAbstractItemModelTester::FailureReportingMode::QtTest};

    Pages(int rows, int perPage)
        : table(cells("Nombre"), numberedRows(rows))
    {
        filter.setSourceModel(&table);
        pager.SetFilasPorPagina(perPage);
        pager.setSourceModel(&filter);
        pager.SetPaginador(&bar);
    }
    QString firstShown() const { return pager.index(0, 0).data().toString(); }
};

} // namespace

class TestZCPaginadorProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void showsOnePageWithinTheTotal_data();
    void showsOnePageWithinTheTotal();
    void sourceChangesKeepThePaginatorInStep_data();
    void sourceChangesKeepThePaginatorInStep();
    void paginatorAndProxyTurnThePageTogether();
};

void TestZCPaginadorProxyModel::showsOnePageWithinTheTotal_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<uint>("asked");
    QTest::addColumn<uint>("page");
    QTest::addColumn<uint>("total");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("firstShown");
    QTest::newRow("no rows are page 0 of 0") << 0 << 10 << 1u << 0u << 0u << 0 << "";
    QTest::newRow("23 rows in pages of 10 make 3 pages") << 23 << 10 << 1u << 1u << 3u << 10 << "fila 0";
    QTest::newRow("the last page holds the rest") << 23 << 10 << 3u << 3u << 3u << 3 << "fila 20";
    QTest::newRow("a page past the total becomes the last") << 23 << 10 << 9u << 3u << 3u << 3 << "fila 20";
    QTest::newRow("page 0 becomes the first") << 23 << 10 << 0u << 1u << 3u << 10 << "fila 0";
    QTest::newRow("full pages leave no empty one after them") << 20 << 10 << 2u << 2u << 2u << 10 << "fila 10";
    QTest::newRow("a page longer than the rows is the only one") << 5 << 50 << 1u << 1u << 1u << 5 << "fila 0";
    QTest::newRow("a page of one row per page") << 5 << 0 << 4u << 4u << 5u << 1 << "fila 3";
}

void TestZCPaginadorProxyModel::showsOnePageWithinTheTotal()
{
    QFETCH(int, rows);
    QFETCH(int, perPage);
    QFETCH(uint, asked);
    QFETCH(uint, page);
    QFETCH(uint, total);
    QFETCH(int, shown);
    QFETCH(QString, firstShown);
    Pages pages(rows, perPage);
    pages.pager.SetPagina(asked);
    QCOMPARE(pages.pager.GetPagina(), page);
    QCOMPARE(pages.pager.GetTotalPaginas(), total);
    QCOMPARE(pages.pager.rowCount(), shown);
    QCOMPARE(pages.firstShown(), firstShown);
    QCOMPARE(pages.bar.GetPaginaActual(), page);
    QCOMPARE(pages.bar.GetTotalPaginas(), total);
    QVERIFY(pages.barMoves.isEmpty());
    // The titles stand on an empty page too; the rows keep their numbers in the source.
    QCOMPARE(pages.pager.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nombre"));
    if (shown)
        QCOMPARE(pages.pager.headerData(0, Qt::Vertical).toInt(), int(page - 1) * std::max(perPage, 1));
}

void TestZCPaginadorProxyModel::sourceChangesKeepThePaginatorInStep_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<uint>("page");
    QTest::addColumn<uint>("total");
    QTest::addColumn<QString>("firstShown");
    QTest::addColumn<bool>("pageReset");
    // From 25 rows in pages of 10, on page 2.
    QTest::newRow("rows appended after the page only add to the total") << "append 10" << 2u << 4u << "fila 10" << false;
    QTest::newRow("a row inserted before the page shifts it") << "insert at 0" << 2u << 3u << "fila 9" << true;
    QTest::newRow("a row removed after the page only lowers the total") << "remove 24" << 2u << 3u << "fila 10" << false;
    QTest::newRow("removing down to one page brings the page back") << "remove from 5" << 1u << 1u << "fila 0" << true;
    QTest::newRow("a search matching six rows leaves one page") << "filter fila 2" << 1u << 1u << "fila 2" << true;
    QTest::newRow("a search matching nothing leaves page 0") << "filter nada" << 0u << 0u << "" << true;
    QTest::newRow("a reset of the source keeps the page within the new total") << "reset 12" << 2u << 2u << "fila 10" << true;
    QTest::newRow("sorting through the proxy pages the sorted source") << "sort descending" << 2u << 3u << "fila 21" << true;
}

void TestZCPaginadorProxyModel::sourceChangesKeepThePaginatorInStep()
{
    QFETCH(QString, change);
    QFETCH(uint, page);
    QFETCH(uint, total);
    QFETCH(bool, pageReset);
    Pages pages(25, 10);
    pages.pager.SetPagina(2);
    pages.resets.clear();
    QSignalSpy announced(&pages.pager, &ZCPaginadorProxyModel::paginaChanged);

    if (change == QLatin1String("append 10")) {
        for (const QStringList& row : numberedRows(10, 25))
            pages.table.insertRow(pages.table.rowCount(), row);
    } else if (change == QLatin1String("insert at 0")) {
        pages.table.insertRow(0, {QStringLiteral("nueva")});
    } else if (change == QLatin1String("remove 24")) {
        pages.table.removeRow(24);
    } else if (change == QLatin1String("remove from 5")) {
        while (pages.table.rowCount() > 5)
            pages.table.removeRow(5);
    } else if (change.startsWith(QLatin1String("filter "))) {
        pages.filter.setFilterRegularExpression(change.mid(7));
    } else if (change == QLatin1String("reset 12")) {
        pages.table.reset(cells("Nombre"), numberedRows(12));
    } else {
        pages.pager.sort(0, Qt::DescendingOrder);
    }
    QCOMPARE(pages.pager.GetPagina(), page);
    QCOMPARE(pages.pager.GetTotalPaginas(), total);
    QTEST(pages.firstShown(), "firstShown");
    QCOMPARE(pages.resets.isEmpty(), !pageReset);
    QCOMPARE(pages.bar.GetPaginaActual(), page);
    QCOMPARE(pages.bar.GetTotalPaginas(), total);
    QVERIFY(pages.barMoves.isEmpty());
    const bool moved = page != 2 || total != 3;
    QCOMPARE(announced.isEmpty(), !moved);
    if (moved)
        QCOMPARE(announced.last(), QVariantList({page, total}));
}

void TestZCPaginadorProxyModel::paginatorAndProxyTurnThePageTogether()
{
    Pages pages(25, 10);
    pages.bar.onUltimaPagina();
    QCOMPARE(pages.pager.GetPagina(), 3u);
    QCOMPARE(pages.firstShown(), QStringLiteral("fila 20"));

    pages.pager.SetPagina(1);
    QCOMPARE(pages.bar.GetPaginaActual(), 1u);
    QCOMPARE(pages.barMoves.count(), 1); // the user's move only

    // A new page length keeps the first row shown on the page: row 20 is on page 3 of 7 rows.
    pages.pager.SetPagina(3);
    pages.pager.SetFilasPorPagina(7);
    QCOMPARE(pages.pager.GetPagina(), 3u);
    QCOMPARE(pages.bar.GetTotalPaginas(), 4u);
    QCOMPARE(pages.firstShown(), QStringLiteral("fila 14"));

    // A paginator that goes away is forgotten.
    ZCPaginadorProxyModel pager;
    {
        ZCPaginadorToolbar gone(0);
        pager.SetPaginador(&gone);
    }
    pager.setSourceModel(&pages.table);
    QCOMPARE(pager.GetPaginador(), nullptr);
    QCOMPARE(pager.GetTotalPaginas(), 1u);
}

MIROKIT_TEST_MAIN(TestZCPaginadorProxyModel)
#include "tst_zcpaginadorproxymodel.moc"
