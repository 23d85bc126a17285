// "Calendario": a month view whose days are coloured by rules attached at three levels (weekends
// on the window, holidays on the host's control frame, a date range on the calendar itself),
// with its options, and the same calendar as a pop-up under a button.
#include "gallerypage.h"

#include <Mirokit/ZCCalendar.h>
#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

// The host's control frame: the day-style rules recognise it by this class name.
class ZCPVControl : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;
};

namespace {

const QColor weekendColor(0xfd, 0xe2, 0xe1);
const QColor holidayColor(0xff, 0xcc, 0x80);
const QColor rangeColor(0xc8, 0xe6, 0xc9);

QString dateText(const QDate& date)
{
    return QLocale().toString(date, QLocale::LongFormat);
}

// A coloured square and what it stands for.
QWidget* legendEntry(const QColor& color, const QString& text)
{
    auto* entry = new QWidget;
    auto* layout = new QHBoxLayout(entry);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* swatch = new QLabel;
    swatch->setFixedSize(16, 16);
    swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #888;").arg(color.name()));
    layout->addWidget(swatch);
    layout->addWidget(new QLabel(text), 1);
    return entry;
}

// Today's month with the rules of every level: the window, the control frame, the calendar.
QMainWindow* createRuledWindow(ZCCalendar** calendarOut)
{
    auto* window = new QMainWindow;
    window->setWindowFlags(Qt::Widget); // a main window living inside the page
    auto* control = new ZCPVControl;
    control->setFrameStyle(QFrame::Box);
    auto* controlLayout = new QVBoxLayout(control);
    auto* calendar = new ZCCalendar(control);
    calendar->setAutoescalaFont(true);
    controlLayout->addWidget(calendar);
    window->setCentralWidget(control);

    ZCGestorEstiloCalendario* gestor = GetGestorEstiloCalendario();
    gestor->LoadEstiloFromParams(window, weekendColor, QColor(), QStringLiteral("6,7"), QString(), {});
    gestor->LoadEstiloFromParams(control, holidayColor, QColor(0x8a, 0x3c, 0x00), QString(),
                                 QStringLiteral("1/1,6/1,1/5,15/8,12/10,1/11,6/12,8/12,25/12"), {});
    const QDate today = QDate::currentDate();
    QList<QDate> range;
    for (int day = 10; day <= 16; ++day)
        range.append(QDate(today.year(), today.month(), day));
    calendar->setCalendarStyle(rangeColor, QColor(0x1b, 0x5e, 0x20), QString(), QString(), range);
    *calendarOut = calendar;
    return window;
}

QWidget* createCalendarPage()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);

    ZCCalendar* calendar = nullptr;
    QMainWindow* window = createRuledWindow(&calendar);
    window->setMinimumSize(420, 340);
    layout->addWidget(window, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);

    auto* legend = new QGroupBox(QStringLiteral("Reglas"));
    auto* legendLayout = new QVBoxLayout(legend);
    legendLayout->addWidget(legendEntry(weekendColor, QStringLiteral("Fines de semana (ventana principal)")));
    legendLayout->addWidget(legendEntry(holidayColor, QStringLiteral("Festivos (marco de control)")));
    legendLayout->addWidget(legendEntry(rangeColor, QStringLiteral("Del 10 al 16 (el propio calendario)")));
    side->addWidget(legend);

    auto* options = new QGroupBox(QStringLiteral("Opciones"));
    auto* optionsLayout = new QFormLayout(options);
    auto* sundayFirst = new QCheckBox(QStringLiteral("La semana empieza en domingo"));
    auto* autoScale = new QCheckBox(QStringLiteral("Fuente que crece con el calendario"));
    autoScale->setChecked(true);
    auto* selected = new QLabel(dateText(calendar->getFecha()));
    optionsLayout->addRow(sundayFirst);
    optionsLayout->addRow(autoScale);
    optionsLayout->addRow(QStringLiteral("Elegida:"), selected);
    side->addWidget(options);
    QObject::connect(sundayFirst, &QCheckBox::toggled, calendar, &ZCCalendar::setDomingoFirst);
    QObject::connect(autoScale, &QCheckBox::toggled, calendar, &ZCCalendar::setAutoescalaFont);
    QObject::connect(calendar, &ZCCalendar::fechaSelected, selected,
                     [selected](const QDate& date) { selected->setText(dateText(date)); });

    auto* popupBox = new QGroupBox(QStringLiteral("Emergente"));
    auto* popupLayout = new QVBoxLayout(popupBox);
    auto* open = new QPushButton(QStringLiteral("Elegir fecha…"));
    auto* picked = new QLabel(QStringLiteral("Ninguna"));
    popupLayout->addWidget(open);
    popupLayout->addWidget(picked);
    side->addWidget(popupBox);
    side->addStretch();
    QObject::connect(open, &QPushButton::clicked, open, [open, picked] {
        // Under the button, or above it near the bottom of the screen; gone once a day is picked.
        auto* popup = new ZCCalendar(open, QDate::currentDate(), true);
        popup->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(popup, &ZCCalendar::fechaSelected, picked,
                         [picked](const QDate& date) { picked->setText(dateText(date)); });
        popup->show();
    });
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(65, "Calendario", createCalendarPage);

#include "calendarpage.moc"
