#pragma once

#include "mirokit_global.h"

#include <QCoreApplication>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>

class QAction;
class QMenu;
class ZCCacheIconos;
class ZCTemaEstilo;

/*!
    The process-wide theme manager: keeps the themes the host described, applies one of them to
    the whole application (style sheet through ZCQssParser, icon colours through
    ZCSVGIconEngine) and answers icon requests by name. GetGestorTemasEstilo() returns it.

    The theme format (JSON keys, how paths resolve, the style-sheet extensions and the files the
    pre-processor writes) is described, with a complete example theme, in doc/themes.md.

    Until the host chooses a theme, and for any icon its theme lacks, icons come from the default
    theme compiled into the library (":/Resources/tema"), so the library's own controls never show
    a blank button.
*/
class MIROKIT_EXPORT ZCGestorTemasEstilo : public QObject
{
    Q_OBJECT

public:
    //! The state an icon is drawn for; also the index into a theme's colour list.
    enum EEstadoIcono {
        EstadoNormal = 0,
        EstadoHover = 1,
        EstadoPressed = 2,
        EstadoNotify = 3
    };

    ZCGestorTemasEstilo();
    ~ZCGestorTemasEstilo() override;

    int AddTema(const ZCTemaEstilo& theme);
    //! Adds every acceptable theme of the text and returns the index of the last theme in the
    //! list, whether or not one was added: compare GetNumTemas() before and after to tell. Each
    //! refused theme gives one warning naming the key that is missing or of the wrong type.
    //! Relative paths stay relative to the process's current folder.
    int AddTemaFromJSON(const QString& jsonText);
    //! As AddTemaFromJSON, for a theme file: relative paths resolve against the file's folder and
    //! every warning names the file.
    int AddTemaFromFile(const QString& fileName);
    int GetNumTemas() const;
    const ZCTemaEstilo& GetTema(int index) const;
    //! The host's current theme; an empty theme before the first SetTema.
    const ZCTemaEstilo& GetCurrentTema() const;
    //! Applies a theme: false, with a warning, for an index out of range, a drawing of the theme
    //! that does not parse or a style sheet that fails; the theme in force then stays as it was.
    //! If the application already had a style sheet of its own at the first SetTema, themes never
    //! replace it (they still give icons and colours); that first call says so once with qInfo.
    bool SetTema(int index);
    //! Back to no theme: the host's own look, with the style sheet and Qt icon theme that were in
    //! force before the first SetTema; the library's controls draw the default theme again.
    void QuitarTema();

    QIcon FromTheme(const QString& iconName, EEstadoIcono state);
    //! An icon for a host to ask for at any time, even before the first SetTema: it looks its
    //! name up whenever it is drawn, in the theme in force, else the default theme, else Qt's
    //! icon theme, so it follows SetTema() and QuitarTema() without being asked for again. A
    //! name that none of them has draws nothing and is warned about once.
    QIcon GetIconoTema(const QString& iconName, EEstadoIcono state = EstadoNormal);
    //! The SVG file that draws the icon now: the theme in force's, else the default theme's;
    //! empty when neither has one.
    QString GetPathFromTheme(const QString& iconName) const;

    //! The themes (built once: themes added later are not in it), "Sin tema", and the refresh
    //! action. The check is on the theme in force, also when SetTema or QuitarTema is called
    //! elsewhere.
    QMenu* GetMenuTemas();
    QAction* GetActionRefresh();

signals:
    //! The theme in force changed (or was applied again by a refresh): index of the new current
    //! theme, -1 after QuitarTema. For a host that repaints what it drew with theme colours.
    void temaChanged(int index);

private:
    struct HostLook {
        bool ownStyleSheet;
        QString styleSheet;
        QString iconThemeName;
        QStringList iconThemeSearchPaths;
    };

    friend class ZCSVGIconEngine;

    bool ExistsIconFromTheme(const QString& iconName) const;
    // One warning per icon name that no theme draws, however often it is painted.
    void warnMissingIcon(const QString& iconName);
    void repaintWidgets() const;
    // The host's current theme, or the library's default one while the host has chosen none.
    const ZCTemaEstilo& themeInForce() const;
    // The theme whose folder holds the icon's drawing: the theme in force, or the default theme
    // for an icon the host's theme lacks.
    const ZCTemaEstilo& drawingThemeOf(const QString& iconName) const;
    bool isValidIndex(int index) const;
    int addThemes(const QByteArray& json, const QString& fileName);
    void rememberHostLook(int index);
    void makeCurrent(int index);
    bool parseStyleSheet(int index, QString& styleSheet);
    bool hasWellFormedIcons(const ZCTemaEstilo& theme) const;
    void onRefresh();
    void checkThemeInForce();
    void releaseWithApplication();
    static void releaseGuiObjects();

    QList<ZCTemaEstilo> m_temas;
    int m_currentIndex = -1;
    QMap<int, ZCCacheIconos> m_caches;
    // GetIconoTema's icons: one per name and state, whatever the theme, since they follow it.
    std::unique_ptr<ZCCacheIconos> m_iconosTema;
    QSet<QString> m_missingIconsWarned;
    QPointer<QMenu> m_menuTemas;
    QPointer<QAction> m_actionRefresh;
    // Bumped by every SetTema, so icon engines know their drawings may be stale (new colours,
    // another theme folder or SVG files edited before a refresh).
    quint64 m_revision = 0;
    QPointer<QCoreApplication> m_releaseRegisteredFor;
    // What the host had before the first theme; set by the first SetTema.
    std::optional<HostLook> m_hostLook;
};

using EEstadoIcono = ZCGestorTemasEstilo::EEstadoIcono;

MIROKIT_EXPORT ZCGestorTemasEstilo* GetGestorTemasEstilo();

#include "zccacheiconos.h"
#include "zctemaestilo.h"
