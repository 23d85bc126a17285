#pragma once

#include <QStyledItemDelegate>

// Shows amounts as money and dates in the short format, in the view's locale.
class FormatoDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;
};
