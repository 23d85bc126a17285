// The cover flow at 1920 x 1080 with items of 375 x 300.
//
// Selection change: with 1,000 distinct images, moving the selection one item on and repainting,
// against a baseline that fills the ground and draws the same visible images with plain
// QPainter::drawImage under the same transforms (scaled, turned about the vertical axis, placed),
// without reflections. Every step reaches items never shown before, as a user stepping through
// the list does.
//
// Jump: the same after a jump to a stretch of the list not shown before, where every cover is
// rendered anew.
//
// Memory: scrolling through 10,000 items, the peak of the rendered-cover cache and how much the
// process grew.
#include "benchmark.h"

#include "zccovercache_p.h"

#include <Mirokit/ZCCoverFlow.h>

#include <QApplication>
#include <QFile>
#include <QPainter>

namespace {

constexpr QSize screenSize(1920, 1080);
constexpr QSize itemSize(375, 300);

struct CoverFlow : ZCCoverFlow {
    CoverFlow()
        : ZCCoverFlow(itemSize.width(), itemSize.height())
    {
        resize(screenSize);
    }
    using ZCCoverFlow::coverCache;
};

QImage cover(int index)
{
    QImage image(itemSize, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(index * 37 % 360, 180, 200));
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(30, 30), itemSize / 3), QColor::fromHsv(index * 91 % 360, 255, 255));
    return image;
}

// The placement the cover flow uses, drawn with nothing but QPainter::drawImage.
void drawPlainly(QPainter* painter, const QVector<QImage>& images, int selected)
{
    painter->fillRect(QRect(QPoint(), screenSize), Qt::black);
    const int w = screenSize.width();
    const int y = screenSize.height() / 2 - itemSize.height() / 4;
    const int left = w / 2 - itemSize.width() / 2;
    const int right = w / 2 + itemSize.width() / 2;
    const auto draw = [&](int i, int x, int angle, QSize size) {
        const QImage& image = images.at(i);
        QTransform transform;
        transform.translate(x, y);
        transform.rotate(angle, Qt::YAxis);
        transform.scale(qreal(size.width()) / image.width(), qreal(size.height()) / image.height());
        painter->setTransform(transform);
        painter->drawImage(QPointF(-(image.width() / 2), -(image.height() / 2)), image);
    };
    const QSize side = itemSize - QSize(32, 32);
    for (int i = qMax(selected - left / 40, 0); i < selected; ++i)
        draw(i, left + (i - selected) * 40, -55, side);
    for (int j = qMin((w - right) / 40, images.size() - selected - 1); j >= 1; --j)
        draw(selected + j, right + j * 40, 55, side);
    draw(selected, w / 2, 0, itemSize);
    painter->resetTransform();
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096 / (1024 * 1024) : 0;
}

QString mib(qint64 bytes)
{
    return QString::number(bytes / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MiB");
}

void selectionChange()
{
    QVector<QImage> images;
    CoverFlow flow;
    for (int i = 0; i < 1000; ++i) {
        images.append(cover(i));
        flow.AddItem(QString::number(i), images.last());
    }
    QImage target(screenSize, QImage::Format_ARGB32_Premultiplied);
    int ours = 100;
    int plain = 100;
    flow.SelectAtIndex(ours);
    // 1 + 5 rounds of 60 steps move the selection from item 100 to item 401.
    bench::compare(
        QStringLiteral("selection change, 1,000 items at 1920x1080"),
        [&] {
            flow.SelectAtIndex(++ours);
            flow.render(&target);
        },
        [&] {
            QPainter painter(&target);
            painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
            drawPlainly(&painter, images, ++plain);
        },
        60);

    // A jump (Home, End, a type-ahead hit) finds no cover rendered yet: the worst case.
    ours = plain = 0;
    bench::compare(
        QStringLiteral("jump of 100 items, every cover new"),
        [&] {
            flow.SelectAtIndex(ours += 100);
            flow.render(&target);
        },
        [&] {
            QPainter painter(&target);
            painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
            drawPlainly(&painter, images, plain += 100);
        },
        1);
}

void scrollingMemory()
{
    QVector<QImage> images;
    for (int i = 0; i < 100; ++i)
        images.append(cover(i));
    CoverFlow flow;
    for (int i = 0; i < 10000; ++i)
        flow.AddItem(QString::number(i), images.at(i % images.size()));
    QImage target(screenSize, QImage::Format_ARGB32_Premultiplied);
    flow.render(&target);
    const double before = residentMiB();
    QElapsedTimer timer;
    timer.start();
    // Steps of 7 bring every item into view: about 39 are on the screenSize at a time.
    for (int i = 0; i < 10000; i += 7) {
        flow.SelectAtIndex(i);
        flow.render(&target);
    }
    QTextStream(stdout) << "scrolling through 10,000 items: cover cache peak "
                        << mib(flow.coverCache().peakBytes()) << ", budget " << mib(flow.coverCache().budgetBytes())
                        << ", process grew " << QString::number(residentMiB() - before, 'f', 1) << " MiB, "
                        << bench::formatTime(double(timer.nsecsElapsed()) / (10000 / 7 + 1)) << " per step"
                        << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    selectionChange();
    scrollingMemory();
    return 0;
}
