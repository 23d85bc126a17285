#include "messagelogcapture.h"
#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCSortFilterProxyModel.h>

#include <QAbstractItemModelTester>

using Tester = QAbstractItemModelTester;

namespace {

// A proxy over five people that filters on every column joined.
struct People : ZCSortFilterProxyModel {
    TableModel model{cells("Código,Nombre,Ciudad"), {cells("1,Ana,Cádiz"), cells("2,José,León"), cells("3,Jose,Lugo"),
                                                     cells("4,Íñigo,Ávila"), cells("5,,Cadiz")}};
    People()
    {
        setSourceModel(&model);
        SetFiltrarAllCols(true);
    }
    QStringList names() const
    {
        QStringList texts;
        for (int row = 0; row < rowCount(); ++row)
            texts.append(index(row, 1).data().toString());
        return texts;
    }
};

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
    void treeRowsAreFilteredAtEveryDepth();
    void keptTextsAreDroppedWhenStale_data();
    void keptTextsAreDroppedWhenStale();
    void passesTheModelTesterWithEveryOption_data();
    void passesTheModelTesterWithEveryOption();
};

void TestZCSortFilterProxyModel::normalisationRemovesAccentsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("accented vowels and the tilde lose their marks") << "Ñandú Ávila pingüino" << "Nandu Avila pinguino";
    QTest::newRow("letters without decomposition stay") << "Æøß×" << "Æøß×";
    QTest::newRow("already decomposed marks are dropped") << "Jose\u0301" << "Jose";
    QTest::newRow("text beyond Latin-1 is normalised as well") << "ά Ŝ é" << "α S e";
    QTest::newRow("plain text stays as it is") << "Calle 5, 2º" << "Calle 5, 2º";
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
    QTest::addColumn<QString>("names");

    QTest::newRow("an unaccented pattern finds accented and plain names") << -2 << true << false << "jose" << "José,Jose";
    QTest::newRow("an accented pattern finds plain and accented names") << -2 << true << false << "JOSÉ" << "José,Jose";
    QTest::newRow("a city in another column is found") << -2 << true << false << "cadiz" << "Ana,";
    QTest::newRow("case still follows the proxy") << -2 << true << true << "jose" << "";
    QTest::newRow("without normalisation accents matter") << -2 << false << false << "jose" << "Jose";
    QTest::newRow("without normalisation an accented pattern finds only accents") << -2 << false << false << "cádiz" << "Ana";
    QTest::newRow("the key column is normalised like the pattern") << 1 << true << true << "José" << "José,Jose";
    QTest::newRow("other columns than the key are not searched") << 1 << true << true << "Cadiz" << "";
    QTest::newRow("key column -1 searches each column") << -1 << true << true << "Cadiz" << "Ana,";
    QTest::newRow("a key column that does not exist filters nothing out") << 7 << true << true << "nada" << "Ana,José,Jose,Íñigo,";
    // Valid as typed; the class is empty once the combining accent is removed.
    QTest::newRow("a pattern broken by normalisation matches nothing") << -2 << true << false << "[́]" << "";
    QTest::newRow("a pattern broken by normalisation matches no key column") << 1 << true << false << "[́]" << "";
}

void TestZCSortFilterProxyModel::filterMatchesAccentInsensitively()
{
    QFETCH(int, keyColumn);
    QFETCH(bool, normalised);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, pattern);
    QFETCH(QString, names);
    MessageLogCapture log;
    People proxy;
    proxy.setFilterCaseSensitivity(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    proxy.SetFiltrarAllCols(keyColumn == -2);
    proxy.setFilterKeyColumn(keyColumn == -2 ? 0 : keyColumn);
    proxy.setFilterRegularExpression(pattern);
    proxy.SetNormalizado(!normalised); // each switch must rebuild the pattern already set
    proxy.SetNormalizado(normalised);
    QCOMPARE(proxy.names().join(QLatin1Char(',')), names);
    QCOMPARE(log.texts(QtWarningMsg), QStringList()); // not one warning per row
}

void TestZCSortFilterProxyModel::cellsAreJoinedByOneTabWithoutEmptyOnes_data()
{
    QTest::addColumn<QString>("row"); // three comma-separated cells
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("neighbouring cells are separated by a tab") << "a,b,c" << "^a\tb\tc$" << true;
    QTest::newRow("an empty cell in the middle adds no second tab") << "a,,c" << "^a\tc$" << true;
    QTest::newRow("a leading empty cell adds no tab") << ",b,c" << "^b\tc$" << true;
    QTest::newRow("a trailing empty cell adds no tab") << "a,b," << "^a\tb$" << true;
    QTest::newRow("cells are not glued together") << "a,b," << "ab" << false;
    QTest::newRow("a class matching inside one cell accepts the row") << "c,b," << "[bx]" << true;
    QTest::newRow("a pattern may match across the tab") << "a,b," << "a.b" << true;
    QTest::newRow("a word boundary holds at the tab") << "a,b," << "\\bb\\b" << true;
    QTest::newRow("a lookbehind sees the tab before a cell") << "a,b," << "(?<!\t)b" << false;
    QTest::newRow("an anchor sees the whole row, not a cell") << "a,b," << "^b" << false;
    QTest::newRow("a row of empty cells is one empty text") << ",," << "x*" << true;
}

void TestZCSortFilterProxyModel::cellsAreJoinedByOneTabWithoutEmptyOnes()
{
    QFETCH(QString, row);
    QFETCH(QString, pattern);
    QFETCH(bool, accepted);
    TableModel model(cells("1,2,3"), {row.split(QLatin1Char(','))});
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
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model.index(1, 0));
    // A row accepted later, even above the first one, does not replace it; the index follows its row.
    proxy.model.insertRow(0, cells("9,Noel,Leon"));
    QCOMPARE(proxy.rowCount(), 2);
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model.index(2, 0));
    proxy.model.removeRow(2);
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());
    proxy.setFilterRegularExpression(QStringLiteral("lugo"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), proxy.model.index(2, 0));
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

void TestZCSortFilterProxyModel::treeRowsAreFilteredAtEveryDepth()
{
    LazyTreeModel tree(2, 2);
    QCOMPARE(tree.rowCount(), 2); // items 1 and 2 at the top
    tree.rowCount(tree.index(0, 0)); // items 3 and 4 are the first item's children
    tree.m_labels = {{1, QStringLiteral("Almacén")}, {3, QStringLiteral("almacen norte")}};
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

namespace {

// What happens to the model (or the proxy) between two patterns.
enum class Change { EditCell, InsertRow, RemoveRow, MoveRow, InsertColumn, RemoveColumn, NewLayout,
                    ResetModel, NewSourceModel, NormalisationOff };

} // namespace

Q_DECLARE_METATYPE(Change)

void TestZCSortFilterProxyModel::keptTextsAreDroppedWhenStale_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("names");

    QTest::newRow("an edited cell is read again") << Change::EditCell << "lugo" << "Ana";
    QTest::newRow("a row inserted above moves the texts down") << Change::InsertRow << "soria" << "Zoe";
    QTest::newRow("a row removed above moves the texts up") << Change::RemoveRow << "leon" << "José";
    QTest::newRow("a moved row takes its text along") << Change::MoveRow << "avila" << "Íñigo";
    QTest::newRow("an inserted column is read") << Change::InsertColumn << "nuevo" << "Ana,José,Íñigo";
    QTest::newRow("a removed column is no longer read") << Change::RemoveColumn << "cadiz" << "";
    QTest::newRow("rows in a new layout are read in their new places") << Change::NewLayout << "avila" << "Íñigo";
    QTest::newRow("a reset model is read anew") << Change::ResetModel << "soria" << "Zoe";
    QTest::newRow("another source model is read anew") << Change::NewSourceModel << "soria" << "Zoe";
    QTest::newRow("without normalisation the accents count again") << Change::NormalisationOff << "cadiz" << "";
}

// The texts kept by one pattern must not answer for the next one once the rows changed.
void TestZCSortFilterProxyModel::keptTextsAreDroppedWhenStale()
{
    QFETCH(Change, change);
    TableModel model(cells("Nombre,Ciudad"), {cells("Ana,Cádiz"), cells("José,León"), cells("Íñigo,Ávila")});
    TableModel other(cells("Nombre,Ciudad"), {cells("Zoe,Soria")});
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setFilterRegularExpression(QStringLiteral("x"));   // every row read and kept

    switch (change) {
    case Change::EditCell: model.setCell(0, 1, QStringLiteral("Lugo")); break;
    case Change::InsertRow: model.insertRow(0, cells("Zoe,Soria")); break;
    case Change::RemoveRow: model.removeRow(0); break;
    case Change::MoveRow: model.moveRow(2, 0); break;
    case Change::InsertColumn: model.insertColumn(2, QStringLiteral("Notas"), QStringLiteral("nuevo")); break;
    case Change::RemoveColumn: model.removeColumn(1); break;
    case Change::NewLayout: model.reverseRows(); break;
    case Change::ResetModel: model.reset(cells("Nombre,Ciudad"), {cells("Zoe,Soria")}); break;
    case Change::NewSourceModel: proxy.setSourceModel(&other); break;
    case Change::NormalisationOff: proxy.SetNormalizado(false); break;
    }
    QFETCH(QString, pattern);
    proxy.setFilterRegularExpression(pattern);
    QStringList names;
    for (int row = 0; row < proxy.rowCount(); ++row)
        names.append(proxy.index(row, 0).data().toString());
    QTEST(names.join(QLatin1Char(',')), "names");
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
    TableModel table(cells("Código,Nombre,Ciudad"));
    LazyTreeModel lazy(3, 3);
    lazy.m_labels.insert(2, QStringLiteral("Nodo Ñ"));
    ZCSortFilterProxyModel proxy;
    proxy.setRecursiveFilteringEnabled(tree); // over a table without columns Qt's own recursion would never end
    proxy.SetFiltrarAllCols(options & 1);
    proxy.setFilterKeyColumn(options & 1 ? 0 : -1);
    proxy.SetNormalizado(options & 2);
    proxy.setFilterCaseSensitivity(options & 4 ? Qt::CaseInsensitive : Qt::CaseSensitive);
    proxy.SetVisibilidadColumna(1, !(options & 8));
    Tester tester(&proxy, Tester::FailureReportingMode::Fatal);
    proxy.setSourceModel(tree ? static_cast<QAbstractItemModel*>(&lazy) : &table);
    proxy.sort(0);

    for (const char* pattern : {"ño", "NODO [12]", "1", "(", ""}) {
        proxy.setFilterRegularExpression(QString::fromUtf8(pattern));
        if (tree) {
            lazy.reloadChildren(lazy.index(0, 0), 4);
            lazy.unloadAll();
        } else {
            table.reset(*pattern == '1' ? QStringList() : cells("Código,Nombre,Ciudad"),
                        {cells("1,Ñoño,Cádiz"), cells("2,nodo 1,")});
            table.insertRow(1, cells("3,,León"));
            table.removeRow(0);
            if (*pattern == '1')
                QCOMPARE(proxy.rowCount(), 0); // no columns: nothing is found
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
