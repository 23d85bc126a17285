#include "zcdockwidget.h"

#include "zceventposition_p.h"
#include "zctitlebarwidget.h"

#include <QApplication>
#include <QDataStream>
#include <QDebug>
#include <QHash>
#include <QHoverEvent>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QSet>
#include <QStyleOptionDockWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QtEndian>

namespace {

constexpr int sideCount = 4;
constexpr int hideDelayMs = 500;
// The pointer may stray this far outside a dock before it counts as having left it.
constexpr int nearMargin = 10;

constexpr qint32 recordMagic = 3340;

// How many changes of auto-hide mode are under way (GUI thread only); see changeAutoHide().
int modeChangesRunning = 0;
constexpr qint8 recordVersion = 1;

struct SideToolBar {
    const char* name;
    const char* title;
    Qt::ToolBarArea area;
    Qt::Orientation orientation;
    QTabBar::Shape shape;
};

const SideToolBar sideToolBars[sideCount] = {
    {"LeftDocks", QT_TRANSLATE_NOOP("ZCDockWidget", "Docks izquierda"), Qt::LeftToolBarArea,
     Qt::Vertical, QTabBar::RoundedWest},
    {"RightDocks", QT_TRANSLATE_NOOP("ZCDockWidget", "Docks derecha"), Qt::RightToolBarArea,
     Qt::Vertical, QTabBar::RoundedEast},
    {"TopDocks", QT_TRANSLATE_NOOP("ZCDockWidget", "Docks arriba"), Qt::TopToolBarArea,
     Qt::Horizontal, QTabBar::RoundedNorth},
    {"BottomDocks", QT_TRANSLATE_NOOP("ZCDockWidget", "Docks abajo"), Qt::BottomToolBarArea,
     Qt::Horizontal, QTabBar::RoundedSouth},
};

int sideOf(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return 0;
    case Qt::RightDockWidgetArea:
        return 1;
    case Qt::TopDockWidgetArea:
        return 2;
    case Qt::BottomDockWidgetArea:
        return 3;
    default:
        return -1;
    }
}

void createSideToolBars(QMainWindow* window)
{
    if (ZCDockWidget::GetToolbarMain(window, 0))
        return;
    for (const SideToolBar& side : sideToolBars) {
        auto* tabBar = new QTabBar;
        tabBar->setShape(side.shape);
        tabBar->setDrawBase(false);
        tabBar->setDocumentMode(true);
        tabBar->setMovable(true);
        tabBar->setAttribute(Qt::WA_Hover);

        auto* toolBar = new QToolBar(ZCDockWidget::tr(side.title), window);
        toolBar->setObjectName(QLatin1String(side.name));
        toolBar->setOrientation(side.orientation);
        toolBar->setAllowedAreas(side.area);
        toolBar->setFloatable(false);
        toolBar->setMovable(false);
        toolBar->addWidget(tabBar);
        toolBar->hide();
        window->addToolBar(side.area, toolBar);
    }
}

QTabBar* tabBarOf(const QToolBar* toolBar)
{
    if (!toolBar || toolBar->actions().isEmpty())
        return nullptr;
    return qobject_cast<QTabBar*>(toolBar->widgetForAction(toolBar->actions().constFirst()));
}

// The dock names of a record, read by hand: QDataStream would reserve a declared count, or a
// declared string length, before finding out that the record cannot hold it.
bool readDockNames(QDataStream& stream, QStringList& names)
{
    QIODevice* device = stream.device();
    quint32 count = 0;
    stream >> count;
    // Every name takes at least its four-byte length.
    if (stream.status() != QDataStream::Ok || count > quint64(device->bytesAvailable()) / 4)
        return false;
    names.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        quint32 bytes = 0;
        stream >> bytes;
        if (stream.status() != QDataStream::Ok)
            return false;
        if (bytes == 0xffffffff) {
            names.append(QString());
            continue;
        }
        if (bytes % 2 != 0 || bytes > quint64(device->bytesAvailable()))
            return false;
        const QByteArray raw = device->read(bytes);
        QString name(int(bytes / 2), Qt::Uninitialized);
        qFromBigEndian<ushort>(raw.constData(), name.size(), name.data());
        names.append(name);
    }
    return true;
}

} // namespace

ZCDockWidget::ZCDockWidget(const QString& title, QWidget* parent, Qt::WindowFlags flags)
    : QDockWidget(title, parent, flags)
{
    Init();
}

ZCDockWidget::ZCDockWidget(QWidget* parent, Qt::WindowFlags flags)
    : QDockWidget(parent, flags)
{
    Init();
}

ZCDockWidget::~ZCDockWidget()
{
    // The tab's data points at this dock; it must not outlive it.
    removeTab();
}

void ZCDockWidget::Init()
{
    qRegisterMetaType<ZCDockWidget*>("ZCDockWidget*");
    m_titleBar = new ZCTitleBarWidget(this);
    m_titleBar->ShowAutoHideState(false, isFloating());
    setTitleBarWidget(m_titleBar);

    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    m_hideTimer->setInterval(hideDelayMs);
    connect(m_hideTimer, &QTimer::timeout, this, &QWidget::hide);

    connect(this, &QDockWidget::dockLocationChanged, this, &ZCDockWidget::onLocationChanged);
    connect(this, &QDockWidget::topLevelChanged, this, &ZCDockWidget::onTopLevelChanged);

    setAttribute(Qt::WA_Hover);
    installEventFilter(this);
    attachTo(parentWidget());
}

QMainWindow* ZCDockWidget::mainWindow() const
{
    return qobject_cast<QMainWindow*>(parentWidget());
}

// Docks are usually created without a parent and handed to addDockWidget later, so this runs
// again whenever the dock changes parent.
void ZCDockWidget::attachTo(QWidget* parent)
{
    if (!parent)
        return;
    parent->installEventFilter(this);
    if (auto* window = qobject_cast<QMainWindow*>(parent)) {
        // Qt sends HoverMove only to widgets that ask for it; the window sees the pointer
        // anywhere over it this way.
        window->setAttribute(Qt::WA_Hover);
        createSideToolBars(window);
    }
}

bool ZCDockWidget::EsAutoOcultable() const
{
    return m_autoHide;
}

QTabBar* ZCDockWidget::GetTabBar() const
{
    return m_tabBar;
}

QTimer* ZCDockWidget::GetTimerHide() const
{
    return m_hideTimer;
}

const char* ZCDockWidget::GetNombreToolbarMain(int side)
{
    return side >= 0 && side < sideCount ? sideToolBars[side].name : nullptr;
}

QToolBar* ZCDockWidget::GetToolbarMain(const QMainWindow* window, int side)
{
    const char* name = GetNombreToolbarMain(side);
    if (!window || !name)
        return nullptr;
    return window->findChild<QToolBar*>(QLatin1String(name));
}

QToolBar* ZCDockWidget::GetToolbarMain(int side) const
{
    return GetToolbarMain(mainWindow(), side);
}

QToolBar* ZCDockWidget::GetToolbarMain() const
{
    return GetToolbarMain(m_side);
}

int ZCDockWidget::GetTabToolbarMain() const
{
    if (!m_tabBar)
        return -1;
    for (int i = 0; i < m_tabBar->count(); ++i) {
        if (m_tabBar->tabData(i).value<ZCDockWidget*>() == this)
            return i;
    }
    return -1;
}

bool ZCDockWidget::TieneDocks(const QMainWindow* window)
{
    return window && window->findChild<ZCDockWidget*>();
}

void ZCDockWidget::setWindowTitle(const QString& title)
{
    QDockWidget::setWindowTitle(title);
}

void ZCDockWidget::initStyleOption(QStyleOptionDockWidget* option) const
{
    QDockWidget::initStyleOption(option);
}

// The other docks of the window that share this dock's area and take part in its mode.
QList<ZCDockWidget*> ZCDockWidget::areaMates() const
{
    QList<ZCDockWidget*> mates;
    QMainWindow* window = mainWindow();
    if (!window)
        return mates;
    const Qt::DockWidgetArea area = window->dockWidgetArea(const_cast<ZCDockWidget*>(this));
    const auto docks = window->findChildren<ZCDockWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (ZCDockWidget* dock : docks) {
        if (dock != this && !dock->isFloating() && window->dockWidgetArea(dock) == area
            && (dock->m_autoHide || dock->isVisible()))
            mates.append(dock);
    }
    return mates;
}

void ZCDockWidget::SetAutoOcultable(bool autoHide, bool applyToArea)
{
    changeAutoHide(autoHide, applyToArea, true);
}

void ZCDockWidget::changeAutoHide(bool autoHide, bool applyToArea, bool collapse)
{
    // Gathered before anything changes: an area mate is one that is auto-hidden or shown now.
    QList<ZCDockWidget*> changed{this};
    if (applyToArea) {
        for (ZCDockWidget* dock : areaMates()) {
            if (dock->m_autoHide != autoHide)
                changed.append(dock);
        }
    }
    // A dock that leaves auto-hide is shown, and a dock shown would join its area's mode, which
    // is still the old one for the mates not changed yet.
    const QScopedValueRollback<int> changing(modeChangesRunning, modeChangesRunning + 1);
    for (ZCDockWidget* dock : qAsConst(changed))
        dock->applyAutoHide(autoHide, collapse);
}

void ZCDockWidget::applyAutoHide(bool autoHide, bool collapse)
{
    const bool wasAutoHidden = m_autoHide;
    m_autoHide = autoHide;
    m_titleBar->ShowAutoHideState(autoHide, isFloating());
    if (autoHide) {
        QMainWindow* window = mainWindow();
        const Qt::DockWidgetArea area = window ? window->dockWidgetArea(this) : Qt::NoDockWidgetArea;
        if (area != Qt::NoDockWidgetArea && !isFloating())
            onLocationChanged(area);
        // Turned on from code the pointer is elsewhere: the dock goes to its tab now, as it does
        // when the pointer leaves it after the title-bar button.
        if (collapse)
            Colapsar();
    } else {
        removeTab();
        if (wasAutoHidden && !isVisible())
            show();
    }
    if (wasAutoHidden != autoHide)
        emit autoOcultableCambiado(autoHide);
}

bool ZCDockWidget::EstaColapsado() const
{
    return m_autoHide && isHidden();
}

void ZCDockWidget::Expandir()
{
    if (!m_autoHide)
        return;
    // From code the mates of the area may be out with no hide pending: they go back too.
    for (ZCDockWidget* dock : areaMates())
        dock->Colapsar();
    ShowDockAutoOcultable();
}

void ZCDockWidget::Colapsar()
{
    // Only a dock with a tab: without one it could not be brought back.
    if (!m_autoHide || GetTabToolbarMain() < 0)
        return;
    m_hideTimer->stop();
    hide();
}

void ZCDockWidget::SetAutoOcultableSegunArea()
{
    const QList<ZCDockWidget*> mates = areaMates();
    // Joining the area is no order to collapse: the dock was just shown or dropped there.
    changeAutoHide(!mates.isEmpty() && mates.constFirst()->m_autoHide, false, false);
}

void ZCDockWidget::removeTab()
{
    if (m_tabBar)
        m_tabBar->removeEventFilter(this);
    const int index = GetTabToolbarMain();
    if (index >= 0) {
        m_tabBar->removeTab(index);
        if (m_tabBar->count() == 0) {
            if (auto* toolBar = qobject_cast<QToolBar*>(m_tabBar->parentWidget()))
                toolBar->hide();
        }
    }
    m_tabBar = nullptr;
    m_side = -1;
}

void ZCDockWidget::onLocationChanged(Qt::DockWidgetArea area)
{
    QMainWindow* window = mainWindow();
    const int side = sideOf(area);
    if (!window || !m_autoHide || side < 0)
        return;
    createSideToolBars(window);
    QToolBar* toolBar = GetToolbarMain(window, side);
    // Restoring a record re-applies the mode of docks that already sit in their tab. A dock
    // handed to another window keeps its side, but its tab must leave the old window's bar.
    QTabBar* tabBar = tabBarOf(toolBar);
    if (side != m_side || m_tabBar != tabBar || GetTabToolbarMain() < 0) {
        removeTab();
        m_tabBar = tabBar;
        if (!m_tabBar)
            return;
        m_tabBar->setTabData(m_tabBar->addTab(windowTitle()), QVariant::fromValue(this));
        m_tabBar->installEventFilter(this);
        m_side = side;
    }
    if (toolBar->isHidden())
        toolBar->show();
}

void ZCDockWidget::installTitleBar(bool floating)
{
    QWidget* wanted = floating ? nullptr : m_titleBar;
    if (titleBarWidget() != wanted)
        setTitleBarWidget(wanted);
}

void ZCDockWidget::onTopLevelChanged(bool bTopLevel)
{
    if (!bTopLevel) {
        SetAutoOcultableSegunArea();
        installTitleBar(false);
        return;
    }
    SetAutoOcultable(false, false);
    // While the dock is being dragged its title bar carries the drag; it goes on release.
    if (QApplication::mouseButtons() == Qt::NoButton)
        installTitleBar(true);
}

void ZCDockWidget::onFloating()
{
    setFloating(!isFloating());
}

void ZCDockWidget::onAutoOcultable()
{
    // The pointer is on the title bar: the docks collapse once it leaves them.
    changeAutoHide(!m_autoHide, true, false);
}

bool ZCDockWidget::isNear(const QPoint& globalPos) const
{
    const QRect area(mapToGlobal(QPoint(0, 0)), size());
    return area.adjusted(-nearMargin, -nearMargin, nearMargin, nearMargin).contains(globalPos);
}

void ZCDockWidget::followPointer(const QPoint& globalPos)
{
    const int tab = GetTabToolbarMain();
    if (tab >= 0 && m_tabBar->tabAt(m_tabBar->mapFromGlobal(globalPos)) == tab) {
        ShowDockAutoOcultable();
    } else if (isNear(globalPos)) {
        m_hideTimer->stop();
    } else if (isVisible() && !(isFloating() && isActiveWindow())) {
        HideDockAutoOcultable();
    }
}

bool ZCDockWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::ParentAboutToChange:
            if (parentWidget())
                parentWidget()->removeEventFilter(this);
            break;
        case QEvent::ParentChange:
            attachTo(parentWidget());
            break;
        case QEvent::WindowTitleChange:
            if (GetTabToolbarMain() >= 0)
                m_tabBar->setTabText(GetTabToolbarMain(), windowTitle());
            break;
        default:
            break;
        }
    }

    QPoint globalPos;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        globalPos = ZCEventPosition::globalPosition(static_cast<QMouseEvent*>(event)).toPoint();
        if (isNear(globalPos))
            m_pressed = true;
        break;
    case QEvent::MouseButtonRelease:
        globalPos = ZCEventPosition::globalPosition(static_cast<QMouseEvent*>(event)).toPoint();
        m_pressed = false;
        if (watched == this)
            installTitleBar(isFloating());
        break;
    case QEvent::HoverMove:
        if (watched->isWidgetType()) {
            const QPointF position = ZCEventPosition::position(static_cast<QHoverEvent*>(event));
            globalPos = static_cast<QWidget*>(watched)->mapToGlobal(position.toPoint());
        }
        break;
    case QEvent::Leave:
        m_pressed = false;
        break;
    default:
        break;
    }
    const bool pointerMoved = event->type() == QEvent::HoverMove
                              || event->type() == QEvent::MouseButtonRelease;
    if (m_autoHide && !m_pressed && pointerMoved && watched->isWidgetType())
        followPointer(globalPos);
    return QDockWidget::eventFilter(watched, event);
}

void ZCDockWidget::ShowDockAutoOcultable()
{
    for (ZCDockWidget* dock : areaMates()) {
        if (dock->m_hideTimer->isActive()) {
            dock->m_hideTimer->stop();
            dock->hide();
        }
    }
    show();
    if (GetTabToolbarMain() >= 0)
        m_tabBar->setCurrentIndex(GetTabToolbarMain());
}

void ZCDockWidget::HideDockAutoOcultable()
{
    if (!m_hideTimer->isActive())
        m_hideTimer->start();
}

void ZCDockWidget::setVisible(bool visible)
{
    const bool wasVisible = isVisible();
    QDockWidget::setVisible(visible);
    QMainWindow* window = mainWindow();
    // A dock shown again joins the mode of its area, unless it is shown by a change of that mode.
    if (!wasVisible && isVisible() && !m_autoHide && !isFloating() && window && window->isVisible()
        && modeChangesRunning == 0)
        SetAutoOcultableSegunArea();
}

void ZCDockWidget::SaveState(QDataStream& stream) const
{
    stream << qint8(m_autoHide ? 1 : 0);
}

void ZCDockWidget::RestoreState(QDataStream& stream)
{
    qint8 flag = 0;
    stream >> flag;
    SetAutoOcultable(flag != 0, false);
}

QByteArray ZCDockWidget::SaveMainWindowState(const QMainWindow* window)
{
    QList<const ZCDockWidget*> docks;
    QSet<QString> names;
    const auto append = [&](const ZCDockWidget* dock) {
        if (dock && !names.contains(dock->objectName())) {
            names.insert(dock->objectName());
            docks.append(dock);
        }
    };
    for (int side = 0; side < sideCount; ++side) {
        if (const QTabBar* tabBar = tabBarOf(GetToolbarMain(window, side))) {
            for (int i = 0; i < tabBar->count(); ++i)
                append(tabBar->tabData(i).value<ZCDockWidget*>());
        }
    }
    if (window) {
        for (const ZCDockWidget* dock : window->findChildren<ZCDockWidget*>())
            append(dock);
    }

    QByteArray record;
    QDataStream stream(&record, QIODevice::WriteOnly);
    stream << recordMagic << qint32(stream.version()) << recordVersion;
    stream << quint32(docks.size());
    for (const ZCDockWidget* dock : qAsConst(docks))
        stream << dock->objectName();
    for (const ZCDockWidget* dock : qAsConst(docks))
        dock->SaveState(stream);
    return record;
}

void ZCDockWidget::RestoreMainWindowState(QMainWindow* window, const QByteArray& state,
                                          QStringList* dockNames)
{
    QDataStream stream(state);
    qint32 magic = 0;
    stream >> magic;
    if (stream.status() != QDataStream::Ok || magic != recordMagic)
        return;
    qint32 version = 0;
    stream >> version;
    if (stream.status() != QDataStream::Ok || version < QDataStream::Qt_4_0 || version > stream.version())
        return;
    stream.setVersion(version);
    qint8 record = 0;
    stream >> record;
    if (stream.status() != QDataStream::Ok || record != recordVersion)
        return;

    QStringList localNames;
    QStringList& names = dockNames ? *dockNames : localNames;
    names.clear();
    if (!readDockNames(stream, names)) {
        names.clear();
        return;
    }

    QHash<QString, ZCDockWidget*> docks;
    if (window) {
        const auto children = window->findChildren<ZCDockWidget*>();
        // The first dock of a name wins, as when the record was written.
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            docks.insert((*it)->objectName(), *it);
    }
    for (const QString& name : qAsConst(names)) {
        if (stream.atEnd())
            return;
        if (ZCDockWidget* dock = docks.value(name)) {
            dock->RestoreState(stream);
        } else {
            stream.skipRawData(1);
            qDebug().noquote() << tr("Dock '%1' no encontrado").arg(name);
        }
    }
}
