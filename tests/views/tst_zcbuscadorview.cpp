#include "mirokittest.h"
#include "testmodels.h"

#include <Mirokit/ZCBuscadorView.h>
#include <Mirokit/ZCSortFilterProxyModel.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QToolButton>

namespace {

// A search box over a proxy of four people, in a window of its own with a second field to
// take the focus away.
struct SearchWindow : QWidget {
    TableModel model{cells("Nombre,Ciudad"), {cells("Ana,Cádiz"), cells("José,León"), cells("Jose,Lugo"), cells("Íñigo,Ávila")}};
    ZCSortFilterProxyModel proxy;
    ZCBuscadorView* box = new ZCBuscadorView(this);
    QLineEdit* other = new QLineEdit(this);
    QSignalSpy searches{box, &ZCBuscadorView::searchChanged};

    SearchWindow()
    {
        proxy.setSourceModel(&model);
        proxy.SetFiltrarAllCols(true);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        box->SetProxyModel(&proxy);
        other->move(0, 60);
    }
    QLineEdit* edit() const { return box->findChild<QLineEdit*>(); }
    QString lastSearch() const { return searches.isEmpty() ? QStringLiteral("<none>") : searches.last().first().toString(); }
    QToolButton* clearButton() const
    {
        for (QToolButton* button : edit()->findChildren<QToolButton*>()) {
            if (button->toolTip() == QLatin1String("Limpiar filtro"))
                return button;
        }
        return nullptr;
    }
};

} // namespace

class TestZCBuscadorView : public QObject
{
    Q_OBJECT

private slots:
    void typingSearchesOnceAfterThePause();
    void clearingSearchesAtOnceAndOnlyOnce_data();
    void clearingSearchesAtOnceAndOnlyOnce();
    void invalidPatternKeepsTheFilter();
    void hostDrivesTheSearch_data();
    void hostDrivesTheSearch();
    void focusIsShownAndTakenByCtrlB();
};

void TestZCBuscadorView::typingSearchesOnceAfterThePause()
{
    SearchWindow window;
    QCOMPARE(window.edit()->placeholderText(), QStringLiteral("Buscar"));
    QElapsedTimer clock;
    clock.start();
    QTest::keyClicks(window.edit(), QStringLiteral("jose"));
    QVERIFY(window.searches.isEmpty());
    QTRY_COMPARE(window.searches.count(), 1);
    QVERIFY2(clock.elapsed() >= 450, "searched before the pause was over");
    QCOMPARE(window.lastSearch(), QStringLiteral("jose"));
    QCOMPARE(window.proxy.rowCount(), 1);
    QTest::qWait(600);
    QCOMPARE(window.searches.count(), 1);
}

void TestZCBuscadorView::clearingSearchesAtOnceAndOnlyOnce_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Escape empties the box") << true;
    QTest::newRow("the clear button empties the box") << false;
}

void TestZCBuscadorView::clearingSearchesAtOnceAndOnlyOnce()
{
    QFETCH(bool, byEscape);
    SearchWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.edit()->setText(QStringLiteral("le"));
    QTRY_COMPARE(window.searches.count(), 1);
    QCOMPARE(window.proxy.rowCount(), 1);

    window.edit()->setText(QStringLiteral("leon")); // still pending when the box is cleared
    if (byEscape) {
        QTest::keyClick(window.edit(), Qt::Key_Escape);
    } else {
        QVERIFY(window.clearButton());
        QTest::mouseClick(window.clearButton(), Qt::LeftButton);
    }
    QCOMPARE(window.searches.count(), 2);
    QCOMPARE(window.lastSearch(), QString());
    QCOMPARE(window.proxy.rowCount(), 4);
    QTest::qWait(600); // the search that typing had scheduled is not run as well
    QCOMPARE(window.searches.count(), 2);
}

void TestZCBuscadorView::invalidPatternKeepsTheFilter()
{
    SearchWindow window;
    // A proxy that goes away is forgotten: the box still searches and announces it.
    auto* gone = new ZCSortFilterProxyModel;
    window.box->SetProxyModel(gone);
    delete gone;
    QTest::keyClick(window.edit(), Qt::Key_Escape);
    QCOMPARE(window.searches.count(), 1);

    window.box->SetProxyModel(&window.proxy);
    window.edit()->setText(QStringLiteral("Lu"));
    QTRY_COMPARE(window.searches.count(), 2);
    QCOMPARE(window.proxy.rowCount(), 1);
    window.edit()->setText(QStringLiteral("(Lu"));
    QTRY_COMPARE(window.searches.count(), 3);
    QCOMPARE(window.lastSearch(), QStringLiteral("(Lu"));
    QCOMPARE(window.proxy.filterRegularExpression().pattern(), QStringLiteral("Lu"));
    QCOMPARE(window.proxy.rowCount(), 1);
}

void TestZCBuscadorView::hostDrivesTheSearch_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("byHost");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("searchesAtOnce");
    QTest::addColumn<int>("searchesAfterThePause");
    QTest::addColumn<QString>("lastSearch");
    QTest::addColumn<int>("rows");
    QTest::newRow("a pause of 0 searches at every key") << 0 << false << "jose" << "" << 4 << 4 << "jose" << 1;
    QTest::newRow("a negative pause counts as 0") << -5 << false << "jo" << "" << 2 << 2 << "jo" << 2;
    QTest::newRow("a shorter pause still searches once after the last key") << 200 << false << "jose" << "" << 0 << 1 << "jose" << 1;
    QTest::newRow("setText types like the user, searching after the pause") << 200 << true << "lugo" << "" << 0 << 1 << "lugo" << 1;
    QTest::newRow("setText with a pause of 0 searches at once") << 0 << true << "lugo" << "" << 1 << 1 << "lugo" << 1;
    QTest::newRow("search() runs the pending search now and only once") << 500 << true << "le" << "search" << 1 << 1 << "le" << 1;
    QTest::newRow("clear() drops the pending search and searches once for nothing") << 500 << false << "le" << "clear" << 1 << 1 << "" << 4;
    QTest::newRow("clear() with a pause of 0 searches once for the clearing") << 0 << false << "le" << "clear" << 3 << 3 << "" << 4;
    QTest::newRow("clear() of an empty box still searches") << 0 << true << "" << "clear" << 1 << 1 << "" << 4;
}

void TestZCBuscadorView::hostDrivesTheSearch()
{
    QFETCH(int, delay);
    QFETCH(bool, byHost);
    QFETCH(QString, typed);
    QFETCH(QString, then);
    QFETCH(int, searchesAtOnce);
    QFETCH(int, searchesAfterThePause);
    SearchWindow window;
    window.box->setSearchDelay(delay);
    QCOMPARE(window.box->searchDelay(), std::max(delay, 0));
    if (byHost)
        window.box->setText(typed);
    else
        QTest::keyClicks(window.edit(), typed);
    QCOMPARE(window.box->text(), typed);
    if (then == QLatin1String("search"))
        window.box->search();
    else if (then == QLatin1String("clear"))
        window.box->clear();
    QCOMPARE(window.searches.count(), searchesAtOnce);
    // The pause is a timer, late on a loaded machine: wait for the search it brings, then make
    // sure no other follows.
    QTRY_COMPARE_WITH_TIMEOUT(window.searches.count(), searchesAfterThePause, std::max(delay, 0) + 5000);
    QTest::qWait(std::max(delay, 0) + 150);
    QCOMPARE(window.searches.count(), searchesAfterThePause);
    QTEST(window.lastSearch(), "lastSearch");
    QTEST(window.proxy.rowCount(), "rows");
}

void TestZCBuscadorView::focusIsShownAndTakenByCtrlB()
{
    SearchWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.other->setFocus();
    QCOMPARE(window.box->property("focused"), QVariant(false));
    QTest::keyClick(window.other, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(window.edit()->hasFocus());
    QCOMPARE(window.box->property("focused"), QVariant(true));
    window.other->setFocus();
    QCOMPARE(window.box->property("focused"), QVariant(false));
}

MIROKIT_TEST_MAIN(TestZCBuscadorView)
#include "tst_zcbuscadorview.moc"
