#include "messagelogcapture.h"
#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCSortFilterProxyModel.h>

#include <QAbstractItemModelTester>

using Tester = QAbstractItemModelTester;

namespace {

TableModel* peopleTable()
{
    auto* model = new TableModel({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad")});
    model->setRows({{QStringLiteral("1"), QStringLiteral("Ana"), QStringLiteral("Cádiz")},
                    {QStringLiteral("2"), QStringLiteral("José"), QStringLiteral("León")},
                    {QStringLiteral("3"), QStringLiteral("Jose"), QStringLiteral("Lugo")},
                    {QStringLiteral("4"), QStringLiteral("Íñigo"), QStringLiteral("Ávila")},
                    {QStringLiteral("5"), QString(), QStringLiteral("Cadiz")}});
    return model;
}

// A proxy over the people table that filters on every column joined.
struct People : ZCSortFilterProxyModel {
    QScopedPointer<TableModel> model{peopleTable()};
    People()
    {
        setSourceModel(model.data());
        SetFiltrarAllCols(true);
    }
};

QStringList names(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, 1).data().toString());
    return texts;
}

} // namespace

class TestZCSortFilterProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void normalisationRemovesAccentsOnly_data();
    void normalisationRemovesAccentsOnly();
    void filterMatchesAccentInsensitively_data();
    void filterMatchesAccentInsensitively();
    void cellsAreJoinedByOneTabWithoutEmptyOnes_data();
    void cellsAreJoinedByOneTabWithoutEmptyOnes();
    void firstFoundIndexFollowsPatternsAndRows();
    void hiddenColumnsAreShownAgain();
    void patternBrokenByNormalisationMatchesNothingQuietly();
    void modelWithoutColumnsFindsNothing();
    void treeRowsAreFilteredAtEveryDepth();
    void passesTheModelTesterWithEveryOption_data();
    void passesTheModelTesterWithEveryOption();
};

void TestZCSortFilterProxyModel::normalisationRemovesAccentsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("accented vowels and the tilde lose their marks")
        << QStringLiteral("Ñandú Ávila pingüino") << QStringLiteral("Nandu Avila pinguino");
    QTest::newRow("letters without decomposition stay") << QStringLiteral("Æøß×") << QStringLiteral("Æøß×");
    QTest::newRow("already decomposed marks are dropped") << QStringLiteral("Jose\u0301") << QStringLiteral("Jose");
    QTest::newRow("text beyond Latin-1 is normalised as well") << QStringLiteral("ά Ŝ é") << QStringLiteral("α S e");
    QTest::newRow("plain text stays as it is") << QStringLiteral("Calle 5, 2º") << QStringLiteral("Calle 5, 2º");
}

void TestZCSortFilterProxyModel::normalisationRemovesAccentsOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ZCSortFilterProxyModel::normalizeText(text), expected);
}

void TestZCSortFilterProxyModel::filterMatchesAccentInsensitively_data()
{
    QTest::addColumn<int>("keyColumn"); // -2: every column joined
    QTest::addColumn<bool>("normalised");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("names");

    const QStringList both{QStringLiteral("José"), QStringLiteral("Jose")};
    const QStringList cadiz{QStringLiteral("Ana"), QString()};
    QTest::newRow("an unaccented pattern finds accented and plain names") << -2 << true << false << QStringLiteral("jose") << both;
    QTest::newRow("an accented pattern finds plain and accented names") << -2 << true << false << QStringLiteral("JOSÉ") << both;
    QTest::newRow("a city in another column is found") << -2 << true << false << QStringLiteral("cadiz") << cadiz;
    QTest::newRow("case still follows the proxy") << -2 << true << true << QStringLiteral("jose") << QStringList{};
    QTest::newRow("without normalisation accents matter") << -2 << false << false << QStringLiteral("jose") << QStringList{QStringLiteral("Jose")};
    QTest::newRow("without normalisation an accented pattern finds only accents")
        << -2 << false << false << QStringLiteral("cádiz") << QStringList{QStringLiteral("Ana")};
    QTest::newRow("the key column is normalised like the pattern") << 1 << true << true << QStringLiteral("José") << both;
    QTest::newRow("other columns than the key are not searched") << 1 << true << true << QStringLiteral("Cadiz") << QStringList{};
    QTest::newRow("key column -1 searches each column") << -1 << true << true << QStringLiteral("Cadiz") << cadiz;
    QTest::newRow("a key column that does not exist filters nothing out")
        << 7 << true << true << QStringLiteral("nada")
        << QStringList{QStringLiteral("Ana"), QStringLiteral("José"), QStringLiteral("Jose"), QStringLiteral("Íñigo"), QString()};
}

void TestZCSortFilterProxyModel::filterMatchesAccentInsensitively()
{
    QFETCH(int, keyColumn);
    QFETCH(bool, normalised);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, pattern);
    QFETCH(QStringList, names);
    People proxy;
    proxy.setFilterCaseSensitivity(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    proxy.SetFiltrarAllCols(keyColumn == -2);
    if (keyColumn != -2)
        proxy.setFilterKeyColumn(keyColumn);
    proxy.setFilterRegularExpression(pattern);
    proxy.SetNormalizado(!normalised); // each switch must rebuild the pattern already set
    proxy.SetNormalizado(normalised);
    QCOMPARE(::names(proxy), names);
}

void TestZCSortFilterProxyModel::cellsAreJoinedByOneTabWithoutEmptyOnes_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("accepted");

    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c"), none;
    QTest::newRow("neighbouring cells are separated by a tab") << QStringList{a, b, c} << QStringLiteral("^a\tb\tc$") << true;
    QTest::newRow("an empty cell in the middle adds no second tab") << QStringList{a, none, c} << QStringLiteral("^a\tc$") << true;
    QTest::newRow("a leading empty cell adds no tab") << QStringList{none, b, c} << QStringLiteral("^b\tc$") << true;
    QTest::newRow("a trailing empty cell adds no tab") << QStringList{a, b, none} << QStringLiteral("^a\tb$") << true;
    QTest::newRow("cells are not glued together") << QStringList{a, b, none} << QStringLiteral("ab") << false;
    QTest::newRow("a class matching inside one cell accepts the row") << QStringList{c, b, none} << QStringLiteral("[bx]") << true;
    QTest::newRow("a pattern may match across the tab") << QStringList{a, b, none} << QStringLiteral("a.b") << true;
    QTest::newRow("a word boundary holds at the tab") << QStringList{a, b, none} << QStringLiteral("\\bb\\b") << true;
    QTest::newRow("a lookbehind sees the tab before a cell") << QStringList{a, b, none} << QStringLiteral("(?<!\t)b") << false;
    QTest::newRow("an anchor sees the whole row, not a cell") << QStringList{a, b, none} << QStringLiteral("^b") << false;
    QTest::newRow("a row of empty cells is one empty text") << QStringList{none, none, none} << QStringLiteral("x*") << true;
}

void TestZCSortFilterProxyModel::cellsAreJoinedByOneTabWithoutEmptyOnes()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, pattern);
    QFETCH(bool, accepted);
    TableModel model({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    model.setRows({cells});
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.SetFiltrarAllCols(true);
    proxy.setFilterRegularExpression(pattern);
    QCOMPARE(proxy.rowCount() == 1, accepted);
}

void TestZCSortFilterProxyModel::firstFoundIndexFollowsPatternsAndRows()
{
    People proxy;
    proxy.SetNormalizado(true);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());

    proxy.setFilterRegularExpression(QStringLiteral("leon"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model->index(1, 0));
    // A row accepted later, even above the first one, does not replace it; the index follows its row.
    proxy.model->insertRow(0, {QStringLiteral("9"), QStringLiteral("Noel"), QStringLiteral("Leon")});
    QCOMPARE(proxy.rowCount(), 2);
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model->index(2, 0));
    proxy.model->removeRow(2);
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());

    proxy.setFilterRegularExpression(QStringLiteral("lugo"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model->index(2, 0));
    proxy.setFilterRegularExpression(QStringLiteral("nadie"));
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());
}

void TestZCSortFilterProxyModel::hiddenColumnsAreShownAgain()
{
    People proxy;
    proxy.SetVisibilidadColumna(1, false);
    proxy.SetVisibilidadColumna(1, false);
    QCOMPARE(proxy.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ciudad"));
    proxy.SetVisibilidadColumna(1, true); // hidden twice, shown by one call
    QCOMPARE(proxy.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nombre"));
    proxy.SetVisibilidadColumna(0, false);
    proxy.SetVisibilidadColumna(2, false);
    QCOMPARE(proxy.columnCount(), 1);
    proxy.LimpiaVisibilidadColumnas();
    QCOMPARE(proxy.columnCount(), 3);
}

void TestZCSortFilterProxyModel::patternBrokenByNormalisationMatchesNothingQuietly()
{
    People proxy;
    proxy.SetNormalizado(true);
    MessageLogCapture log;
    // Valid as typed; the class is empty once the combining accent is removed.
    proxy.setFilterRegularExpression(QStringLiteral("[\u0301]"));
    QCOMPARE(proxy.rowCount(), 0);
    proxy.SetFiltrarAllCols(false);
    QCOMPARE(proxy.rowCount(), 0);
    QCOMPARE(log.texts(QtWarningMsg), QStringList());
}

void TestZCSortFilterProxyModel::modelWithoutColumnsFindsNothing()
{
    TableModel model;
    model.setRows({{QStringLiteral("oculto")}});
    ZCSortFilterProxyModel proxy;
    Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
    proxy.setSourceModel(&model);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    proxy.setFilterRegularExpression(QStringLiteral("oculto"));
    QCOMPARE(proxy.rowCount(), 0);
    proxy.setFilterRegularExpression(QString());
    QCOMPARE(proxy.rowCount(), 1);
}

void TestZCSortFilterProxyModel::treeRowsAreFilteredAtEveryDepth()
{
    LazyTreeModel tree(2, 2);
    tree.rowCount(tree.index(0, 0)); // items 3 and 4 are the first item's children
    tree.setLabel(1, QStringLiteral("Almacén"));
    tree.setLabel(3, QStringLiteral("almacen norte"));
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(&tree);
    proxy.setRecursiveFilteringEnabled(true);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    proxy.setFilterRegularExpression(QStringLiteral("almacen"));
    QCOMPARE(proxy.rowCount(), 1);
    QCOMPARE(proxy.rowCount(proxy.index(0, 0)), 1);
    QCOMPARE(proxy.GetPrimerIndexEncontrado().data().toString(), QStringLiteral("Almacén"));
    tree.unloadAll(); // frees every item the first found index could point at
    QCOMPARE(proxy.GetPrimerIndexEncontrado().internalPointer(), nullptr);
}

void TestZCSortFilterProxyModel::passesTheModelTesterWithEveryOption_data()
{
    QTest::addColumn<bool>("tree");
    QTest::addColumn<int>("options");
    for (const bool tree : {false, true})
        for (int options = 0; options < 16; ++options)
            QTest::addRow("%s, all columns %d, normalised %d, case-insensitive %d, hidden column %d",
                          tree ? "tree" : "table", options & 1, (options >> 1) & 1, (options >> 2) & 1,
                          (options >> 3) & 1) << tree << options;
}

void TestZCSortFilterProxyModel::passesTheModelTesterWithEveryOption()
{
    QFETCH(bool, tree);
    QFETCH(int, options);
    TableModel table({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad")});
    LazyTreeModel lazy(3, 3);
    lazy.setLabel(2, QStringLiteral("Nodo Ñ"));
    ZCSortFilterProxyModel proxy;
    proxy.setRecursiveFilteringEnabled(true);
    proxy.SetFiltrarAllCols(options & 1);
    proxy.setFilterKeyColumn(options & 1 ? 0 : -1);
    proxy.SetNormalizado(options & 2);
    proxy.setFilterCaseSensitivity(options & 4 ? Qt::CaseInsensitive : Qt::CaseSensitive);
    if (options & 8)
        proxy.SetVisibilidadColumna(1, false);
    Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
    proxy.setSourceModel(tree ? static_cast<QAbstractItemModel*>(&lazy) : &table);
    proxy.sort(0);

    for (const QString& pattern : {QStringLiteral("ño"), QStringLiteral("NODO [12]"), QStringLiteral("1"),
                                   QStringLiteral("("), QString()}) {
        proxy.setFilterRegularExpression(pattern);
        if (tree) {
            lazy.reloadChildren(lazy.index(0, 0), 4);
            lazy.reverse();
            lazy.unloadAll();
        } else {
            table.setRows({{QStringLiteral("1"), QStringLiteral("Ñoño"), QStringLiteral("Cádiz")},
                           {QStringLiteral("2"), QStringLiteral("nodo 1"), QString()}});
            table.insertRow(1, {QStringLiteral("3"), QString(), QStringLiteral("León")});
            table.removeRow(0);
        }
        proxy.SetVisibilidadColumna(2, false);
        proxy.SetVisibilidadColumna(2, true);
    }
    if (tree)
        lazy.unloadAll(5);
    // The last pattern was empty: every source row is back.
    QCOMPARE(proxy.rowCount(), proxy.sourceModel()->rowCount());
}

MIROKIT_TEST_MAIN(TestZCSortFilterProxyModel)
#include "tst_zcsortfilterproxymodel.moc"
