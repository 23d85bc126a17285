#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QCalendarWidget>

/*!
    The month calendar that the date editors drop down. Its days take their colours from the
    day-style rules of GetGestorEstiloCalendario(), with which it registers itself; today is
    drawn in black weight and dark green. While the editor that owns it is empty it opens on
    today. F4 inside the drop-down closes it, as F4 in the editor opened it.
*/
class MIROKIT_EXPORT ZCCalendarWidget : public QCalendarWidget
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZCCalendarWidget(QWidget* parent = nullptr);
    ~ZCCalendarWidget() override;

    // Whether the owning editor holds a date; an empty editor's calendar opens on today.
    void SetIsValidDate(bool valid);
    bool IsValidDate() const { return m_validDate; }

protected:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void paintCell(QPainter* painter, const QRect& rect, const QDate& date) const override;
#else
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
#endif
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);
    void emphasizeToday();
    void dropTypedDate();

    QDate m_emphasizedDay;
    bool m_validDate = false;
};
