#include "zcsvgiconengine.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QLatin1String fillAttribute("fill");

quint64 pixmapKey(const QSize& size, QIcon::Mode mode)
{
    return (quint64(quint32(size.width())) << 34) | (quint64(quint32(size.height())) << 2)
        | quint64(mode);
}

// Writes the start element the reader stands on with every fill set to the colour.
void writeStartWithFill(QXmlStreamWriter& writer, const QXmlStreamReader& reader, const QString& colour)
{
    writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
    const QXmlStreamNamespaceDeclarations declarations = reader.namespaceDeclarations();
    for (const QXmlStreamNamespaceDeclaration& declaration : declarations)
        writer.writeNamespace(declaration.namespaceUri().toString(), declaration.prefix().toString());
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.qualifiedName() == fillAttribute)
            writer.writeAttribute(attribute.qualifiedName().toString(), colour);
        else
            writer.writeAttribute(attribute);
    }
}

// One copy of the drawing. With replaceFills, elements that have a fill get the colour and the
// result counts them; otherwise every path gets a fill of that colour.
int rewriteSvg(const QByteArray& svg, QByteArray& output, const QString& colour, bool replaceFills)
{
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&output);
    int fills = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            break;
        const bool hasFill = reader.isStartElement() && reader.attributes().hasAttribute(fillAttribute);
        if (replaceFills && hasFill) {
            writeStartWithFill(writer, reader, colour);
            ++fills;
            continue;
        }
        writer.writeCurrentToken(reader);
        if (!replaceFills && reader.isStartElement() && reader.name() == QLatin1String("path"))
            writer.writeAttribute(fillAttribute, colour);
    }
    return fills;
}

} // namespace

ZCSVGIconEngine::ZCSVGIconEngine(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state)
    : m_iconName(iconName)
    , m_state(state)
{
}

ZCSVGIconEngine::~ZCSVGIconEngine() = default;

QByteArray ZCSVGIconEngine::recolour(const QByteArray& svg, const QColor& colour)
{
    const QString colourText = colour.name();
    QByteArray replaced;
    if (rewriteSvg(svg, replaced, colourText, true) > 0)
        return replaced;
    QByteArray filledPaths;
    rewriteSvg(svg, filledPaths, colourText, false);
    return filledPaths;
}

void ZCSVGIconEngine::dropStaleDrawing()
{
    const quint64 revision = GetGestorTemasEstilo()->m_revision;
    QStyle* style = QApplication::style();
    if (revision == m_revision && style == m_style)
        return;
    m_revision = revision;
    m_style = style;
    m_renderer.reset();
    m_pixmaps.clear();
}

QSvgRenderer* ZCSVGIconEngine::renderer()
{
    if (m_renderer)
        return m_renderer.get();

    const ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    // The colours are the theme in force's even when the drawing is the default theme's.
    const ZCTemaEstilo& theme = manager->themeInForce();
    QFile file(manager->GetPathFromTheme(m_iconName));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote()
            << tr("No se encuentra el icono '%1' en el tema '%2'").arg(m_iconName, theme.GetNombre());
        return nullptr;
    }
    m_renderer = std::make_unique<QSvgRenderer>(recolour(file.readAll(), theme.GetColor(m_state)));
    return m_renderer.get();
}

void ZCSVGIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    dropStaleDrawing();
    if (mode == QIcon::Disabled) {
        // The disabled look belongs to the application style, which works on pixmaps.
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap disabled = pixmap(rect.size() * ratio, mode, state);
        disabled.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, disabled);
        return;
    }
    if (QSvgRenderer* svg = renderer())
        svg->render(painter, QRectF(rect));
}

QPixmap ZCSVGIconEngine::renderPixmap(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    if (QSvgRenderer* svg = renderer()) {
        QPainter painter(&image);
        svg->render(&painter, QRectF(QPointF(0, 0), size));
    }
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

QPixmap ZCSVGIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    dropStaleDrawing();
    const quint64 key = pixmapKey(size, mode);
    const auto cached = m_pixmaps.constFind(key);
    if (cached != m_pixmaps.constEnd())
        return cached.value();

    QPixmap result = renderPixmap(size);
    if (mode == QIcon::Disabled && m_style) {
        QStyleOption option;
        option.palette = QApplication::palette();
        result = m_style->generatedIconPixmap(QIcon::Disabled, result, &option);
    }
    // A missing file is looked for again on the next drawing.
    if (m_renderer)
        m_pixmaps.insert(key, result);
    return result;
}

QIconEngine* ZCSVGIconEngine::clone() const
{
    return new ZCSVGIconEngine(m_iconName, m_state);
}

QString ZCSVGIconEngine::iconName() const
{
    return m_iconName;
}
