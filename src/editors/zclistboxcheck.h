#pragma once

#include "mirokit_global.h"

#include <QListWidget>

/*!
    A list of check items, each with a user value (Qt::UserRole). Space and a double click
    toggle an item; keys the list does not use reach the parent, so Return gets to a dialog.
*/
class MIROKIT_EXPORT ZCListBoxCheck : public QListWidget
{
    Q_OBJECT

public:
    explicit ZCListBoxCheck(QWidget* parent = nullptr);
    ~ZCListBoxCheck() override;

    using QListWidget::addItem;
    QListWidgetItem* addItem(const QIcon& icon, const QString& text, bool checked, const QVariant& value);
    QListWidgetItem* addItem(const QString& text, bool checked, const QVariant& value);

    bool isChecked(int row) const;
    QVariant getDataItem(int row) const;

public slots:
    void onCheckItem(QListWidgetItem* item);
    void keyPressEvent(QKeyEvent* event) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void onDoubleClicked(QListWidgetItem* item);

    QPersistentModelIndex m_pressedIndex;
    Qt::CheckState m_stateAtPress = Qt::Unchecked;
};
