#include "zcsettingsmainwindow.h"

#include "zcdockwidget.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>

namespace {
const QString keyPos = QStringLiteral("Pos");
const QString keySize = QStringLiteral("Size");
const QString keyMaximized = QStringLiteral("Maximized");
const QString keyState = QStringLiteral("State");
const QString keyStateDocks = QStringLiteral("StateDocks");

// The side tool bars of the auto-hidden docks that are shown now.
QList<QToolBar*> visibleSideToolBars(const QMainWindow* window)
{
    QList<QToolBar*> visible;
    for (int side = 0; side < 4; ++side) {
        QToolBar* toolBar = ZCDockWidget::GetToolbarMain(window, side);
        if (toolBar && !toolBar->isHidden())
            visible.append(toolBar);
    }
    return visible;
}

} // namespace

ZCSettingsMainWindow::ZCSettingsMainWindow(const QString& group)
    : ZCSettings(group)
{
}

ZCSettingsMainWindow::~ZCSettingsMainWindow() = default;

bool ZCSettingsMainWindow::GetMaximized() const
{
    return value(keyMaximized, false).toBool();
}

bool ZCSettingsMainWindow::LoadSettings(QMainWindow* window, unsigned short mask, bool showMaximized,
                                        QStringList* dockNames) const
{
    if (!window)
        return false;

    bool result = true;
    const bool maximized = GetMaximized();

    // A maximized window keeps the position the window system gives it.
    // A saved position on a screen that is gone counts as no position at all.
    if ((mask & Position) && !maximized) {
        const QPoint pos = value(keyPos).toPoint();
        if (contains(keyPos) && QGuiApplication::screenAt(pos))
            window->move(pos);
        else
            result = false;
    }

    if (mask & SizeAndMaximized) {
        if (contains(keySize)) {
            const QSize size = value(keySize).toSize();
            if (maximized) {
                if (showMaximized)
                    window->showMaximized();
            } else if (!size.isEmpty()) {
                window->resize(size);
            }
        } else {
            result = false;
        }
    }

    if (!(mask & WindowState))
        return result;

    if (!contains(keyState))
        return false;
    window->restoreState(value(keyState).toByteArray(), 0);
    if (ZCDockWidget::TieneDocks(window))
        ZCDockWidget::RestoreMainWindowState(window, value(keyStateDocks).toByteArray(), dockNames);
    return result;
}

void ZCSettingsMainWindow::SaveSettings(const QMainWindow* window, unsigned short mask)
{
    if (!window)
        return;

    if (mask & Position)
        setValue(keyPos, window->pos());
    if (mask & SizeAndMaximized) {
        setValue(keySize, window->size());
        setValue(keyMaximized, window->isMaximized());
    }
    if (!(mask & WindowState))
        return;
    if (!ZCDockWidget::TieneDocks(window)) {
        setValue(keyState, window->saveState(0));
        return;
    }
    // The side tool bars are saved hidden and come back when an auto-hidden dock needs them;
    // in mid-session they come back at once, so that their docks stay reachable.
    const QList<QToolBar*> shown = visibleSideToolBars(window);
    for (QToolBar* toolBar : shown)
        toolBar->hide();
    setValue(keyState, window->saveState(0));
    setValue(keyStateDocks, ZCDockWidget::SaveMainWindowState(window));
    for (QToolBar* toolBar : shown)
        toolBar->show();
}
