#include "mirokittest.h"

#include <Mirokit/ZCCursor.h>
#include <Mirokit/ZCSizeGrip.h>
#include <Mirokit/ZCWaitCursor.h>

#include <QBitmap>
#include <QStyle>

class TestCursorsAndGrip : public QObject
{
    Q_OBJECT

private slots:
    void cursorShapes_data();
    void cursorShapes();
    void waitCursorsNest();
    void gripResizesTheParent_data();
    void gripResizesTheParent();
};

void TestCursorsAndGrip::cursorShapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("expectedShape");

    QTest::newRow("Qt's last shape") << 21 << int(Qt::DragLinkCursor);
    QTest::newRow("pencil") << 22 << int(Qt::BitmapCursor);
    QTest::newRow("glass") << 23 << int(Qt::BitmapCursor);
    QTest::newRow("colour picker") << 24 << int(Qt::BitmapCursor);
    QTest::newRow("unknown shape is an arrow") << 30 << int(Qt::ArrowCursor);
    QTest::newRow("negative shape is an arrow") << -1 << int(Qt::ArrowCursor);
}

void TestCursorsAndGrip::cursorShapes()
{
    QFETCH(int, shape);
    QFETCH(int, expectedShape);

    const QCursor cursor = ZCCursor(shape).getCursor();
    QCOMPARE(int(cursor.shape()), expectedShape);
    // The library's own cursors come from resources: a wrong name leaves empty bitmaps.
    if (expectedShape == Qt::BitmapCursor) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        const QList<QBitmap> images{cursor.bitmap(), cursor.mask()};
#else
        const QList<QBitmap> images{cursor.bitmap(Qt::ReturnByValue), cursor.mask(Qt::ReturnByValue)};
#endif
        for (const QBitmap& image : images)
            QCOMPARE(image.size(), QSize(32, 32));
    }
}

void TestCursorsAndGrip::waitCursorsNest()
{
    {
        ZCWaitCursor outer;
        { ZCWaitCursor inner; }
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestCursorsAndGrip::gripResizesTheParent_data()
{
    QTest::addColumn<int>("key");  // 0: drag the grip instead
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("ctrl+right widens by five") << int(Qt::Key_Right) << int(Qt::ControlModifier) << QSize(205, 150);
    QTest::newRow("left narrows by one") << int(Qt::Key_Left) << int(Qt::NoModifier) << QSize(199, 150);
    QTest::newRow("ctrl+up shortens by five") << int(Qt::Key_Up) << int(Qt::ControlModifier) << QSize(200, 145);
    QTest::newRow("down lengthens by one") << int(Qt::Key_Down) << int(Qt::NoModifier) << QSize(200, 151);
    QTest::newRow("other keys do nothing") << int(Qt::Key_A) << int(Qt::ControlModifier) << QSize(200, 150);
    QTest::newRow("dragging the grip") << 0 << int(Qt::NoModifier) << QSize(260, 190);
}

void TestCursorsAndGrip::gripResizesTheParent()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QSize, expected);

    QWidget parent;
    parent.resize(200, 150);
    auto* grip = new ZCSizeGrip(&parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    if (key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendEvent(&parent, &press);
    } else {
        QTest::mousePress(grip, Qt::LeftButton, Qt::NoModifier, grip->rect().center());
        const QPoint target = grip->mapFromGlobal(parent.mapToGlobal(QPoint(260, 190)));
        QMouseEvent move(QEvent::MouseMove, target, grip->mapToGlobal(target), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(grip, &move);
        QTest::mouseRelease(grip, Qt::LeftButton, Qt::NoModifier, target);
    }
    QCOMPARE(parent.size(), expected);
    const int size = grip->style()->pixelMetric(QStyle::PM_SizeGripSize);
    QCOMPARE(grip->pos(), QPoint(expected.width() - 1 - size, expected.height() - 1 - size));
}

MIROKIT_TEST_MAIN(TestCursorsAndGrip)
#include "tst_cursorsandgrip.moc"
