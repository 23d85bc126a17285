#include "zcmainwindow.h"

#include "zcapplication.h"
#include "zckeysequence.h"
#include "zcsettingsmainwindow.h"
#include "zcview.h"

#include "calendar/zcgestorestilocalendario.h"
#include "style/zcicon.h"

#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyleFactory>

namespace {

const QString settingsGroup = QStringLiteral("MainWindow");

ZCMainWindow* s_currentMainWindow = nullptr;
bool s_multipleMainWindows = false;
QList<ZCMainWindow*> s_mainWindows;

} // namespace

ZCMainWindow* GetMainWindow()
{
    if (!s_multipleMainWindows)
        return s_currentMainWindow;
    auto* active = qobject_cast<ZCMainWindow*>(QApplication::activeWindow());
    if (active && s_mainWindows.contains(active))
        return active;
    return s_mainWindows.isEmpty() ? nullptr : s_mainWindows.constLast();
}

void SetMultiplesMainWindows(bool multiple)
{
    s_multipleMainWindows = multiple;
}

ZCMainWindow::ZCMainWindow(const QString& applicationName, QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , m_applicationName(applicationName)
{
    setStatusBar(new QStatusBar(this));
    s_currentMainWindow = this;
    if (s_multipleMainWindows)
        s_mainWindows.append(this);
    GetGestorEstiloCalendario()->EntraWidget(this);
}

ZCMainWindow::~ZCMainWindow()
{
    // Another window that is current keeps its place: a host's secondary window going away
    // must not take the main one with it.
    if (s_currentMainWindow == this)
        s_currentMainWindow = nullptr;
    s_mainWindows.removeAll(this);
    GetGestorEstiloCalendario()->SaleWidget(this);
    // Views among the window's own widgets are destroyed after this destructor, by QWidget's,
    // while their pointer to the window still looks alive: they must not come back to a list
    // that is gone.
    for (ZCView* view : qAsConst(m_views)) {
        if (view)
            view->m_mainWindow = nullptr;
    }
}

const QString& ZCMainWindow::GetNombreAplicacion() const
{
    return m_applicationName;
}

// --- views -----------------------------------------------------------------------------------

void ZCMainWindow::EntraView(ZCView* view)
{
    m_views.append(view);
}

void ZCMainWindow::SaleView(ZCView* view)
{
    const int index = m_views.indexOf(view);
    if (index < 0)
        return;
    // A broadcast is walking the list: keep its shape, the walk skips the hole.
    if (m_broadcastDepth > 0)
        m_views[index] = nullptr;
    else
        m_views.removeAt(index);
}

void ZCMainWindow::UpdateAllViews(ZCView* sender, int hint, void* p1, void* p2, void* p3,
                                  void* p4, void* p5, void* p6)
{
    ++m_broadcastDepth;
    // The size is read at every step: views registered by a receiver are reached too.
    for (int i = 0; i < m_views.size(); ++i) {
        ZCView* view = m_views.at(i);
        if (view && view != sender)
            view->OnUpdateView(sender, hint, p1, p2, p3, p4, p5, p6);
    }
    // Only the outermost broadcast compacts, so that no walk sees the list move under it.
    if (--m_broadcastDepth == 0)
        m_views.removeAll(nullptr);
}

// --- menu Ver --------------------------------------------------------------------------------

QMenu* ZCMainWindow::createMenuVer()
{
    if (m_menuVer)
        return m_menuVer;
    m_menuVer = new QMenu(tr("&Ver"), this);
    m_insertionSeparator = m_menuVer->addSeparator();
    m_menuVer->insertMenu(m_insertionSeparator, createMenuVerToolbars());
    m_menuVer->insertMenu(m_insertionSeparator, createMenuPersonalizar());

    m_actionFullScreen = new QAction(ZCIcon(QStringLiteral(":/Resources/tv_pantalla.png")),
                                     tr("Pantalla completa"), this);
    m_actionFullScreen->setShortcut(ZCKeySequence(ZCKeySequence::KeyPantallaCompleta));
    connect(m_actionFullScreen, &QAction::triggered, this, &ZCMainWindow::OnFullScreen);
    m_menuVer->addAction(m_actionFullScreen);
    // Also on the window, so that F11 works wherever the host puts the menu.
    addAction(m_actionFullScreen);
    m_menuVer->addSeparator();
    return m_menuVer;
}

QMenu* ZCMainWindow::createMenuVerToolbars()
{
    auto* menu = new QMenu(tr("Herramientas"), this);
    // Each copy fills itself: after DuplicarSubMenusVer() both are in use.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillToolbarsMenu(menu); });
    m_menuToolbars = menu;
    return menu;
}

void ZCMainWindow::populateMenuVerToolbars()
{
    if (m_menuToolbars)
        fillToolbarsMenu(m_menuToolbars);
}

void ZCMainWindow::fillToolbarsMenu(QMenu* menu)
{
    menu->clear();
    QMenu* toggles = createPopupMenu();
    if (!toggles)
        return;
    for (QAction* action : toggles->actions()) {
        if (action->isSeparator())
            menu->addSeparator();
        else
            menu->addAction(action);
    }
    delete toggles;
}

QMenu* ZCMainWindow::createMenuPersonalizar()
{
    if (!m_menuEstilos)
        createMenuAndActionsEstilos();
    m_menuPersonalizar = new QMenu(tr("Personalizar"), this);
    m_menuPersonalizar->addMenu(m_menuEstilos);
    return m_menuPersonalizar;
}

QMenu* ZCMainWindow::createMenuAndActionsEstilos()
{
    m_menuEstilos = new QMenu(tr("Estilos"), this);
    const ZCApplication* application = GetApplication();
    if (!application)
        return m_menuEstilos;

    auto* group = new QActionGroup(m_menuEstilos);
    group->setExclusive(true);
    const bool systemStyle = application->IsCurrentEstiloSistema();
    QAction* system = m_menuEstilos->addAction(
        tr("Sistema (%1)").arg(application->GetNombreEstiloSistema()));
    system->setCheckable(true);
    system->setChecked(systemStyle);
    system->setData(true);
    group->addAction(system);
    m_menuEstilos->addSeparator();

    QString current;
    application->GetNombreCurrentEstilo(current);
    for (const QString& key : QStyleFactory::keys()) {
        QAction* action = m_menuEstilos->addAction(key);
        action->setCheckable(true);
        action->setChecked(!systemStyle && key == current);
        action->setData(false);
        group->addAction(action);
    }
    connect(group, &QActionGroup::triggered, this, &ZCMainWindow::OnEstiloChange);
    return m_menuEstilos;
}

QMenu* ZCMainWindow::GetMenuEstilos() const
{
    return m_menuEstilos;
}

QMenu* ZCMainWindow::copyOfMenuEstilos()
{
    if (!m_menuEstilos)
        createMenuAndActionsEstilos();
    auto* copy = new QMenu(m_menuEstilos->title(), this);
    copy->addActions(m_menuEstilos->actions());
    return copy;
}

void ZCMainWindow::DuplicarSubMenusVer()
{
    createMenuVerToolbars();
    m_menuEstilos = copyOfMenuEstilos();
    createMenuPersonalizar();
    m_menuEstilos = copyOfMenuEstilos();
}

void ZCMainWindow::OnEstiloChange(QAction* pAction)
{
    ZCApplication* application = GetApplication();
    if (!application || !pAction)
        return;
    if (pAction->data().toBool())
        application->SetCurrentEstiloSistema();
    else
        application->SetCurrentEstilo(pAction->text(), true);
}

void ZCMainWindow::OnFullScreen()
{
    if (!isFullScreen()) {
        m_sizeBeforeFullScreen = size();
        m_stateBeforeFullScreen = windowState();
        showFullScreen();
        return;
    }
    setWindowState(m_stateBeforeFullScreen);
    // A maximized window takes the screen's size; the remembered one is its normal size.
    if (m_sizeBeforeFullScreen.isValid() && !(m_stateBeforeFullScreen & Qt::WindowMaximized))
        resize(m_sizeBeforeFullScreen);
}

// --- progress indicator ----------------------------------------------------------------------

void ZCMainWindow::InitProgressBar(const QString& text, const QString& iconFile)
{
    QStatusBar* bar = statusBar();
    // The three widgets live and die together, as children of the status bar.
    const bool created = !m_progressBar;
    if (created) {
        m_progressIcon = new QLabel(bar);
        m_progressIcon->setScaledContents(true);
        m_progressText = new QLabel(bar);
        m_progressBar = new QProgressBar(bar);
        m_progressBar->setRange(0, 100);
        m_progressShown = false;
    }
    m_progressIcon->setPixmap(QPixmap(iconFile));
    m_progressIcon->setMaximumSize(bar->height(), bar->height());
    m_progressText->setText(text);
    // Measured with its text: an empty label is not as tall as the line the bar sits beside.
    if (created) {
        const int height = m_progressText->sizeHint().height();
        m_progressBar->setMaximumHeight(height);
        m_progressBar->setMaximumWidth(20 * height);
    }
    m_progressBar->setValue(0);

    // A second InitProgressBar without EndProgressBar reuses the widgets in place.
    if (!m_progressShown) {
        bar->addPermanentWidget(m_progressIcon);
        bar->addPermanentWidget(m_progressText);
        bar->addPermanentWidget(m_progressBar);
        m_progressShown = true;
    }
    m_progressIcon->setVisible(!iconFile.isEmpty());
    m_progressText->show();
    m_progressBar->show();
}

void ZCMainWindow::setTitleProgressBar(const QString& szTitle)
{
    if (m_progressText)
        m_progressText->setText(szTitle);
}

void ZCMainWindow::setValueProgressBar(int nValue)
{
    if (m_progressBar)
        m_progressBar->setValue(nValue);
}

void ZCMainWindow::EndProgressBar()
{
    if (!m_progressBar)
        return;
    for (QWidget* widget : {static_cast<QWidget*>(m_progressIcon),
                            static_cast<QWidget*>(m_progressText),
                            static_cast<QWidget*>(m_progressBar)}) {
        statusBar()->removeWidget(widget);
        widget->hide();
    }
    m_progressShown = false;
}

// --- settings --------------------------------------------------------------------------------

bool ZCMainWindow::LoadSettings(unsigned short mask, QStringList* dockNames)
{
    return ZCSettingsMainWindow(settingsGroup).LoadSettings(this, mask, true, dockNames);
}

void ZCMainWindow::SaveSettings(unsigned short mask) const
{
    ZCSettingsMainWindow(settingsGroup).SaveSettings(this, mask);
}

bool ZCMainWindow::ExistenSettings() const
{
    return ZCSettings().childGroups().contains(settingsGroup);
}
