#pragma once

#include "mirokit_global.h"

#include <QHeaderView>
#include <QMetaObject>

/*!
    A vertical header that paints, in each section, a check box showing whether that row of the
    view is selected.
*/
class MIROKIT_EXPORT ZCVerticalHeaderCheckbox : public QHeaderView
{
    Q_OBJECT

public:
    ZCVerticalHeaderCheckbox(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~ZCVerticalHeaderCheckbox() override;

    void setSelectionModel(QItemSelectionModel* selectionModel) override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    QRect indicatorRect() const;

    QMetaObject::Connection m_selectionConnection;
};
