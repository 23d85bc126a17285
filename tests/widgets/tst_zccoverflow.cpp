#include "mirokittest.h"

#include "zccovercache_p.h"

#include <Mirokit/ZCCoverFlow.h>
#include <Mirokit/ZCCoverFlowItem.h>

#include <QPainter>
#include <QTimer>

#include <atomic>
#include <functional>
#include <limits>
#include <thread>
#include <vector>

using Keys = QVector<QPair<int, int>>; // key and modifiers
using Handler = std::function<void(ZCCoverFlow&, int)>;
Q_DECLARE_METATYPE(Keys)
Q_DECLARE_METATYPE(Handler)

namespace {

// Items of 100 x 80 on a 400 x 300 widget: the selected cover spans x 150..250, three side
// covers fit on each side of it.
struct CoverFlow : ZCCoverFlow {
    explicit CoverFlow(int items = 0)
        : ZCCoverFlow(100, 80)
    {
        resize(400, 300);
        AddItems(items);
        const auto log = [this](const QString& entry) { heard.append(entry); };
        connect(this, &ZCCoverFlow::needImage, [log](int i) { log(QStringLiteral("needImage(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::activated, [log](int i) { log(QStringLiteral("activated(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::pressed, [log](int i) { log(QStringLiteral("pressed(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::clicked, [log](int i) { log(QStringLiteral("clicked(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::doubleClicked, [log](int i) { log(QStringLiteral("doubleClicked(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::insertPressed, [log](int i) { log(QStringLiteral("insertPressed(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::deletePressed, [log](int i) { log(QStringLiteral("deletePressed(%1)").arg(i)); });
        connect(this, &ZCCoverFlow::currentSelChanged, [this, log](int c, int p) {
            selected = c;
            log(QStringLiteral("currentSelChanged(%1,%2)").arg(c).arg(p));
        });
        connect(this, &ZCCoverFlow::iniciarDrag, [log](QWidget*) { log(QStringLiteral("iniciarDrag")); });
    }
    // Selects without leaving the selection signal in the log.
    void startAt(int i)
    {
        SelectAtIndex(i);
        heard.clear();
    }
    QStringList requests()
    {
        heard.clear();
        grab();
        return heard.filter(QStringLiteral("needImage"));
    }
    void mouse(QEvent::Type type, int x, Qt::MouseButton button = Qt::LeftButton, int y = 100)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
            : type == QEvent::MouseMove                                  ? Qt::LeftButton
                                                                         : button;
        QMouseEvent event(type, QPointF(x, y), mapToGlobal(QPoint(x, y)), button, held, Qt::NoModifier);
        QApplication::sendEvent(this, &event);
    }
    using ZCCoverFlow::coverCache;
    using ZCCoverFlow::GetImageItem;
    using ZCCoverFlow::GetItem;
    QStringList heard;
    int selected = 0;
};

QImage filled(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestZCCoverFlow : public QObject
{
    Q_OBJECT

private slots:
    void emptyWidgetPaintsBlackAndKnowsOnlyInsert_data();
    void emptyWidgetPaintsBlackAndKnowsOnlyInsert();
    void keysSelectAndReport_data();
    void keysSelectAndReport();
    void oneItemHasNoNeighbours();
    void typeAheadFindsTitlesFoldingAccents_data();
    void typeAheadFindsTitlesFoldingAccents();
    void wheelStepsAccumulate_data();
    void wheelStepsAccumulate();
    void mouseSelectsAndReports_data();
    void mouseSelectsAndReports();
    void dragIsAnnouncedOncePerPressOnTheCover();
    void imagesAreRequestedOnlyForItemsInView_data();
    void imagesAreRequestedOnlyForItemsInView();
    void needImageHandlersMayChangeTheList_data();
    void needImageHandlersMayChangeTheList();
    void imagesKeepOrTakeTheItemSize();
    void indexesOutsideTheListAreIgnored();
    void coversHangTheirReflectionsUnderThem();
    void tinySizesPaintWithoutFault_data();
    void tinySizesPaintWithoutFault();
    void foldersGiveOneItemPerImageReadWhenAsked();
    void coverCacheStaysWithinItsBudget();
    void workerThreadsSetImagesWhileTheWidgetPaints();
};

void TestZCCoverFlow::emptyWidgetPaintsBlackAndKnowsOnlyInsert_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Insert still asks to insert") << int(Qt::Key_Insert) << "insertPressed(0)";
    for (int key : {Qt::Key_Return, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Right, Qt::Key_PageDown,
                    Qt::Key_A, Qt::Key_Escape})
        QTest::addRow("key %x does nothing", key) << key << "";
}

void TestZCCoverFlow::emptyWidgetPaintsBlackAndKnowsOnlyInsert()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    CoverFlow flow;
    QTest::keyClick(&flow, Qt::Key(key));
    QCOMPARE(flow.heard.join(QLatin1Char(' ')), expected);
    const QImage image = MirokitTest::grabbedImage(flow);
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), filled(image.size(), Qt::black));
}

void TestZCCoverFlow::keysSelectAndReport_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QStringList>("expected");
    const int control = Qt::ControlModifier;
    QTest::newRow("Right moves on one") << 5 << Keys{{Qt::Key_Right, 0}} << QStringList{"currentSelChanged(6,5)"};
    QTest::newRow("Control+Right moves on five") << 5 << Keys{{Qt::Key_Right, control}}
                                                 << QStringList{"currentSelChanged(10,5)"};
    QTest::newRow("Control+Shift+Right moves one")
        << 5 << Keys{{Qt::Key_Right, control | Qt::ShiftModifier}} << QStringList{"currentSelChanged(6,5)"};
    QTest::newRow("Left at the first item does nothing") << 0 << Keys{{Qt::Key_Left, 0}} << QStringList{};
    QTest::newRow("Control+Left near the start stops at the first, still reporting")
        << 2 << Keys{{Qt::Key_Left, control}, {Qt::Key_Left, control}}
        << QStringList{"currentSelChanged(0,2)", "currentSelChanged(0,0)"};
    QTest::newRow("PageDown near the end stops at the last") << 17 << Keys{{Qt::Key_PageDown, 0}}
                                                             << QStringList{"currentSelChanged(19,17)"};
    QTest::newRow("PageUp moves back five") << 17 << Keys{{Qt::Key_PageUp, 0}} << QStringList{"currentSelChanged(12,17)"};
    QTest::newRow("Home and End") << 7 << Keys{{Qt::Key_Home, 0}, {Qt::Key_End, 0}}
                                  << QStringList{"currentSelChanged(0,7)", "currentSelChanged(19,0)"};
    QTest::newRow("Return and Enter activate") << 3 << Keys{{Qt::Key_Return, 0}, {Qt::Key_Enter, Qt::KeypadModifier}}
                                               << QStringList{"activated(3)", "activated(3)"};
    QTest::newRow("Delete and Insert ask for the selected item")
        << 4 << Keys{{Qt::Key_Delete, 0}, {Qt::Key_Insert, 0}} << QStringList{"deletePressed(4)", "insertPressed(4)"};
}

void TestZCCoverFlow::keysSelectAndReport()
{
    QFETCH(int, start);
    QFETCH(Keys, keys);
    QFETCH(QStringList, expected);
    CoverFlow flow(20);
    flow.startAt(start);
    for (const auto& key : keys)
        QTest::keyClick(&flow, Qt::Key(key.first), Qt::KeyboardModifiers(key.second));
    QCOMPARE(flow.heard, expected);
}

void TestZCCoverFlow::oneItemHasNoNeighbours()
{
    CoverFlow flow(1);
    flow.SelectNext();
    flow.SelectPrevious();
    QVERIFY(flow.heard.isEmpty());
    flow.SelectAtIndex(7);
    QCOMPARE(flow.heard, QStringList{"currentSelChanged(0,0)"});
    QCOMPARE(flow.requests(), QStringList{"needImage(0)"});
}

void TestZCCoverFlow::typeAheadFindsTitlesFoldingAccents_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    const QStringList words{"Ñandú", "Élan", "árbol", "Nube", "elfo", "Çedilla"};
    QTest::newRow("e finds a title starting with É") << words << 0 << "e" << 1;
    QTest::newRow("typing is case-blind: E finds elfo after Élan") << words << 1 << "E" << 4;
    QTest::newRow("é typed finds Élan too") << words << 0 << "é" << 1;
    QTest::newRow("several letters: arb finds árbol") << words << 0 << "arb" << 2;
    QTest::newRow("n does not find Ñandú, only Nube") << words << 4 << "n" << 3;
    QTest::newRow("ñ finds Ñandú") << words << 2 << "ñ" << 0;
    QTest::newRow("c does not find Ç") << words << 0 << "c" << 0;
    QTest::newRow("a match on the selected item is skipped") << QStringList{"Uno", "Dos", "Una"} << 0 << "un" << 2;
    QTest::newRow("the search wraps round to the start") << QStringList{"Uno", "Dos", "Tres"} << 2 << "u" << 0;
    QTest::newRow("no match leaves the selection") << words << 3 << "zz" << 3;
}

void TestZCCoverFlow::typeAheadFindsTitlesFoldingAccents()
{
    QFETCH(QStringList, titles);
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    CoverFlow flow;
    for (const QString& title : titles)
        flow.AddItem(title, QImage());
    flow.startAt(start);
    for (const QChar c : typed) { // QTest::keyClicks knows ASCII only
        QKeyEvent event(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(&flow, &event);
    }
    auto* timer = flow.findChild<QTimer*>();
    QVERIFY(timer && timer->isActive() && timer->isSingleShot());
    QCOMPARE(timer->interval(), 500);
    QCOMPARE(flow.selected, start);
    flow.OnTimerBuscar();
    QCOMPARE(flow.selected, expected);
}

void TestZCCoverFlow::wheelStepsAccumulate_data()
{
    QTest::addColumn<QVector<int>>("deltas");
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("expected");
    QTest::newRow("a notch up goes back one") << QVector<int>{120} << false << 9;
    QTest::newRow("two notches down go on two") << QVector<int>{-120, -120} << false << 12;
    QTest::newRow("a touchpad's small deltas add up") << QVector<int>{-40, -40, -40} << false << 11;
    QTest::newRow("with Control a notch moves nothing") << QVector<int>{120} << true << 10;
    QTest::newRow("with Control five notches move one") << QVector<int>(5, 120) << true << 9;
}

void TestZCCoverFlow::wheelStepsAccumulate()
{
    QFETCH(QVector<int>, deltas);
    QFETCH(bool, control);
    QFETCH(int, expected);
    CoverFlow flow(20);
    flow.startAt(10);
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    for (int delta : deltas) {
        QWheelEvent event(QPointF(200, 100), QPointF(flow.mapToGlobal(QPoint(200, 100))), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&flow, &event);
        QVERIFY(event.isAccepted());
    }
    QCOMPARE(flow.selected, expected);
}

void TestZCCoverFlow::mouseSelectsAndReports_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a click on the cover presses and clicks")
        << 200 << false << int(Qt::LeftButton) << QStringList{"pressed(5)", "clicked(5)"};
    QTest::newRow("its edges belong to it") << 150 << false << int(Qt::LeftButton) << QStringList{"pressed(5)", "clicked(5)"};
    QTest::newRow("left of it goes back") << 149 << false << int(Qt::LeftButton) << QStringList{"currentSelChanged(4,5)"};
    QTest::newRow("right of it goes on") << 251 << false << int(Qt::LeftButton) << QStringList{"currentSelChanged(6,5)"};
    QTest::newRow("a double click on it activates")
        << 200 << true << int(Qt::LeftButton)
        << QStringList{"pressed(5)", "clicked(5)", "doubleClicked(5)", "activated(5)", "clicked(5)"};
    QTest::newRow("a double click beside it steps twice")
        << 300 << true << int(Qt::LeftButton) << QStringList{"currentSelChanged(6,5)", "currentSelChanged(7,6)"};
    QTest::newRow("the right button does nothing") << 200 << false << int(Qt::RightButton) << QStringList{};
}

void TestZCCoverFlow::mouseSelectsAndReports()
{
    QFETCH(int, x);
    QFETCH(bool, doubleClick);
    QFETCH(int, button);
    QFETCH(QStringList, expected);
    CoverFlow flow(20);
    flow.startAt(5);
    const auto b = Qt::MouseButton(button);
    flow.mouse(QEvent::MouseButtonPress, x, b);
    flow.mouse(QEvent::MouseButtonRelease, x, b);
    if (doubleClick) {
        flow.mouse(QEvent::MouseButtonDblClick, x, b);
        flow.mouse(QEvent::MouseButtonRelease, x, b);
    }
    QCOMPARE(flow.heard, expected);
}

void TestZCCoverFlow::dragIsAnnouncedOncePerPressOnTheCover()
{
    CoverFlow flow(20);
    flow.startAt(5);
    const int far = QApplication::startDragDistance() + 1;
    flow.mouse(QEvent::MouseButtonPress, 200);
    for (int step = 1; step <= 3; ++step)
        flow.mouse(QEvent::MouseMove, 200 + step * far, Qt::NoButton);
    flow.mouse(QEvent::MouseButtonRelease, 200 + 3 * far);
    QCOMPARE(flow.heard, (QStringList{"pressed(5)", "iniciarDrag"}));

    flow.heard.clear();
    flow.mouse(QEvent::MouseButtonPress, 100);
    flow.mouse(QEvent::MouseMove, 100 + far, Qt::NoButton);
    QVERIFY(!flow.heard.contains(QStringLiteral("iniciarDrag")));
}

void TestZCCoverFlow::imagesAreRequestedOnlyForItemsInView_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("expected");
    QTest::newRow("in the middle: the selected first, then left to right, then right from the far end")
        << 400 << 10 << "10 7 8 9 13 12 11";
    QTest::newRow("at the start nothing on the left") << 400 << 0 << "0 3 2 1";
    QTest::newRow("at the end nothing on the right") << 400 << 99 << "99 96 97 98";
    QTest::newRow("narrower than the cover: no side items") << 80 << 10 << "10";
    QTest::newRow("wider: more side items") << 560 << 10 << "10 5 6 7 8 9 15 14 13 12 11";
}

void TestZCCoverFlow::imagesAreRequestedOnlyForItemsInView()
{
    QFETCH(int, width);
    QFETCH(int, start);
    QFETCH(QString, expected);
    CoverFlow flow(100);
    flow.resize(width, 300);
    flow.startAt(start);
    QStringList indexes = flow.requests().replaceInStrings(QStringLiteral("needImage("), QString());
    QCOMPARE(indexes.replaceInStrings(QStringLiteral(")"), QString()).join(QLatin1Char(' ')), expected);

    // Answered items, with an image or with none, are not asked again.
    flow.SetImageItem(start, filled(QSize(10, 10), Qt::red));
    flow.SetImageItem(start + (start < 99 ? 1 : -1), QImage());
    QCOMPARE(flow.requests().size(), expected.count(QLatin1Char(' ')) + 1 - (width > 80 ? 2 : 1));
}

void TestZCCoverFlow::needImageHandlersMayChangeTheList_data()
{
    QTest::addColumn<Handler>("handler");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<QColor>("middle");
    QTest::newRow("removing every asked item: those moving into view are asked in turn")
        << Handler([](ZCCoverFlow& flow, int i) { flow.RemoveItemAt(i); }) << 0 << QColor(Qt::black);
    QTest::newRow("removing everything") << Handler([](ZCCoverFlow& flow, int) { flow.RemoveAllItems(); }) << 0
                                         << QColor(Qt::black);
    QTest::newRow("adding items out of view") << Handler([](ZCCoverFlow& flow, int) { flow.AddItem(); }) << 17
                                              << QColor(0, 0, 0);
    QTest::newRow("answering at once: the answer is in this very paint")
        << Handler([](ZCCoverFlow& flow, int i) { flow.SetImageItem(i, filled(QSize(1, 1), Qt::green)); }) << 10
        << QColor(Qt::green);
}

void TestZCCoverFlow::needImageHandlersMayChangeTheList()
{
    QFETCH(Handler, handler);
    QFETCH(int, remaining);
    QFETCH(QColor, middle);
    CoverFlow flow(10);
    flow.startAt(5);
    connect(&flow, &ZCCoverFlow::needImage, &flow, [&](int i) { handler(flow, i); });
    const QImage image = MirokitTest::grabbedImage(flow);
    QCOMPARE(flow.GetNumeroItems(), remaining);
    if (remaining != 17) // otherwise the placeholder's gradient
        QCOMPARE(image.pixelColor(200, 130), middle);
}

void TestZCCoverFlow::imagesKeepOrTakeTheItemSize()
{
    struct : ZCCoverFlow {
        using ZCCoverFlow::GetItem;
    } flow;
    const QImage small = filled(QSize(100, 50), Qt::blue);
    flow.AddItem(QStringLiteral("a"), small);
    flow.AddItem();
    flow.SetImageItem(1, small);
    QCOMPARE(flow.GetItem(0)->GetImage()->size(), QSize(100, 50));
    QCOMPARE(flow.GetItem(1)->GetImage()->size(), QSize(375, 300));
    QCOMPARE(flow.sizeHint(), QSize(1125, 540));

    QSignalSpy changes(flow.GetItem(1), &ZCCoverFlowItem::imageChanged);
    flow.SetImageItem(1, QImage());
    QVERIFY(!flow.GetItem(1)->GetImage() && !flow.GetItem(1)->NeedImage());
    flow.GetItem(1)->ClearImage();
    QCOMPARE(changes.count(), 1); // nothing left to clear the second time
}

void TestZCCoverFlow::indexesOutsideTheListAreIgnored()
{
    CoverFlow flow(3);
    for (int i : {-1, 3, std::numeric_limits<int>::max()}) {
        flow.SetImageItem(i, filled(QSize(4, 4), Qt::red));
        flow.SetTituloItem(i, QStringLiteral("x"));
        flow.RemoveItemAt(i);
        QVERIFY(!flow.GetItem(i));
        QVERIFY(flow.GetImageItem(i).isNull());
    }
    QCOMPARE(flow.GetNumeroItems(), 3);
}

void TestZCCoverFlow::coversHangTheirReflectionsUnderThem()
{
    CoverFlow flow;
    flow.AddItem(QStringLiteral("Rojo"), filled(QSize(100, 80), Qt::red));
    flow.AddItem(QStringLiteral("Verde"), filled(QSize(100, 80), Qt::green));
    const QImage image = MirokitTest::grabbedImage(flow);
    // Centred a quarter of its height above the middle, y 130 ± 40; the reflection from 170 to 250
    // fades from 100/255 of the picture to nothing.
    QCOMPARE(image.pixelColor(200, 110), QColor(Qt::red));
    QVERIFY(qAbs(image.pixelColor(200, 171).red() - 100) < 6);
    QVERIFY(image.pixelColor(200, 248).red() < 8);
    QCOMPARE(image.pixelColor(200, 255), QColor(Qt::black));
    // The next item leans in on the right, its centre 40 px past the selected cover's edge.
    QVERIFY(image.pixelColor(290, 130).green() > 200);
    // The title is drawn white around its baseline 30 px above the bottom.
    bool white = false;
    for (int x = 150; x < 250 && !white; ++x)
        white = image.pixelColor(x, 265) == QColor(Qt::white);
    QVERIFY(white);
}

void TestZCCoverFlow::tinySizesPaintWithoutFault_data()
{
    QTest::addColumn<QSize>("itemSize");
    QTest::addColumn<QSize>("widgetSize");
    QTest::newRow("zero item size") << QSize(0, 0) << QSize(400, 300);
    QTest::newRow("negative item size") << QSize(-5, -5) << QSize(400, 300);
    QTest::newRow("one pixel items") << QSize(1, 1) << QSize(400, 300);
    QTest::newRow("items smaller than the side shrink") << QSize(20, 10) << QSize(400, 300);
    QTest::newRow("a one pixel widget") << QSize(100, 80) << QSize(1, 1);
}

void TestZCCoverFlow::tinySizesPaintWithoutFault()
{
    QFETCH(QSize, itemSize);
    QFETCH(QSize, widgetSize);
    ZCCoverFlow flow(itemSize.width(), itemSize.height());
    flow.resize(widgetSize);
    flow.AddItems(5);
    flow.SetImageItem(1, filled(QSize(3, 3), Qt::red));
    flow.SelectAtIndex(2);
    QVERIFY(!flow.grab().isNull());
    QVERIFY(flow.sizeHint().width() >= 0 && flow.sizeHint().height() >= 0);
}

void TestZCCoverFlow::foldersGiveOneItemPerImageReadWhenAsked()
{
    QTemporaryDir dir;
    filled(QSize(30, 20), Qt::red).save(dir.filePath(QStringLiteral("b.png")));
    filled(QSize(30, 20), Qt::blue).save(dir.filePath(QStringLiteral("a.jpg")));
    QFile broken(dir.filePath(QStringLiteral("c.png")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\x89PNG\r\n\x1a\n garbage") > 0);
    broken.close();
    // A bitmap header claiming 20000 x 20000 pixels, 1.2 GB once decoded, over no pixel data.
    QFile huge(dir.filePath(QStringLiteral("e.bmp")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QDataStream header(&huge);
    header.setByteOrder(QDataStream::LittleEndian);
    header.writeRawData("BM", 2);
    header << quint32(54) << quint32(0) << quint32(54) << quint32(40) << qint32(20000) << qint32(20000)
           << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(2835) << qint32(2835)
           << quint32(0) << quint32(0);
    huge.close();
    QFile text(dir.filePath(QStringLiteral("notas.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d.png")));

    CoverFlow flow;
    flow.AddItems(dir.path());
    QCOMPARE(flow.GetNumeroItems(), 4);
    QCOMPARE(flow.GetItem(0)->GetTitulo(), QStringLiteral("a"));
    QCOMPARE(flow.GetItem(1)->GetPath(), dir.filePath(QStringLiteral("b.png")));
    QVERIFY(!flow.GetItem(1)->GetImage());

    flow.grab();
    QCOMPARE(flow.GetItem(1)->GetImage()->size(), QSize(100, 80));
    QCOMPARE(flow.GetItem(1)->GetImage()->pixelColor(50, 40), QColor(Qt::red));
    for (int broken : {2, 3})
        QVERIFY(!flow.GetItem(broken)->GetImage() && !flow.GetItem(broken)->NeedImage());
    QCOMPARE(flow.requests(), QStringList());

    flow.AddItems(dir.filePath(QStringLiteral("missing")));
    QCOMPARE(flow.GetNumeroItems(), 4);
}

void TestZCCoverFlow::coverCacheStaysWithinItsBudget()
{
    CoverFlow flow;
    flow.resize(1920, 1080);
    flow.InitSizes(375, 300);
    // More images than fit on the screen, shared by items far apart.
    QVector<QImage> images;
    for (int i = 0; i < 60; ++i)
        images.append(filled(QSize(375, 300), QColor::fromHsv(i * 6, 200, 200)));
    for (int i = 0; i < 200; ++i)
        flow.AddItem(QString::number(i), images.at(i % images.size()));
    qint64 budget = 0;
    for (int i = 0; i < 200; i += 3) {
        flow.SelectAtIndex(i);
        flow.grab();
        if (i == 120)
            budget = flow.coverCache().budgetBytes();
        QVERIFY(flow.coverCache().bytes() <= flow.coverCache().budgetBytes());
    }
    // Once a full frame has been drawn the budget stops growing: memory is bounded by the view.
    QCOMPARE(flow.coverCache().budgetBytes(), budget);
    QVERIFY(flow.coverCache().peakBytes() > 0 && flow.coverCache().peakBytes() <= budget);
}

void TestZCCoverFlow::workerThreadsSetImagesWhileTheWidgetPaints()
{
    struct Counting : CoverFlow {
        using CoverFlow::CoverFlow;
        void paintEvent(QPaintEvent* event) override
        {
            ++paints;
            ZCCoverFlow::paintEvent(event);
        }
        int paints = 0;
    } flow(200);
    flow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&flow));

    std::atomic<int> running{4};
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w) {
        workers.emplace_back([&flow, &running, w] {
            for (int n = 0; n < 200; ++n) {
                const int i = (n * 4 + w) % 200;
                flow.SetImageItem(i, filled(QSize(20, 16), QColor::fromHsv(n % 360, 255, 255)));
                flow.SetTituloItem(i, QString::number(n));
                flow.GetNumeroItems();
            }
            --running;
        });
    }
    while (running > 0) {
        flow.SelectAtIndex(flow.GetNumeroItems() / 2 + running);
        flow.repaint();
        QCoreApplication::processEvents();
    }
    for (std::thread& worker : workers)
        worker.join();
    for (int i = 0; i < 200; ++i)
        QCOMPARE(flow.GetImageItem(i).size(), QSize(100, 80));

    // A lone change from a worker reaches the screen through a repaint on the GUI thread.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    const int before = flow.paints;
    std::thread([&flow] { flow.SetImageItem(100, filled(QSize(4, 4), Qt::red)); }).join();
    QTRY_VERIFY(flow.paints > before);
}

MIROKIT_TEST_MAIN(TestZCCoverFlow)
#include "tst_zccoverflow.moc"
