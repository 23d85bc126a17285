#pragma once

#include "zceditorpopup.h"

class ZCListBoxText;

/*!
    A pop-up editor of a list of strings, kept sorted and free of empty and repeated entries.
*/
class MIROKIT_EXPORT ZCEditorPopupStringList : public ZCEditorPopup
{
    Q_OBJECT

public:
    explicit ZCEditorPopupStringList(QWidget* parent = nullptr);
    ~ZCEditorPopupStringList() override;

    void AddStrings(const QStringList& strings);
    void GetStrings(QStringList& strings);
    // Shows these strings instead of the ones the pop-up holds.
    void SetStrings(const QStringList& strings);

signals:
    void stringListChanged();

protected:
    void onAceptar() override;

private:
    ZCListBoxText* m_list;
};
