#pragma once

#include "zabstractdatebrowser.h"

class ZDateEdit;

/*!
    A date editor (ZDateEdit) with a pick button that opens its calendar pop-up. Like the
    editor, a default one starts on 1 January 2000.
*/
class MIROKIT_EXPORT ZDateEditBrowser : public ZAbstractDateBrowser
{
    Q_OBJECT

public:
    //! focusOnButton: Tab stops at the pick button, so typing needs a click into the editor first.
    explicit ZDateEditBrowser(QWidget* parent = nullptr, bool focusOnButton = true);
    ~ZDateEditBrowser() override;

    ZDateEdit* GetDateEdit() const { return m_dateEdit; }

signals:
    void dateChanged(QDate date);

private:
    ZDateEdit* m_dateEdit;
};
