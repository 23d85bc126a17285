#include "zccombotree.h"

#include "zctreeview.h"

#include <QEvent>
#include <QHeaderView>
#include <QStylePainter>

namespace {

// Model texts are shown up to their first NUL, as a C string would be.
QString textUpToNul(const QVariant& value)
{
    const QString text = value.toString();
    const int nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

ZCComboTree::ZCComboTree(QWidget* parent)
    : QComboBox(parent)
    , m_tree(new ZCTreeView(this))
{
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    setView(m_tree);
    // The combo's pop-up container closes the drop-down on any click and moves the current item
    // under the mouse. Only an acceptable node may close it here, and hovering must not change
    // the tree's current node, so the combo filters the tree itself.
    if (QObject* container = m_tree->parentWidget()) {
        m_tree->removeEventFilter(container);
        m_tree->viewport()->removeEventFilter(container);
    }
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree, &QAbstractItemView::clicked, this, &ZCComboTree::onTreeClicked);
    connect(m_tree, &QAbstractItemView::activated, this, &ZCComboTree::onSeleccionado);
}

ZCComboTree::~ZCComboTree() = default;

void ZCComboTree::setModel(QAbstractItemModel* model)
{
    // QComboBox refuses a null model (with a warning); here it only clears the choice.
    m_current = model ? model->index(0, 0) : QModelIndex();
    if (!model) {
        update();
        return;
    }
    QComboBox::setModel(model);
    m_tree->setMinimumHeight(200);
}

void ZCComboTree::setSelectionModel(QItemSelectionModel* selectionModel)
{
    m_tree->setSelectionModel(selectionModel);
    if (selectionModel)
        connect(selectionModel, &QItemSelectionModel::currentChanged, this, &ZCComboTree::onCurrentChanged);
}

bool ZCComboTree::EsSeleccionable(const QModelIndex& index) const
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsSelectable))
        return false;
    return m_selectParents || !index.model()->hasChildren(index);
}

bool ZCComboTree::HaySeleccion() const
{
    return m_current.parent().isValid();
}

void ZCComboTree::LimpiaSeleccion()
{
    m_current = noChoiceIndex();
    update();
}

void ZCComboTree::setCurrentIndexTree(const QModelIndex& index)
{
    m_current = index;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::EnsureVisible);
    update();
}

QModelIndex ZCComboTree::getCurrentModelIndexFirstCol() const
{
    const QModelIndex index = m_tree->currentIndex();
    return index.column() == 0 ? index : index.sibling(index.row(), 0);
}

void ZCComboTree::setSelectNodosPadre(bool select)
{
    m_selectParents = select;
}

void ZCComboTree::setExpandRoots()
{
    m_expandRoots = true;
}

void ZCComboTree::setRootIsDecorated(bool show)
{
    m_tree->setRootIsDecorated(show);
}

void ZCComboTree::expand(const QModelIndex& index)
{
    m_tree->expand(index);
}

int ZCComboTree::expandRootsOnly()
{
    const QAbstractItemModel* itemModel = m_tree->model();
    if (!itemModel)
        return 0;
    const int roots = itemModel->rowCount();
    int count = roots;
    for (int row = 0; row < roots; ++row) {
        const QModelIndex root = itemModel->index(row, 0);
        m_tree->expand(root);
        count += itemModel->rowCount(root);
    }
    return count;
}

void ZCComboTree::expandRoots()
{
    const int rows = expandRootsOnly();
    m_tree->setMinimumHeight(rows * m_tree->sizeHintForRow(0) + m_tree->header()->height());
}

void ZCComboTree::showPopup()
{
    QComboBox::showPopup();
    m_tree->setCurrentIndex(m_current);
    m_tree->resizeColumnToContents(0);
    if (m_expandRoots) {
        m_expandRoots = false;
        expandRootsOnly();
    }
}

bool ZCComboTree::eventFilter(QObject* watched, QEvent* event)
{
    // Hovering must not move the tree's current node (see the constructor).
    if ((watched == m_tree || watched == m_tree->viewport()) && event->type() == QEvent::MouseMove)
        return true;
    return QComboBox::eventFilter(watched, event);
}

void ZCComboTree::onSeleccionado(QModelIndex index)
{
    if (!EsSeleccionable(index))
        return;
    m_current = index;
    if (isEditable())
        setEditText(textUpToNul(index.data(Qt::DisplayRole)));
    hidePopup();
    update();
    emit modelIndexSelected(m_current);
}

// Where the style activates items on a single click, the view emits activated() right after
// clicked() for the same click; the choice is then left to activated(), or it would be
// announced twice.
void ZCComboTree::onTreeClicked(const QModelIndex& index)
{
    const bool activatesToo = (index.flags() & Qt::ItemIsEnabled)
        && m_tree->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, m_tree);
    if (!activatesToo)
        onSeleccionado(index);
}

void ZCComboTree::onCurrentChanged(QModelIndex)
{
    update();
}

void ZCComboTree::paintEvent(QPaintEvent*)
{
    // The label is the chosen node, not the combo's own current row (always a top-level row).
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = chosenText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QModelIndex ZCComboTree::noChoiceIndex() const
{
    const QAbstractItemModel* itemModel = m_tree->model();
    return itemModel ? itemModel->index(0, 0) : QModelIndex();
}

QString ZCComboTree::chosenText() const
{
    if (!HaySeleccion())
        return QString();
    const QVariant label = m_current.data(Qt::UserRole);
    return textUpToNul(label.isValid() ? label : m_current.data(Qt::DisplayRole));
}
