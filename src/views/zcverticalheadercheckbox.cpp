#include "zcverticalheadercheckbox.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QStyleOptionButton>

ZCVerticalHeaderCheckbox::ZCVerticalHeaderCheckbox(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

ZCVerticalHeaderCheckbox::~ZCVerticalHeaderCheckbox() = default;

void ZCVerticalHeaderCheckbox::setSelectionModel(QItemSelectionModel* selectionModel)
{
    disconnect(m_selectionConnection);
    QHeaderView::setSelectionModel(selectionModel);
    // A header repaints on its own only for the current section; the boxes follow every change.
    if (selectionModel) {
        m_selectionConnection = connect(selectionModel, &QItemSelectionModel::selectionChanged,
                                        viewport(), qOverload<>(&QWidget::update));
    }
}

void ZCVerticalHeaderCheckbox::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!model() || logicalIndex < 0)
        return;

    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    option.rect.moveCenter(rect.center());
    const QItemSelectionModel* selection = selectionModel();
    const bool selected = selection && selection->isRowSelected(logicalIndex, rootIndex());
    option.state = selected ? QStyle::State_On : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
}
