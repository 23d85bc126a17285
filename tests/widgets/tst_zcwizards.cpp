#include "messagelogcapture.h"
#include "mirokittest.h"

#include <Mirokit/ZCComplexWizard.h>
#include <Mirokit/ZCHeaderBox.h>
#include <Mirokit/ZCSimpleWizard.h>
#include <Mirokit/ZCWizardPage.h>

#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

struct Page : ZCWizardPage {
    explicit Page(const QString& name, QWidget* parent) : ZCWizardPage(parent) { setObjectName(name); }
    ZCWizardPage* nextPage() override { return next; }
    bool isLastPage() override { return last; }
    bool isComplete() override { return complete; }
    void resetPage() override { ++resets; }
    void onActivatedPage() override
    {
        if (onActivated)
            onActivated();
    }
    void setComplete(bool value) { complete = value; emit completeStateChanged(); }
    ZCWizardPage* next = nullptr;
    bool last = false;
    bool complete = true;
    int resets = 0;
    std::function<void()> onActivated;
};

// a -> b -> c, c being the last page; a is shown at once unless the wizard is to start bare.
struct Complex : ZCComplexWizard {
    explicit Complex(bool showFirstPage = true) : ZCComplexWizard(nullptr, QStringLiteral("Alta"), QString())
    {
        a->next = b;
        b->next = c;
        c->last = true;
        if (showFirstPage)
            setFirstPage(a);
    }
    using ZCComplexWizard::setFirstPage;
    QString history() const
    {
        QStringList names;
        for (ZCWizardPage* page : historyPages())
            names.append(page->objectName());
        return names.join(QLatin1Char(','));
    }
    Page* a = new Page(QStringLiteral("a"), this);
    Page* b = new Page(QStringLiteral("b"), this);
    Page* c = new Page(QStringLiteral("c"), this);
};

struct Simple : ZCSimpleWizard {
    explicit Simple(int pages, bool steps) : ZCSimpleWizard(nullptr)
    {
        setTituloVentana(QStringLiteral("Importar"), steps);
        setNumPages(pages);
    }
    QWidget* createPage(int index) override
    {
        created.append(index);
        if (index == failingIndex)
            return nullptr;
        auto* page = new QWidget;
        pages.append(page);
        return page;
    }
    using ZCSimpleWizard::setButtonEnabled;
    QList<int> created;
    QList<QPointer<QWidget>> pages;
    int failingIndex = -1;
};

struct Buttons {
    bool back, next, finish, finishDefault;
};

QPushButton* button(const ZCBaseWizard& wizard, const QString& text)
{
    for (QPushButton* candidate : wizard.findChildren<QPushButton*>())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

void click(const ZCBaseWizard& wizard, const QString& text)
{
    button(wizard, text)->click();
}

Buttons buttonsOf(const ZCBaseWizard& wizard)
{
    QPushButton* finish = button(wizard, QStringLiteral("&Finalizar"));
    return {button(wizard, QStringLiteral("< &Retroceder"))->isEnabled(),
            button(wizard, QStringLiteral("Siguiente >"))->isEnabled(), finish->isEnabled(), finish->isDefault()};
}

} // namespace

class TestZCWizards : public QObject
{
    Q_OBJECT

private slots:
    void complexNavigationFollowsTheHistory_data();
    void complexNavigationFollowsTheHistory();
    void backWaitsForAPageToGoBackTo();
    void complexPagesAreResetWhenEnteredAndLeft();
    void completeStateDrivesNextAndFinish();
    void nullNextPageKeepsThePageWithAWarning();
    void deletedPageLeavesTheHistory();
    void aPageThatMovesOnWhenEnteredIsLeftBehind();
    void simpleWizardCreatesAndDeletesPages();
    void simpleWizardTitleShowsTheStep_data();
    void simpleWizardTitleShowsTheStep();
    void simpleWizardWithoutAFactoryPageStays();
    void headerGoesAboveThePageAndHiddenBackStillNavigates();
};

void TestZCWizards::complexNavigationFollowsTheHistory_data()
{
    QTest::addColumn<QString>("steps"); // N: Next, B: Back, C: clearHistory
    QTest::addColumn<QString>("history");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("next");
    QTest::addColumn<bool>("finish");

    QTest::newRow("the first page has nowhere to go back to") << "" << "a" << false << true << false;
    QTest::newRow("the second page may go back") << "N" << "a,b" << true << true << false;
    QTest::newRow("the last page offers Finish only") << "NN" << "a,b,c" << true << false << true;
    QTest::newRow("back from the last page returns to the second") << "NNB" << "a,b" << true << true << false;
    QTest::newRow("back on the first page does nothing") << "B" << "a" << false << true << false;
    QTest::newRow("a cleared history disables Back") << "NC" << "b" << false << true << false;
    QTest::newRow("back after clearing the history does nothing") << "NCB" << "b" << false << true << false;
    QTest::newRow("next after clearing may go back once") << "NCN" << "b,c" << true << false << true;
}

void TestZCWizards::complexNavigationFollowsTheHistory()
{
    QFETCH(QString, steps);
    QFETCH(QString, history);
    Complex wizard;
    for (QChar step : steps) {
        if (step == QLatin1Char('N'))
            click(wizard, QStringLiteral("Siguiente >"));
        else if (step == QLatin1Char('B'))
            click(wizard, QStringLiteral("< &Retroceder"));
        else
            wizard.clearHistory();
    }
    QCOMPARE(wizard.history(), history);
    const Buttons buttons = buttonsOf(wizard);
    QTEST(buttons.back, "back");
    QTEST(buttons.next, "next");
    QTEST(buttons.finish, "finish");
    QCOMPARE(buttons.finishDefault, buttons.finish);
    for (Page* page : {wizard.a, wizard.b, wizard.c})
        QCOMPARE(page->isVisibleTo(&wizard), page->objectName() == history.right(1));
}

void TestZCWizards::backWaitsForAPageToGoBackTo()
{
    Complex wizard(false);
    QVERIFY(!buttonsOf(wizard).back);
    click(wizard, QStringLiteral("< &Retroceder"));
    QCOMPARE(wizard.history(), QString());
    wizard.setFirstPage(wizard.a);
    QVERIFY(!buttonsOf(wizard).back);
    wizard.gotoNextPage();
    QVERIFY(buttonsOf(wizard).back);
}

void TestZCWizards::complexPagesAreResetWhenEnteredAndLeft()
{
    Complex wizard;
    wizard.gotoNextPage();
    wizard.gotoNextPage();
    click(wizard, QStringLiteral("< &Retroceder"));
    QCOMPARE(wizard.a->resets, 1);
    QCOMPARE(wizard.b->resets, 1);
    QCOMPARE(wizard.c->resets, 2);
    QVERIFY(wizard.c->parent() == &wizard);
}

void TestZCWizards::completeStateDrivesNextAndFinish()
{
    Complex wizard;
    wizard.a->setComplete(false);
    QVERIFY(!buttonsOf(wizard).next);
    wizard.a->setComplete(true);
    QVERIFY(buttonsOf(wizard).next);

    wizard.c->complete = false;
    wizard.setCurrentPage(wizard.c);
    QVERIFY(!buttonsOf(wizard).finish);
    wizard.c->setComplete(true);
    QVERIFY(buttonsOf(wizard).finish);
    QVERIFY(!buttonsOf(wizard).next);
    // A page that was left no longer drives the buttons.
    wizard.a->setComplete(false);
    QVERIFY(buttonsOf(wizard).finish);
}

void TestZCWizards::nullNextPageKeepsThePageWithAWarning()
{
    Complex wizard;
    wizard.a->next = nullptr;
    MessageLogCapture log;
    wizard.gotoNextPage();
    QCOMPARE(wizard.history(), QStringLiteral("a"));
    QVERIFY(log.contains(QtWarningMsg, QStringLiteral("La página actual del asistente no indica ninguna página siguiente")));
}

void TestZCWizards::deletedPageLeavesTheHistory()
{
    Complex wizard;
    wizard.gotoNextPage();
    wizard.gotoNextPage();
    delete wizard.c;
    QCOMPARE(wizard.history(), QStringLiteral("a,b"));
    QVERIFY(wizard.b->isVisibleTo(&wizard));
    delete wizard.a;
    QCOMPARE(wizard.history(), QStringLiteral("b"));
    QVERIFY(!buttonsOf(wizard).back);
}

void TestZCWizards::aPageThatMovesOnWhenEnteredIsLeftBehind()
{
    Complex wizard;
    // As a page with nothing to ask would do.
    wizard.b->onActivated = [&wizard] { wizard.gotoNextPage(); };
    wizard.gotoNextPage();
    QCOMPARE(wizard.history(), QStringLiteral("a,b,c"));
    QVERIFY(!wizard.b->isVisibleTo(&wizard));
    QVERIFY(wizard.c->isVisibleTo(&wizard));
    QVERIFY(buttonsOf(wizard).finish);
}

void TestZCWizards::simpleWizardCreatesAndDeletesPages()
{
    Simple wizard(3, false);
    click(wizard, QStringLiteral("Siguiente >"));
    click(wizard, QStringLiteral("Siguiente >"));
    click(wizard, QStringLiteral("Siguiente >")); // disabled on the last page
    QCOMPARE(wizard.created, (QList<int>{0, 1, 2}));
    QVERIFY(buttonsOf(wizard).finishDefault);
    QVERIFY(!buttonsOf(wizard).next);

    click(wizard, QStringLiteral("< &Retroceder"));
    QVERIFY(wizard.pages.at(2).isNull());
    QVERIFY(wizard.pages.at(1)->isVisibleTo(&wizard));
    click(wizard, QStringLiteral("Siguiente >"));
    QCOMPARE(wizard.created, (QList<int>{0, 1, 2, 2}));

    wizard.setButtonEnabled(false);
    QVERIFY(!buttonsOf(wizard).finish);
}

void TestZCWizards::simpleWizardTitleShowsTheStep_data()
{
    QTest::addColumn<bool>("steps");
    QTest::addColumn<int>("nexts");
    QTest::addColumn<QString>("title");
    QTest::newRow("the first of three steps") << true << 0 << "Importar - Paso 1 de 3";
    QTest::newRow("the last of three steps") << true << 2 << "Importar - Paso 3 de 3";
    QTest::newRow("without steps, the title alone") << false << 1 << "Importar";
}

void TestZCWizards::simpleWizardTitleShowsTheStep()
{
    QFETCH(bool, steps);
    QFETCH(int, nexts);
    Simple wizard(3, steps);
    for (int i = 0; i < nexts; ++i)
        click(wizard, QStringLiteral("Siguiente >"));
    QTEST(wizard.windowTitle(), "title");
}

void TestZCWizards::simpleWizardWithoutAFactoryPageStays()
{
    Simple wizard(3, true);
    wizard.failingIndex = 1;
    MessageLogCapture log;
    click(wizard, QStringLiteral("Siguiente >"));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Importar - Paso 1 de 3"));
    QVERIFY(wizard.pages.at(0)->isVisibleTo(&wizard));
    QVERIFY(log.contains(QtWarningMsg, QStringLiteral("El asistente no ha recibido la página 2")));
}

void TestZCWizards::headerGoesAboveThePageAndHiddenBackStillNavigates()
{
    Complex wizard;
    QVERIFY(!wizard.HayHeaderBox());
    wizard.SetTextoHeaderBox(QStringLiteral("Datos"));
    wizard.SetTextoHeaderBox(QStringLiteral("Datos fiscales"));
    QCOMPARE(wizard.findChildren<ZCHeaderBox*>().size(), 1);
    wizard.resize(400, 300);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QVERIFY(wizard.findChild<ZCHeaderBox*>()->geometry().bottom() < wizard.a->geometry().top());

    wizard.SetVisibleBotonBack(false);
    wizard.gotoNextPage();
    QVERIFY(wizard.b->isVisible());
    QVERIFY(wizard.b->geometry().top() > wizard.findChild<ZCHeaderBox*>()->geometry().bottom());
    QVERIFY(buttonsOf(wizard).back);
}

MIROKIT_TEST_MAIN(TestZCWizards)
#include "tst_zcwizards.moc"
