#pragma once

#include <Mirokit/ZCMainWindow.h>

class QListWidget;
class QStackedWidget;
class QTimer;
class ZCDockWidget;

// The gallery host: a ZCMainWindow with the page list in a dock, a log in an auto-hidden dock,
// the menu Ver with the styles, a tool bar of menus and a progress demonstration.
class GalleryWindow : public ZCMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    int pageCount() const;
    void showPage(int index);
    QString pageTitle(int index) const;

private:
    ZCDockWidget* createPagesDock();
    ZCDockWidget* createLogDock();
    void createToolBar();
    void startProgress();
    void log(const QString& text);

    QListWidget* m_navigation;
    QStackedWidget* m_pages;
    QListWidget* m_log = nullptr;
    QTimer* m_progressTimer = nullptr;
    int m_progress = 0;
};
