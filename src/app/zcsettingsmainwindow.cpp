#include "zcsettingsmainwindow.h"

#include <QMainWindow>

namespace {
const QString keyPos = QStringLiteral("Pos");
const QString keySize = QStringLiteral("Size");
const QString keyMaximized = QStringLiteral("Maximized");
const QString keyState = QStringLiteral("State");
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
    Q_UNUSED(dockNames)
    if (!window)
        return false;

    bool result = true;
    const bool maximized = GetMaximized();

    // A maximized window keeps the position the window system gives it.
    if ((mask & Position) && !maximized) {
        if (contains(keyPos))
            window->move(value(keyPos).toPoint());
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
    if (mask & WindowState)
        setValue(keyState, window->saveState(0));
}
