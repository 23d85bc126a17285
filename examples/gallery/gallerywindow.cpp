#include "gallerywindow.h"

#include "gallerypage.h"

#include <Mirokit/ZCDockWidget.h>
#include <Mirokit/ZCToolBar.h>

#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTime>
#include <QTimer>
#include <QToolButton>

GalleryWindow::GalleryWindow(QWidget* parent)
    : ZCMainWindow(QStringLiteral("MirokitGallery"), parent)
    , m_navigation(new QListWidget)
    , m_pages(new QStackedWidget)
{
    setWindowTitle(QStringLiteral("Mirokit — galería"));
    setObjectName(QStringLiteral("GalleryWindow"));
    for (const GalleryPage& page : GalleryPages::all()) {
        m_navigation->addItem(page.title);
        m_pages->addWidget(page.create());
    }
    setCentralWidget(m_pages);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_navigation, &QListWidget::currentTextChanged, this,
            [this](const QString& title) { log(QStringLiteral("Página: %1").arg(title)); });

    addDockWidget(Qt::LeftDockWidgetArea, createPagesDock());
    ZCDockWidget* logDock = createLogDock();
    addDockWidget(Qt::BottomDockWidgetArea, logDock);
    logDock->SetAutoOcultable(true, true);
    logDock->hide();  // until the pointer visits its tab

    menuBar()->addMenu(createMenuVer());
    createToolBar();
    m_navigation->setCurrentRow(0);
}

ZCDockWidget* GalleryWindow::createPagesDock()
{
    auto* dock = new ZCDockWidget(QStringLiteral("Páginas"));
    dock->setObjectName(QStringLiteral("PagesDock"));
    m_navigation->setMinimumWidth(180);
    dock->setWidget(m_navigation);
    return dock;
}

ZCDockWidget* GalleryWindow::createLogDock()
{
    auto* dock = new ZCDockWidget(QStringLiteral("Registro"));
    dock->setObjectName(QStringLiteral("LogDock"));
    m_log = new QListWidget;
    dock->setWidget(m_log);
    return dock;
}

void GalleryWindow::createToolBar()
{
    // Menus that open on hover and follow the pointer from button to button.
    auto* toolBar = new ZCToolBar(this, ZCToolBar::OrientationStyle | ZCToolBar::HoverMenus);
    toolBar->setWindowTitle(QStringLiteral("Galería"));
    addToolBar(toolBar);
    toolBar->setObjectName(QStringLiteral("GalleryToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* pagesMenu = new QMenu(QStringLiteral("Páginas"), this);
    for (int i = 0; i < pageCount(); ++i)
        pagesMenu->addAction(pageTitle(i), this, [this, i] { showPage(i); });
    for (QMenu* menu : {pagesMenu, GetMenuEstilos()}) {
        auto* button = new QToolButton;
        button->setText(menu->title());
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        toolBar->addWidget(button);
    }
    toolBar->addSeparator();
    // The menu Ver's full-screen action, F11 and all.
    for (QAction* action : createMenuVer()->actions()) {
        if (!action->isSeparator() && !action->menu())
            toolBar->addAction(action);
    }
    toolBar->addAction(QStringLiteral("Demostrar progreso"), this, &GalleryWindow::startProgress);
}

void GalleryWindow::startProgress()
{
    if (!m_progressTimer) {
        m_progressTimer = new QTimer(this);
        m_progressTimer->setInterval(40);
        connect(m_progressTimer, &QTimer::timeout, this, [this] {
            m_progress += 2;
            setValueProgressBar(m_progress);
            if (m_progress == 50)
                setTitleProgressBar(QStringLiteral("Segunda mitad…"));
            if (m_progress >= 100) {
                m_progressTimer->stop();
                EndProgressBar();
                log(QStringLiteral("Progreso terminado"));
            }
        });
    }
    m_progress = 0;
    InitProgressBar(QStringLiteral("Primera mitad…"), QStringLiteral(":/Resources/tg_carpeta.png"));
    m_progressTimer->start();
}

void GalleryWindow::log(const QString& text)
{
    if (m_log)
        m_log->addItem(QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), text));
}

int GalleryWindow::pageCount() const
{
    return m_pages->count();
}

void GalleryWindow::showPage(int index)
{
    m_navigation->setCurrentRow(index);
}

QString GalleryWindow::pageTitle(int index) const
{
    return m_navigation->item(index)->text();
}
