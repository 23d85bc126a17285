#pragma once

#include "zclistboxstring.h"

/*!
    An editable list of strings kept in order: items are edited in place, and an entry left
    empty or equal to another one is taken out again.
*/
class MIROKIT_EXPORT ZCListBoxText : public ZCListBoxString
{
    Q_OBJECT

public:
    //! sorted: an item the user changes goes back in order; there is no insert, up or down command.
    explicit ZCListBoxText(QWidget* parent = nullptr, bool sorted = true);
    ~ZCListBoxText() override;

    void AddStrings(const QStringList& strings);
    // Replaces the entries with these strings.
    void SetStrings(const QStringList& strings);
    void GetStrings(QStringList& strings);

protected:
    bool editItem(int row) override;
    void changedItem(QListWidgetItem* item) override;
    void delItem(int row) override;

private:
    bool isItemValido(QListWidgetItem* item);
};
