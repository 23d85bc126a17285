#pragma once

#include "mirokit_global.h"

#include <QHeaderView>

/*!
    A header view used as a footer row under a table (totals and the like); its sections may
    shrink to nothing, so it can follow every column width of the table above it.
*/
class MIROKIT_EXPORT ZCFootView : public QHeaderView
{
    Q_OBJECT

public:
    ZCFootView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~ZCFootView() override;
};
