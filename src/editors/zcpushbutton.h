#pragma once

#include "mirokit_global.h"

#include <QPushButton>

/*!
    Push button whose icon comes from the current style theme. With the themed-icon flag the
    icon follows the pointer: drawn in the theme's hover colours while the pointer is over the
    button, in its pressed colours while it is pressed, and normal otherwise. Style sheets reach
    such buttons through the property cssClass "icon" and the object name, which is the icon's.
*/
class MIROKIT_EXPORT ZCPushButton : public QPushButton
{
    Q_OBJECT

public:
    //! themedIcon: the icon takes the theme's hover and pressed colours as the pointer moves.
    explicit ZCPushButton(QWidget* parent = nullptr, const QString& iconName = QString(),
                          bool themedIcon = false);

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void enterEvent(QEvent* event) override;
#else
    void enterEvent(QEnterEvent* event) override;
#endif
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showIconState(int state);

    bool m_themedIcon;
};
