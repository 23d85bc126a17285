#include "zcdrawer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QTextDocument>

namespace {

constexpr qreal roundedRadius = 25.0;
constexpr qreal highDpiRatio = 2.0;

bool canPaint(const QPainter* painter)
{
    return painter && painter->isActive();
}

// Saves the painter for one Draw call and narrows its clip to the caller's rectangle.
class PainterScope
{
public:
    PainterScope(QPainter* painter, const QRectF* clip)
        : m_painter(painter)
    {
        m_painter->save();
        if (clip)
            m_painter->setClipRect(*clip, Qt::IntersectClip);
    }
    ~PainterScope() { m_painter->restore(); }
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

private:
    QPainter* m_painter;
};

// The pixel size an image or pixmap of `source` pixels gets in `area` under `aspecto`.
QSize fittedSize(const QSize& source, const QSize& area, ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    switch (aspecto) {
    case ZCDrawer::AspectoEstirado:
        return area;
    case ZCDrawer::AspectoReducido: {
        const QSize scaled = source.scaled(area, Qt::KeepAspectRatio);
        return scaled.width() > source.width() ? source : scaled;
    }
    case ZCDrawer::AspectoProporcional:
        return source.scaled(area, Qt::KeepAspectRatio);
    default:
        return source;
    }
}

template<typename Picture>
Picture fitted(const Picture& source, const QSize& area, ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    const QSize size = fittedSize(source.size(), area, aspecto);
    if (size == source.size())
        return source;
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

template<typename Picture>
void scaleHdpi(const Picture& source, Picture& target, const QSize& size,
               Qt::AspectRatioMode aspecto, bool bounded)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    QSize wanted = size * ratio;
    if (bounded)
        wanted = wanted.boundedTo(source.size());
    // A picture that already has the wanted size keeps its pixels; only its ratio changes.
    if (source.size().scaled(wanted, aspecto) != source.size())
        target = source.scaled(wanted, aspecto, Qt::SmoothTransformation);
    else if (&target != &source)
        target = source;
    target.setDevicePixelRatio(ratio);
}

// Tiles start at the rectangle's corner rather than at the painter's origin.
void fillTiled(QPainter* painter, const QRect& rect, const QBrush& texture)
{
    painter->setBrushOrigin(rect.topLeft());
    painter->fillRect(rect, texture);
}

void drawPreparedPixmap(QPainter* painter, const QRect& rect,
                        ZCDrawer::EMIAspectoDibujoGeneric aspecto, const QPixmap& pixmap)
{
    if (aspecto == ZCDrawer::AspectoMosaico) {
        fillTiled(painter, rect, QBrush(pixmap));
        return;
    }
    const Qt::Alignment alignment = aspecto == ZCDrawer::AspectoSuperiorIzquierda
                                        ? Qt::AlignAbsolute | Qt::AlignTop
                                        : Qt::Alignment(Qt::AlignCenter);
    QApplication::style()->drawItemPixmap(painter, rect, alignment, pixmap);
}

bool isKnownAspecto(ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    return aspecto >= ZCDrawer::AspectoNatural && aspecto <= ZCDrawer::AspectoSuperiorIzquierda;
}

} // namespace

ZCDrawer::~ZCDrawer() = default;

void ZCDrawer::DrawImage(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                         const QImage& image, const QRectF* clip)
{
    if (!canPaint(painter) || image.isNull() || rect.isEmpty() || !isKnownAspecto(aspecto))
        return;
    const PainterScope scope(painter, clip);
    if (aspecto == AspectoMosaico) {
        fillTiled(painter, rect, QBrush(image));
        return;
    }

    const QImage picture = fitted(image, rect.size(), aspecto);
    // The scaling modes start at the rectangle's corner, like the top-left mode; only the
    // natural size is centred, and cropped when it is the larger.
    QPoint origin = rect.topLeft();
    if (aspecto == AspectoNatural)
        origin += QPoint((rect.width() - image.width()) / 2, (rect.height() - image.height()) / 2);

    const QRect visible = QRect(origin, picture.size()) & rect;
    if (!visible.isEmpty())
        painter->drawImage(visible.topLeft(), picture, visible.translated(-origin));
}

void ZCDrawer::DrawPixmap(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                          const QPixmap& pixmap, const QRectF* clip)
{
    if (!canPaint(painter) || pixmap.isNull() || rect.isEmpty() || !isKnownAspecto(aspecto))
        return;
    const PainterScope scope(painter, clip);
    drawPreparedPixmap(painter, rect, aspecto,
                       aspecto == AspectoMosaico ? pixmap : fitted(pixmap, rect.size(), aspecto));
}

void ZCDrawer::DrawPixmapHdpi(QPainter* painter, const QRect& rect, EMIAspectoDibujoGeneric aspecto,
                              const QPixmap& pixmap, const QRectF* clip)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    if (ratio < highDpiRatio) {
        DrawPixmap(painter, rect, aspecto, pixmap, clip);
        return;
    }
    if (!canPaint(painter) || pixmap.isNull() || rect.isEmpty() || !isKnownAspecto(aspecto))
        return;

    QPixmap prepared = pixmap;
    switch (aspecto) {
    case AspectoEstirado:
        ScalePixmapHdpi(pixmap, prepared, rect.size(), Qt::IgnoreAspectRatio, false);
        break;
    case AspectoReducido:
        ScalePixmapHdpi(pixmap, prepared, rect.size(), Qt::KeepAspectRatio, true);
        break;
    case AspectoProporcional:
        ScalePixmapHdpi(pixmap, prepared, rect.size(), Qt::KeepAspectRatio, false);
        break;
    default:
        prepared.setDevicePixelRatio(ratio);
        break;
    }
    const PainterScope scope(painter, clip);
    drawPreparedPixmap(painter, rect, aspecto, prepared);
}

void ZCDrawer::DrawFigura(QPainter* painter, ETipoDeFigura tipo, const QRect& rect,
                          const QColor& colorLinea, const QColor& colorRelleno, int anchoLinea,
                          const QRectF* clip)
{
    if (!canPaint(painter))
        return;
    const PainterScope scope(painter, clip);
    painter->setBrush(QBrush(colorRelleno, Qt::SolidPattern));
    if (anchoLinea > 0)
        painter->setPen(QPen(QBrush(colorLinea), anchoLinea, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    else
        painter->setPen(Qt::NoPen);

    // The pen straddles the outline, so the shape moves in by half its width to stay inside.
    const int inset = qMax(anchoLinea, 0) / 2;
    const QRect shape = inset ? rect.adjusted(inset, inset, -inset, -inset) : rect.adjusted(0, 0, -1, -1);
    switch (tipo) {
    case FiguraLineaHorizontal: {
        const int y = rect.top() + rect.height() / 2;
        painter->drawLine(rect.left(), y, rect.right(), y);
        break;
    }
    case FiguraLineaVertical: {
        const int x = rect.left() + rect.width() / 2;
        painter->drawLine(x, rect.top(), x, rect.bottom());
        break;
    }
    case FiguraRectangulo:
        painter->drawRect(shape);
        break;
    case FiguraRectanguloRedondeado:
        painter->drawRoundedRect(shape, roundedRadius, roundedRadius, Qt::AbsoluteSize);
        break;
    case FiguraElipse:
        painter->drawEllipse(shape);
        break;
    }
}

void ZCDrawer::DrawBarCode(QPainter* painter, EMITipoBarCode tipo, int zoom, const QString& text,
                           const QRect& rect, const QRectF* clip)
{
    if (!canPaint(painter))
        return;
    const std::unique_ptr<ZCBarCode> barCode = ZCBarCode::Create(tipo);
    if (!barCode)
        return;
    barCode->SetDato(text);
    if (!barCode->IsDatoOK())
        return;
    barCode->Zoom(zoom);
    const PainterScope scope(painter, clip);
    barCode->Draw(painter, rect);
}

void ZCDrawer::DrawTextW(QPainter* painter, const QString& text, const QRect& rect, int flags,
                         const QRectF* clip)
{
    if (!canPaint(painter))
        return;
    const PainterScope scope(painter, clip);
    if (!clip)
        painter->setClipRect(rect, Qt::IntersectClip);
    painter->drawText(rect, flags, text);
}

void ZCDrawer::DrawTextDocument(QPainter* painter, const QString& html, const QRect& rect,
                                const QRectF* clip)
{
    if (!canPaint(painter))
        return;
    const PainterScope scope(painter, clip);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(painter->device());
    document.setDefaultFont(painter->font());
    document.setHtml(html);
    document.setTextWidth(rect.width());
    painter->translate(rect.topLeft());
    // QTextDocument::drawContents would replace the caller's clip with the rectangle; the layout
    // draws inside both instead.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, rect.width(), rect.height());
    painter->setClipRect(context.clip, Qt::IntersectClip);
    document.documentLayout()->draw(painter, context);
}

void ZCDrawer::ScaleImageHdpi(const QImage& source, QImage& target, const QSize& size,
                              Qt::AspectRatioMode aspecto, bool bounded)
{
    scaleHdpi(source, target, size, aspecto, bounded);
}

void ZCDrawer::ScalePixmapHdpi(const QPixmap& source, QPixmap& target, const QSize& size,
                               Qt::AspectRatioMode aspecto, bool bounded)
{
    scaleHdpi(source, target, size, aspecto, bounded);
}

void ZCDrawer::ScalePixmapDunmar(QPixmap& pixmap, Qt::AspectRatioMode aspecto, bool bounded)
{
    const QSize half(qRound(pixmap.width() * 0.5), qRound(pixmap.height() * 0.5));
    ScalePixmapHdpi(pixmap, pixmap, half, aspecto, bounded);
}

void ZCDrawer::SetColores(QPainter* painter, const QPen& pen, const QBrush& background,
                          Qt::BGMode mode, QPen* oldPen, QBrush* oldBackground, Qt::BGMode* oldMode)
{
    if (!painter)
        return;
    if (oldPen)
        *oldPen = painter->pen();
    if (oldBackground)
        *oldBackground = painter->background();
    if (oldMode)
        *oldMode = painter->backgroundMode();
    painter->setPen(pen);
    painter->setBackground(background);
    painter->setBackgroundMode(mode);
}
