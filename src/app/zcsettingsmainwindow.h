#pragma once

#include "zcsettings.h"

class QMainWindow;

/*!
    Saves and restores a main window's position, size, maximized flag and tool-bar/dock layout.
    The mask selects the sections: 0x1 position, 0x2 size and maximized flag, 0x4 window state
    and, for a window with ZCDockWidgets, their auto-hide record (StateDocks).
*/
class MIROKIT_EXPORT ZCSettingsMainWindow : public ZCSettings
{
    Q_OBJECT

public:
    enum Section : unsigned short {
        Position = 0x1,
        SizeAndMaximized = 0x2,
        WindowState = 0x4,
        AllSections = Position | SizeAndMaximized | WindowState
    };

    explicit ZCSettingsMainWindow(const QString& group = QString());
    ~ZCSettingsMainWindow() override;

    bool GetMaximized() const;
    bool LoadSettings(QMainWindow* window, unsigned short mask, bool showMaximized,
                      QStringList* dockNames = nullptr) const;
    void SaveSettings(const QMainWindow* window, unsigned short mask);
};
