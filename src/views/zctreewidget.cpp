#include "zctreewidget.h"

#include "zctreeview.h"

ZCTreeWidget::ZCTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
}

ZCTreeWidget::~ZCTreeWidget() = default;

void ZCTreeWidget::setEditTriggers(EditTriggers triggers)
{
    m_editTriggers = triggers;
    QTreeWidget::setEditTriggers(triggers);
}

void ZCTreeWidget::SetReadOnly(bool readOnly)
{
    QTreeWidget::setEditTriggers(readOnly ? NoEditTriggers : m_editTriggers);
}

bool ZCTreeWidget::IsReadOnly() const
{
    return editTriggers() == NoEditTriggers;
}

QModelIndex ZCTreeWidget::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = ZCTreeView::moveCursor(this, action, modifiers);
    return target.isValid() ? target : QTreeWidget::moveCursor(action, modifiers);
}
