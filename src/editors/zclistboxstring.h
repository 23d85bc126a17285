#pragma once

#include "mirokit_global.h"

#include <QListWidget>
#include <QPersistentModelIndex>
#include <QToolBar>
#include <QWidget>

class QVBoxLayout;

/*!
    A list of strings under a tool bar of item commands: new, insert, edit, delete, move up and
    move down (the last three only in unsorted lists). The item operations are virtual, so that
    subclasses decide how an item is edited; the base class edits nothing.

    A sorted list puts an item changed by the user back in order. While nothing but this class
    has inserted or moved rows since it last sorted, that takes a binary search and one move.
*/
class MIROKIT_EXPORT ZCListBoxString : public QWidget
{
    Q_OBJECT

public:
    //! sorted: an item the user changes goes back in order; there is no insert, up or down command.
    explicit ZCListBoxString(QWidget* parent = nullptr, bool sorted = false);
    ~ZCListBoxString() override;

protected:
    QListWidgetItem* addItem(const QIcon& icon, const QString& text, bool editable, bool enabled);
    QListWidgetItem* addItem(const QString& text, bool editable, bool enabled);

    QListWidget* listWidget();
    const QListWidget* listWidget() const;
    bool isSorted() const;
    void setSortedFlag(bool sorted);
    void setEditableFlag(bool editable);

    // Whether another item has exactly the text of item.
    bool hasOtherItemWithText(const QListWidgetItem* item) const;
    // Takes item out of the list once the current notification is over; until then it is hidden.
    void removeItemLater(QListWidgetItem* item);
    bool isPendingRemoval(int row) const;

protected slots:
    virtual bool addNewItem();
    virtual bool insertNewItem(int row);
    virtual bool editItem(int row);
    virtual void delItem(int row);
    virtual void bajarItem(int row);
    virtual void subirItem(int row);
    virtual void changedItem(QListWidgetItem* item);

    void onNuevoItem();
    void onInsertItemOnSelected();
    void onDelItemSelected();
    void onEditItemSelected();
    void onBajarItemSelected();
    void onSubirItemSelected();
    void onItemChanged(QListWidgetItem* pLWI);

private:
    void createActions();
    QAction* createAction(const QString& text, const QString& icon, const QKeySequence& key,
                          void (ZCListBoxString::*slot)());
    bool startNewItem(int row, bool sort);
    void moveItem(int from, int to);
    void putInOrder(QListWidgetItem* item, int row);
    struct Placement {
        const QListWidgetItem* item = nullptr;
        int itemRow = -1;
        int row = -1;
        bool duplicate = false;
    };
    Placement placementFor(const QListWidgetItem* item, int row) const;
    void onEditorClosed();
    void removePendingItems();

    QListWidget m_list;
    QToolBar m_toolBar;
    QVBoxLayout* m_layout;
    bool m_sorted;
    bool m_editable = false;

    // True while the rows are known to be in order, apart from an item just changed.
    bool m_inOrder = false;
    mutable Placement m_lastPlacement;
    QPersistentModelIndex m_newItem;
    QList<QPersistentModelIndex> m_pendingRemovals;
};
