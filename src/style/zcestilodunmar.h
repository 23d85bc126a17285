#pragma once

#include "mirokit_global.h"

#include <QSize>

class QAbstractSpinBox;
class QBoxLayout;
class QLayout;
class QWidget;

/*!
    Layout margins and spacings of the library, derived from the metrics of the application
    style and rounded to a grid of 10 pixels so that forms line up whatever the style.
*/
class MIROKIT_EXPORT ZCEstiloDunmar
{
public:
    static void SetHorizontalSpacing(QBoxLayout* layout);
    static void SetVerticalSpacing(QBoxLayout* layout);
    static void AddHorizontalSpacing(QBoxLayout* layout);
    static void AddVerticalSpacing(QBoxLayout* layout);

    static void AplicarEstilo(QLayout* layout);
    static void AplicarEstilo(QAbstractSpinBox* spinBox);
    static void AplicarEstiloCss(QLayout* layout);

    static QSize GetPropertyExtraSize(const QSize& size);
    static void Resize(QWidget* widget, int width, int height);

protected:
    // Rounds to the nearest multiple of 10, but already from 4 up: 13 -> 10, 14 -> 20.
    static int AjustarAUnidadMinima(int n);
    static int GetHorizontalSpacing();
    static int GetVerticalSpacing();
    static void AjustarWidthMinimo(QWidget* widget, int minimumWidth);
};
