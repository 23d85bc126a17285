#include "zclockwidget.h"

#include "zfont.h"

#include <QPainter>
#include <QTimer>
#include <QtMath>

namespace {

// The dial is drawn in a square of this many logical units, whatever the widget's size.
constexpr double logicalSize = 240.0;
// UTC offsets beyond a day are no time zone; they are clamped to it.
constexpr int maximumUtcHours = 24;

QFont fontOfSize(int pointSize)
{
    QFont font;
    font.setPointSize(pointSize);
    return font;
}

QRadialGradient radial(double radius, const QPointF& focal, const QGradientStops& stops)
{
    QRadialGradient gradient(QPointF(0, 0), radius, focal);
    gradient.setStops(stops);
    return gradient;
}

void fillRotated(QPainter& painter, double degrees, const QPolygonF& hand)
{
    painter.save();
    painter.rotate(degrees);
    painter.drawPolygon(hand);
    painter.restore();
}

} // namespace

ZClockWidget::ZClockWidget(QWidget* parent)
    : ZCDosCapasWidget(parent)
    , m_fontDigitos(fontOfSize(23))
    , m_fontFecha(fontOfSize(21))
    , m_fontHora(fontOfSize(30))
    , m_fontDia(fontOfSize(16))
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &ZClockWidget::updateTime);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setWindowTitle(tr("Reloj"));
    resize(220, 220);
    m_timer->start();
    update();
}

ZClockWidget::~ZClockWidget() = default;

void ZClockWidget::SetFontDigitos(const QFont& font)
{
    setBackgroundField(m_fontDigitos, font);
}

void ZClockWidget::SetFontFecha(const QFont& font)
{
    setBackgroundField(m_fontFecha, font);
}

void ZClockWidget::SetFontHora(const QFont& font)
{
    setBackgroundField(m_fontHora, font);
}

void ZClockWidget::SetFontDia(const QFont& font)
{
    setBackgroundField(m_fontDia, font);
}

void ZClockWidget::SetColorBase(const QColor& color)
{
    setBackgroundField(m_colorBase, color);
}

void ZClockWidget::SetColorDigitos(const QColor& color)
{
    setBackgroundField(m_colorDigitos, color);
}

void ZClockWidget::SetColorFecha(const QColor& color)
{
    setBackgroundField(m_colorFecha, color);
}

void ZClockWidget::SetColorHora(const QColor& color)
{
    setBackgroundField(m_colorHora, color);
}

void ZClockWidget::SetColorDia(const QColor& color)
{
    setBackgroundField(m_colorDia, color);
}

void ZClockWidget::setDigitOffset(int offset)
{
    setBackgroundField(m_digitOffset, offset);
}

void ZClockWidget::setDateOffset(int offset)
{
    setBackgroundField(m_dateOffset, offset);
}

void ZClockWidget::setTimeOffset(int offset)
{
    setBackgroundField(m_timeOffset, offset);
}

void ZClockWidget::setDayOffset(int offset)
{
    setBackgroundField(m_dayOffset, offset);
}

ZFont* ZClockWidget::GetFont()
{
    return ZFont::CreateFor(this);
}

void ZClockWidget::SetFont(ZFont* font)
{
    ZFont::ApplyTo(this, font);
}

// Showing a given value stops following the system clock.
void ZClockWidget::freeze(const QDateTime& shown)
{
    m_dateTime = shown;
    m_running = false;
    m_timer->stop();
    update();
}

void ZClockWidget::setTime(const QTime& time)
{
    QDateTime shown = m_dateTime;
    shown.setTime(time);
    freeze(shown);
}

void ZClockWidget::setDate(const QDate& date)
{
    QDateTime shown = m_dateTime;
    shown.setDate(date);
    freeze(shown);
}

void ZClockWidget::setDateTime(const QDateTime& datetime)
{
    freeze(datetime);
}

void ZClockWidget::setLocal()
{
    m_utc = false;
}

void ZClockWidget::setUTC(int nHoras)
{
    m_utc = true;
    m_utcHours = qBound(-maximumUtcHours, nHoras, maximumUtcHours);
}

void ZClockWidget::setRunning(bool running)
{
    m_running = running;
    if (running)
        m_timer->start();
    else
        m_timer->stop();
    update();
}

void ZClockWidget::setShowCurrentDateTime(bool show)
{
    setRunning(show);
}

void ZClockWidget::start()
{
    if (!m_running)
        setRunning(true);
}

void ZClockWidget::stop()
{
    if (m_running)
        setRunning(false);
}

void ZClockWidget::updateTime()
{
    if (m_utc)
        m_dateTime = QDateTime::currentDateTimeUtc().addSecs(qint64(m_utcHours) * 3600);
    else
        m_dateTime = QDateTime::currentDateTime();
    if (isVisible())
        update();
}

void ZClockWidget::InitCoordinateSystem(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2, height() / 2);
    const double scale = qMin(width(), height()) / logicalSize;
    painter.scale(scale, scale);
}

void ZClockWidget::paintBackground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    paintFace(painter);
    if (m_digitOffset != 0)
        paintNumerals(painter);
}

void ZClockWidget::paintFace(QPainter& painter)
{
    const QPen blackPen(Qt::black, 2);
    painter.setPen(blackPen);
    painter.setBrush(radial(135, QPointF(-27.5, 110), {{0.0, Qt::white}, {1.0, m_colorBase}}));
    painter.drawEllipse(-116, -116, 232, 232);
    painter.setPen(Qt::NoPen);
    painter.setBrush(radial(170, QPointF(57.5, 100), {{0.0, m_colorBase}, {1.0, Qt::white}}));
    painter.drawEllipse(-109, -109, 218, 218);
    painter.setPen(blackPen);
    painter.setBrush(radial(122, QPointF(-12, -15),
                            {{0.0, Qt::white}, {0.5, QColor(240, 240, 240)}, {1.0, QColor(215, 215, 215)}}));
    painter.drawEllipse(-102, -102, 204, 204);

    painter.setBrush(Qt::black);
    for (int hour = 0; hour < 12; ++hour) {
        painter.drawEllipse(94, -2, 4, 4);
        painter.rotate(30);
    }
    for (int minute = 0; minute < 60; ++minute) {
        if (minute % 5 != 0)
            painter.drawLine(94, 0, 97, 0);
        painter.rotate(6);
    }
}

// Twelve stands at the top, three at the right.
void ZClockWidget::paintNumerals(QPainter& painter)
{
    painter.setFont(m_fontDigitos);
    painter.setPen(m_colorDigitos);
    const QFontMetrics metrics = painter.fontMetrics();
    for (int n = 1; n <= 12; ++n) {
        const QString text = QString::number(n);
        const QSize size = metrics.size(Qt::TextSingleLine, text);
        const double angle = n * M_PI / 6 - M_PI / 2;
        painter.save();
        painter.translate(std::cos(angle) * m_digitOffset, std::sin(angle) * m_digitOffset);
        painter.drawText(QPointF(-size.width() * 0.5, size.height() * 0.25), text);
        painter.restore();
    }
}

void ZClockWidget::paintForeground(QPainter& painter)
{
    InitCoordinateSystem(painter);
    const QDate date = m_dateTime.date();
    if (m_timeOffset != 0)
        paintTextLine(painter, m_fontHora, m_colorHora, m_dateTime.time().toString(QStringLiteral("hh:mm")),
                      m_timeOffset, true);
    if (m_dateOffset != 0)
        paintTextLine(painter, m_fontFecha, m_colorFecha, date.toString(QStringLiteral("dd.MM.yyyy")),
                      -double(m_dateOffset), false);
    if (m_dayOffset != 0)
        paintTextLine(painter, m_fontDia, m_colorDia, date.toString(QStringLiteral("dddd")),
                      -double(m_dayOffset), false);
    paintHands(painter);
}

// A centred line of text with its baseline at y, or at y below the text's height.
void ZClockWidget::paintTextLine(QPainter& painter, const QFont& font, const QColor& color, const QString& text,
                                 double y, bool belowHeight)
{
    painter.setFont(font);
    painter.setPen(color);
    const QSize size = painter.fontMetrics().size(Qt::TextSingleLine, text);
    painter.drawText(QPointF(-size.width() * 0.5, belowHeight ? size.height() + y : y), text);
}

void ZClockWidget::paintHands(QPainter& painter)
{
    const QTime time = m_dateTime.time();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    fillRotated(painter, (time.hour() + time.minute() / 60.0) * 30,
                QPolygonF({QPointF(-2, 18), QPointF(2, 18), QPointF(2, -60), QPointF(-2, -60)}));
    fillRotated(painter, (time.minute() + time.second() / 60.0) * 6,
                QPolygonF({QPointF(-2, 28), QPointF(2, 28), QPointF(2, -80), QPointF(-2, -80)}));
    painter.setBrush(Qt::red);
    fillRotated(painter, time.second() * 6,
                QPolygonF({QPointF(-1, 0), QPointF(-1, -90), QPointF(1, -90), QPointF(1, 0), QPointF(4, 35),
                           QPointF(-4, 35)}));
    painter.drawEllipse(-5, -5, 10, 10);
}
