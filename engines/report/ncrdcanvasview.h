#pragma once

#include "ncreport_global.h"

#include <QGraphicsView>

#include <memory>

class NCRDCanvas;
class NCRDRuler;
class NCReportWheelSteps;

/*!
    Shows a report's canvas at a zoom of 25 to 400 % of its real size on the screen, with rulers
    in millimetres along the top and the left that follow the zoom and the scrolling and mark
    the selection's extent. Ctrl and the wheel, Ctrl and plus or minus zoom in steps; fitWidth()
    and fitPage() zoom so that the page's width or the whole page fits.
*/
class NCREPORT_EXPORT NCRDCanvasView : public QGraphicsView
{
    Q_OBJECT
    Q_PROPERTY(int zoom READ zoom WRITE setZoom NOTIFY zoomChanged)

public:
    static constexpr int minimumZoom = 25;
    static constexpr int maximumZoom = 400;

    explicit NCRDCanvasView(NCRDCanvas* canvas, QWidget* parent = nullptr);
    ~NCRDCanvasView() override;

    NCRDCanvas* canvas() const;
    // In percent of the real size.
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    // Screen pixels per millimetre at the current zoom.
    qreal pixelsPerMillimetre() const;

public Q_SLOTS:
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();

Q_SIGNALS:
    void zoomChanged(int percent);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void applyZoom();
    void updateRulers();
    // The zoom at which `length` millimetres take `pixels` pixels.
    int zoomFor(qreal length, int pixels) const;

    int m_zoom = 100;
    NCRDRuler* m_topRuler;
    NCRDRuler* m_leftRuler;
    // Turns Ctrl+wheel rotation into zoom steps, keeping a touchpad's small deltas.
    std::unique_ptr<NCReportWheelSteps> m_wheel;
};
