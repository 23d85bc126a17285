#include "zcproxystyle.h"

#include <QImage>
#include <QWidget>

namespace {

constexpr int disabledOpacityPercent = 35;

// Scales the alpha channel of a non-premultiplied ARGB32 image, leaving the colours alone.
void scaleAlpha(QImage& image, int percent)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel) * percent / 100);
        }
    }
}

} // namespace

ZCProxyStyle::ZCProxyStyle() = default;

ZCProxyStyle::ZCProxyStyle(QStyle* baseStyle)
    : QProxyStyle(baseStyle)
{
    if (baseStyle)
        setObjectName(baseStyle->objectName());
}

ZCProxyStyle::~ZCProxyStyle() = default;

void ZCProxyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect && widget && widget->style()->inherits("QStyleSheetStyle"))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QPixmap ZCProxyStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap& pixmap,
                                          const QStyleOption* option) const
{
    if (mode != QIcon::Disabled)
        return QProxyStyle::generatedIconPixmap(mode, pixmap, option);

    const QPixmap disabled = QCommonStyle::generatedIconPixmap(mode, pixmap, option);
    QImage image = disabled.toImage().convertToFormat(QImage::Format_ARGB32);
    scaleAlpha(image, disabledOpacityPercent);
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(disabled.devicePixelRatio());
    return result;
}
