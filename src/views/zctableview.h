#pragma once

#include "mirokit_global.h"

#include <QTableView>

/*!
    Table view whose Space key activates the current item, with its selected indexes public.
*/
class MIROKIT_EXPORT ZCTableView : public QTableView
{
    Q_OBJECT

public:
    explicit ZCTableView(QWidget* parent = nullptr);
    ~ZCTableView() override;

    QModelIndexList GetSelectedIndexes() const;

signals:
    void signalTapAndHold(QModelIndex index);
    void signalTapAndHoldNoIndex();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
