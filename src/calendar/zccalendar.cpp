#include "zccalendar.h"

#include "zccalendaritem.h"
#include "zcgestorestilocalendario.h"
#include "zcpopupplacement_p.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int firstYear = 1; // there is no year 0
constexpr int lastYear = 4000;
constexpr int rows = 6;
constexpr int columns = 7;

// Applies `font` to a widget only when it differs, so that a resize does not re-lay out the
// selectors and labels for nothing.
void applyFont(QWidget* widget, const QFont& font)
{
    if (widget->font() != font)
        widget->setFont(font);
}

} // namespace

ZCCalendar::ZCCalendar(QWidget* parent, QDate fecha, bool bPopup)
    : QFrame(parent, bPopup ? Qt::Popup : Qt::WindowFlags())
    , m_layout(new QVBoxLayout(this))
    , m_selectorsLayout(new QHBoxLayout)
    , m_weekdaysLayout(new QHBoxLayout)
    , m_daysLayout(new QGridLayout)
    , m_weekdaysFrame(new QFrame(this))
    , m_mes(new QComboBox(this))
    , m_anyo(new QSpinBox(this))
    , m_fecha(isInRange(fecha) ? fecha : QDate::currentDate())
    , m_font(font())
    , m_fontAutoescalable(m_font)
{
    setFrameStyle(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    setFocusPolicy(Qt::StrongFocus);
    initControles();
    GetGestorEstiloCalendario()->EntraWidget(this);
    refill();
}

ZCCalendar::~ZCCalendar()
{
    GetGestorEstiloCalendario()->SaleWidget(this);
}

void ZCCalendar::initControles()
{
    const QLocale locale;
    for (int month = 1; month <= 12; ++month)
        m_mes->addItem(locale.monthName(month, QLocale::LongFormat));
    m_mes->setFocusPolicy(Qt::NoFocus);
    m_mes->setFont(m_font);
    m_mes->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    m_anyo->setFocusPolicy(Qt::NoFocus);
    m_anyo->setFont(m_font);
    m_anyo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_anyo->setRange(firstYear, lastYear);
    m_anyo->setMinimumHeight(20);
    showMonthOf(m_fecha);
    m_selectorsLayout->addWidget(m_mes);
    m_selectorsLayout->addWidget(m_anyo);

    m_weekdaysLayout->setContentsMargins(0, 0, 0, 0);
    m_weekdaysFrame->setLayout(m_weekdaysLayout);
    // White names on a band of the highlight colour, so they read on any palette until
    // setColorFondo() and setColorTexto() choose others.
    QPalette weekdaysPalette = m_weekdaysFrame->palette();
    weekdaysPalette.setColor(QPalette::WindowText, Qt::white);
    weekdaysPalette.setColor(QPalette::Window, weekdaysPalette.color(QPalette::Highlight));
    m_weekdaysFrame->setPalette(weekdaysPalette);
    m_weekdaysFrame->setAutoFillBackground(true);
    for (int column = 0; column < columns; ++column) {
        auto* label = new QLabel(m_weekdaysFrame);
        label->setFont(m_font);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        label->setAlignment(Qt::AlignCenter);
        m_weekdaysLayout->addWidget(label);
        m_weekdayLabels.append(label);
    }
    labelWeekdays();

    m_daysLayout->setSpacing(0);
    for (int i = 0; i < rows * columns; ++i) {
        auto* item = new ZCCalendarItem(this);
        m_daysLayout->addWidget(item, i / columns, i % columns);
        m_items.append(item);
    }

    m_layout->setSpacing(1);
    m_layout->addLayout(m_selectorsLayout, 1);
    m_layout->addWidget(m_weekdaysFrame, 1);
    m_layout->addLayout(m_daysLayout, 5);

    connect(m_mes, QOverload<int>::of(&QComboBox::activated), this, &ZCCalendar::onChangeFecha);
    m_anyo->setAccessibleName(tr("Año"));
    connect(m_anyo, QOverload<int>::of(&QSpinBox::valueChanged), this, &ZCCalendar::onChangeFecha);
}

void ZCCalendar::labelWeekdays()
{
    const QLocale locale;
    for (int column = 0; column < columns; ++column) {
        // Qt numbers the days from Monday (1) to Sunday (7).
        const int day = m_domingoFirst ? (column + 6) % 7 + 1 : column + 1;
        m_weekdayLabels.at(column)->setText(locale.dayName(day, QLocale::ShortFormat));
    }
}

void ZCCalendar::setFecha(const QDate& fecha)
{
    if (!isInRange(fecha))
        return;
    m_fecha = fecha;
    showMonthOf(fecha);
    refill();
}

void ZCCalendar::selectDia(int dia)
{
    const QDate fecha(m_anyo->value(), m_mes->currentIndex() + 1, dia);
    if (fecha.isValid())
        announce(fecha);
}

void ZCCalendar::setFont(const QFont& font)
{
    m_font = font;
    m_fontAutoescalable = font;
    updateScaledFont();
}

void ZCCalendar::setAutoescalaFont(bool autoescala)
{
    if (m_autoescalaFont == autoescala)
        return;
    m_autoescalaFont = autoescala;
    updateScaledFont();
}

void ZCCalendar::setDomingoFirst(bool domingoFirst)
{
    if (m_domingoFirst == domingoFirst)
        return;
    m_domingoFirst = domingoFirst;
    labelWeekdays();
    refill();
}

void ZCCalendar::setColorFondo(const QColor& colorCalendario, const QColor& colorDiasSemana)
{
    const auto paint = [](QWidget* widget, const QColor& color) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, color);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    };
    paint(this, colorCalendario);
    paint(m_weekdaysFrame, colorDiasSemana);
}

void ZCCalendar::setColorTexto(const QColor& colorCalendario, const QColor& colorDiasSemana)
{
    const auto paint = [](QWidget* widget, const QColor& color) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, color);
        widget->setPalette(palette);
    };
    paint(this, colorCalendario);
    paint(m_weekdaysFrame, colorDiasSemana);
}

QColor ZCCalendar::getColorTextoItem() const
{
    return palette().color(QPalette::WindowText);
}

void ZCCalendar::SetImagenFondo(const QPixmap& imagen, ZCDrawer::EMIAspectoDibujoGeneric aspecto)
{
    m_imagenFondo = imagen;
    m_aspectoImagenFondo = aspecto;
    update();
}

void ZCCalendar::RePaint()
{
    refill();
}

QSize ZCCalendar::sizeHint() const
{
    const QFontMetrics metrics(m_fontAutoescalable);
    const int zero = metrics.horizontalAdvance(QLatin1Char('0'));
    const int line = metrics.height();
    const QSize days(columns * 3 * zero, rows * line);
    const QSize weekdays(columns * 4 * zero + 2 * qMax(0, m_weekdaysLayout->spacing()), line);
    const QSize selectors = m_mes->sizeHint() + m_anyo->sizeHint();
    return {qMax(qMax(days.width(), weekdays.width()), selectors.width()),
            days.height() + weekdays.height() + selectors.height()};
}

void ZCCalendar::setVisible(bool visible)
{
    // Placed on every show, whoever calls it: the anchor may have moved since the last one.
    if (visible && isPopup() && parentWidget()) {
        adjustSize();
        ZCPopupPlacement::placeUnder(this, parentWidget());
    }
    QFrame::setVisible(visible);
}

void ZCCalendar::show()
{
    QFrame::show();
}

void ZCCalendar::setCalendarStyle(const QColor& bgColor, const QColor& fgColor, const QString& szDaysOfWeek,
                                  const QString& szDayMonths, const QList<QDate>& aDates)
{
    GetGestorEstiloCalendario()->LoadEstiloFromParams(this, bgColor, fgColor, szDaysOfWeek, szDayMonths,
                                                      aDates);
    refill();
}

void ZCCalendar::onChangeFecha()
{
    refill();
}

void ZCCalendar::paintEvent(QPaintEvent* event)
{
    if (!m_imagenFondo.isNull()) {
        QPainter painter(this);
        ZCDrawer::DrawPixmapHdpi(&painter, rect(), m_aspectoImagenFondo, m_imagenFondo);
    }
    QFrame::paintEvent(event);
}

void ZCCalendar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_autoescalaFont)
        updateScaledFont();
}

void ZCCalendar::keyPressEvent(QKeyEvent* event)
{
    const QDate firstOfMonth(m_fecha.year(), m_fecha.month(), 1);
    QDate fecha;
    bool picks = false;
    switch (event->key()) {
    case Qt::Key_Left:
        fecha = m_fecha.addDays(-1);
        break;
    case Qt::Key_Right:
        fecha = m_fecha.addDays(1);
        break;
    case Qt::Key_Up:
        // From the first week, the last day of the previous month rather than a week back.
        fecha = m_fecha.day() > 7 ? m_fecha.addDays(-7) : firstOfMonth.addDays(-1);
        break;
    case Qt::Key_Down:
        fecha = m_fecha.day() + 7 <= m_fecha.daysInMonth() ? m_fecha.addDays(7) : firstOfMonth.addMonths(1);
        break;
    case Qt::Key_Return:
        // Inside a form Return belongs to the form's default button.
        if (!isPopup()) {
            QFrame::keyPressEvent(event);
            return;
        }
        Q_FALLTHROUGH();
    case Qt::Key_Space:
    case Qt::Key_Enter:
        fecha = m_fecha;
        picks = isPopup();
        break;
    default:
        QFrame::keyPressEvent(event); // ignored, so it reaches the parent; Escape closes a pop-up
        return;
    }
    event->accept();
    if (!isInRange(fecha))
        return; // the first or last day of the years a calendar shows
    QPointer<ZCCalendar> guard(this);
    announce(fecha);
    if (picks && guard)
        close();
}

void ZCCalendar::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    updateItems(); // the selected cell shows the focus frame
}

void ZCCalendar::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    updateItems();
}

void ZCCalendar::fillPaginaMes(int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    const QDate hoy = QDate::currentDate();
    // One pass over the rules for the whole month gives what a lookup per day would.
    const QVector<ZCGestorEstiloCalendario::ColoresDia> colores =
        GetGestorEstiloCalendario()->GetColoresMes(this, year, month, hoy, m_fecha);
    const int leading = m_domingoFirst ? first.dayOfWeek() % 7 : first.dayOfWeek() - 1;
    for (int i = 0; i < m_items.size(); ++i) {
        const int dia = i - leading + 1;
        if (dia < 1 || dia > colores.size()) {
            m_items.at(i)->Clear();
            continue;
        }
        const QDate fecha = first.addDays(dia - 1);
        const ZCGestorEstiloCalendario::ColoresDia& color = colores.at(dia - 1);
        m_items.at(i)->SetDia(dia, fecha.dayOfWeek() == Qt::Sunday, fecha == hoy, fecha == m_fecha,
                              color.fondo, color.texto);
    }
}

void ZCCalendar::refill()
{
    fillPaginaMes(m_anyo->value(), m_mes->currentIndex() + 1);
}

void ZCCalendar::showMonthOf(const QDate& fecha)
{
    // Moved together, then filled once: each selector's own signal would fill a page
    // that mixes the new month with the old year.
    const QSignalBlocker blockMes(m_mes);
    const QSignalBlocker blockAnyo(m_anyo);
    m_mes->setCurrentIndex(fecha.month() - 1);
    m_anyo->setValue(fecha.year());
}

void ZCCalendar::announce(const QDate& fecha)
{
    m_fecha = fecha;
    showMonthOf(fecha);
    refill();
    emit fechaSelected(fecha);
}

void ZCCalendar::pickDia(int dia)
{
    QPointer<ZCCalendar> guard(this);
    selectDia(dia);
    if (guard && isPopup())
        close();
}

void ZCCalendar::updateScaledFont()
{
    QFont scaled = m_font;
    if (m_autoescalaFont) {
        const int points = qMin(width(), height()) * 5 / 100;
        if (points > m_font.pointSize())
            scaled.setPointSize(points);
    }
    m_fontAutoescalable = scaled;
    applyFont(m_mes, scaled);
    applyFont(m_anyo, scaled);
    if (scaled.pointSize() > 0)
        m_mes->setIconSize(QSize(scaled.pointSize(), scaled.pointSize()));
    for (QLabel* label : qAsConst(m_weekdayLabels))
        applyFont(label, scaled);
    updateItems();
    updateGeometry();
}

void ZCCalendar::updateItems()
{
    for (ZCCalendarItem* item : qAsConst(m_items))
        item->update();
}

bool ZCCalendar::isPopup() const
{
    return windowType() == Qt::Popup;
}

bool ZCCalendar::isInRange(const QDate& fecha)
{
    return fecha.isValid() && fecha.year() >= firstYear && fecha.year() <= lastYear;
}
