#include "ztimeeditbrowser.h"

#include "zcthemeicon_p.h"
#include "ztimeedit.h"

ZTimeEditBrowser::ZTimeEditBrowser(QWidget* parent, bool focusOnButton)
    : ZAbstractDateTimeBrowser(parent)
    , m_timeEdit(new ZTimeEdit(this))
{
    connect(m_timeEdit, &QTimeEdit::timeChanged, this, &ZTimeEditBrowser::timeChanged);
    SetDateTimeEdit(m_timeEdit, focusOnButton);
    SetIcono(themeIcon(QStringLiteral("clock")));
}

ZTimeEditBrowser::~ZTimeEditBrowser() = default;
