#include "zceditbrowserstringlist.h"

#include "zceditorpopupstringlist.h"
#include "zcthemeicon_p.h"

ZCEditBrowserStringList::ZCEditBrowserStringList(QWidget* parent)
    : ZLineEditBrowser(parent, true)
{
    setReadOnly(true);
    SetIcono(themeIcon(QStringLiteral("list")));
}

ZCEditBrowserStringList::~ZCEditBrowserStringList() = default;

void ZCEditBrowserStringList::SetStringList(const QStringList& strings)
{
    m_strings = strings;
    showFirstString();
}

QStringList ZCEditBrowserStringList::GetStringList() const
{
    return m_strings;
}

void ZCEditBrowserStringList::showFirstString()
{
    setText(m_strings.value(0));
}

// Shown again, the pop-up first takes the current list: accepting it without buttons writes
// back what it shows.
void ZCEditBrowserStringList::onPressBrowser()
{
    if (!m_popup) {
        m_popup = new ZCEditorPopupStringList(this);
        m_popup->AddStrings(m_strings);
        connect(m_popup, &ZCEditorPopupStringList::stringListChanged, this,
                &ZCEditBrowserStringList::OnStringListChanged);
    } else {
        m_popup->SetStrings(m_strings);
    }
    m_popup->show();
}

// An emptied list is a change like any other.
void ZCEditBrowserStringList::OnStringListChanged()
{
    m_popup->GetStrings(m_strings);
    showFirstString();
    emit editingFinished();
}
