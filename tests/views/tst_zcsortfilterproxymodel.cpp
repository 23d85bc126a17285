#include "messagelogcapture.h"
#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCSortFilterProxyModel.h>

#include <QAbstractItemModelTester>

using Tester = QAbstractItemModelTester;

namespace {

using Rows = QVector<QStringList>;

TableModel* peopleTable(QObject* parent)
{
    auto* model = new TableModel({QStringLiteral("Código"), QStringLiteral("Nombre"),
                                  QStringLiteral("Ciudad")}, parent);
    model->setRows({{QStringLiteral("1"), QStringLiteral("Ana"), QStringLiteral("Cádiz")},
                    {QStringLiteral("2"), QStringLiteral("José"), QStringLiteral("León")},
                    {QStringLiteral("3"), QStringLiteral("Jose"), QStringLiteral("Lugo")},
                    {QStringLiteral("4"), QStringLiteral("Íñigo"), QStringLiteral("Ávila")},
                    {QStringLiteral("5"), QString(), QStringLiteral("Cadiz")}});
    return model;
}

QStringList column(const QAbstractItemModel& model, int sourceColumn = 1)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, sourceColumn).data().toString());
    return texts;
}

} // namespace

class TestZCSortFilterProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void normalisationRemovesAccentsOnly_data();
    void normalisationRemovesAccentsOnly();
    void plainTextIsNotCopied();

    void allColumnsMatchAccentInsensitively_data();
    void allColumnsMatchAccentInsensitively();
    void keyColumnIsNormalisedLikeThePattern_data();
    void keyColumnIsNormalisedLikeThePattern();
    void cellsAreJoinedByOneTabWithoutEmptyOnes_data();
    void cellsAreJoinedByOneTabWithoutEmptyOnes();
    void caseFollowsTheProxySensitivity();
    void switchingNormalisationRebuildsThePattern();

    void firstFoundIndexLastsUntilTheNextPattern();
    void firstFoundIndexDiesWithItsRow();
    void firstFoundIndexDiesWithAReset();

    void columnHiddenTwiceIsShownByOneCall();
    void clearingShowsEveryColumn();

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
        << QStringLiteral("Ñandú Ávila José") << QStringLiteral("Nandu Avila Jose");
    QTest::newRow("the dieresis goes too") << QStringLiteral("pingüino") << QStringLiteral("pinguino");
    QTest::newRow("letters without decomposition stay") << QStringLiteral("Æøß×") << QStringLiteral("Æøß×");
    QTest::newRow("already decomposed marks are dropped")
        << QStringLiteral("Jose\u0301") << QStringLiteral("Jose");
    QTest::newRow("text beyond Latin-1 is normalised as well")
        << QStringLiteral("ά Ŝ é") << QStringLiteral("α S e");
    QTest::newRow("plain text stays as it is") << QStringLiteral("Calle 5, 2º") << QStringLiteral("Calle 5, 2º");
}

void TestZCSortFilterProxyModel::normalisationRemovesAccentsOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ZCSortFilterProxyModel::normalizeText(text), expected);
}

void TestZCSortFilterProxyModel::plainTextIsNotCopied()
{
    const QString plain = QStringLiteral("Calle Mayor").repeated(10);
    QVERIFY(ZCSortFilterProxyModel::normalizeText(plain).isSharedWith(plain));
}

void TestZCSortFilterProxyModel::allColumnsMatchAccentInsensitively_data()
{
    QTest::addColumn<bool>("normalised");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("an unaccented pattern finds accented and plain names")
        << true << QStringLiteral("jose") << QStringList{QStringLiteral("José"), QStringLiteral("Jose")};
    QTest::newRow("an accented pattern finds plain and accented names")
        << true << QStringLiteral("JOSÉ") << QStringList{QStringLiteral("José"), QStringLiteral("Jose")};
    QTest::newRow("an unaccented pattern finds a city in another column")
        << true << QStringLiteral("cadiz") << QStringList{QStringLiteral("Ana"), QString()};
    QTest::newRow("the tilde is ignored as well")
        << true << QStringLiteral("inigo") << QStringList{QStringLiteral("Íñigo")};
    QTest::newRow("without normalisation accents matter")
        << false << QStringLiteral("jose") << QStringList{QStringLiteral("Jose")};
    QTest::newRow("without normalisation an accented pattern finds only accents")
        << false << QStringLiteral("cádiz") << QStringList{QStringLiteral("Ana")};
}

void TestZCSortFilterProxyModel::allColumnsMatchAccentInsensitively()
{
    QFETCH(bool, normalised);
    QFETCH(QString, pattern);
    QFETCH(QStringList, names);
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(normalised);
    proxy.setFilterRegularExpression(pattern);
    QCOMPARE(column(proxy), names);
    delete model;
}

void TestZCSortFilterProxyModel::keyColumnIsNormalisedLikeThePattern_data()
{
    QTest::addColumn<int>("keyColumn");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("an accented pattern finds the name with and without accent")
        << 1 << QStringLiteral("José") << QStringList{QStringLiteral("José"), QStringLiteral("Jose")};
    QTest::newRow("an unaccented pattern finds both too")
        << 1 << QStringLiteral("Jose") << QStringList{QStringLiteral("José"), QStringLiteral("Jose")};
    QTest::newRow("other columns are not searched")
        << 1 << QStringLiteral("Cadiz") << QStringList{};
    QTest::newRow("key column -1 searches each column")
        << -1 << QStringLiteral("Cadiz") << QStringList{QStringLiteral("Ana"), QString()};
    QTest::newRow("a key column that does not exist filters nothing out")
        << 7 << QStringLiteral("nada") << QStringList{QStringLiteral("Ana"), QStringLiteral("José"),
                                                    QStringLiteral("Jose"), QStringLiteral("Íñigo"), QString()};
}

void TestZCSortFilterProxyModel::keyColumnIsNormalisedLikeThePattern()
{
    QFETCH(int, keyColumn);
    QFETCH(QString, pattern);
    QFETCH(QStringList, names);
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.setFilterKeyColumn(keyColumn);
    proxy.SetNormalizado(true);
    proxy.setFilterRegularExpression(pattern);
    QCOMPARE(column(proxy), names);
    delete model;
}

void TestZCSortFilterProxyModel::cellsAreJoinedByOneTabWithoutEmptyOnes_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("neighbouring cells are separated by a tab")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")} << QStringLiteral("^a\tb\tc$") << true;
    QTest::newRow("an empty cell in the middle adds no second tab")
        << QStringList{QStringLiteral("a"), QString(), QStringLiteral("c")} << QStringLiteral("^a\tc$") << true;
    QTest::newRow("a leading empty cell adds no tab")
        << QStringList{QString(), QStringLiteral("b"), QStringLiteral("c")} << QStringLiteral("^b\tc$") << true;
    QTest::newRow("a trailing empty cell adds no tab")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("^a\tb$") << true;
    QTest::newRow("cells are not glued together")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("ab") << false;
    QTest::newRow("a class matching inside one cell accepts the row")
        << QStringList{QStringLiteral("x"), QStringLiteral("e"), QString()} << QStringLiteral("[ei]") << true;
    QTest::newRow("a pattern may match across the tab")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("a.b") << true;
    QTest::newRow("a word boundary holds at the tab")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("\\bb\\b") << true;
    QTest::newRow("a lookbehind sees the tab before a cell")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("(?<!\t)b") << false;
    QTest::newRow("an anchor sees the whole row, not a cell")
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QString()} << QStringLiteral("^b") << false;
    QTest::newRow("a row of empty cells is one empty text")
        << QStringList{QString(), QString(), QString()} << QStringLiteral("x*") << true;
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

void TestZCSortFilterProxyModel::caseFollowsTheProxySensitivity()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    proxy.setFilterCaseSensitivity(Qt::CaseSensitive);
    proxy.setFilterRegularExpression(QStringLiteral("jose"));
    QCOMPARE(proxy.rowCount(), 0);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setFilterRegularExpression(QStringLiteral("jose"));
    QCOMPARE(proxy.rowCount(), 2);
    delete model;
}

void TestZCSortFilterProxyModel::switchingNormalisationRebuildsThePattern()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetFiltrarAllCols(true);
    proxy.setFilterRegularExpression(QStringLiteral("José"));
    QCOMPARE(column(proxy), QStringList{QStringLiteral("José")});
    proxy.SetNormalizado(true);
    QCOMPARE(column(proxy), (QStringList{QStringLiteral("José"), QStringLiteral("Jose")}));
    proxy.SetNormalizado(false);
    QCOMPARE(column(proxy), QStringList{QStringLiteral("José")});
    delete model;
}

void TestZCSortFilterProxyModel::firstFoundIndexLastsUntilTheNextPattern()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());

    proxy.setFilterRegularExpression(QStringLiteral("leon"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), model->index(1, 0));

    // A row accepted later, even above the first one, does not replace it.
    model->insertRow(0, {QStringLiteral("9"), QStringLiteral("Noel"), QStringLiteral("Leon")});
    QCOMPARE(proxy.rowCount(), 2);
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), model->index(2, 0));

    proxy.setFilterRegularExpression(QStringLiteral("lugo"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado(), model->index(3, 0));
    proxy.setFilterRegularExpression(QStringLiteral("nadie"));
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());
    delete model;
}

void TestZCSortFilterProxyModel::firstFoundIndexDiesWithItsRow()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetFiltrarAllCols(true);
    proxy.setFilterRegularExpression(QStringLiteral("Lugo"));
    QCOMPARE(proxy.GetPrimerIndexEncontrado().row(), 2);
    model->removeRow(0);
    QCOMPARE(proxy.GetPrimerIndexEncontrado().row(), 1);
    model->removeRow(1);
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());
    delete model;
}

void TestZCSortFilterProxyModel::firstFoundIndexDiesWithAReset()
{
    LazyTreeModel tree(3, 2);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(&tree);
    proxy.setFilterRegularExpression(QStringLiteral("nodo"));
    QVERIFY(proxy.GetPrimerIndexEncontrado().isValid());
    tree.unloadAll(); // frees every item the index could point at
    QVERIFY(!proxy.GetPrimerIndexEncontrado().isValid());
    QCOMPARE(proxy.GetPrimerIndexEncontrado().internalPointer(), nullptr);
}

void TestZCSortFilterProxyModel::columnHiddenTwiceIsShownByOneCall()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetVisibilidadColumna(1, false);
    proxy.SetVisibilidadColumna(1, false);
    QCOMPARE(proxy.columnCount(), 2);
    QCOMPARE(proxy.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ciudad"));
    proxy.SetVisibilidadColumna(1, true);
    QCOMPARE(proxy.columnCount(), 3);
    QCOMPARE(proxy.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nombre"));
    delete model;
}

void TestZCSortFilterProxyModel::clearingShowsEveryColumn()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetVisibilidadColumna(0, false);
    proxy.SetVisibilidadColumna(2, false);
    QCOMPARE(proxy.columnCount(), 1);
    proxy.LimpiaVisibilidadColumnas();
    QCOMPARE(proxy.columnCount(), 3);
    delete model;
}

void TestZCSortFilterProxyModel::patternBrokenByNormalisationMatchesNothingQuietly()
{
    TableModel* model = peopleTable(this);
    ZCSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.SetFiltrarAllCols(true);
    proxy.SetNormalizado(true);
    MessageLogCapture log;
    // Valid as typed; the class is empty once the combining accent is removed.
    proxy.setFilterRegularExpression(QStringLiteral("[\u0301]"));
    QCOMPARE(proxy.rowCount(), 0);
    proxy.SetFiltrarAllCols(false);
    QCOMPARE(proxy.rowCount(), 0);
    QCOMPARE(log.texts(QtWarningMsg), QStringList());
    delete model;
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
    QCOMPARE(proxy.index(0, 0).data().toString(), QStringLiteral("Almacén"));
    QCOMPARE(proxy.rowCount(proxy.index(0, 0)), 1);
    QCOMPARE(proxy.GetPrimerIndexEncontrado().data().toString(), QStringLiteral("Almacén"));
}

void TestZCSortFilterProxyModel::passesTheModelTesterWithEveryOption_data()
{
    QTest::addColumn<bool>("tree");
    QTest::addColumn<bool>("allColumns");
    QTest::addColumn<bool>("normalised");
    QTest::addColumn<bool>("caseInsensitive");
    QTest::addColumn<bool>("hideColumn");

    for (const bool tree : {false, true}) {
        for (int options = 0; options < 16; ++options) {
            const bool all = options & 1, normal = options & 2, nocase = options & 4, hide = options & 8;
            const QString name = QStringLiteral("%1, all columns %2, normalised %3, case-insensitive %4, hidden column %5")
                                     .arg(tree ? QStringLiteral("tree") : QStringLiteral("table"))
                                     .arg(all).arg(normal).arg(nocase).arg(hide);
            QTest::newRow(qPrintable(name)) << tree << all << normal << nocase << hide;
        }
    }
}

void TestZCSortFilterProxyModel::passesTheModelTesterWithEveryOption()
{
    QFETCH(bool, tree);
    QFETCH(bool, allColumns);
    QFETCH(bool, normalised);
    QFETCH(bool, caseInsensitive);
    QFETCH(bool, hideColumn);

    TableModel table({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Ciudad")});
    LazyTreeModel lazy(3, 3);
    lazy.setLabel(2, QStringLiteral("Nodo Ñ"));
    ZCSortFilterProxyModel proxy;
    proxy.setRecursiveFilteringEnabled(true);
    proxy.SetFiltrarAllCols(allColumns);
    proxy.SetNormalizado(normalised);
    proxy.setFilterCaseSensitivity(caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
    proxy.setFilterKeyColumn(allColumns ? 0 : -1);
    if (hideColumn)
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
        lazy.reinit(5);
    // The last pattern was empty: every source row is back.
    QCOMPARE(proxy.rowCount(), proxy.sourceModel()->rowCount());
}

MIROKIT_TEST_MAIN(TestZCSortFilterProxyModel)
#include "tst_zcsortfilterproxymodel.moc"
