// A burst of notifications raised and then closed over a shown main window. The baseline is a
// plain Qt tool window that stacks the same frames in a box layout and is laid out once per
// burst; the scaling line compares 400 notifications with 200 and must stay near 2 (a re-layout
// per notification would make it near 4).
#include "benchmark.h"

#include <Mirokit/ZCGestorNotificaciones.h>
#include <Mirokit/ZCMainWindow.h>
#include <Mirokit/ZCNotificacion.h>

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString text = QStringLiteral("El informe mensual se ha generado y está listo para imprimir");

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void closeAll(const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets)
        widget->close();
    settle();
}

void oursBurst(ZCGestorNotificaciones& manager, ZCMainWindow& window, int count)
{
    for (int i = 0; i < count; ++i)
        manager.AddNotificacion(text, QIcon(), QIcon(), 0);
    settle();
    const QList<ZCNotificacion*> live = window.findChildren<ZCNotificacion*>();
    closeAll(QList<QWidget*>(live.begin(), live.end()));
}

QFrame* plainNotification(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(new QPushButton);
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setMinimumWidth(400);
    layout->addWidget(label);
    layout->addWidget(new QPushButton);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    return frame;
}

void baselineBurst(QDialog& stack, int count)
{
    QList<QWidget*> frames;
    for (int i = 0; i < count; ++i) {
        frames.append(plainNotification(&stack));
        stack.layout()->addWidget(frames.last());
    }
    stack.show();
    stack.adjustSize();
    settle();
    closeAll(frames);
    stack.hide();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ZCMainWindow window(QStringLiteral("Bench"));
    window.resize(1000, 700);
    window.show();
    ZCGestorNotificaciones manager;
    manager.Init();
    QDialog stack(&window, Qt::Tool | Qt::FramelessWindowHint);
    new QVBoxLayout(&stack);
    settle();

    for (const int count : {200, 400}) {
        bench::compare(QStringLiteral("add and close %1 notifications").arg(count),
                       [&] { oursBurst(manager, window, count); },
                       [&] { baselineBurst(stack, count); }, 3);
    }
    bench::compare(QStringLiteral("add and close 400 notifications against 200 (at most 2.5)"),
                   [&] { oursBurst(manager, window, 400); },
                   [&] { oursBurst(manager, window, 200); }, 3);
    return 0;
}
