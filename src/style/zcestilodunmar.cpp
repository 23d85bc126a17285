#include "zcestilodunmar.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QStyle>

namespace {

constexpr int spinBoxMinimumWidth = 120;
constexpr int propertyExtraHeight = 6;

int styleMetric(QStyle::PixelMetric metric)
{
    return QApplication::style()->pixelMetric(metric);
}

} // namespace

int ZCEstiloDunmar::AjustarAUnidadMinima(int n)
{
    const int base = n / 10 * 10;
    return n - base < 4 ? base : base + 10;
}

int ZCEstiloDunmar::GetHorizontalSpacing()
{
    const int spacing = styleMetric(QStyle::PM_LayoutHorizontalSpacing);
    return AjustarAUnidadMinima(5 * spacing) - spacing;
}

int ZCEstiloDunmar::GetVerticalSpacing()
{
    const int spacing = styleMetric(QStyle::PM_LayoutVerticalSpacing);
    return AjustarAUnidadMinima(5 * spacing) - spacing;
}

void ZCEstiloDunmar::SetHorizontalSpacing(QBoxLayout* layout)
{
    if (layout)
        layout->setSpacing(GetHorizontalSpacing());
}

void ZCEstiloDunmar::SetVerticalSpacing(QBoxLayout* layout)
{
    if (layout)
        layout->setSpacing(GetVerticalSpacing());
}

void ZCEstiloDunmar::AddHorizontalSpacing(QBoxLayout* layout)
{
    if (layout)
        layout->addSpacing(GetHorizontalSpacing());
}

void ZCEstiloDunmar::AddVerticalSpacing(QBoxLayout* layout)
{
    if (layout)
        layout->addSpacing(GetVerticalSpacing());
}

void ZCEstiloDunmar::AplicarEstilo(QLayout* layout)
{
    if (!layout)
        return;
    const auto margin = [](QStyle::PixelMetric metric) {
        return AjustarAUnidadMinima(3 * styleMetric(metric));
    };
    layout->setContentsMargins(margin(QStyle::PM_LayoutLeftMargin), margin(QStyle::PM_LayoutTopMargin),
                               margin(QStyle::PM_LayoutRightMargin),
                               margin(QStyle::PM_LayoutBottomMargin));
}

void ZCEstiloDunmar::AplicarEstilo(QAbstractSpinBox* spinBox)
{
    if (!spinBox)
        return;
    spinBox->setAlignment(Qt::AlignRight);
    AjustarWidthMinimo(spinBox, spinBoxMinimumWidth);
}

void ZCEstiloDunmar::AplicarEstiloCss(QLayout* layout)
{
    // Under a style sheet the sheet's own paddings and margins give the spacing.
    if (!layout || !QApplication::style()->inherits("QStyleSheetStyle"))
        return;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void ZCEstiloDunmar::AjustarWidthMinimo(QWidget* widget, int minimumWidth)
{
    if (!widget)
        return;
    QSizePolicy policy = widget->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Maximum);
    widget->setSizePolicy(policy);
    const int hintWidth = widget->sizeHint().width();
    if (hintWidth > minimumWidth)
        minimumWidth = AjustarAUnidadMinima(hintWidth);
    widget->setMinimumWidth(minimumWidth);
}

QSize ZCEstiloDunmar::GetPropertyExtraSize(const QSize& size)
{
    return size + QSize(0, propertyExtraHeight);
}

void ZCEstiloDunmar::Resize(QWidget* widget, int width, int height)
{
    if (!widget)
        return;
    const QSize hint = widget->sizeHint();
    if (width == -1)
        width = hint.width();
    if (height == -1)
        height = hint.height();
    widget->resize(qMin(width, hint.width()), qMax(height, hint.height()));
}
