#pragma once

#include "mirokit_global.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

/*!
    A coloured box with a title, an optional subtitle and an optional black separator line under
    it, as put at the top of wizards and forms.
*/
class MIROKIT_EXPORT ZCHeaderBox : public QWidget
{
    Q_OBJECT

public:
    //! separator: a black line is drawn under the titles.
    ZCHeaderBox(const QColor& textColor, const QColor& backgroundColor, const QString& title,
                double titleScale, const QString& subtitle, bool separator, QWidget* parent = nullptr);
    ~ZCHeaderBox() override;

    void SetTexto(const QString& title);

private:
    static QWidget* createSeparator();
    void scaleTitleFont(double scale);

    QVBoxLayout* m_layout;
    QLabel* m_title;
    QLabel* m_subtitle = nullptr;
};
