#pragma once

#include "mirokit_global.h"

#include <QWidget>

class ZCSvgPixmapCache;

/*!
    A needle instrument built from four SVG layers: the dial, the needle's shadow, the needle
    and a glass overlay. The needle turns from anguloInicio (at minimo) to anguloFin (at maximo)
    about its turning centre, given as fractions of the needle image's size. Every layer is
    rendered once per size: a value change only turns the needle's pixmaps.
*/
class MIROKIT_EXPORT ZCSvgDialGauge : public QWidget
{
    Q_OBJECT

public:
    explicit ZCSvgDialGauge(QWidget* parent = nullptr);
    ~ZCSvgDialGauge() override;

    void SetSvg(const QByteArray& dial, const QByteArray& shadow, const QByteArray& needle,
                const QByteArray& overlay);

    void setMinimo(int minimo);
    void setMaximo(int maximo);
    int GetMinimo() const { return m_minimo; }
    int GetMaximo() const { return m_maximo; }
    void setValor(int valor);
    int GetValor() const { return m_valor; }
    void setAnguloInicio(double angle);
    void setAnguloFin(double angle);
    void setOrigen(double x, double y);
    void setShowOverlay(bool show);

    // The needle's angle in degrees for the current value.
    double angulo() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void clampValor();

    ZCSvgPixmapCache* m_dial;
    ZCSvgPixmapCache* m_shadow;
    ZCSvgPixmapCache* m_needle;
    ZCSvgPixmapCache* m_overlay;
    int m_minimo = 0;
    int m_maximo = 100;
    int m_valor = 0;
    double m_anguloInicio = 0;
    double m_anguloFin = 100;
    double m_origenX = 0.5;
    double m_origenY = 0.5;
    bool m_showOverlay = true;
};
