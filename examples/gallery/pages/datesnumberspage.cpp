// "Fechas y números": the date, date-time and time editors with their empty value, the same
// editors with a pick button, the calendar pop-up and its day rules, the three number formats,
// and the site-wide date format stored under "DateFormat".
#include "gallerypage.h"

#include <Mirokit/ZCCalendarWidget.h>
#include <Mirokit/ZCGestorEstiloCalendario.h>
#include <Mirokit/ZCSettings.h>
#include <Mirokit/ZDateEdit.h>
#include <Mirokit/ZDateEditBrowser.h>
#include <Mirokit/ZDateTimeEdit.h>
#include <Mirokit/ZDateTimeEditBrowser.h>
#include <Mirokit/ZNumberSpinBox.h>
#include <Mirokit/ZNumberSpinBoxBrowser.h>
#include <Mirokit/ZTimeEdit.h>
#include <Mirokit/ZTimeEditBrowser.h>

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString dateFormatKey = QStringLiteral("DateFormat");
const QColor weekendColor(0xfd, 0xe2, 0xe1);

// Weekends in pink and Christmas in red, in the pop-up calendar of every date editor here.
template<typename Editor>
void styleCalendar(Editor* editor)
{
    editor->setCalendarStyle(weekendColor, QColor(), QStringLiteral("6,7"));
    editor->setCalendarStyle(QColor(Qt::red), QColor(Qt::white), QString(), QStringLiteral("25/12"));
}

// An editor with a "Vaciar" button beside it and a label that tells what date() returns.
QWidget* withEmptyButton(ZDateTimeEdit* edit)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* clear = new QPushButton(QStringLiteral("Vaciar"));
    auto* value = new QLabel;
    const auto report = [edit, value] {
        value->setText(edit->dateTime().isNull() ? QStringLiteral("(vacío)")
                                                 : QLocale().toString(edit->dateTime(), QLocale::ShortFormat));
    };
    QObject::connect(clear, &QPushButton::clicked, edit, [edit] { edit->setDateTime(QDateTime()); });
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, value, report);
    report();
    layout->addWidget(edit, 1);
    layout->addWidget(clear);
    layout->addWidget(value, 1);
    return row;
}

QWidget* editorsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Vacíos con Supr sobre todo el texto; una cifra los llena"));
    auto* form = new QFormLayout(box);
    auto* date = new ZDateEdit(QDate::currentDate(), nullptr);
    date->setCalendarPopup(true);
    styleCalendar(date);
    form->addRow(QStringLiteral("Fecha (F4 abre el calendario):"), withEmptyButton(date));
    auto* dateTime = new ZDateTimeEdit;
    form->addRow(QStringLiteral("Fecha y hora, vacía:"), withEmptyButton(dateTime));
    form->addRow(QStringLiteral("Hora:"), new ZTimeEdit(QTime(9, 30), nullptr));
    return box;
}

// The pick button (the library's calendar, clock or calculator icon) is as wide as its icon; the
// theme's roomy button padding would hide it.
void fitPickButton(ZAbstractBrowser* browser)
{
    browser->setStyleSheet(QStringLiteral("QToolButton { padding: 1px; }"));
}

QWidget* browsersBox()
{
    auto* box = new QGroupBox(QStringLiteral("Con botón de selección"));
    auto* form = new QFormLayout(box);

    auto* date = new ZDateEditBrowser(nullptr, false);
    fitPickButton(date);
    date->setCalendarPopup(true);
    styleCalendar(date);
    form->addRow(QStringLiteral("Fecha (el botón abre el calendario):"), date);

    auto* dateTime = new ZDateTimeEditBrowser(nullptr, false);
    fitPickButton(dateTime);
    dateTime->SetShowCalendarOnFocus(true);
    form->addRow(QStringLiteral("Fecha y hora (calendario al entrar):"), dateTime);

    auto* time = new ZTimeEditBrowser(nullptr, false);
    fitPickButton(time);
    time->setTime(QTime(18, 0));
    form->addRow(QStringLiteral("Hora:"), time);

    auto* amount = new ZNumberSpinBoxBrowser(nullptr, false);
    fitPickButton(amount);
    amount->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    amount->setRange(0, 1e6);
    amount->setNumericFormat(ZNumberSpinBox::NFormatLocalCurrency);
    amount->setSuffix(QStringLiteral(" €"));
    amount->setValue(2599.9);
    form->addRow(QStringLiteral("Importe:"), amount);
    return box;
}

QWidget* numbersBox()
{
    auto* box = new QGroupBox(QStringLiteral("Números en español; con el foco, sin separadores"));
    auto* form = new QFormLayout(box);
    const QList<QPair<QString, int>> formats{{QStringLiteral("Sin formato:"), ZNumberSpinBox::NFormatNone},
                                            {QStringLiteral("Local:"), ZNumberSpinBox::NFormatLocal},
                                            {QStringLiteral("Moneda local, sin símbolo:"), ZNumberSpinBox::NFormatLocalCurrency}};
    for (const auto& format : formats) {
        auto* spin = new ZNumberSpinBox;
        spin->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
        spin->setRange(-1e9, 1e9);
        spin->setDecimals(2);
        spin->setNumericFormat(format.second);
        spin->setValue(1234567.891);
        form->addRow(format.first, spin);
    }
    return box;
}

QWidget* calendarBox()
{
    auto* box = new QGroupBox(QStringLiteral("El calendario del desplegable"));
    auto* layout = new QVBoxLayout(box);
    auto* calendar = new ZCCalendarWidget;
    calendar->SetIsValidDate(true);  // as if its editor held the date below
    calendar->setSelectedDate(QDate(QDate::currentDate().year(), 12, 24));
    GetGestorEstiloCalendario()->LoadEstiloFromParams(calendar, weekendColor, QColor(), QStringLiteral("6,7"),
                                                      QString(), {});
    GetGestorEstiloCalendario()->LoadEstiloFromParams(calendar, QColor(Qt::red), QColor(Qt::white), QString(),
                                                      QStringLiteral("25/12"), {});
    layout->addWidget(calendar);
    layout->addWidget(new QLabel(QStringLiteral("Hoy en verde oscuro y negrita; fines de semana y Navidad "
                                                "según las reglas de días; F4 lo cierra")));
    return box;
}

// The editors and the browsers side by side; made again when the date format changes.
QWidget* dateEditors()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editorsBox(), 1);
    layout->addWidget(browsersBox(), 1);
    return row;
}

// Date editors read "DateFormat" when they are made: a new format rebuilds them.
QWidget* dateFormatSwitch(QVBoxLayout* pageLayout)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* formats = new QComboBox;
    formats->addItem(QStringLiteral("(el de Qt)"));
    for (const char* format : {"dd/MM/yyyy", "yyyy-MM-dd", "dd.MM.yy"})
        formats->addItem(QString::fromLatin1(format), QString::fromLatin1(format));
    formats->setCurrentIndex(std::max(0, formats->findData(ZCSettings().value(dateFormatKey))));
    QObject::connect(formats, QOverload<int>::of(&QComboBox::currentIndexChanged), row, [=] {
        ZCSettings settings;
        if (formats->currentData().isValid())
            settings.setValue(dateFormatKey, formats->currentData());
        else
            settings.remove(dateFormatKey);
        QLayoutItem* old = pageLayout->takeAt(1);
        delete old->widget();
        delete old;
        pageLayout->insertWidget(1, dateEditors());
    });
    layout->addWidget(new QLabel(QStringLiteral("Formato de fecha guardado en DateFormat:")));
    layout->addWidget(formats);
    layout->addStretch();
    return row;
}

QWidget* createDatesNumbersPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(dateFormatSwitch(layout));
    layout->addWidget(dateEditors());
    auto* columns = new QHBoxLayout;
    columns->addWidget(numbersBox(), 1);
    columns->addWidget(calendarBox(), 1);
    layout->addLayout(columns);
    layout->addStretch();
    return page;
}

} // namespace

MIROKIT_GALLERY_PAGE(66, "Fechas y números", createDatesNumbersPage);
