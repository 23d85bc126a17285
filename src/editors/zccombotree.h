#pragma once

#include "mirokit_global.h"

#include <QComboBox>
#include <QPersistentModelIndex>

class QItemSelectionModel;
class ZCTreeView;

/*!
    A combo box whose drop-down is a tree over a hierarchical model. The model's first top-level
    row stands for "no choice"; a real choice is a node below a top-level node. Nodes with
    children can be chosen only after setSelectNodosPadre(true), and nodes without
    Qt::ItemIsSelectable never. The combo shows the chosen node's Qt::UserRole value when it has
    one, its display text otherwise.
*/
class MIROKIT_EXPORT ZCComboTree : public QComboBox
{
    Q_OBJECT

public:
    explicit ZCComboTree(QWidget* parent = nullptr);
    ~ZCComboTree() override;

    void setModel(QAbstractItemModel* model);
    void setSelectionModel(QItemSelectionModel* selectionModel);

    bool EsSeleccionable(const QModelIndex& index) const;
    bool HaySeleccion() const;
    void LimpiaSeleccion();

    void setCurrentIndexTree(const QModelIndex& index);
    QModelIndex getCurrentModelIndexFirstCol() const;

    void setSelectNodosPadre(bool select);
    void setExpandRoots();
    void setRootIsDecorated(bool show);
    void expand(const QModelIndex& index);
    int expandRootsOnly();
    void expandRoots();

    void showPopup() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void modelIndexSelected(QModelIndex index);

public slots:
    void onSeleccionado(QModelIndex index);
    void onCurrentChanged(QModelIndex index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onTreeClicked(const QModelIndex& index);
    QModelIndex noChoiceIndex() const;
    QString chosenText() const;

    ZCTreeView* m_tree;
    QPersistentModelIndex m_current;
    bool m_selectParents = false;
    bool m_expandRoots = false;
};
