#include "formatodelegate.h"

#include <QDate>

QString FormatoDelegate::displayText(const QVariant& value, const QLocale& locale) const
{
    switch (value.userType()) {
    case QMetaType::Double:
        return locale.toCurrencyString(value.toDouble());
    case QMetaType::QDate:
        return locale.toString(value.toDate(), QLocale::ShortFormat);
    default:
        return QStyledItemDelegate::displayText(value, locale);
    }
}

void FormatoDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data().userType() == QMetaType::Double)
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}
