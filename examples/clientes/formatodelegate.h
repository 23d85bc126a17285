#pragma once

#include <QStyledItemDelegate>

// Shows amounts as money, right-aligned so that their digits line up, and dates in the short
// format, in the view's locale.
class FormatoDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
