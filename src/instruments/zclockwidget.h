#pragma once

#include "zcdoscapaswidget.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QColor>
#include <QDateTime>
#include <QFont>

class QTimer;

/*!
    An analogue clock with hour, minute and second hands, hour numerals and up to three text
    lines (time, date and weekday; each hidden while its offset is 0).

    It follows the system clock, ticking once a second, in local time or in UTC plus a whole
    number of hours, until a time, date or date-time is set: then it shows that value until
    start() or setShowCurrentDateTime(true).
*/
class MIROKIT_EXPORT ZClockWidget : public ZCDosCapasWidget
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZClockWidget(QWidget* parent = nullptr);
    ~ZClockWidget() override;

    const QFont& GetFontDigitos() const { return m_fontDigitos; }
    const QFont& GetFontFecha() const { return m_fontFecha; }
    const QFont& GetFontHora() const { return m_fontHora; }
    const QFont& GetFontDia() const { return m_fontDia; }
    void SetFontDigitos(const QFont& font);
    void SetFontFecha(const QFont& font);
    void SetFontHora(const QFont& font);
    void SetFontDia(const QFont& font);

    const QColor& GetColorBase() const { return m_colorBase; }
    const QColor& GetColorDigitos() const { return m_colorDigitos; }
    const QColor& GetColorFecha() const { return m_colorFecha; }
    const QColor& GetColorHora() const { return m_colorHora; }
    const QColor& GetColorDia() const { return m_colorDia; }
    void SetColorBase(const QColor& color);
    void SetColorDigitos(const QColor& color);
    void SetColorFecha(const QColor& color);
    void SetColorHora(const QColor& color);
    void SetColorDia(const QColor& color);

    int digitOffset() const { return m_digitOffset; }
    int dateOffset() const { return m_dateOffset; }
    int timeOffset() const { return m_timeOffset; }
    int dayOffset() const { return m_dayOffset; }
    void setDigitOffset(int offset);
    void setDateOffset(int offset);
    void setTimeOffset(int offset);
    void setDayOffset(int offset);

    Q_INVOKABLE QDateTime dateTime() const { return m_dateTime; }
    Q_INVOKABLE QDate date() const { return m_dateTime.date(); }
    Q_INVOKABLE QTime time() const { return m_dateTime.time(); }
    Q_INVOKABLE void setTime(const QTime& time);
    Q_INVOKABLE void setDate(const QDate& date);
    Q_INVOKABLE void setDateTime(const QDateTime& datetime);

    Q_INVOKABLE bool isLocal() const { return !m_utc; }
    Q_INVOKABLE void setLocal();
    Q_INVOKABLE void setUTC(int nHoras);

    Q_INVOKABLE bool isRunning() const { return m_running; }
    bool showCurrentDateTime() const { return m_running; }
    void setShowCurrentDateTime(bool show);
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

    ZFont* GetFont();
    void SetFont(ZFont* font);

protected:
    Q_INVOKABLE void updateTime();

    void InitCoordinateSystem(QPainter& painter);
    void paintBackground(QPainter& painter) override;
    void paintForeground(QPainter& painter) override;

private:
    void freeze(const QDateTime& shown);
    void setRunning(bool running);
    void paintFace(QPainter& painter);
    void paintNumerals(QPainter& painter);
    void paintTextLine(QPainter& painter, const QFont& font, const QColor& color, const QString& text,
                       double y, bool belowHeight);
    void paintHands(QPainter& painter);

    QFont m_fontDigitos;
    QFont m_fontFecha;
    QFont m_fontHora;
    QFont m_fontDia;
    int m_digitOffset = 75;
    int m_dateOffset = 0;
    int m_timeOffset = 0;
    int m_dayOffset = 0;
    QColor m_colorBase = QColor(128, 128, 128);
    QColor m_colorDigitos = QColor(0, 0, 0);
    QColor m_colorFecha = QColor(0, 0, 0);
    QColor m_colorHora = QColor(0, 0, 192);
    QColor m_colorDia = QColor(0, 96, 0);
    QDateTime m_dateTime = QDateTime::currentDateTime();
    bool m_running = true;
    bool m_utc = false;
    int m_utcHours = 0;
    QTimer* m_timer;
};
