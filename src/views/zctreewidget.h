#pragma once

#include "mirokit_global.h"

#include <QTreeWidget>

/*!
    Tree widget with a read-only switch and Tab over editable cells only (see ZCTreeView).
*/
class MIROKIT_EXPORT ZCTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ZCTreeWidget(QWidget* parent = nullptr);
    ~ZCTreeWidget() override;

    // Remembers the triggers so that SetReadOnly(false) can bring them back.
    void setEditTriggers(EditTriggers triggers);
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    EditTriggers m_editTriggers = CurrentChanged | SelectedClicked;
};
