#pragma once

#include "ncreport_global.h"

#include <QWidget>

class NCRDCanvasView;

/*!
    A ruler in millimetres beside a canvas view, counted from the report's origin (the top left
    corner inside the margins); the extent of the selection is shaded.
*/
class NCREPORT_EXPORT NCRDRuler : public QWidget
{
    Q_OBJECT

public:
    static constexpr int thickness = 20;

    // A child of `view`, which lays it out.
    NCRDRuler(Qt::Orientation orientation, NCRDCanvasView* view);

    Qt::Orientation orientation() const { return m_orientation; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    NCRDCanvasView* m_view;
};
