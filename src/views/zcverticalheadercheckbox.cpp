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
    option.rect = indicatorRect();
    option.rect.moveCenter(rect.center());
    const QItemSelectionModel* selection = selectionModel();
    const bool selected = selection && selection->isRowSelected(logicalIndex, rootIndex());
    option.state = selected ? QStyle::State_On : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
}

// A section at least as large as the check box, so that narrow row numbers do not clip it.
QSize ZCVerticalHeaderCheckbox::sectionSizeFromContents(int logicalIndex) const
{
    const QSize indicator = indicatorRect().size();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return QHeaderView::sectionSizeFromContents(logicalIndex)
        .expandedTo(indicator + QSize(2 * margin, 2 * margin));
}

QRect ZCVerticalHeaderCheckbox::indicatorRect() const
{
    QStyleOptionButton option;
    option.initFrom(this);
    return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}
