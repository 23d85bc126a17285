#pragma once

#include "zlineeditbrowser.h"

class ZCEditorPopupStringList;

/*!
    A browser of a list of strings: the line edit shows the first one, and the pick button opens
    the whole list for editing.
*/
class MIROKIT_EXPORT ZCEditBrowserStringList : public ZLineEditBrowser
{
    Q_OBJECT

public:
    explicit ZCEditBrowserStringList(QWidget* parent = nullptr);
    ~ZCEditBrowserStringList() override;

    void SetStringList(const QStringList& strings);
    QStringList GetStringList() const;

protected:
    void onPressBrowser() override;

protected slots:
    void OnStringListChanged();

private:
    void showFirstString();

    QStringList m_strings;
    ZCEditorPopupStringList* m_popup = nullptr;
};
