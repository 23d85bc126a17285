#pragma once

#include "mirokit_global.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class ZCView;

/*!
    The main window of a host application: a registry of document views with a broadcast
    between them, the standard "Ver" menu (tool bars, styles, full screen), a progress indicator
    in the status bar, and its geometry and layout kept in the settings group "MainWindow".

    Every main window becomes the current one (GetMainWindow()) when it is constructed. After
    SetMultiplesMainWindows(true) the current one is the active main window, or else the most
    recently created one still alive.
*/
class MIROKIT_EXPORT ZCMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ZCMainWindow(const QString& applicationName, QWidget* parent = nullptr,
                          Qt::WindowFlags flags = {});
    ~ZCMainWindow() override;

    const QString& GetNombreAplicacion() const;

    void EntraView(ZCView* view);
    void SaleView(ZCView* view);
    void UpdateAllViews(ZCView* sender, int hint, void* p1 = nullptr, void* p2 = nullptr,
                        void* p3 = nullptr, void* p4 = nullptr, void* p5 = nullptr,
                        void* p6 = nullptr);

    //! The "Estilos" menu; null until the "Ver" menu has been built.
    QMenu* GetMenuEstilos() const;

    void InitProgressBar(const QString& text, const QString& iconFile = QString());
    void EndProgressBar();

    //! mask, bits of ZCSettingsMainWindow::Section: 0x1 position, 0x2 size and maximized flag,
    //! 0x4 tool-bar and dock layout with the auto-hidden docks.
    bool LoadSettings(unsigned short mask, QStringList* dockNames = nullptr);
    void SaveSettings(unsigned short mask) const;
    bool ExistenSettings() const;

protected slots:
    void OnEstiloChange(QAction* pAction);
    void OnFullScreen();

public slots:
    void setTitleProgressBar(const QString& szTitle);
    void setValueProgressBar(int nValue);
    void populateMenuVerToolbars();

protected:
    QMenu* createMenuVer();
    void DuplicarSubMenusVer();

private:
    QMenu* createMenuVerToolbars();
    QMenu* createMenuPersonalizar();
    QMenu* createMenuAndActionsEstilos();
    QMenu* copyOfMenuEstilos();
    void fillToolbarsMenu(QMenu* menu);

    QString m_applicationName;
    Qt::WindowStates m_stateBeforeFullScreen = Qt::WindowMaximized;
    QSize m_sizeBeforeFullScreen;
    QMenu* m_menuVer = nullptr;
    QAction* m_actionFullScreen = nullptr;
    QAction* m_insertionSeparator = nullptr;
    QMenu* m_menuToolbars = nullptr;
    QMenu* m_menuPersonalizar = nullptr;
    QMenu* m_menuEstilos = nullptr;
    // The host may replace the status bar, and the progress widgets with it.
    QPointer<QLabel> m_progressIcon;
    QPointer<QLabel> m_progressText;
    QPointer<QProgressBar> m_progressBar;
    bool m_progressShown = false;
    QList<ZCView*> m_views;
    int m_broadcastDepth = 0;
};

MIROKIT_EXPORT ZCMainWindow* GetMainWindow();
MIROKIT_EXPORT void SetMultiplesMainWindows(bool multiple);
