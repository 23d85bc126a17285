#pragma once

#include "mirokit_global.h"

#include <QListView>

/*!
    List view whose Space key activates the current item.
*/
class MIROKIT_EXPORT ZCListView : public QListView
{
    Q_OBJECT

public:
    explicit ZCListView(QWidget* parent = nullptr);
    ~ZCListView() override;

signals:
    void signalTapAndHold(QModelIndex index);
    void signalTapAndHoldNoIndex();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
