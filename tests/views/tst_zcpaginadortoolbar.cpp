#include "mirokittest.h"

#include <Mirokit/ZCPaginadorToolbar.h>

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

using Flags = ZCPaginadorToolbar;

namespace {

// A paginator with every part, and views of what it shows.
struct Bar : ZCPaginadorToolbar {
    QSignalSpy changes{this, &ZCPaginadorToolbar::numPaginaChanged};

    explicit Bar(unsigned total, unsigned current = 1, unsigned flags = Flags::TodasLasPartes)
        : ZCPaginadorToolbar(total, nullptr, current, flags)
    {
    }
    template<class W> QList<W*> parts() const
    {
        QList<W*> found;
        for (QAction* action : actions()) {
            if (auto* widget = qobject_cast<W*>(widgetForAction(action)))
                found.append(widget);
        }
        return found;
    }
    QLineEdit* edit() const { return parts<QLineEdit>().value(0); }
    QSlider* slider() const { return parts<QSlider>().value(0); }
    QAction* button(Qt::Key key) const
    {
        for (QAction* action : actions()) {
            if (action->shortcut() == QKeySequence(Qt::CTRL | key))
                return action;
        }
        return nullptr;
    }
    QStringList texts() const
    {
        QStringList shown;
        for (QLabel* label : parts<QLabel>()) {
            if (!label->text().isEmpty())
                shown.append(label->text());
        }
        return shown;
    }
    QList<uint> emitted() const
    {
        QList<uint> pages;
        for (const QList<QVariant>& args : changes)
            pages.append(args.first().toUInt());
        return pages;
    }
    void typeReturn(const QString& text)
    {
        edit()->setText(text);
        QTest::keyClick(edit(), Qt::Key_Return);
        // The slot checks on its own too, for hosts and scripts that call it directly.
        QMetaObject::invokeMethod(this, "onPaginaTextEdit");
    }
};

} // namespace

class TestZCPaginadorToolbar : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAndSliderFollowTheEnds_data();
    void buttonsAndSliderFollowTheEnds();
    void navigationEmitsOncePerChange_data();
    void navigationEmitsOncePerChange();
    void hostMovesActAsTheUsers_data();
    void hostMovesActAsTheUsers();
    void pageFieldTakesOnlyANewPageInRange_data();
    void pageFieldTakesOnlyANewPageInRange();
    void settingPageOrTotalNeverEmits();
    void flagsBuildTheirPartsInOrder_data();
    void flagsBuildTheirPartsInOrder();
    void rebuildsFreeTheBarsPartsAndKeepCustomActions();
};

void TestZCPaginadorToolbar::buttonsAndSliderFollowTheEnds_data()
{
    QTest::addColumn<uint>("total");
    QTest::addColumn<uint>("current");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("sliderMinimum");
    QTest::addColumn<int>("pageStep");
    QTest::newRow("no pages shows page 0 with everything off") << 0u << 5u << false << false << "0" << 0 << 0;
    QTest::newRow("one page has nowhere to go") << 1u << 1u << false << false << "1" << 1 << 1;
    QTest::newRow("the first of two pages goes forward") << 2u << 1u << false << true << "1" << 1 << 1;
    QTest::newRow("the last of two pages goes back") << 2u << 2u << true << false << "2" << 1 << 1;
    QTest::newRow("the first of 25 pages steps three at a time") << 25u << 1u << false << true << "1" << 1 << 3;
    QTest::newRow("the last of 25 pages goes back") << 25u << 25u << true << false << "25" << 1 << 3;
    QTest::newRow("a middle page goes both ways") << 25u << 12u << true << true << "12" << 1 << 3;
}

void TestZCPaginadorToolbar::buttonsAndSliderFollowTheEnds()
{
    QFETCH(uint, total);
    QFETCH(uint, current);
    QFETCH(bool, backward);
    QFETCH(bool, forward);
    QFETCH(QString, shown);
    QFETCH(int, sliderMinimum);
    QFETCH(int, pageStep);
    Bar bar(total, current);
    QCOMPARE(bar.button(Qt::Key_Home)->isEnabled(), backward);
    QCOMPARE(bar.button(Qt::Key_PageUp)->isEnabled(), backward);
    QCOMPARE(bar.button(Qt::Key_PageDown)->isEnabled(), forward);
    QCOMPARE(bar.button(Qt::Key_End)->isEnabled(), forward);
    QCOMPARE(bar.edit()->text(), shown);
    QCOMPARE(bar.texts(), QStringList({"Registro:", "de", QString::number(total)}));
    QCOMPARE(bar.slider()->minimum(), sliderMinimum);
    QCOMPARE(bar.slider()->maximum(), int(total));
    QCOMPARE(bar.slider()->value(), shown.toInt());
    QCOMPARE(bar.slider()->pageStep(), pageStep);
    QCOMPARE(bar.slider()->isEnabled(), total >= 2);
    QVERIFY(bar.changes.isEmpty());
}

void TestZCPaginadorToolbar::navigationEmitsOncePerChange_data()
{
    QTest::addColumn<int>("key"); // with Ctrl; 0 moves the slider to page 20
    QTest::addColumn<uint>("from");
    QTest::addColumn<uint>("to");
    QTest::newRow("Ctrl+Home goes to the first page") << int(Qt::Key_Home) << 7u << 1u;
    QTest::newRow("Ctrl+PageUp goes back a page") << int(Qt::Key_PageUp) << 7u << 6u;
    QTest::newRow("Ctrl+PageDown goes forward a page") << int(Qt::Key_PageDown) << 7u << 8u;
    QTest::newRow("Ctrl+End goes to the last page") << int(Qt::Key_End) << 7u << 25u;
    QTest::newRow("Ctrl+PageDown on the last page does nothing") << int(Qt::Key_PageDown) << 25u << 25u;
    QTest::newRow("Ctrl+Home on the first page does nothing") << int(Qt::Key_Home) << 1u << 1u;
    QTest::newRow("letting the slider go on a page goes there") << 0 << 7u << 20u;
}

void TestZCPaginadorToolbar::navigationEmitsOncePerChange()
{
    QFETCH(int, key);
    QFETCH(uint, from);
    QFETCH(uint, to);
    QWidget window;
    auto* bar = new Bar(25, from);
    bar->setParent(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The shortcuts work while the focus is in the bar, the page field included.
    bar->edit()->setFocus();
    if (key)
        QTest::keyClick(bar->edit(), Qt::Key(key), Qt::ControlModifier);
    else
        bar->slider()->setValue(20);
    QCOMPARE(bar->GetPaginaActual(), to);
    QCOMPARE(bar->emitted(), from == to ? QList<uint>() : QList<uint>{to});
    QCOMPARE(bar->edit()->text(), QString::number(to));
    QCOMPARE(bar->slider()->value(), int(to));
}

void TestZCPaginadorToolbar::hostMovesActAsTheUsers_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<uint>("page"); // for irAPagina
    QTest::addColumn<uint>("from");
    QTest::addColumn<uint>("to");
    QTest::newRow("first goes to page 1") << "first" << 0u << 7u << 1u;
    QTest::newRow("previous goes back a page") << "previous" << 0u << 7u << 6u;
    QTest::newRow("next goes forward a page") << "next" << 0u << 7u << 8u;
    QTest::newRow("last goes to the total") << "last" << 0u << 7u << 25u;
    QTest::newRow("previous on the first page does nothing") << "previous" << 0u << 1u << 1u;
    QTest::newRow("next on the last page does nothing") << "next" << 0u << 25u << 25u;
    QTest::newRow("going to a page in range goes there") << "goto" << 12u << 7u << 12u;
    QTest::newRow("going to the last page goes there") << "goto" << 25u << 7u << 25u;
    QTest::newRow("going to page 0 does nothing") << "goto" << 0u << 7u << 7u;
    QTest::newRow("going past the total does nothing") << "goto" << 26u << 7u << 7u;
    QTest::newRow("going to the current page does nothing") << "goto" << 7u << 7u << 7u;
}

// The moves are public: a host calls them on the bar as it is, not from a subclass.
void TestZCPaginadorToolbar::hostMovesActAsTheUsers()
{
    QFETCH(QString, move);
    QFETCH(uint, page);
    QFETCH(uint, from);
    QFETCH(uint, to);
    Bar bar(25, from);
    ZCPaginadorToolbar& host = bar;
    if (move == QLatin1String("first"))
        host.onPrimeraPagina();
    else if (move == QLatin1String("previous"))
        host.onPaginaAnterior();
    else if (move == QLatin1String("next"))
        host.onPaginaSiguiente();
    else if (move == QLatin1String("last"))
        host.onUltimaPagina();
    else
        QVERIFY(QMetaObject::invokeMethod(&host, "irAPagina", Q_ARG(uint, page)));
    QCOMPARE(host.GetPaginaActual(), to);
    QCOMPARE(bar.emitted(), from == to ? QList<uint>() : QList<uint>{to});
    QCOMPARE(bar.edit()->text(), QString::number(to));
    QCOMPARE(bar.slider()->value(), int(to));
}

void TestZCPaginadorToolbar::pageFieldTakesOnlyANewPageInRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<uint>("page");
    QTest::newRow("a page in range is taken") << "12" << 12u;
    QTest::newRow("the last page is taken") << "25" << 25u;
    QTest::newRow("page 0 is refused") << "0" << 7u;
    QTest::newRow("a page above the total is refused") << "26" << 7u;
    QTest::newRow("the current page changes nothing") << "7" << 7u;
    QTest::newRow("text that is no number is refused") << "1a" << 7u;
    QTest::newRow("a negative number is refused") << "-3" << 7u;
    QTest::newRow("an empty field is refused") << "" << 7u;
}

void TestZCPaginadorToolbar::pageFieldTakesOnlyANewPageInRange()
{
    QFETCH(QString, typed);
    QFETCH(uint, page);
    Bar bar(25, 7);
    bar.typeReturn(typed);
    QCOMPARE(bar.GetPaginaActual(), page);
    QCOMPARE(bar.emitted(), page == 7 ? QList<uint>() : QList<uint>{page});
    QCOMPARE(bar.edit()->text(), typed); // a refused number stays for the user to correct
}

void TestZCPaginadorToolbar::settingPageOrTotalNeverEmits()
{
    Bar bar(25, 30); // a host may set the page before the total
    QCOMPARE(bar.GetPaginaActual(), 30u);
    QVERIFY(!bar.button(Qt::Key_PageDown)->isEnabled());

    bar.SetTotalPaginas(10); // lowers the page; the slider's range clamps it silently
    QCOMPARE(bar.GetPaginaActual(), 10u);
    QCOMPARE(bar.slider()->value(), 10);
    bar.SetPaginaActual(12);
    QCOMPARE(bar.GetPaginaActual(), 12u);
    QCOMPARE(bar.edit()->text(), QStringLiteral("12"));
    bar.SetTotalPaginas(40, 33);
    QCOMPARE(bar.GetPaginaActual(), 33u);
    QCOMPARE(bar.slider()->value(), 33);
    QCOMPARE(bar.texts().last(), QStringLiteral("40"));
    bar.SetTotalPaginas(20, 5); // the slider's old value 33 is clamped to 20 on the way
    QCOMPARE(bar.GetPaginaActual(), 5u);
    QCOMPARE(bar.slider()->value(), 5);
    bar.SetTotalPaginas(0, 33);
    QCOMPARE(bar.GetPaginaActual(), 0u);
    QVERIFY(bar.changes.isEmpty());

    // A bar built before its total is known takes the pages of the total that arrives.
    bar.SetTotalPaginas(250, 1);
    bar.edit()->clear();
    QTest::keyClicks(bar.edit(), QStringLiteral("120"));
    QTest::keyClick(bar.edit(), Qt::Key_Return);
    QCOMPARE(bar.emitted(), QList<uint>{120});
}

void TestZCPaginadorToolbar::flagsBuildTheirPartsInOrder_data()
{
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("slider");
    QTest::addColumn<QStringList>("texts");
    const QList<int> all{Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End};
    QTest::newRow("no flags build only spacers") << 0u << QList<int>() << false << false << QStringList();
    QTest::newRow("first and last buttons") << uint(Flags::BotonesPrimeraUltima) << QList<int>{Qt::Key_Home, Qt::Key_End}
                                            << false << false << QStringList();
    QTest::newRow("previous and next buttons around the field")
        << uint(Flags::BotonesAnteriorSiguiente | Flags::EditPagina) << QList<int>{Qt::Key_PageUp, Qt::Key_PageDown}
        << true << false << QStringList();
    QTest::newRow("labels and slider") << uint(Flags::LabelInicial | Flags::LabelFinal | Flags::LabelTotal | Flags::SliderPagina)
                                       << QList<int>() << false << true << QStringList{"Registro:", "de", "9"};
    QTest::newRow("everything") << uint(Flags::TodasLasPartes) << all << true << true << QStringList{"Registro:", "de", "9"};
}

void TestZCPaginadorToolbar::flagsBuildTheirPartsInOrder()
{
    QFETCH(uint, flags);
    QFETCH(QList<int>, buttons);
    QFETCH(bool, edit);
    QFETCH(bool, slider);
    QFETCH(QStringList, texts);
    Bar bar(9, 3, flags);
    QList<int> built;
    for (QAction* action : bar.actions()) {
        if (!action->shortcut().isEmpty()) {
            QCOMPARE(action->shortcutContext(), Qt::WidgetWithChildrenShortcut);
            QVERIFY(!action->icon().isNull());
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            built.append(int(action->shortcut()[0].key()));
#else
            built.append(action->shortcut()[0] & ~Qt::CTRL);
#endif
        }
    }
    QCOMPARE(built, buttons);
    QCOMPARE(bool(bar.edit()), edit);
    QCOMPARE(bool(bar.slider()), slider);
    QCOMPARE(bar.texts(), texts);
    if (edit) {
        QCOMPARE(bar.edit()->maxLength(), 1);
        QCOMPARE(bar.edit()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
    if (slider) {
        QVERIFY(!bar.slider()->hasTracking());
        bar.setOrientation(Qt::Vertical);
        QCOMPARE(bar.slider()->orientation(), Qt::Vertical);
    }
    bar.SetLabelInicial(QStringLiteral("Página"));
    bar.SetLabelFinal(QStringLiteral("/"));
    texts.replaceInStrings(QStringLiteral("Registro:"), QStringLiteral("Página"));
    texts.replaceInStrings(QStringLiteral("de"), QStringLiteral("/"));
    QCOMPARE(bar.texts(), texts);
}

void TestZCPaginadorToolbar::rebuildsFreeTheBarsPartsAndKeepCustomActions()
{
    Bar bar(9, 3);
    QAction first(QStringLiteral("Imprimir"));
    auto* second = new QAction(QStringLiteral("Exportar"));
    bar.InsertarAcciones({&first, second, &first});
    QCOMPARE(bar.GetAccionesPersonalizadas(), (QList<QAction*>{&first, second}));
    // In front of the slider's separator, after a separator of their own.
    const QList<QAction*> shown = bar.actions();
    const int sliderSeparator = shown.indexOf(bar.actions().at(shown.indexOf(second) + 1));
    QVERIFY(shown.at(sliderSeparator)->isSeparator());
    QVERIFY(shown.at(shown.indexOf(&first) - 1)->isSeparator());

    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    bar.SetFlags(Flags::TodasLasPartes & ~Flags::AccionesPersonalizadas);
    QVERIFY(!bar.actions().contains(&first));
    settle();
    const int children = bar.children().size();
    for (int i = 0; i < 3; ++i) {
        bar.SetFlags(Flags::TodasLasPartes);
        bar.SetFlags(Flags::TodasLasPartes & ~Flags::AccionesPersonalizadas);
        settle();
        QCOMPARE(bar.children().size(), children);
    }
    bar.SetFlags(Flags::TodasLasPartes);
    QVERIFY(bar.actions().contains(&first) && bar.actions().contains(second));
    delete second; // the caller's to delete; the bar forgets it
    QCOMPARE(bar.GetAccionesPersonalizadas(), QList<QAction*>{&first});
    QCOMPARE(bar.edit()->text(), QStringLiteral("3"));
    QVERIFY(bar.changes.isEmpty());
}

MIROKIT_TEST_MAIN(TestZCPaginadorToolbar)
#include "tst_zcpaginadortoolbar.moc"
