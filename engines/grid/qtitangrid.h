#pragma once

#include "qtitangridbase.h"

class QAbstractItemModel;

namespace Qtitan {

/*!
    A data grid over any QAbstractItemModel: one row per model row, one column per model
    column, whole rows selected, the last column stretched to the grid's width.
*/
class QTITAN_GRID_EXPORT Grid : public GridBase
{
    Q_OBJECT

public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    //! The model is not owned; the grid stops showing it when it is destroyed.
    void setModel(QAbstractItemModel* model);
    QAbstractItemModel* model() const;
};

} // namespace Qtitan
