#include "zceditorpopupstringlist.h"

#include "zclistboxtext.h"

ZCEditorPopupStringList::ZCEditorPopupStringList(QWidget* parent)
    : ZCEditorPopup(parent)
    , m_list(new ZCListBoxText(this))
{
    setEditor(m_list);
}

ZCEditorPopupStringList::~ZCEditorPopupStringList() = default;

void ZCEditorPopupStringList::AddStrings(const QStringList& strings)
{
    m_list->AddStrings(strings);
}

void ZCEditorPopupStringList::GetStrings(QStringList& strings)
{
    m_list->GetStrings(strings);
}

void ZCEditorPopupStringList::SetStrings(const QStringList& strings)
{
    m_list->SetStrings(strings);
}

void ZCEditorPopupStringList::onAceptar()
{
    emit stringListChanged();
}
