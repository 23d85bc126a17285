#include "zceditbrowserfont.h"

#include "zcfontdialog.h"
#include "zcthemeicon_p.h"

ZCEditBrowserFont::ZCEditBrowserFont(QWidget* parent)
    : ZLineEditBrowser(parent, true)
{
    setReadOnly(true);
    SetIcono(themeIcon(QStringLiteral("font")));
}

ZCEditBrowserFont::~ZCEditBrowserFont() = default;

void ZCEditBrowserFont::setFont(const QFont& font)
{
    m_font = font;
    setText(font.toString());
}

const QFont& ZCEditBrowserFont::getFont() const
{
    return m_font;
}

void ZCEditBrowserFont::onPressBrowser()
{
    bool confirmed = false;
    const QFont chosen = ZCFontDialog::getFont(&confirmed, m_font, this, QString(),
                                               QFontDialog::DontUseNativeDialog);
    if (confirmed)
        setFont(chosen);
}
