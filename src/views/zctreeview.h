#pragma once

#include "mirokit_global.h"

#include <QList>
#include <QTreeView>

/*!
    Tree view with a read-only switch, whole-subtree expand and collapse, the expanded state as
    row paths, Tab over editable cells only, and Space to activate the current item.
*/
class MIROKIT_EXPORT ZCTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit ZCTreeView(QWidget* parent = nullptr);
    ~ZCTreeView() override;

    // Remembers the triggers so that SetReadOnly(false) can bring them back.
    void setEditTriggers(EditTriggers triggers);
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;

    void expandWhithChilds(const QModelIndex& index);
    void collapseWhithChilds(const QModelIndex& index);

    // Paths of rows from the root index down to each expanded item, parents before children.
    void GetExpandedIndexes(QList<QList<int>>& out) const;
    void SetExpandedIndexes(const QList<QList<int>>& paths);

    // Tab and Backtab targets over editable cells; any other action gives an invalid index.
    static QModelIndex moveCursor(QTreeView* view, CursorAction action, Qt::KeyboardModifiers modifiers);

signals:
    void signalTapAndHold(QModelIndex index);
    void signalTapAndHoldNoIndex();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyToSubtree(const QModelIndex& index, void (QTreeView::*apply)(const QModelIndex&));

    EditTriggers m_editTriggers = CurrentChanged | SelectedClicked;
};
