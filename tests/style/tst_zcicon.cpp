#include "mirokittest.h"

#include <Mirokit/ZCIcon.h>

#include <QPixmapCache>

namespace {

// Subclasses are the ones that look images up; this one makes the lookup visible.
class CachedIcon : public ZCIcon
{
public:
    using ZCIcon::GetPixmapCache;
};

} // namespace

class TestZCIcon : public QObject
{
    Q_OBJECT

private slots:
    void aFileIsLoadedOncePerProcess();
};

void TestZCIcon::aFileIsLoadedOncePerProcess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dot.png"));
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QVERIFY(image.save(path));

    const CachedIcon icon;
    QCOMPARE(icon.GetPixmapCache(path).size(), QSize(6, 4));
    // Gone from disk, still answered from the pixmap cache.
    QVERIFY(QFile::remove(path));
    QCOMPARE(icon.GetPixmapCache(path).toImage().pixelColor(1, 1), QColor(Qt::magenta));
    QPixmapCache::clear();
    QVERIFY(icon.GetPixmapCache(path).isNull());
    QVERIFY(icon.GetPixmapCache(QStringLiteral(":/Resources/no-such-image.png")).isNull());
}

MIROKIT_TEST_MAIN(TestZCIcon)
#include "tst_zcicon.moc"
