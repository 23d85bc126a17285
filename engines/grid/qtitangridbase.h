#pragma once

#include "qtitan_global.h"

#include <QModelIndex>
#include <QScrollArea>

class QTableView;

namespace Qtitan {

//! What lies under a point of a grid: the model index of the data cell there, if there is one.
class GridHitInfo
{
public:
    GridHitInfo() = default;
    explicit GridHitInfo(const QModelIndex& index)
        : m_index(index)
    {
    }

    //! Invalid over headers, scroll bars, frames and the empty space after the last row.
    QModelIndex modelIndex() const { return m_index; }

private:
    QModelIndex m_index;
};

/*!
    The frame of a grid: a scroll area whose only widget is the table view that shows the rows,
    and the hit test that maps a point of the grid to the data cell under it.
*/
class QTITAN_GRID_EXPORT GridBase : public QScrollArea
{
    Q_OBJECT

public:
    explicit GridBase(QWidget* parent = nullptr);
    ~GridBase() override;

    //! \a pos is in the grid's own coordinates.
    GridHitInfo hitInfo(const QPoint& pos) const;

    //! The view that shows the rows: columns, selection and editing are set up on it.
    QTableView* view() const { return m_view; }

private:
    QTableView* m_view;
};

} // namespace Qtitan
