#pragma once

#include "zctableview.h"

/*!
    A table view that is a drag source. Qt's own drag detection decides when a drag starts (drag
    is enabled on construction and the items must be drag-enabled); instead of building the drag,
    the view emits iniciarDrag() and the caller runs a ZCDrag with its own data.
*/
class MIROKIT_EXPORT ZCDragTableView : public ZCTableView
{
    Q_OBJECT

public:
    explicit ZCDragTableView(QWidget* parent = nullptr);
    ~ZCDragTableView() override;

signals:
    void iniciarDrag(QWidget* pWidgetSource);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};
