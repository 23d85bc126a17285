// Random use of a cover flow: items added, removed and answered with images of any size (empty
// ones included), item and widget sizes down to zero and below, keys, wheel, mouse and type-ahead
// text, needImage handlers that remove items, and folders holding one file of arbitrary bytes
// under an image name. After every step the reported selection must lie inside the list.
#include "fuzzapplication.h"
#include "fuzzinput.h"

#include <Mirokit/ZCCoverFlow.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString text(FuzzInput& input)
{
    // Folded and unfolded letters, a combining mark, a control character and a surrogate half.
    static const QString alphabet = QStringLiteral("aeinAEÉéÑñçÇü\u0301\u0007 Ω\xD800");
    QString result;
    const int length = input.next(6);
    for (int i = 0; i < length; ++i)
        result.append(alphabet.at(input.next(alphabet.size())));
    return result;
}

QImage image(FuzzInput& input)
{
    const QSize size(input.next(48), input.next(48));
    if (size.isEmpty())
        return QImage();
    QImage result(size, input.next(2) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    result.fill(QColor::fromRgb(input.next(256), input.next(256), input.next(256), input.next(256)));
    return result;
}

void sendKey(ZCCoverFlow& flow, FuzzInput& input)
{
    static const int keys[] = {Qt::Key_Return, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                               Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Escape,
                               Qt::Key_A, Qt::Key_E, Qt::Key_N, Qt::Key_Space};
    static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier, Qt::AltModifier,
                                                      Qt::ShiftModifier, Qt::ControlModifier | Qt::ShiftModifier};
    const int key = keys[input.next(int(sizeof(keys) / sizeof(keys[0])))];
    QKeyEvent event(QEvent::KeyPress, key, modifiers[input.next(5)], key < 0x01000000 ? text(input) : QString());
    QApplication::sendEvent(&flow, &event);
}

void sendMouse(ZCCoverFlow& flow, FuzzInput& input)
{
    static const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick};
    const QEvent::Type type = types[input.next(4)];
    const QPointF position(input.next(256) * 2 - 50, input.next(128));
    QMouseEvent event(type, position, position, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&flow, &event);
}

void sendWheel(ZCCoverFlow& flow, FuzzInput& input)
{
    const int delta = (input.next(256) - 128) * (input.next(2) ? 1 : 0x7fffff);
    QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                      input.next(2) ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&flow, &event);
}

void addFolder(ZCCoverFlow& flow, FuzzInput& input)
{
    static const char* const names[] = {"f.png", "f.bmp", "f.jpg", "f.gif", "f.xpm", "f.ppm"};
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath(QString::fromLatin1(names[input.next(6)])));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QByteArray contents;
    for (int length = input.next(256); length > 0 && !input.atEnd(); --length)
        contents.append(char(input.next(256)));
    file.write(contents);
    file.close();
    flow.AddItems(dir.path());
    flow.grab(); // the files are read while they still exist
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Only a fatal message is worth reading: it says why the run ends.
    ensureFuzzApplication([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });

    FuzzInput input(data, size);
    ZCCoverFlow flow(input.next(64) - 4, input.next(64) - 4);
    flow.resize(input.next(256), input.next(128));
    bool removeOnRequest = false;
    QObject::connect(&flow, &ZCCoverFlow::needImage, [&](int i) {
        if (removeOnRequest)
            flow.RemoveItemAt(i);
    });
    QObject::connect(&flow, &ZCCoverFlow::currentSelChanged, [&](int current, int) {
        if (current < 0 || current > qMax(0, flow.GetNumeroItems() - 1))
            std::abort();
    });

    int steps = 0;
    while (!input.atEnd() && ++steps < 64) {
        switch (input.next(15)) {
        case 0: flow.AddItem(text(input), image(input)); break;
        case 1: flow.AddItems(input.next(6) - 1); break;
        case 2: flow.RemoveItemAt(input.next(12) - 2); break;
        case 3: flow.RemoveAllItems(); break;
        case 4: flow.SetImageItem(input.next(12) - 2, image(input)); break;
        case 5: flow.SetTituloItem(input.next(12) - 2, text(input)); break;
        case 6: flow.SelectAtIndex(input.next(16) - 4); break;
        case 7: sendKey(flow, input); break;
        case 8: sendWheel(flow, input); break;
        case 9: flow.InitSizes(input.next(60) - 5, input.next(60) - 5); break;
        case 10: flow.resize(input.next(300), input.next(200)); break;
        case 11: input.next(2) ? flow.Buscar(text(input)) : flow.OnTimerBuscar(); break;
        case 12: sendMouse(flow, input); break;
        case 13: addFolder(flow, input); break;
        default:
            removeOnRequest = input.next(4) == 0;
            flow.grab();
            break;
        }
    }
    flow.grab();
    return 0;
}
