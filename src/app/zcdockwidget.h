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

    From code: SetAutoOcultable() switches the mode (an auto-hidden dock then waits in its tab,
    collapsed), Expandir() brings an auto-hidden dock out of its tab now and Colapsar() sends it
    back; autoOcultableCambiado() tells each change of mode.
*/
class MIROKIT_EXPORT ZCDockWidget : public QDockWidget
{
    Q_OBJECT
    Q_PROPERTY(bool autoOcultable READ EsAutoOcultable NOTIFY autoOcultableCambiado)

public:
    ZCDockWidget(const QString& title, QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    explicit ZCDockWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~ZCDockWidget() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void setVisible(bool visible) override;

    //! Turns auto-hide on (the dock collapses into its tab) or off (the dock is shown, pinned).
    //! With \a applyToArea the other docks of this dock's area that are shown or auto-hidden take
    //! the same mode, as the title-bar button does; without it this dock alone changes, as
    //! restoring the dock record does.
    void SetAutoOcultable(bool autoHide, bool applyToArea);
    bool EsAutoOcultable() const;
    //! Auto-hidden and waiting in its tab (not out over the content).
    bool EstaColapsado() const;

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

public slots:
    //! An auto-hidden dock out of its tab now, the other docks of its area back in theirs, as
    //! when the pointer comes over its tab; it goes back half a second after the pointer has
    //! left it. Nothing for a dock that is not auto-hidden.
    void Expandir();
    //! An auto-hidden dock back into its tab now. Nothing for a dock that is not auto-hidden.
    void Colapsar();

signals:
    //! This dock's mode changed, whatever changed it (the title-bar button, SetAutoOcultable(),
    //! the dock record, floating, joining an area). Every dock of an area reports a change of
    //! the area's mode, so any one of them tells it.
    void autoOcultableCambiado(bool autoHide);

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
