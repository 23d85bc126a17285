#include "zclistboxtext.h"

#include <QSignalBlocker>

ZCListBoxText::ZCListBoxText(QWidget* parent, bool sorted)
    : ZCListBoxString(parent, sorted)
{
    setSortedFlag(true);
    setEditableFlag(true);
}

ZCListBoxText::~ZCListBoxText() = default;

void ZCListBoxText::AddStrings(const QStringList& strings)
{
    QListWidget* list = listWidget();
    const int first = list->count();
    list->addItems(strings);
    // The rows were announced a moment ago and nothing has drawn them yet: a change signal per
    // row for the editable flag would cost more than adding the rows did.
    const QSignalBlocker blocker(list->model());
    for (int row = first; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}

void ZCListBoxText::SetStrings(const QStringList& strings)
{
    listWidget()->clear();
    AddStrings(strings);
}

void ZCListBoxText::GetStrings(QStringList& strings)
{
    const QListWidget* list = listWidget();
    strings.clear();
    strings.reserve(list->count());
    for (int row = 0; row < list->count(); ++row) {
        if (!isPendingRemoval(row))
            strings << list->item(row)->text();
    }
}

bool ZCListBoxText::editItem(int row)
{
    if (QListWidgetItem* item = listWidget()->item(row))
        listWidget()->editItem(item);
    return true;
}

void ZCListBoxText::changedItem(QListWidgetItem* item)
{
    if (!isItemValido(item)) {
        removeItemLater(item);
        return;
    }
    ZCListBoxString::changedItem(item);
}

void ZCListBoxText::delItem(int row)
{
    const QListWidgetItem* item = listWidget()->item(row);
    if (item && !item->text().isEmpty())
        ZCListBoxString::delItem(row);
}

bool ZCListBoxText::isItemValido(QListWidgetItem* item)
{
    return item && !item->text().isEmpty() && !hasOtherItemWithText(item);
}
