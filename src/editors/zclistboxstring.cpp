#include "zclistboxstring.h"

#include "zcthemeicon_p.h"

#include <QAbstractItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

ZCListBoxString::ZCListBoxString(QWidget* parent, bool sorted)
    : QWidget(parent)
    , m_list(this)
    , m_toolBar(this)
    , m_layout(new QVBoxLayout(this))
    , m_sorted(sorted)
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(&m_toolBar);
    m_layout->addWidget(&m_list);
    m_list.setFocusPolicy(Qt::StrongFocus);
    createActions();

    connect(&m_list, &QListWidget::itemDoubleClicked, this, &ZCListBoxString::onEditItemSelected);
    if (sorted)
        connect(&m_list, &QListWidget::itemChanged, this, &ZCListBoxString::onItemChanged);
    connect(m_list.itemDelegate(), &QAbstractItemDelegate::closeEditor, this, &ZCListBoxString::onEditorClosed);

    // Rows that arrive or move by any other way than putInOrder() may be out of order.
    const QAbstractItemModel* model = m_list.model();
    const auto orderUnknown = [this] { m_inOrder = false; };
    connect(model, &QAbstractItemModel::rowsInserted, this, orderUnknown);
    connect(model, &QAbstractItemModel::rowsMoved, this, orderUnknown);
    connect(model, &QAbstractItemModel::layoutChanged, this, orderUnknown);
}

ZCListBoxString::~ZCListBoxString() = default;

void ZCListBoxString::createActions()
{
    createAction(tr("Nuevo"), QStringLiteral("add"), Qt::Key_Insert, &ZCListBoxString::onNuevoItem);
    if (!m_sorted)
        createAction(tr("Insertar"), QStringLiteral("insert"), Qt::CTRL | Qt::Key_Insert,
                     &ZCListBoxString::onInsertItemOnSelected);
    createAction(tr("Editar"), QStringLiteral("edit"), Qt::Key_Space, &ZCListBoxString::onEditItemSelected);
    createAction(tr("Eliminar"), QStringLiteral("delete"), Qt::Key_Delete, &ZCListBoxString::onDelItemSelected);
    if (m_sorted)
        return;
    m_toolBar.addSeparator();
    createAction(tr("Subir"), QStringLiteral("arrow_up"), Qt::CTRL | Qt::Key_Up, &ZCListBoxString::onSubirItemSelected);
    createAction(tr("Bajar"), QStringLiteral("arrow_down"), Qt::CTRL | Qt::Key_Down, &ZCListBoxString::onBajarItemSelected);
}

// Each command is also an action of the list, so that its key works while the list has focus.
QAction* ZCListBoxString::createAction(const QString& text, const QString& icon, const QKeySequence& key,
                                       void (ZCListBoxString::*slot)())
{
    QAction* action = m_toolBar.addAction(themeIcon(icon), text);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, slot);
    m_list.addAction(action);
    return action;
}

QListWidgetItem* ZCListBoxString::addItem(const QIcon& icon, const QString& text, bool editable, bool enabled)
{
    QListWidgetItem* item = addItem(text, editable, enabled);
    item->setIcon(icon);
    return item;
}

QListWidgetItem* ZCListBoxString::addItem(const QString& text, bool editable, bool enabled)
{
    auto* item = new QListWidgetItem(text);
    if (editable)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    if (!enabled)
        item->setFlags(Qt::ItemIsSelectable);
    m_list.addItem(item);
    return item;
}

QListWidget* ZCListBoxString::listWidget() { return &m_list; }
const QListWidget* ZCListBoxString::listWidget() const { return &m_list; }
bool ZCListBoxString::isSorted() const { return m_sorted; }
void ZCListBoxString::setSortedFlag(bool sorted) { m_sorted = sorted; }
void ZCListBoxString::setEditableFlag(bool editable) { m_editable = editable; }

bool ZCListBoxString::addNewItem()
{
    return startNewItem(0, m_sorted);
}

bool ZCListBoxString::insertNewItem(int row)
{
    if (row < 0 || row >= m_list.count())
        return false;
    return startNewItem(row, false);
}

bool ZCListBoxString::startNewItem(int row, bool sort)
{
    auto* item = new QListWidgetItem;
    if (m_editable)
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    m_list.insertItem(row, item);
    m_list.setCurrentItem(item);
    if (sort)
        m_list.sortItems(Qt::AscendingOrder);
    if (editItem(m_list.currentRow())) {
        m_newItem = m_list.model()->index(m_list.row(item), 0);
        return true;
    }
    delete m_list.takeItem(m_list.row(item));
    return false;
}

bool ZCListBoxString::editItem(int)
{
    return false;
}

void ZCListBoxString::delItem(int row)
{
    if (row < 0 || row >= m_list.count())
        return;
    delete m_list.takeItem(row);
    m_list.setCurrentRow(row > 0 ? row - 1 : 0);
}

void ZCListBoxString::bajarItem(int row)
{
    if (row >= 0 && row < m_list.count() - 1)
        moveItem(row, row + 1);
}

void ZCListBoxString::subirItem(int row)
{
    if (row > 0 && row < m_list.count())
        moveItem(row, row - 1);
}

void ZCListBoxString::moveItem(int from, int to)
{
    QListWidgetItem* item = m_list.takeItem(from);
    m_list.insertItem(to, item);
    m_list.setCurrentItem(item);
}

void ZCListBoxString::changedItem(QListWidgetItem* item)
{
    const int row = item ? m_list.row(item) : -1;
    if (m_inOrder && row >= 0) {
        putInOrder(item, row);
    } else {
        QListWidgetItem* current = m_list.currentItem();
        m_list.sortItems(Qt::AscendingOrder);
        m_inOrder = true;
        m_list.setCurrentItem(current);
        m_list.viewport()->update();
    }
    m_lastPlacement = Placement();
}

// The other rows are in order: one move puts item among them. A move, unlike taking the row
// out and inserting it again, keeps the editor that is committing the change open; and the
// current item, like every persistent index, moves along.
void ZCListBoxString::putInOrder(QListWidgetItem* item, int row)
{
    const int to = placementFor(item, row).row;
    if (to != row) {
        m_list.model()->moveRow(QModelIndex(), row, QModelIndex(), to > row ? to + 1 : to);
        m_inOrder = true;
    }
}

// sortItems() orders by QListWidgetItem::operator<, which for texts is this comparison; called
// on the texts directly it spares two variant copies per step.
static int compareTexts(const QString& left, const QString& right)
{
    return QString::localeAwareCompare(left, right);
}

/*
    Where item belongs among the other rows, which must be in order (the first row whose text
    is not less than its own), and whether one of them has exactly its text. Equal texts
    compare equal, so such a row stands from there on. Kept until changedItem() is done: the
    subclass asks first, to judge the item, and the base asks again to place it.
*/
ZCListBoxString::Placement ZCListBoxString::placementFor(const QListWidgetItem* item, int row) const
{
    if (m_lastPlacement.item == item && m_lastPlacement.itemRow == row)
        return m_lastPlacement;
    const QString text = item->text();

    const int others = m_list.count() - 1;
    const auto otherText = [&](int i) { return m_list.item(i < row ? i : i + 1)->text(); };
    // Most edits leave an entry where it was: comparing with both neighbours then tells.
    const QString afterText = row < others ? otherText(row) : QString();
    const int afterOrder = row < others ? compareTexts(afterText, text) : 1;
    int low = row;
    if (afterOrder < 0 || (row > 0 && compareTexts(otherText(row - 1), text) >= 0)) {
        low = 0;
        int high = others;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (compareTexts(otherText(middle), text) < 0)
                low = middle + 1;
            else
                high = middle;
        }
    }
    bool duplicate = false;
    for (int i = low; i < others; ++i) {
        const bool isAfter = i == row;
        const QString candidate = isAfter ? afterText : otherText(i);
        if (candidate == text) {
            duplicate = true;
            break;
        }
        if ((isAfter ? afterOrder : compareTexts(candidate, text)) > 0)
            break;
    }
    m_lastPlacement = {item, row, low, duplicate};
    return m_lastPlacement;
}

bool ZCListBoxString::hasOtherItemWithText(const QListWidgetItem* item) const
{
    const int excluded = m_list.row(item);
    if (m_inOrder && excluded >= 0)
        return placementFor(item, excluded).duplicate;
    const QString text = item->text();
    for (int row = 0; row < m_list.count(); ++row) {
        if (row != excluded && m_list.item(row)->text() == text)
            return true;
    }
    return false;
}

// Deleting the item at once would pull it from under the model's and the view's handling of
// the change that is being notified, and from under any later receiver of that notification.
void ZCListBoxString::removeItemLater(QListWidgetItem* item)
{
    const int row = m_list.row(item);
    if (row < 0)
        return;
    m_list.setRowHidden(row, true);
    m_inOrder = false;
    if (m_pendingRemovals.isEmpty())
        QTimer::singleShot(0, this, &ZCListBoxString::removePendingItems);
    m_pendingRemovals << QPersistentModelIndex(m_list.model()->index(row, 0));
}

bool ZCListBoxString::isPendingRemoval(int row) const
{
    return m_list.isRowHidden(row);
}

void ZCListBoxString::removePendingItems()
{
    const QList<QPersistentModelIndex> pending = std::exchange(m_pendingRemovals, {});
    for (const QPersistentModelIndex& index : pending) {
        if (index.isValid())
            delete m_list.takeItem(index.row());
    }
}

// A new entry left empty (cancelled with Escape, or confirmed empty) leaves nothing behind.
void ZCListBoxString::onEditorClosed()
{
    const QPersistentModelIndex newItem = std::exchange(m_newItem, {});
    if (newItem.isValid() && newItem.data().toString().isEmpty())
        delete m_list.takeItem(newItem.row());
}

void ZCListBoxString::onNuevoItem() { addNewItem(); }
void ZCListBoxString::onInsertItemOnSelected() { insertNewItem(m_list.currentRow()); }
void ZCListBoxString::onDelItemSelected() { delItem(m_list.currentRow()); }
void ZCListBoxString::onEditItemSelected() { editItem(m_list.currentRow()); }
void ZCListBoxString::onBajarItemSelected() { bajarItem(m_list.currentRow()); }
void ZCListBoxString::onSubirItemSelected() { subirItem(m_list.currentRow()); }
void ZCListBoxString::onItemChanged(QListWidgetItem* pLWI) { changedItem(pLWI); }
