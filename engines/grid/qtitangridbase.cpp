#include "qtitangridbase.h"

#include <QTableView>

namespace Qtitan {

GridBase::GridBase(QWidget* parent)
    : QScrollArea(parent)
    , m_view(new QTableView)
{
    // The table scrolls by itself and draws the only frame; the area just gives it all its room.
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(m_view);
}

GridBase::~GridBase() = default;

GridHitInfo GridBase::hitInfo(const QPoint& pos) const
{
    QWidget* viewport = m_view->viewport();
    // The viewport's offset in the grid, summed over its parents: what mapFrom() computes for
    // widgets of one window, at a fraction of its cost under Qt 6, where mapFrom() alone took
    // longer than the table's own indexAt().
    QPoint local = pos;
    for (const QWidget* widget = viewport; widget && widget != this; widget = widget->parentWidget())
        local -= widget->pos();
    // Headers, scroll bars and frames lie outside the viewport, where no cell is.
    if (!viewport->rect().contains(local))
        return GridHitInfo();
    return GridHitInfo(m_view->indexAt(local));
}

} // namespace Qtitan
