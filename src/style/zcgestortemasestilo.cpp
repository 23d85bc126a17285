#include "zcgestortemasestilo.h"

#include "zcqssparser.h"
#include "zcsvgiconengine.h"
#include "zcthemefilewarning_p.h"

#include "widgets/zcgestornotificaciones.h"

#include <QDebug>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QStyle>
#include <QWidget>
#include <QXmlStreamReader>

namespace {

// The one manager of the process, alive from library load to unload.
ZCGestorTemasEstilo manager;

const ZCTemaEstilo& noTheme()
{
    static const ZCTemaEstilo empty;
    return empty;
}

// The library's own drawings: the icons of its controls while the host has chosen no theme, and
// any icon the host's theme lacks. Compiled into the library, so no control shows a blank button.
const ZCTemaEstilo& defaultTheme()
{
    static const ZCTemaEstilo theme(QStringLiteral("Mirokit"), QStringLiteral(":/Resources/tema"), QString(),
                                    QString(),
                                    {QColor(0x45, 0x5a, 0x64), QColor(0x1e, 0x88, 0xe5), QColor(0x0d, 0x47, 0xa1),
                                     QColor(0xe5, 0x39, 0x35)});
    return theme;
}

QString svgPath(const ZCTemaEstilo& theme, const QString& iconName)
{
    return QStringLiteral("%1/%2.svg").arg(theme.GetPathIconos(), iconName);
}

bool hasDrawing(const ZCTemaEstilo& theme, const QString& iconName)
{
    return QFileInfo(svgPath(theme, iconName)).isFile();
}

} // namespace

ZCGestorTemasEstilo* GetGestorTemasEstilo()
{
    return &manager;
}

ZCGestorTemasEstilo::ZCGestorTemasEstilo() = default;

ZCGestorTemasEstilo::~ZCGestorTemasEstilo()
{
    // Normally gone already through releaseGuiObjects(); this covers a manager torn down while
    // the application still runs.
    delete m_menuTemas;
    delete m_actionRefresh;
}

int ZCGestorTemasEstilo::AddTema(const ZCTemaEstilo& theme)
{
    m_temas.append(theme);
    return m_temas.size() - 1;
}

int ZCGestorTemasEstilo::AddTemaFromJSON(const QString& jsonText)
{
    return addThemes(jsonText.toUtf8(), QString());
}

int ZCGestorTemasEstilo::AddTemaFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        warnAboutTheme(fileName, tr("Error cargando tema. El fichero no existe o no puede abrirse"));
        return m_temas.size() - 1;
    }
    return addThemes(file.readAll(), fileName);
}

int ZCGestorTemasEstilo::addThemes(const QByteArray& json, const QString& fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        warnAboutTheme(fileName, tr("Error cargando tema. %1").arg(error.errorString()));
        return m_temas.size() - 1;
    }

    const auto addFromObject = [this, &fileName](const QJsonObject& object) {
        ZCTemaEstilo theme;
        if (theme.LoadFromJSON(object, fileName))
            AddTema(theme);
    };
    if (document.isArray()) {
        const QJsonArray array = document.array();
        for (const QJsonValue& element : array) {
            if (element.isObject())
                addFromObject(element.toObject());
            else
                warnAboutTheme(fileName, tr("El elemento de la lista de temas no tiene un formato correcto"));
        }
    } else if (document.isObject()) {
        addFromObject(document.object());
    } else {
        warnAboutTheme(fileName, tr("Error. El JSON esperado no tiene el formato correcto"));
    }
    return m_temas.size() - 1;
}

int ZCGestorTemasEstilo::GetNumTemas() const
{
    return m_temas.size();
}

bool ZCGestorTemasEstilo::isValidIndex(int index) const
{
    return index >= 0 && index < m_temas.size();
}

const ZCTemaEstilo& ZCGestorTemasEstilo::GetTema(int index) const
{
    if (!isValidIndex(index)) {
        qWarning().noquote() << tr("Error. No existe ningún tema con el índice %1").arg(index);
        return noTheme();
    }
    return m_temas.at(index);
}

const ZCTemaEstilo& ZCGestorTemasEstilo::GetCurrentTema() const
{
    // Before the first SetTema there is no current theme; an empty one keeps callers safe.
    return isValidIndex(m_currentIndex) ? m_temas.at(m_currentIndex) : noTheme();
}

bool ZCGestorTemasEstilo::SetTema(int index)
{
    if (!isValidIndex(index)) {
        qWarning().noquote() << tr("Error. No existe ningún tema con el índice %1").arg(index);
        return false;
    }
    rememberHostLook(index);
    // Checked whole before anything changes, so a theme that fails is never half applied.
    if (!hasWellFormedIcons(m_temas.at(index)))
        return false;
    QString styleSheet;
    if (!m_hostLook->ownStyleSheet && !parseStyleSheet(index, styleSheet))
        return false;

    makeCurrent(index);
    if (!m_hostLook->ownStyleSheet)
        qApp->setStyleSheet(styleSheet);
    repaintWidgets();
    emit temaChanged(index);
    return true;
}

void ZCGestorTemasEstilo::QuitarTema()
{
    if (!isValidIndex(m_currentIndex))
        return;
    makeCurrent(-1);
    if (!m_hostLook->ownStyleSheet)
        qApp->setStyleSheet(m_hostLook->styleSheet);
    repaintWidgets();
    emit temaChanged(-1);
}

void ZCGestorTemasEstilo::rememberHostLook(int index)
{
    if (m_hostLook)
        return;
    // Decided once, at the first theme: a host that installed a style sheet of its own keeps it.
    const bool ownStyleSheet = QApplication::style() && QApplication::style()->inherits("QStyleSheetStyle");
    m_hostLook = HostLook{ownStyleSheet, qApp->styleSheet(), QIcon::themeName(), QIcon::themeSearchPaths()};
    if (ownStyleSheet) {
        qInfo().noquote() << tr("La aplicación ya tenía una hoja de estilo propia en el primer SetTema(%1): los "
                                "temas darán iconos y colores, nunca su hoja de estilo")
                                 .arg(index);
    }
}

void ZCGestorTemasEstilo::makeCurrent(int index)
{
    m_currentIndex = index;
    ++m_revision;
    if (isValidIndex(index)) {
        const ZCTemaEstilo& theme = m_temas.at(index);
        QIcon::setThemeName(theme.GetNombre());
        QIcon::setThemeSearchPaths(QStringList{theme.GetPathIconos()});
    } else {
        QIcon::setThemeName(m_hostLook->iconThemeName);
        QIcon::setThemeSearchPaths(m_hostLook->iconThemeSearchPaths);
    }
}

bool ZCGestorTemasEstilo::parseStyleSheet(int index, QString& styleSheet)
{
    // The parser draws the sheet's icon() calls from the current theme, so the new theme is
    // current while its sheet is parsed; on a failure the previous one comes back.
    const int previous = m_currentIndex;
    makeCurrent(index);
    ZCQssParser parser(m_temas.at(index).GetPathCSS());
    if (parser.Parse()) {
        styleSheet = parser.GetStyleSheet();
        return true;
    }
    makeCurrent(previous);
    qWarning().noquote() << tr("Error parseando el CSS: %1")
                                .arg(QStringLiteral("%1: %2").arg(m_temas.at(index).GetPathCSS(), parser.GetErrors()));
    return false;
}

bool ZCGestorTemasEstilo::hasWellFormedIcons(const ZCTemaEstilo& theme) const
{
    // A drawing that does not parse would only show, much later, as a blank button.
    const QDir folder(theme.GetPathIconos());
    const QStringList files = folder.entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader reader(&file);
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError()) {
            qWarning().noquote() << tr("Error. El icono %1 del tema %2 no es un SVG válido: %3 (línea %4)")
                                        .arg(file.fileName(), theme.GetNombre(), reader.errorString())
                                        .arg(reader.lineNumber());
            return false;
        }
    }
    return true;
}

const ZCTemaEstilo& ZCGestorTemasEstilo::themeInForce() const
{
    return isValidIndex(m_currentIndex) ? m_temas.at(m_currentIndex) : defaultTheme();
}

const ZCTemaEstilo& ZCGestorTemasEstilo::drawingThemeOf(const QString& iconName) const
{
    const ZCTemaEstilo& inForce = themeInForce();
    if (&inForce != &defaultTheme() && !hasDrawing(inForce, iconName) && hasDrawing(defaultTheme(), iconName))
        return defaultTheme();
    return inForce;
}

QString ZCGestorTemasEstilo::GetPathFromTheme(const QString& iconName) const
{
    const ZCTemaEstilo& theme = drawingThemeOf(iconName);
    return hasDrawing(theme, iconName) ? svgPath(theme, iconName) : QString();
}

bool ZCGestorTemasEstilo::ExistsIconFromTheme(const QString& iconName) const
{
    return isValidIndex(m_currentIndex) && hasDrawing(m_temas.at(m_currentIndex), iconName);
}

QIcon ZCGestorTemasEstilo::FromTheme(const QString& iconName, EEstadoIcono state)
{
    // Index -1, no theme chosen, caches the default theme's icons.
    ZCCacheIconos& cache = m_caches[m_currentIndex];
    if (cache.Contains(iconName, state))
        return cache.GetIcon(iconName, state);
    if (!ExistsIconFromTheme(iconName)) {
        // A host theme may keep raster icons in Qt's icon theme; the library's drawings come last.
        const bool drawnByLibrary = hasDrawing(defaultTheme(), iconName);
        const QIcon fromQt = isValidIndex(m_currentIndex) || !drawnByLibrary ? QIcon::fromTheme(iconName) : QIcon();
        if (!fromQt.isNull() || !drawnByLibrary)
            return fromQt;
    }

    const QIcon icon(new ZCSVGIconEngine(iconName, state));
    releaseWithApplication();
    cache.SetIcon(iconName, state, icon);
    return icon;
}

QIcon ZCGestorTemasEstilo::GetIconoTema(const QString& iconName, EEstadoIcono state)
{
    if (!m_iconosTema)
        m_iconosTema = std::make_unique<ZCCacheIconos>();
    if (m_iconosTema->Contains(iconName, state))
        return m_iconosTema->GetIcon(iconName, state);
    const QIcon icon(ZCSVGIconEngine::followingTheme(iconName, state));
    releaseWithApplication();
    m_iconosTema->SetIcon(iconName, state, icon);
    return icon;
}

void ZCGestorTemasEstilo::warnMissingIcon(const QString& iconName)
{
    if (m_missingIconsWarned.contains(iconName))
        return;
    m_missingIconsWarned.insert(iconName);
    qWarning().noquote() << tr("No se encuentra el icono '%1' ni en el tema '%2' ni en el tema por defecto")
                                .arg(iconName, themeInForce().GetNombre());
}

// Icons drawn from the theme follow it at their next painting; a host whose own style sheet
// stays (no repolish) or QuitarTema still has to have them painted again.
void ZCGestorTemasEstilo::repaintWidgets() const
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->update();
}

QMenu* ZCGestorTemasEstilo::GetMenuTemas()
{
    if (m_menuTemas)
        return m_menuTemas;

    releaseWithApplication();
    m_menuTemas = new QMenu;
    auto* group = new QActionGroup(m_menuTemas);
    group->setExclusive(true);
    const auto addChoice = [this, group](const QString& text, int index) {
        auto* action = new QAction(text, group);
        action->setCheckable(true);
        action->setData(index);
        m_menuTemas->addAction(action);
        return action;
    };
    for (int index = 0; index < m_temas.size(); ++index) {
        // A theme that fails to apply must not keep the check the click gave it.
        connect(addChoice(m_temas.at(index).GetNombre(), index), &QAction::triggered, this, [this, index] {
            SetTema(index);
            checkThemeInForce();
        });
    }
    if (!m_temas.isEmpty()) {
        connect(addChoice(tr("Sin tema"), -1), &QAction::triggered, this, &ZCGestorTemasEstilo::QuitarTema);
        m_menuTemas->addSeparator();
        m_menuTemas->addAction(GetActionRefresh());
    }
    // The check follows the theme in force, however it was chosen.
    connect(this, &ZCGestorTemasEstilo::temaChanged, m_menuTemas, [this] { checkThemeInForce(); });
    checkThemeInForce();
    return m_menuTemas;
}

void ZCGestorTemasEstilo::checkThemeInForce()
{
    for (QAction* action : m_menuTemas->actions())
        if (action->isCheckable())
            action->setChecked(action->data().toInt() == m_currentIndex);
}

QAction* ZCGestorTemasEstilo::GetActionRefresh()
{
    if (m_actionRefresh)
        return m_actionRefresh;

    releaseWithApplication();
    m_actionRefresh = new QAction(tr("Refrescar"));
    m_actionRefresh->setShortcut(QKeySequence::Refresh);
    m_actionRefresh->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_actionRefresh, &QAction::triggered, this, &ZCGestorTemasEstilo::onRefresh);
    return m_actionRefresh;
}

void ZCGestorTemasEstilo::onRefresh()
{
    // Without a theme in force there is nothing to reload (and no index to complain about).
    if (!isValidIndex(m_currentIndex))
        return;
    // A theme whose files no longer parse was not reloaded, and its warning says so already.
    if (!SetTema(m_currentIndex))
        return;
    // The default theme draws a close icon when the theme has none.
    GetGestorNotificaciones()->AddNotificacion(
        tr("El tema \"%1\" ha sido recargado correctamente").arg(GetCurrentTema().GetNombre()),
        QIcon(), FromTheme(QStringLiteral("close"), EstadoNotify), 3);
}

void ZCGestorTemasEstilo::releaseWithApplication()
{
    // The manager outlives the application (it is a static object); menus, actions and icon
    // pixmaps must go while the application still exists. The routine runs at the start of
    // the application's destructor.
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || m_releaseRegisteredFor == application)
        return;
    m_releaseRegisteredFor = application;
    qAddPostRoutine(&ZCGestorTemasEstilo::releaseGuiObjects);
}

void ZCGestorTemasEstilo::releaseGuiObjects()
{
    ZCGestorTemasEstilo* self = GetGestorTemasEstilo();
    delete self->m_menuTemas;
    delete self->m_actionRefresh;
    self->m_caches.clear();
    self->m_iconosTema.reset();
}
