#pragma once

#include "mirokit_global.h"

#include <QDockWidget>
#include <QPointer>

class QDataStream;
class QMainWindow;
class QStyleOptionDockWidget;
class QTabBar;
class QTimer;
class QToolBar;
class ZCTitleBarWidget;

/*!
    The library's dock widget. Besides Qt's docking it has an auto-hide mode: an auto-hidden dock
    is a tab in a thin tool bar along its side of the main window ("LeftDocks", "RightDocks",
    "TopDocks", "BottomDocks"), shows itself while the pointer is over its tab or over the dock,
    and hides half a second after the pointer has left it by more than ten pixels. All docks of
    one dock area share the mode. The side tool bars are created the first time a dock finds
    itself in a main window.

    SaveMainWindowState() and RestoreMainWindowState() write and read the record of the
    auto-hide flags of every dock of a window (the settings key StateDocks).
*/
class MIROKIT_EXPORT ZCDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    ZCDockWidget(const QString& title, QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    explicit ZCDockWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ZCDockWidget() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void setVisible(bool visible) override;

    void SetAutoOcultable(bool autoHide, bool applyToArea);
    bool EsAutoOcultable() const;

    int GetTabToolbarMain() const;
    QTabBar* GetTabBar() const;
    QTimer* GetTimerHide() const;
    QToolBar* GetToolbarMain(int side) const;
    QToolBar* GetToolbarMain() const;
    static QToolBar* GetToolbarMain(const QMainWindow* window, int side);
    static const char* GetNombreToolbarMain(int side);

    static bool TieneDocks(const QMainWindow* window);
    static QByteArray SaveMainWindowState(const QMainWindow* window);
    static void RestoreMainWindowState(QMainWindow* window, const QByteArray& state,
                                       QStringList* dockNames);
    void SaveState(QDataStream& stream) const;
    void RestoreState(QDataStream& stream);

    // The tab of an auto-hidden dock follows the title however it is set (see eventFilter).
    void setWindowTitle(const QString& title);
    // Qt's, public so that the title bar can draw the dock's title.
    void initStyleOption(QStyleOptionDockWidget* option) const;

protected slots:
    void onLocationChanged(Qt::DockWidgetArea area);
    void onTopLevelChanged(bool bTopLevel);
    void onFloating();
    void onAutoOcultable();

protected:
    void ShowDockAutoOcultable();
    void HideDockAutoOcultable();
    void SetAutoOcultableSegunArea();

private:
    friend class ZCTitleBarWidget;

    void Init();
    QMainWindow* mainWindow() const;
    void attachTo(QWidget* parent);
    // SetAutoOcultable(), with \a collapse telling whether docks turned to auto-hide go to their
    // tab at once.
    void changeAutoHide(bool autoHide, bool applyToArea, bool collapse);
    void applyAutoHide(bool autoHide, bool collapse);
    QList<ZCDockWidget*> areaMates() const;
    void removeTab();
    void installTitleBar(bool floating);
    bool isNear(const QPoint& globalPos) const;
    void followPointer(const QPoint& globalPos);

    bool m_autoHide = false;
    ZCTitleBarWidget* m_titleBar = nullptr;
    int m_side = -1;
    QPointer<QTabBar> m_tabBar;
    bool m_pressed = false;
    QTimer* m_hideTimer = nullptr;
};

Q_DECLARE_METATYPE(ZCDockWidget*)
