#pragma once

#include "mirokit_global.h"

#include <QCoreApplication>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class ZCCacheIconos;
class ZCTemaEstilo;

/*!
    The process-wide theme manager: keeps the themes the host described, applies one of them to
    the whole application (style sheet through ZCQssParser, icon colours through
    ZCSVGIconEngine) and answers icon requests by name. GetGestorTemasEstilo() returns it.
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
    int AddTemaFromJSON(const QString& jsonText);
    const ZCTemaEstilo& GetTema(int index) const;
    const ZCTemaEstilo& GetCurrentTema() const;
    bool SetTema(int index);

    QIcon FromTheme(const QString& iconName, EEstadoIcono state);
    QString GetPathFromTheme(const QString& iconName) const;

    QMenu* GetMenuTemas();
    QAction* GetActionRefresh();

private:
    friend class ZCSVGIconEngine;

    bool ExistsIconFromTheme(const QString& iconName) const;
    // The host's current theme, or the library's default one while the host has chosen none.
    const ZCTemaEstilo& themeInForce() const;
    // The theme whose folder holds the icon's drawing: the theme in force, or the default theme
    // for an icon the host's theme lacks.
    const ZCTemaEstilo& drawingThemeOf(const QString& iconName) const;
    bool isValidIndex(int index) const;
    void onRefresh();
    void releaseWithApplication();
    static void releaseGuiObjects();

    QList<ZCTemaEstilo> m_temas;
    int m_currentIndex = -1;
    QMap<int, ZCCacheIconos> m_caches;
    QPointer<QMenu> m_menuTemas;
    QPointer<QAction> m_actionRefresh;
    // Bumped by every SetTema, so icon engines know their drawings may be stale (new colours,
    // another theme folder or SVG files edited before a refresh).
    quint64 m_revision = 0;
    QPointer<QCoreApplication> m_releaseRegisteredFor;
};

using EEstadoIcono = ZCGestorTemasEstilo::EEstadoIcono;

MIROKIT_EXPORT ZCGestorTemasEstilo* GetGestorTemasEstilo();

#include "zccacheiconos.h"
#include "zctemaestilo.h"
