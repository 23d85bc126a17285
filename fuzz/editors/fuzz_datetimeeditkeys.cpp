// Key sequences typed into a date editor and a date-time editor (with the calendar pop-up on,
// so that F4 opens and closes it): digits, letters, Backspace and Delete over the whole text or
// part of it, arrows, Tab, Enter, F4, Escape, steps and null values in between. After every
// key the editor is empty or holds a valid value and date() and dateTime() agree.
//
// The same keys, the keypad point among them, go to a number editor in every display format,
// with focus changes in between: its value stays finite and in range, and taking the focus
// never changes it.
#include "fuzzapplication.h"
#include "fuzzinput.h"

#include <Mirokit/ZDateEdit.h>
#include <Mirokit/ZDateTimeEdit.h>
#include <Mirokit/ZNumberSpinBox.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void startApplication()
{
    ensureFuzzApplication();
}

ZDateTimeEdit* editorFor(bool dateOnly)
{
    static ZDateEdit* date = [] {
        auto* edit = new ZDateEdit;
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setCalendarPopup(true);
        return edit;
    }();
    static ZDateTimeEdit* dateTime = [] {
        auto* edit = new ZDateTimeEdit;
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
        edit->setCalendarPopup(true);
        return edit;
    }();
    return dateOnly ? static_cast<ZDateTimeEdit*>(date) : dateTime;
}

const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_5, Qt::Key_9, Qt::Key_A,
                        Qt::Key_Slash, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Up,
                        Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab,
                        Qt::Key_Return, Qt::Key_F4, Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_Period,
                        Qt::Key_Comma, Qt::Key_Minus};

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QString text;
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Slash || key == Qt::Key_Space
        || key == Qt::Key_Period || key == Qt::Key_Comma || key == Qt::Key_Minus)
        text = QChar(key);
    else if (key == Qt::Key_A)
        text = QStringLiteral("a");
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
}

// The key goes where the user's would: into the pop-up while it is open.
QWidget* keyTarget(ZDateTimeEdit* edit)
{
    QCalendarWidget* calendar = edit->calendarWidget();
    if (calendar && calendar->window()->isVisible())
        return calendar->window()->focusWidget() ? calendar->window()->focusWidget() : calendar;
    return edit;
}

void check(ZDateTimeEdit* edit)
{
    const QDate date = edit->date();
    const QDateTime dateTime = edit->dateTime();
    if (date.isNull() != dateTime.isNull() || (!date.isNull() && (!date.isValid() || dateTime.date() != date)))
        std::abort();
    if (date.isNull() != !edit->IsValidDate())
        std::abort();
}

Qt::KeyboardModifiers modifiersFrom(FuzzInput& input)
{
    switch (input.next(6)) {
    case 0:
        return Qt::ShiftModifier;
    case 1:
        return Qt::KeypadModifier;
    default:
        return Qt::NoModifier;
    }
}

Qt::Key keyFrom(FuzzInput& input)
{
    return keys[input.next(int(sizeof(keys) / sizeof(keys[0])))];
}

void typeNumbers(FuzzInput& input)
{
    static ZNumberSpinBox* spin = [] {
        auto* box = new ZNumberSpinBox;
        box->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
        box->setRange(-1e7, 1e7);
        return box;
    }();
    spin->setNumericFormat(input.next(4));
    spin->setDecimals(input.next(5));
    spin->setValue(1234.5);
    while (!input.atEnd()) {
        if (input.next(6) == 0) {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(spin, &out);
            const double before = spin->value();
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(spin, &in);
            if (spin->value() != before)
                std::abort();
        } else {
            press(spin, keyFrom(input), modifiersFrom(input));
        }
        const double value = spin->value();
        if (!std::isfinite(value) || value < spin->minimum() || value > spin->maximum())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    startApplication();
    FuzzInput input(data, size);
    const int editor = input.next(3);
    if (editor == 2) {
        typeNumbers(input);
        return 0;
    }
    ZDateTimeEdit* edit = editorFor(editor == 0);
    edit->setDate(QDate(2024, 2, 10));
    while (!input.atEnd()) {
        switch (input.next(8)) {
        case 0:
            edit->selectAll();
            break;
        case 1:
            edit->setDate(QDate());
            break;
        case 2:
            edit->setDateTime(QDateTime(QDate(2024, 1 + input.next(12), 1 + input.next(31)), QTime(12, 0)));
            break;
        case 3:
            edit->stepBy(input.next(5) - 2);
            break;
        default:
            press(keyTarget(edit), keyFrom(input), modifiersFrom(input));
            break;
        }
        check(edit);
    }
    if (QCalendarWidget* calendar = edit->calendarWidget())
        calendar->window()->hide();
    return 0;
}
