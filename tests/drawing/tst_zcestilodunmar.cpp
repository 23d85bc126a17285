#include "knownmetricsstyle.h"
#include "mirokittest.h"

#include <Mirokit/ZCEstiloDunmar.h>

#include <QBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

// Opens the protected helpers of ZCEstiloDunmar to the test.
struct Metrics : ZCEstiloDunmar {
    using ZCEstiloDunmar::AjustarAUnidadMinima;
    using ZCEstiloDunmar::GetHorizontalSpacing;
    using ZCEstiloDunmar::GetVerticalSpacing;
};

using MetricTable = QHash<QStyle::PixelMetric, int>;

// A widget whose size hint the test chooses.
class HintedWidget : public QWidget
{
public:
    explicit HintedWidget(const QSize& hint)
        : m_hint(hint)
    {
    }
    QSize sizeHint() const override { return m_hint; }

private:
    QSize m_hint;
};

} // namespace

class TestZCEstiloDunmar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void roundsToTheTenPixelGrid_data();
    void roundsToTheTenPixelGrid();
    void spacingsComeFromTheStyle_data();
    void spacingsComeFromTheStyle();
    void spacingsReachTheBoxLayout();
    void marginsAreThreeStyleMarginsOnTheGrid();
    void cssMarginsOnlyUnderAStyleSheet();
    void spinBoxesAreRightAlignedAndAtLeast120Wide();
    void wideSpinBoxesKeepTheirHintOnTheGrid();
    void resizeNeverWidensNorShrinksBelowTheHint_data();
    void resizeNeverWidensNorShrinksBelowTheHint();

private:
    static void useMetrics(const MetricTable& metrics);
};

void TestZCEstiloDunmar::useMetrics(const MetricTable& metrics)
{
    QApplication::setStyle(new KnownMetricsStyle(metrics));
}

void TestZCEstiloDunmar::cleanup()
{
    qApp->setStyleSheet(QString());
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void TestZCEstiloDunmar::roundsToTheTenPixelGrid_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero stays zero") << 0 << 0;
    QTest::newRow("3 rounds down to 0") << 3 << 0;
    QTest::newRow("4 already rounds up to 10") << 4 << 10;
    QTest::newRow("13 rounds down to 10") << 13 << 10;
    QTest::newRow("14 rounds up to 20") << 14 << 20;
    QTest::newRow("25 rounds up to 30") << 25 << 30;
    QTest::newRow("a multiple of ten is kept") << 30 << 30;
    QTest::newRow("-7 truncates to 0") << -7 << 0;
}

void TestZCEstiloDunmar::roundsToTheTenPixelGrid()
{
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(Metrics::AjustarAUnidadMinima(n), expected);
}

void TestZCEstiloDunmar::spacingsComeFromTheStyle_data()
{
    QTest::addColumn<int>("styleSpacing");
    QTest::addColumn<int>("expected");
    QTest::newRow("6 gives round10(30) - 6") << 6 << 24;
    QTest::newRow("3 gives round10(15) - 3") << 3 << 17;
    QTest::newRow("2 gives round10(10) - 2") << 2 << 8;
    QTest::newRow("no style spacing gives none") << 0 << 0;
}

void TestZCEstiloDunmar::spacingsComeFromTheStyle()
{
    QFETCH(int, styleSpacing);
    QFETCH(int, expected);

    useMetrics({{QStyle::PM_LayoutHorizontalSpacing, styleSpacing},
                {QStyle::PM_LayoutVerticalSpacing, 1}});
    QCOMPARE(Metrics::GetHorizontalSpacing(), expected);
    QCOMPARE(Metrics::GetVerticalSpacing(), 9);

    useMetrics({{QStyle::PM_LayoutHorizontalSpacing, 1},
                {QStyle::PM_LayoutVerticalSpacing, styleSpacing}});
    QCOMPARE(Metrics::GetVerticalSpacing(), expected);
    QCOMPARE(Metrics::GetHorizontalSpacing(), 9);
}

void TestZCEstiloDunmar::spacingsReachTheBoxLayout()
{
    useMetrics({{QStyle::PM_LayoutHorizontalSpacing, 6}, {QStyle::PM_LayoutVerticalSpacing, 4}});

    QHBoxLayout row;
    ZCEstiloDunmar::SetHorizontalSpacing(&row);
    QCOMPARE(row.spacing(), 24);
    ZCEstiloDunmar::AddHorizontalSpacing(&row);
    QCOMPARE(row.count(), 1);
    QVERIFY(row.itemAt(0)->spacerItem());
    QCOMPARE(row.itemAt(0)->sizeHint().width(), 24);

    QVBoxLayout column;
    ZCEstiloDunmar::SetVerticalSpacing(&column);
    QCOMPARE(column.spacing(), 16);
    ZCEstiloDunmar::AddVerticalSpacing(&column);
    QCOMPARE(column.itemAt(0)->sizeHint().height(), 16);

    ZCEstiloDunmar::SetVerticalSpacing(nullptr);
    ZCEstiloDunmar::AddHorizontalSpacing(nullptr);
}

void TestZCEstiloDunmar::marginsAreThreeStyleMarginsOnTheGrid()
{
    useMetrics({{QStyle::PM_LayoutLeftMargin, 3},
                {QStyle::PM_LayoutTopMargin, 5},
                {QStyle::PM_LayoutRightMargin, 1},
                {QStyle::PM_LayoutBottomMargin, 11}});
    QVBoxLayout layout;
    ZCEstiloDunmar::AplicarEstilo(&layout);
    QCOMPARE(layout.contentsMargins(), QMargins(10, 20, 0, 30));
}

void TestZCEstiloDunmar::cssMarginsOnlyUnderAStyleSheet()
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(7, 7, 7, 7);
    layout->setSpacing(5);

    ZCEstiloDunmar::AplicarEstiloCss(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(7, 7, 7, 7));
    QCOMPARE(layout->spacing(), 5);

    qApp->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    ZCEstiloDunmar::AplicarEstiloCss(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(layout->spacing(), 0);
}

void TestZCEstiloDunmar::spinBoxesAreRightAlignedAndAtLeast120Wide()
{
    QSpinBox box;
    box.setRange(0, 9);
    QVERIFY(box.sizeHint().width() < 120);
    ZCEstiloDunmar::AplicarEstilo(&box);
    QCOMPARE(box.alignment(), Qt::AlignRight);
    QCOMPARE(box.sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(box.minimumWidth(), 120);
}

void TestZCEstiloDunmar::wideSpinBoxesKeepTheirHintOnTheGrid()
{
    QSpinBox box;
    box.setPrefix(QStringLiteral("Cantidad máxima de unidades por pedido: "));
    box.setRange(0, 999999);
    const int hint = box.sizeHint().width();
    QVERIFY(hint > 120);
    ZCEstiloDunmar::AplicarEstilo(&box);
    QCOMPARE(box.minimumWidth() % 10, 0);
    QVERIFY(qAbs(box.minimumWidth() - hint) <= 6);
}

void TestZCEstiloDunmar::resizeNeverWidensNorShrinksBelowTheHint_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("a width beyond the hint is cut to it") << 500 << -1 << QSize(300, 40);
    QTest::newRow("a smaller width and a taller height are kept") << 200 << 80 << QSize(200, 80);
    QTest::newRow("-1 for both gives the size hint") << -1 << -1 << QSize(300, 40);
    QTest::newRow("a height below the hint grows to it") << 250 << 10 << QSize(250, 40);
}

void TestZCEstiloDunmar::resizeNeverWidensNorShrinksBelowTheHint()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSize, expected);
    HintedWidget widget(QSize(300, 40));
    widget.resize(10, 10);
    ZCEstiloDunmar::Resize(&widget, width, height);
    QCOMPARE(widget.size(), expected);
}

MIROKIT_TEST_MAIN(TestZCEstiloDunmar)
#include "tst_zcestilodunmar.moc"
