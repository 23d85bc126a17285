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

#include <algorithm>

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

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The places (start, length) of the values of the fill attributes of one start tag, which the
// reader has found well formed: a name, then attributes whose values are quoted.
void findFillValues(const char* tag, int length, int offset, QVector<QPair<int, int>>& values)
{
    int i = 1;
    while (i < length && !isXmlSpace(tag[i]) && tag[i] != '/' && tag[i] != '>')
        ++i;
    for (;;) {
        while (i < length && isXmlSpace(tag[i]))
            ++i;
        if (i >= length || tag[i] == '/' || tag[i] == '>')
            return;
        const int nameStart = i;
        while (i < length && tag[i] != '=' && !isXmlSpace(tag[i]))
            ++i;
        const bool fill = i - nameStart == 4 && qstrncmp(tag + nameStart, "fill", 4) == 0;
        while (i < length && tag[i] != '"' && tag[i] != '\'')
            ++i;
        if (i >= length)
            return;
        const char quote = tag[i++];
        const int valueStart = i;
        while (i < length && tag[i] != quote)
            ++i;
        if (fill)
            values.append({offset + valueStart, i - valueStart});
        ++i;
    }
}

// The fill values of an ASCII drawing replaced where they stand, the rest copied as it is: half
// the cost of reading and writing the whole document again, which is as much as loading it.
// The reader finds the start tags (so comments, text and other values are left alone); its
// character offsets are byte offsets while every byte is ASCII. The fills replaced, or -1 when
// the drawing is not ASCII or not well formed.
int spliceFills(const QByteArray& svg, QByteArray& output, const QByteArray& colour)
{
    if (std::any_of(svg.cbegin(), svg.cend(), [](char c) { return uchar(c) >= 0x80; }))
        return -1;
    QVector<QPair<int, int>> values;
    QXmlStreamReader reader(svg);
    qint64 tokenStart = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (reader.hasError())
            return -1;
        const qint64 tokenEnd = reader.characterOffset();
        if (token == QXmlStreamReader::StartElement && reader.attributes().hasAttribute(fillAttribute))
            findFillValues(svg.constData() + tokenStart, int(tokenEnd - tokenStart), int(tokenStart), values);
        tokenStart = tokenEnd;
    }
    output.reserve(svg.size() + values.size() * colour.size());
    int copied = 0;
    for (const auto& value : qAsConst(values)) {
        output.append(svg.constData() + copied, value.first - copied);
        output.append(colour);
        copied = value.first + value.second;
    }
    output.append(svg.constData() + copied, svg.size() - copied);
    return values.size();
}

} // namespace

ZCSVGIconEngine::ZCSVGIconEngine(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state)
    : m_iconName(iconName)
    , m_state(state)
{
}

ZCSVGIconEngine::~ZCSVGIconEngine() = default;

ZCSVGIconEngine* ZCSVGIconEngine::followingTheme(const QString& iconName, ZCGestorTemasEstilo::EEstadoIcono state)
{
    auto* engine = new ZCSVGIconEngine(iconName, state);
    engine->m_followsTheme = true;
    return engine;
}

QIcon ZCSVGIconEngine::fallback()
{
    if (!m_fallback)
        m_fallback = m_followsTheme ? QIcon::fromTheme(m_iconName) : QIcon();
    return *m_fallback;
}

QByteArray ZCSVGIconEngine::recolour(const QByteArray& svg, const QColor& colour)
{
    const QString colourText = colour.name();
    QByteArray replaced;
    const int spliced = spliceFills(svg, replaced, colourText.toLatin1());
    if (spliced > 0)
        return replaced;
    replaced.clear();
    if (spliced < 0 && rewriteSvg(svg, replaced, colourText, true) > 0)
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
    m_fallback.reset();
    m_pixmaps.clear();
}

QSvgRenderer* ZCSVGIconEngine::renderer()
{
    if (m_renderer)
        return m_renderer.get();

    const ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
    // The colours are the theme in force's even when the drawing is the default theme's.
    const ZCTemaEstilo& theme = manager->themeInForce();
    // No theme draws the name: the path is empty, and QFile would complain about it.
    const QString path = manager->GetPathFromTheme(m_iconName);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (!m_followsTheme) {
            qWarning().noquote()
                << tr("No se encuentra el icono '%1' en el tema '%2'").arg(m_iconName, theme.GetNombre());
        } else if (fallback().isNull()) {
            GetGestorTemasEstilo()->warnMissingIcon(m_iconName);
        }
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
    else if (!fallback().isNull())
        fallback().paint(painter, rect, Qt::AlignCenter, mode, state);
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

QPixmap ZCSVGIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    // Styles ask for the icon at the size left inside a button, which a squeezed button makes
    // empty: there is nothing to draw, and a painter on an empty image only complains.
    if (size.isEmpty())
        return QPixmap();
    dropStaleDrawing();
    if (m_followsTheme && !renderer() && !fallback().isNull())
        return fallback().pixmap(size, mode, state);
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
    auto* engine = new ZCSVGIconEngine(m_iconName, m_state);
    engine->m_followsTheme = m_followsTheme;
    return engine;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QString ZCSVGIconEngine::iconName() const
#else
QString ZCSVGIconEngine::iconName()
#endif
{
    return m_iconName;
}
