#include "mirokittest.h"

#include <Mirokit/ZCEstiloDunmar.h>

#include <QBoxLayout>
#include <QProxyStyle>
#include <QSpinBox>
#include <QStyleFactory>

namespace {

// Fusion with chosen layout metrics, so that the test can predict margins and spacings.
struct KnownMetricsStyle : QProxyStyle {
    explicit KnownMetricsStyle(const QHash<PixelMetric, int>& metrics)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), metrics(metrics) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metrics.value(metric, QProxyStyle::pixelMetric(metric, option, widget));
    }
    QHash<PixelMetric, int> metrics;
};

void useMetrics(const QHash<QStyle::PixelMetric, int>& metrics)
{
    QApplication::setStyle(new KnownMetricsStyle(metrics));
}

struct HintedWidget : QWidget {
    QSize sizeHint() const override { return QSize(300, 40); }
};

} // namespace

class TestZCEstiloDunmar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void spacingsComeFromTheStyle_data()
    {
        QTest::addColumn<int>("styleSpacing");
        QTest::addColumn<int>("expected");
        QTest::newRow("6 gives round10(30) - 6") << 6 << 24;
        QTest::newRow("3 gives round10(15) - 3") << 3 << 17;
        QTest::newRow("2 gives round10(10) - 2") << 2 << 8;
        QTest::newRow("no style spacing gives none") << 0 << 0;
    }

    // The other direction keeps a style spacing of 1, which gives round10(5) - 1 = 9.
    void spacingsComeFromTheStyle()
    {
        QFETCH(int, styleSpacing);
        QFETCH(int, expected);
        for (const bool vertical : {false, true}) {
            useMetrics({{QStyle::PM_LayoutHorizontalSpacing, vertical ? 1 : styleSpacing},
                        {QStyle::PM_LayoutVerticalSpacing, vertical ? styleSpacing : 1}});
            QHBoxLayout row;
            QVBoxLayout column;
            ZCEstiloDunmar::SetHorizontalSpacing(&row);
            ZCEstiloDunmar::AddHorizontalSpacing(&row);
            ZCEstiloDunmar::SetVerticalSpacing(&column);
            ZCEstiloDunmar::AddVerticalSpacing(&column);
            QCOMPARE(row.spacing(), vertical ? 9 : expected);
            QCOMPARE(column.spacing(), vertical ? expected : 9);
            QVERIFY(row.itemAt(0)->spacerItem() && column.itemAt(0)->spacerItem());
            QCOMPARE(row.itemAt(0)->sizeHint().width(), row.spacing());
            QCOMPARE(column.itemAt(0)->sizeHint().height(), column.spacing());
        }
        ZCEstiloDunmar::SetVerticalSpacing(nullptr);
        ZCEstiloDunmar::AddHorizontalSpacing(nullptr);
    }

    void marginsAreThreeStyleMarginsOnTheGrid()
    {
        // 9, 15, 3 and 24 on the grid: from 4 past a multiple of ten a value rounds up.
        useMetrics({{QStyle::PM_LayoutLeftMargin, 3}, {QStyle::PM_LayoutTopMargin, 5},
                    {QStyle::PM_LayoutRightMargin, 1}, {QStyle::PM_LayoutBottomMargin, 8}});
        QVBoxLayout layout;
        ZCEstiloDunmar::AplicarEstilo(&layout);
        QCOMPARE(layout.contentsMargins(), QMargins(10, 20, 0, 30));
    }

    void cssMarginsOnlyUnderAStyleSheet()
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

    // A narrow spin box grows to 120; a wide one keeps its hint, rounded to the grid.
    void spinBoxesAreRightAlignedAndOnTheGrid()
    {
        QSpinBox narrow;
        narrow.setRange(0, 9);
        QVERIFY(narrow.sizeHint().width() < 120);
        ZCEstiloDunmar::AplicarEstilo(&narrow);
        QCOMPARE(narrow.alignment(), Qt::AlignRight);
        QCOMPARE(narrow.sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(narrow.minimumWidth(), 120);

        QSpinBox wide;
        wide.setPrefix(QStringLiteral("Cantidad máxima de unidades por pedido: "));
        wide.setRange(0, 999999);
        const int hint = wide.sizeHint().width();
        QVERIFY(hint > 120);
        ZCEstiloDunmar::AplicarEstilo(&wide);
        QCOMPARE(wide.minimumWidth() % 10, 0);
        QVERIFY(qAbs(wide.minimumWidth() - hint) <= 6);
    }

    void resizeNeverWidensNorShrinksBelowTheHint_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("expected");
        // The widget's size hint is 300 x 40.
        QTest::newRow("a width beyond the hint is cut to it") << 500 << -1 << QSize(300, 40);
        QTest::newRow("a smaller width and a taller height are kept") << 200 << 80 << QSize(200, 80);
        QTest::newRow("-1 for both gives the size hint") << -1 << -1 << QSize(300, 40);
        QTest::newRow("a height below the hint grows to it") << 250 << 10 << QSize(250, 40);
    }

    void resizeNeverWidensNorShrinksBelowTheHint()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, expected);
        HintedWidget widget;
        widget.resize(10, 10);
        ZCEstiloDunmar::Resize(&widget, width, height);
        QCOMPARE(widget.size(), expected);
    }
};

MIROKIT_TEST_MAIN(TestZCEstiloDunmar)
#include "tst_zcestilodunmar.moc"
