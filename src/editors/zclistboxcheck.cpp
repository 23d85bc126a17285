#include "zclistboxcheck.h"

#include <QKeyEvent>
#include <QMouseEvent>

ZCListBoxCheck::ZCListBoxCheck(QWidget* parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &ZCListBoxCheck::onDoubleClicked);
}

ZCListBoxCheck::~ZCListBoxCheck() = default;

QListWidgetItem* ZCListBoxCheck::addItem(const QIcon& icon, const QString& text, bool checked,
                                         const QVariant& value)
{
    QListWidgetItem* item = addItem(text, checked, value);
    item->setIcon(icon);
    return item;
}

QListWidgetItem* ZCListBoxCheck::addItem(const QString& text, bool checked, const QVariant& value)
{
    auto* item = new QListWidgetItem(text);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::UserRole, value);
    QListWidget::addItem(item);
    return item;
}

bool ZCListBoxCheck::isChecked(int row) const
{
    const QListWidgetItem* rowItem = item(row);
    return rowItem && rowItem->checkState() == Qt::Checked;
}

QVariant ZCListBoxCheck::getDataItem(int row) const
{
    const QListWidgetItem* rowItem = item(row);
    return rowItem ? rowItem->data(Qt::UserRole) : QVariant();
}

void ZCListBoxCheck::onCheckItem(QListWidgetItem* item)
{
    if (item)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void ZCListBoxCheck::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    m_pressedIndex = index;
    m_stateAtPress = index.isValid() ? itemFromIndex(index)->checkState() : Qt::Unchecked;
    QListWidget::mousePressEvent(event);
}

// The first click of a double click on the check box has toggled the item already (Qt's
// delegate does it on the release); toggling again would put it back where it was.
void ZCListBoxCheck::onDoubleClicked(QListWidgetItem* item)
{
    if (item && indexFromItem(item) == m_pressedIndex && item->checkState() != m_stateAtPress)
        return;
    onCheckItem(item);
}

void ZCListBoxCheck::keyPressEvent(QKeyEvent* event)
{
    QListWidgetItem* current = currentItem();
    const Qt::CheckState before = current ? current->checkState() : Qt::Unchecked;
    QListWidget::keyPressEvent(event);
    if (event->key() != Qt::Key_Space) {
        event->ignore();
        return;
    }
    // Qt's delegate toggles a checkable item on Space by itself; toggle only where it did not,
    // so that the item changes exactly once.
    if (current && currentItem() == current && current->checkState() == before)
        onCheckItem(current);
    event->accept();
}
