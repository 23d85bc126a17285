#pragma once

#include "mirokit_global.h"
#include "zcgestortemasestilo.h"

#include <QCoreApplication>
#include <QHash>
#include <QIconEngine>
#include <QPixmap>
#include <QPointer>

#include <memory>
#include <optional>

class QStyle;
class QSvgRenderer;

/*!
    Draws a one-colour SVG icon of the current theme in the theme's colour for the engine's
    state. The recoloured drawing and the pixmaps made from it are kept until the theme manager
    applies a theme again (switch or refresh), so repeated drawing never re-reads the file.
*/
class MIROKIT_EXPORT ZCSVGIconEngine : public QIconEngine
{
    Q_DECLARE_TR_FUNCTIONS(ZCSVGIconEngine)

public:
    ZCSVGIconEngine(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state);
    ~ZCSVGIconEngine() override;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QString iconName() const override;
#else
    QString iconName() override;
#endif

    // Every fill replaced by the colour or, when the drawing has none, every path filled with it.
    static QByteArray recolour(const QByteArray& svg, const QColor& colour);

private:
    friend class ZCGestorTemasEstilo;

    // An engine for ZCGestorTemasEstilo::GetIconoTema(): a name no theme draws comes from Qt's
    // icon theme, else draws nothing with one warning for the name.
    static ZCSVGIconEngine* followingTheme(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state);

    void dropStaleDrawing();
    // Qt's icon theme's icon of the name, for an engine that follows the theme and has no
    // drawing; null otherwise.
    QIcon fallback();
    QSvgRenderer* renderer();
    QPixmap renderPixmap(const QSize& size);

    QString m_iconName;
    ZCGestorTemasEstilo::EEstadoIcono m_state;
    bool m_followsTheme = false;

    // Cache: valid for one theme revision and one application style (disabled pixmaps come
    // from the style).
    quint64 m_revision = 0;
    QPointer<QStyle> m_style;
    std::unique_ptr<QSvgRenderer> m_renderer;
    std::optional<QIcon> m_fallback;
    QHash<quint64, QPixmap> m_pixmaps;  // by pixel size and mode
};
