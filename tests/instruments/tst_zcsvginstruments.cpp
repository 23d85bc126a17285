#include "mirokittest.h"

#include "instrumenttest.h"

#include <Mirokit/ZCProgressWidget.h>
#include <Mirokit/ZCSvgDialGauge.h>
#include <Mirokit/ZCSvgPixmapCache.h>
#include <Mirokit/ZCSvgSlideSwitch.h>
#include <Mirokit/ZCSvgToggleSwitch.h>
#include <Mirokit/ZCWidgetRegla.h>

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

QByteArray svgRect(int width, int height, const char* colour)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<rect width=\"%1\" height=\"%2\" fill=\"%3\"/></svg>")
        .arg(width).arg(height).arg(QLatin1String(colour)).toUtf8();
}

class CountingCache : public ZCSvgPixmapCache
{
public:
    int renders = 0;

protected:
    void render(QPixmap& pixmap) override
    {
        ++renders;
        ZCSvgPixmapCache::render(pixmap);
    }
};

// The leftmost column of the switch that shows the knob's colour, -1 when none.
int knobLeft(ZCSvgSlideSwitch& slide)
{
    const QImage image = paintedImage(slide);
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == QColor(Qt::red) || image.pixelColor(x, image.height() / 2) == QColor(Qt::blue))
            return x;
    }
    return -1;
}

// A move with the left button held, as a drag delivers it.
void dragTo(QWidget& widget, const QPoint& pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// A progress panel whose clock the test sets.
class ClockedProgress : public ZCProgressWidget
{
public:
    qint64 now = 0;

protected:
    qint64 elapsedMilliseconds() const override { return now; }
};

} // namespace

class TestSvgInstruments : public QObject
{
    Q_OBJECT

private slots:
    void cacheRendersOnlyForANewSizeOrNewData();
    void dialAngles_data();
    void dialAngles();
    void dialNeedlePointsAtTheAngle();
    void slideSwitchDrags_data();
    void slideSwitchDrags();
    void slideSwitchKeyboardAndPlainClick();
    void slideSwitchDeletedByItsHandler_data();
    void slideSwitchDeletedByItsHandler();
    void toggleSwitchShowsItsState();
    void rulerTicks();
    void progressShowsOnlyLongOperations_data();
    void progressShowsOnlyLongOperations();
};

void TestSvgInstruments::cacheRendersOnlyForANewSizeOrNewData()
{
    CountingCache cache;
    QImage target(100, 100, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    cache.draw(&painter, QRectF(0, 0, 50, 50));
    QCOMPARE(cache.renders, 0);  // nothing loaded yet

    QVERIFY(cache.load(svgRect(10, 10, "red")));
    cache.draw(&painter, QRectF(0, 0, 50, 50));
    cache.draw(&painter, QRectF(20, 20, 50, 50));
    QCOMPARE(cache.renders, 1);
    cache.draw(&painter, QRectF(0, 0, 60, 60));
    QCOMPARE(cache.renders, 2);
    QVERIFY(!cache.load(svgRect(10, 10, "blue")));
    cache.draw(&painter, QRectF(0, 0, 60, 60));
    QCOMPARE(cache.renders, 3);
    painter.end();
    QCOMPARE(target.pixelColor(30, 30), QColor(Qt::blue));

    // Data that is no SVG leaves the layer empty, and the switches fall back to their own size.
    cache.load("<svg><rect width=");
    QVERIFY(!cache.isValid());
    QPainter again(&target);
    cache.draw(&again, QRectF(0, 0, 60, 60));
    QCOMPARE(cache.renders, 3);
    ZCSvgSlideSwitch slide;
    slide.SetSvg("\xff\x00", QByteArray(), "<svg", QByteArray());
    QCOMPARE(slide.sizeHint(), QSize(100, 24));
}

void TestSvgInstruments::dialAngles_data()
{
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("maximo");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("valor");
    QTest::addColumn<double>("angle");

    QTest::newRow("half way is the middle angle") << 0 << 100 << 50 << 50 << 0.0;
    QTest::newRow("above the maximum is the maximum") << 0 << 100 << 150 << 100 << 120.0;
    QTest::newRow("below the minimum is the minimum") << 0 << 100 << -5 << 0 << -120.0;
    QTest::newRow("a quarter of a negative range") << -200 << 200 << -100 << -100 << -60.0;
    QTest::newRow("an empty range rests at the start") << 10 << 10 << 50 << 10 << -120.0;
    QTest::newRow("a minimum above the maximum clamps between them") << 80 << 20 << 90 << 80 << -120.0;
}

void TestSvgInstruments::dialAngles()
{
    QFETCH(int, minimo);
    QFETCH(int, maximo);
    QFETCH(int, requested);
    QFETCH(int, valor);
    QFETCH(double, angle);
    ZCSvgDialGauge dial;
    dial.setAnguloInicio(-120);
    dial.setAnguloFin(120);
    dial.setMinimo(minimo);
    dial.setMaximo(maximo);
    dial.setValor(requested);
    QCOMPARE(dial.GetValor(), valor);
    QCOMPARE(dial.angulo(), angle);
}

void TestSvgInstruments::dialNeedlePointsAtTheAngle()
{
    // A needle 10 wide and 100 high turning about its bottom centre, pointing up at 0°.
    ZCSvgDialGauge dial;
    dial.resize(200, 200);
    dial.SetSvg(svgRect(200, 200, "white"), QByteArray(), svgRect(10, 100, "black"), QByteArray());
    dial.setOrigen(0.5, 1.0);
    dial.setAnguloInicio(0);
    dial.setAnguloFin(180);
    // The needle image scales to the widget like the dial: 20 x 200, turning centre at (10, 200)
    // of the dial's coordinates once moved; only the direction matters here.
    for (const auto& [valor, black, white] : {std::tuple<int, QPoint, QPoint>{0, {10, 100}, {100, 100}},
                                              {50, {100, 190}, {10, 100}}}) {
        dial.setValor(valor);
        const QImage image = paintedImage(dial);
        QCOMPARE(image.pixelColor(black), QColor(Qt::black));
        QCOMPARE(image.pixelColor(white), QColor(Qt::white));
    }
}

void TestSvgInstruments::slideSwitchDrags_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QVector<int>>("moves");  // pointer positions after the press, in % of the travel
    QTest::addColumn<bool>("checkedAtRelease");
    QTest::addColumn<bool>("checkedAtEnd");
    QTest::addColumn<int>("clicks");

    QTest::newRow("dragged all the way switches at once") << false << QVector<int>{50, 100} << true << true << 1;
    QTest::newRow("past the end and about there clicks once")
        << false << QVector<int>{100, 120, 101, 140} << true << true << 1;
    QTest::newRow("let go a quarter of the way runs on and switches") << false << QVector<int>{25} << false << true << 1;
    QTest::newRow("from on, dragged all the way back") << true << QVector<int>{-100} << false << false << 1;
    QTest::newRow("to the end and back to the middle follows the pointer")
        << false << QVector<int>{100, 50} << true << false << 2;
}

void TestSvgInstruments::slideSwitchDrags()
{
    QFETCH(bool, checked);
    QFETCH(QVector<int>, moves);
    QFETCH(bool, checkedAtRelease);
    QFETCH(bool, checkedAtEnd);
    QFETCH(int, clicks);
    ZCSvgSlideSwitch slide;
    slide.SetSvg(svgRect(100, 20, "gray"), svgRect(100, 20, "gray"), svgRect(20, 20, "blue"), svgRect(20, 20, "red"));
    slide.resize(100, 20);
    slide.setChecked(checked);
    slide.show();
    QSignalSpy clicked(&slide, &QAbstractButton::clicked);

    const int travel = 80;
    const QPoint press(checked ? 90 : 10, 10);
    QTest::mousePress(&slide, Qt::LeftButton, {}, press);
    for (int percent : moves)
        dragTo(slide, press + QPoint(percent * travel / 100, 0));
    QTest::mouseRelease(&slide, Qt::LeftButton, {}, press + QPoint(moves.last() * travel / 100, 0));
    QCOMPARE(slide.isChecked(), checkedAtRelease);
    QTRY_COMPARE(slide.isChecked(), checkedAtEnd);
    QTest::qWait(200);  // the run-on is over; nothing else may follow
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(knobLeft(slide), checkedAtEnd ? travel : 0);
}

void TestSvgInstruments::slideSwitchDeletedByItsHandler_data()
{
    QTest::addColumn<int>("dragged");  // in % of the travel; below 100 the switch runs on after release

    QTest::newRow("by clicked() at the end of a drag") << 100;
    QTest::newRow("by clicked() at the end of the run-on") << 25;
}

// Nothing of the switch, or of its time line, is touched once a handler has deleted it.
void TestSvgInstruments::slideSwitchDeletedByItsHandler()
{
    QFETCH(int, dragged);
    QPointer<ZCSvgSlideSwitch> slide = new ZCSvgSlideSwitch;
    slide->SetSvg(svgRect(100, 20, "gray"), svgRect(100, 20, "gray"), svgRect(20, 20, "blue"), svgRect(20, 20, "red"));
    slide->resize(100, 20);
    slide->show();
    connect(slide, &QAbstractButton::clicked, slide, [&] { delete slide.data(); });
    const QPoint to(10 + dragged * 80 / 100, 10);
    QTest::mousePress(slide, Qt::LeftButton, {}, QPoint(10, 10));
    dragTo(*slide, to);
    if (slide)
        QTest::mouseRelease(slide, Qt::LeftButton, {}, to);
    QTRY_VERIFY(!slide);
}

void TestSvgInstruments::slideSwitchKeyboardAndPlainClick()
{
    ZCSvgSlideSwitch slide;
    slide.SetSvg(svgRect(100, 20, "gray"), svgRect(100, 20, "gray"), svgRect(20, 20, "blue"), svgRect(20, 20, "red"));
    slide.resize(100, 20);
    slide.show();
    QTest::mouseClick(&slide, Qt::LeftButton, {}, QPoint(60, 10));
    QVERIFY(!slide.isChecked());
    QTest::keyClick(&slide, Qt::Key_Space);
    QVERIFY(slide.isChecked());
    QCOMPARE(knobLeft(slide), 80);

    // A knob as wide as the track cannot be dragged, and nothing divides by its zero travel.
    slide.SetSvg(svgRect(100, 20, "gray"), svgRect(100, 20, "gray"), svgRect(100, 20, "blue"), svgRect(100, 20, "red"));
    QTest::mousePress(&slide, Qt::LeftButton, {}, QPoint(50, 10));
    dragTo(slide, QPoint(10, 10));
    QTest::mouseRelease(&slide, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(slide.isChecked());
}

void TestSvgInstruments::toggleSwitchShowsItsState()
{
    ZCSvgToggleSwitch toggle;
    toggle.SetSvg(svgRect(40, 20, "blue"), svgRect(40, 20, "red"));
    QCOMPARE(toggle.sizeHint(), QSize(40, 20));
    toggle.resize(40, 20);
    toggle.show();
    QCOMPARE(paintedImage(toggle).pixelColor(20, 10), QColor(Qt::blue));
    QTest::mouseClick(&toggle, Qt::LeftButton);
    QVERIFY(toggle.isChecked());
    QCOMPARE(paintedImage(toggle).pixelColor(20, 10), QColor(Qt::red));
}

void TestSvgInstruments::rulerTicks()
{
    for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        ZCWidgetRegla ruler(orientation);
        const bool horizontal = orientation == Qt::Horizontal;
        ruler.resize(horizontal ? QSize(200, 25) : QSize(25, 200));
        QCOMPARE(horizontal ? ruler.sizeHint().height() : ruler.sizeHint().width(), 25);
        const QImage image = paintedImage(ruler);
        // Every tick reaches 0.3 of the thickness in from the far edge (2 pixels from it).
        const auto inked = [&](int along) {
            const QPoint point = horizontal ? QPoint(along, 21) : QPoint(21, along);
            return image.pixelColor(point).lightness() < 128;
        };
        for (int p = 0; p < 200; ++p)
            QVERIFY2(inked(p) == (p % 6 == 0), qPrintable(QString::number(p)));
    }
}

void TestSvgInstruments::progressShowsOnlyLongOperations_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<bool>("shown");

    QTest::newRow("half done after one second: two seconds in all") << 100 << 50 << qint64(1000) << false;
    QTest::newRow("a tenth done after one second: ten seconds in all") << 100 << 10 << qint64(1000) << true;
    QTest::newRow("no progress after one second") << 100 << 0 << qint64(1000) << false;
    QTest::newRow("no progress after four seconds") << 100 << 0 << qint64(4000) << true;
    QTest::newRow("a huge range does not overflow") << 2000000000 << 1 << qint64(3000) << true;
}

void TestSvgInstruments::progressShowsOnlyLongOperations()
{
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(qint64, elapsed);
    QFETCH(bool, shown);
    QWidget window;
    auto* panel = new ClockedProgress;
    auto* work = new QWidget;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(panel);
    layout->addWidget(work);
    panel->hide();
    panel->SetWidgetOcultar(work);
    window.show();

    panel->GetProgressBar()->setRange(0, maximum);
    panel->onProgressChanged(0);
    QCOMPARE(panel->GetLabelProgreso()->text(), QStringLiteral("Iniciando..."));
    panel->GetProgressBar()->setValue(value);
    panel->now = elapsed;
    panel->onTimerShow();
    QCOMPARE(panel->isVisible(), shown);
    QCOMPARE(work->isVisible(), !shown);

    panel->onProgressChanged(5);
    QVERIFY(!panel->isVisible());
    QVERIFY(work->isVisible());

    // The widget to hide may go first; the panel then leaves it alone.
    delete work;
    panel->onProgressChanged(0);
    panel->now = 5000;
    panel->onTimerShow();
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->GetWidgetOcultar());
}

MIROKIT_TEST_MAIN(TestSvgInstruments)
#include "tst_zcsvginstruments.moc"
