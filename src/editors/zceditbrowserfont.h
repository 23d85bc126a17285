#pragma once

#include "zlineeditbrowser.h"

#include <QFont>

/*!
    A browser of a font: the line edit shows its description and the pick button opens the
    font dialog. setFont() sets the value edited, not the font the control is drawn with (the
    property font does that).
*/
class MIROKIT_EXPORT ZCEditBrowserFont : public ZLineEditBrowser
{
    Q_OBJECT

public:
    explicit ZCEditBrowserFont(QWidget* parent = nullptr);
    ~ZCEditBrowserFont() override;

    void setFont(const QFont& font);
    const QFont& getFont() const;

protected:
    void onPressBrowser() override;

private:
    QFont m_font;
};
