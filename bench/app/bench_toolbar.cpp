// The hover-menu filter sits on every event of a tool bar's menus: a mouse move inside an open
// menu with the filter against the same menu without it. And a predefined shortcut against
// Qt parsing the same text.
#include "benchmark.h"

#include <Mirokit/ZCKeySequence.h>
#include <Mirokit/ZCToolBar.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

QMenu* fillMenu(QMenu* menu)
{
    for (int i = 0; i < 12; ++i)
        menu->addAction(QStringLiteral("Acción %1").arg(i));
    return menu;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);

    ZCToolBar bar(nullptr, ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus);
    auto* button = new QToolButton;
    button->setMenu(fillMenu(new QMenu(button)));
    bar.addWidget(button);
    QMenu* hoverMenu = button->menu();
    QMenu plainMenu;
    fillMenu(&plainMenu);
    hoverMenu->popup(QPoint(0, 40));
    plainMenu.popup(QPoint(300, 40));

    const auto moveInside = [](QMenu* menu) {
        const QPoint pos = menu->rect().center();
        QMouseEvent move(QEvent::MouseMove, pos, menu->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &move);
    };
    bench::compare(QStringLiteral("mouse move in an open menu"), [&] { moveInside(hoverMenu); },
                   [&] { moveInside(&plainMenu); }, 20000);

    bench::compare(QStringLiteral("predefined shortcut Ctrl+Shift+Tab"),
                   [] { ZCKeySequence(ZCKeySequence::KeyAnteriorPestana); },
                   [] { QKeySequence::fromString(QStringLiteral("Ctrl+Shift+Tab"), QKeySequence::NativeText); },
                   20000);
    return 0;
}
