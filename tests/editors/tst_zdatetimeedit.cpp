#include "mirokittest.h"

#include <Mirokit/ZCCalendarWidget.h>
#include <Mirokit/ZCSettings.h>
#include <Mirokit/ZDateEdit.h>
#include <Mirokit/ZDateEditBrowser.h>
#include <Mirokit/ZDateTimeEdit.h>
#include <Mirokit/ZDateTimeEditBrowser.h>
#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QAbstractItemView>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Action { SetNull, SetHeld, SetHeldDayAtNoon, SetOther, DeleteAll, DeletePart, StepUp };
const QDate held(2024, 5, 17);

// A date editor on a known day, shown and focused, with its text in a known layout.
struct DateField {
    QWidget window;
    ZDateEdit* edit = new ZDateEdit(held, &window);
    QSignalSpy changes{edit, &QDateTimeEdit::dateChanged};

    DateField()
    {
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        window.show();
        QApplication::setActiveWindow(&window);
        if (QTest::qWaitForWindowActive(&window))
            edit->setFocus();
        changes.clear();
    }

    QLineEdit* lineEdit() const { return edit->findChild<QLineEdit*>(); }

    void apply(int action)
    {
        switch (action) {
        case SetNull:
            edit->setDate(QDate());
            break;
        case SetHeld:
            edit->setDate(held);
            break;
        case SetHeldDayAtNoon:
            edit->setDateTime(QDateTime(held, QTime(12, 30)));
            break;
        case SetOther:
            edit->setDate(held.addDays(3));
            break;
        case DeleteAll:
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            break;
        case DeletePart:
            lineEdit()->setSelection(0, 2);
            QTest::keyClick(edit, Qt::Key_Delete);
            break;
        case StepUp:
            QTest::keyClick(edit, Qt::Key_Up);
            break;
        }
    }
};

QWidget* calendarPopupOf(QDateTimeEdit* edit)
{
    return edit->calendarWidget() ? edit->calendarWidget()->window() : nullptr;
}

// Keys inside the pop-up go to the calendar's focused view, as the user's would.
void keyInCalendar(QDateTimeEdit* edit, Qt::Key key)
{
    QWidget* view = calendarPopupOf(edit)->focusWidget();
    QTest::keyClick(view ? view : edit->calendarWidget(), key);
}

class PaintableCalendar : public ZCCalendarWidget
{
public:
    using ZCCalendarWidget::paintCell;
};

} // namespace

class TestZDateTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void startingValues_data();
    void startingValues();
    void emptyStateSignalsEveryChangeOnce_data();
    void emptyStateSignalsEveryChangeOnce();
    void typingStartsFromNow_data();
    void typingStartsFromNow();
    void enterOnAnEmptyEditorReachesTheDefaultButton();
    void missingDaysOfTheMonth_data();
    void missingDaysOfTheMonth();
    void dateFormatFromTheSettings_data();
    void dateFormatFromTheSettings();
    void calendarOpensOnF4AndClosesOnF4();
    void calendarPickFillsAnEmptyEditor();
    void calendarOpensOnFocusWhenAsked();
    void browserOpensTheCalendarOnFocusWhenAsked_data();
    void browserOpensTheCalendarOnFocusWhenAsked();
    void browserPickButtonOpensTheCalendar_data();
    void browserPickButtonOpensTheCalendar();
    void calendarWidgetEmphasisAndRules();
    void calendarGoesWhileADateIsTyped();
    void browserPropertiesReachTheEditor();
    void anEditorIsWideEnoughForEveryDateOfItsFormat_data();
    void anEditorIsWideEnoughForEveryDateOfItsFormat();
};

void TestZDateTimeEdit::startingValues_data()
{
    QTest::addColumn<QWidget*>("widget");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("a default date-time editor starts empty") << static_cast<QWidget*>(new ZDateTimeEdit) << QDate();
    QTest::newRow("a default date editor starts on 1 January 2000")
        << static_cast<QWidget*>(new ZDateEdit) << QDate(2000, 1, 1);
    QTest::newRow("a date editor given a null date starts empty")
        << static_cast<QWidget*>(new ZDateEdit(QDate(), nullptr)) << QDate();
    QTest::newRow("a date editor on 1 January 1970 is not empty")
        << static_cast<QWidget*>(new ZDateEdit(QDate(1970, 1, 1), nullptr)) << QDate(1970, 1, 1);
    QTest::newRow("a default date-time browser starts empty")
        << static_cast<QWidget*>(new ZDateTimeEditBrowser) << QDate();
    QTest::newRow("a default date browser starts on 1 January 2000")
        << static_cast<QWidget*>(new ZDateEditBrowser) << QDate(2000, 1, 1);
}

void TestZDateTimeEdit::startingValues()
{
    QFETCH(QWidget*, widget);
    QFETCH(QDate, expected);
    const std::unique_ptr<QWidget> owner(widget);
    QCOMPARE(widget->property("date").toDate(), expected);
    if (auto* edit = qobject_cast<ZDateTimeEdit*>(widget)) {
        QCOMPARE(edit->dateTime().isNull(), expected.isNull());
        QCOMPARE(edit->IsValidDate(), expected.isValid());
    }
}

void TestZDateTimeEdit::emptyStateSignalsEveryChangeOnce_data()
{
    QTest::addColumn<QList<int>>("actions");
    QTest::addColumn<int>("signalCount");
    QTest::addColumn<bool>("empty");
    QTest::newRow("the same date again signals nothing") << QList<int>{SetHeld} << 0 << false;
    QTest::newRow("another date signals once") << QList<int>{SetOther} << 1 << false;
    QTest::newRow("a null date empties and signals once") << QList<int>{SetNull} << 1 << true;
    QTest::newRow("a second null date signals nothing more") << QList<int>{SetNull, SetNull} << 1 << true;
    QTest::newRow("emptied, the same date again signals") << QList<int>{SetNull, SetHeld} << 2 << false;
    QTest::newRow("emptied, another date signals") << QList<int>{SetNull, SetOther} << 2 << false;
    QTest::newRow("a date-time on the same day signals nothing") << QList<int>{SetHeldDayAtNoon} << 0 << false;
    QTest::newRow("emptied, a date-time on the same day signals")
        << QList<int>{SetNull, SetHeldDayAtNoon} << 2 << false;
    QTest::newRow("Delete over the whole text empties and signals once") << QList<int>{DeleteAll} << 1 << true;
    QTest::newRow("deleted, the same date again signals") << QList<int>{DeleteAll, SetHeld} << 2 << false;
    QTest::newRow("emptied while a date was set before, that date again signals")
        << QList<int>{SetOther, SetNull, SetOther} << 3 << false;
    QTest::newRow("Delete over part of the text leaves a value") << QList<int>{DeletePart} << 0 << false;
    QTest::newRow("the up arrow on an empty editor fills it with today") << QList<int>{SetNull, StepUp} << 2 << false;
}

void TestZDateTimeEdit::emptyStateSignalsEveryChangeOnce()
{
    QFETCH(QList<int>, actions);
    QFETCH(int, signalCount);
    QFETCH(bool, empty);
    DateField field;
    for (int action : actions)
        field.apply(action);
    QCOMPARE(field.changes.count(), signalCount);
    QCOMPARE(field.edit->date().isNull(), empty);
    QCOMPARE(field.edit->dateTime().isNull(), empty);
    if (signalCount > 0)
        QCOMPARE(field.changes.last().at(0).toDate(), field.edit->date());
    if (empty) {
        field.edit->repaint();
        QCOMPARE(field.lineEdit()->text(), QString());
    }
    if (actions.endsWith(StepUp))
        QCOMPARE(field.edit->date(), QDate::currentDate());
}

void TestZDateTimeEdit::typingStartsFromNow_data()
{
    QTest::addColumn<bool>("emptyFirst");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QDate>("expected");
    const QDate today = QDate::currentDate();
    const QDate fifth(today.year(), today.month(), 5);
    QTest::newRow("a digit typed into an empty editor begins the day of this month") << true << false << fifth;
    QTest::newRow("a digit typed over the whole text begins the day of this month") << false << false << fifth;
    QTest::newRow("a read-only empty editor stays empty") << true << true << QDate();
}

void TestZDateTimeEdit::typingStartsFromNow()
{
    QFETCH(bool, emptyFirst);
    QFETCH(bool, readOnly);
    QFETCH(QDate, expected);
    DateField field;
    if (emptyFirst)
        field.edit->setDate(QDate());
    field.edit->selectAll();
    field.edit->setReadOnly(readOnly);
    QTest::keyClick(field.edit, Qt::Key_5);
    QCOMPARE(field.edit->date(), expected);
}

void TestZDateTimeEdit::enterOnAnEmptyEditorReachesTheDefaultButton()
{
    QDialog dialog;
    auto* edit = new ZDateEdit(QDate(), &dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    ok->setDefault(true);
    QSignalSpy finished(edit, &QAbstractSpinBox::editingFinished);
    // Counted at the click: accepting hides the dialog, and losing the focus finishes again.
    int finishedWhenClicked = -1;
    connect(ok, &QPushButton::clicked, [&] { finishedWhenClicked = finished.count(); });
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(finishedWhenClicked, 1);
    QVERIFY(edit->date().isNull());
}

void TestZDateTimeEdit::missingDaysOfTheMonth_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("typed"); // "|" presses Enter
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("text");
    const QDate february(2026, 2, 10);
    const QDate leapFebruary(2024, 2, 10);
    QTest::newRow("30 in February shows 30 on its last day") << february << "30" << QDate(2026, 2, 28) << "30/02/2026";
    QTest::newRow("31 in February shows 31 on its last day") << february << "31" << QDate(2026, 2, 28) << "31/02/2026";
    QTest::newRow("29 in a common February shows 29 on its last day")
        << february << "29" << QDate(2026, 2, 28) << "29/02/2026";
    QTest::newRow("29 in a leap February is that day") << leapFebruary << "29" << QDate(2024, 2, 29) << "29/02/2024";
    QTest::newRow("32 in February never leaves February") << february << "32" << QDate(2026, 2, 3) << "03/02/2026";
    QTest::newRow("31 in April shows 31 on its last day") << QDate(2026, 4, 10) << "31" << QDate(2026, 4, 30) << "31/04/2026";
    QTest::newRow("12 is an ordinary day") << february << "12" << QDate(2026, 2, 12) << "12/02/2026";
    QTest::newRow("31 and then the month 03 is 31 March") << leapFebruary << "3103" << QDate(2024, 3, 31) << "31/03/2024";
    QTest::newRow("30 and then the month 04 is 30 April") << leapFebruary << "3004" << QDate(2024, 4, 30) << "30/04/2024";
    QTest::newRow("29 in a common February and then 03 is 29 March")
        << february << "2903" << QDate(2026, 3, 29) << "29/03/2026";
    QTest::newRow("31 in April and then 05 is 31 May") << QDate(2026, 4, 10) << "3105" << QDate(2026, 5, 31) << "31/05/2026";
    QTest::newRow("31 and then a month without it ends on that month's last day")
        << leapFebruary << "3104" << QDate(2024, 4, 30) << "30/04/2024";
    QTest::newRow("31 in February and Enter ends on its last day")
        << leapFebruary << "31|" << QDate(2024, 2, 29) << "29/02/2024";
}

// The day first, then the month: a day the month shown lacks stays in the text, the value
// being the month's last day meanwhile, until the month is typed or the edit ends.
void TestZDateTimeEdit::missingDaysOfTheMonth()
{
    QFETCH(QDate, start);
    QFETCH(QString, typed);
    DateField field;
    field.edit->setDate(start);
    field.edit->setCurrentSection(QDateTimeEdit::DaySection);
    field.edit->setSelectedSection(QDateTimeEdit::DaySection);
    for (QChar key : typed) {
        if (key == QLatin1Char('|'))
            QTest::keyClick(field.edit, Qt::Key_Return);
        else
            QTest::keyClicks(field.edit, key);
    }
    QTEST(field.edit->date(), "expected");
    QTEST(field.lineEdit()->text(), "text");
}

void TestZDateTimeEdit::dateFormatFromTheSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("dateFormat");
    QTest::addColumn<QString>("dateTimeFormat");
    const QString dateDefault = ZDateEdit().displayFormat();
    const QString dateTimeDefault = ZDateTimeEdit().displayFormat();
    QTest::newRow("a stored format applies to both editors")
        << QVariant("yyyy-MM-dd") << "yyyy-MM-dd" << "yyyy-MM-dd";
    QTest::newRow("no stored format leaves Qt's") << QVariant() << dateDefault << dateTimeDefault;
    QTest::newRow("a time-only format is refused by the date editor") << QVariant("HH:mm") << dateDefault << "HH:mm";
    QTest::newRow("an empty format is ignored") << QVariant("") << dateDefault << dateTimeDefault;
    QTest::newRow("a list where a format belongs is ignored")
        << QVariant(QStringList{"dd", "MM"}) << dateDefault << dateTimeDefault;
}

void TestZDateTimeEdit::dateFormatFromTheSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, dateFormat);
    QFETCH(QString, dateTimeFormat);
    {
        ZCSettings settings;
        if (!stored.isValid())
            settings.remove(QStringLiteral("DateFormat"));
        else
            settings.setValue(QStringLiteral("DateFormat"), stored);
    }
    QCOMPARE(ZDateEdit().displayFormat(), dateFormat);
    QCOMPARE(ZDateTimeEdit().displayFormat(), dateTimeFormat);
    ZCSettings().remove(QStringLiteral("DateFormat"));
}

void TestZDateTimeEdit::calendarOpensOnF4AndClosesOnF4()
{
    DateField field;
    QTest::keyClick(field.edit, Qt::Key_F4);
    QVERIFY2(!calendarPopupOf(field.edit), "F4 opens nothing while the calendar pop-up is off");

    field.edit->setCalendarPopup(true);
    QVERIFY(qobject_cast<ZCCalendarWidget*>(field.edit->calendarWidget()));
    QCOMPARE(field.edit->buttonSymbols(), QAbstractSpinBox::NoButtons);
    field.edit->setDate(QDate());
    field.changes.clear();
    QTest::keyClick(field.edit, Qt::Key_F4);
    QVERIFY(calendarPopupOf(field.edit)->isVisible());
    QCOMPARE(field.edit->calendarWidget()->selectedDate(), QDate::currentDate());
    keyInCalendar(field.edit, Qt::Key_Right);
    keyInCalendar(field.edit, Qt::Key_F4);
    QVERIFY(!calendarPopupOf(field.edit)->isVisible());
    QVERIFY2(field.edit->date().isNull(), "opening, moving and closing the calendar picks nothing");
    QCOMPARE(field.changes.count(), 0);
}

void TestZDateTimeEdit::calendarPickFillsAnEmptyEditor()
{
    DateField field;
    field.edit->setCalendarPopup(true);
    field.edit->setDate(QDate::currentDate());
    field.edit->setDate(QDate());
    field.changes.clear();
    QTest::keyClick(field.edit, Qt::Key_F4);
    keyInCalendar(field.edit, Qt::Key_Escape);
    QVERIFY(field.edit->date().isNull());
    // Today is also the value Qt kept while the editor was empty: picked, it still signals.
    QTest::keyClick(field.edit, Qt::Key_F4);
    keyInCalendar(field.edit, Qt::Key_Return);
    QCOMPARE(field.edit->date(), QDate::currentDate());
    QCOMPARE(field.changes.count(), 1);
    QVERIFY(static_cast<ZCCalendarWidget*>(field.edit->calendarWidget())->IsValidDate());
}

void TestZDateTimeEdit::calendarOpensOnFocusWhenAsked()
{
    QWidget window;
    auto* before = new QPushButton(&window);
    auto* edit = new ZDateEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(edit);
    edit->SetShowCalendarOnFocus(true);
    QVERIFY(edit->calendarPopup());
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    edit->setFocus(Qt::TabFocusReason);
    QWidget* popup = calendarPopupOf(edit);
    QVERIFY(popup->isVisible());
    keyInCalendar(edit, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QApplication::setActiveWindow(&window);
    edit->setFocus(Qt::PopupFocusReason);
    QVERIFY2(!popup->isVisible(), "the focus coming back from the pop-up does not open it again");
}

void TestZDateTimeEdit::browserOpensTheCalendarOnFocusWhenAsked_data()
{
    QTest::addColumn<bool>("focusOnButton");
    QTest::newRow("with the focus on the pick button") << true;
    QTest::newRow("with the focus on the editor") << false;
}

void TestZDateTimeEdit::browserOpensTheCalendarOnFocusWhenAsked()
{
    QFETCH(bool, focusOnButton);
    QWidget window;
    auto* before = new QPushButton(&window);
    auto* browser = new ZDateEditBrowser(&window, focusOnButton);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(browser);
    browser->SetShowCalendarOnFocus(true);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    browser->setFocus(Qt::TabFocusReason);
    auto* edit = static_cast<QDateTimeEdit*>(browser->GetWidget());
    QVERIFY(calendarPopupOf(edit)->isVisible());
    keyInCalendar(edit, Qt::Key_Escape);
    QVERIFY(!calendarPopupOf(edit)->isVisible());
}

void TestZDateTimeEdit::browserPickButtonOpensTheCalendar_data()
{
    QTest::addColumn<bool>("dateTime");
    QTest::addColumn<bool>("calendarPopup");
    QTest::newRow("a date browser with the pop-up on opens it") << false << true;
    QTest::newRow("a date-time browser with the pop-up on opens it") << true << true;
    QTest::newRow("a date browser with the pop-up off opens nothing") << false << false;
}

void TestZDateTimeEdit::browserPickButtonOpensTheCalendar()
{
    QFETCH(bool, dateTime);
    QFETCH(bool, calendarPopup);
    std::unique_ptr<ZAbstractDateBrowser> browser;
    if (dateTime)
        browser.reset(new ZDateTimeEditBrowser);
    else
        browser.reset(new ZDateEditBrowser);
    browser->setCalendarPopup(calendarPopup);
    browser->show();
    QApplication::setActiveWindow(browser.get());
    QVERIFY(QTest::qWaitForWindowActive(browser.get()));
    auto* edit = static_cast<QDateTimeEdit*>(browser->GetWidget());
    // The focus is on the pick button, whose F4 shortcut is the browser's.
    browser->setFocus();
    QTest::keyClick(browser->GetWidgetConFoco(), Qt::Key_F4);
    QCOMPARE(calendarPopupOf(edit) && calendarPopupOf(edit)->isVisible(), calendarPopup);
    if (calendarPopup) {
        keyInCalendar(edit, Qt::Key_F4);
        QVERIFY(!calendarPopupOf(edit)->isVisible());
    }
}

// What Qt keeps for a date being typed into the calendar outlived it: the sanitizer build's leak
// check at exit is what fails then.
void TestZDateTimeEdit::calendarGoesWhileADateIsTyped()
{
    auto* calendar = new ZCCalendarWidget;
    calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(calendar));
    QTest::keyClick(calendar->findChild<QAbstractItemView*>(), Qt::Key_1);
    const QList<QLabel*> labels = calendar->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(),
                        [](const QLabel* label) { return label->isVisible() && label->text().contains('1'); }));
    delete calendar;
}

void TestZDateTimeEdit::calendarWidgetEmphasisAndRules()
{
    const QLocale original;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QCOMPARE(ZCCalendarWidget().firstDayOfWeek(), Qt::Monday);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(ZCCalendarWidget().firstDayOfWeek(), Qt::Sunday);
    QLocale::setDefault(original);
    PaintableCalendar calendar;
    QCOMPARE(calendar.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    calendar.show();
    const QTextCharFormat today = calendar.dateTextFormat(QDate::currentDate());
    QCOMPARE(today.fontWeight(), int(QFont::Black));
    QCOMPARE(today.foreground().color(), QColor(Qt::darkGreen));
    QCOMPARE(calendar.selectedDate(), QDate::currentDate());

    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QDate christmas(2026, 12, 25);
    GetGestorEstiloCalendario()->LoadEstiloFromParams(&calendar, Qt::yellow, Qt::red, QString(),
                                                      QStringLiteral("25/12"), {});
    {
        QPainter painter(&image);
        calendar.paintCell(&painter, QRect(0, 0, 20, 20), christmas);
        calendar.paintCell(&painter, QRect(20, 0, 20, 20), christmas.addDays(1));
    }
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::yellow));
    QVERIFY2(image.pixelColor(21, 1) != QColor(Qt::yellow), "a day no rule names keeps Qt's painting");
}

void TestZDateTimeEdit::browserPropertiesReachTheEditor()
{
    ZDateTimeEditBrowser browser;
    auto* edit = static_cast<ZDateTimeEdit*>(browser.GetWidget());
    QSignalSpy changes(&browser, &ZDateTimeEditBrowser::dateTimeChanged);
    const QDateTime value(QDate(2024, 5, 17), QTime(10, 30));
    QVERIFY(browser.setProperty("dateTime", value));
    QCOMPARE(edit->dateTime(), value);
    QCOMPARE(changes.count(), 1);
    QVERIFY(browser.setProperty("date", QDate()));
    QVERIFY(browser.property("dateTime").toDateTime().isNull());
    QCOMPARE(changes.count(), 2);
    QVERIFY(browser.setProperty("displayFormat", QStringLiteral("dd/MM/yyyy HH:mm")));
    QCOMPARE(edit->displayFormat(), QStringLiteral("dd/MM/yyyy HH:mm"));
    QCOMPARE(browser.property("sectionCount").toInt(), 5);
    QVERIFY(browser.setProperty("readOnly", true));
    QVERIFY(edit->isReadOnly());
    QVERIFY(browser.setProperty("minimumTime", QTime(8, 0)));
    QCOMPARE(edit->minimumTime(), QTime(8, 0));
    QVERIFY(browser.setProperty("calendarPopup", true));
    QVERIFY(qobject_cast<ZCCalendarWidget*>(edit->calendarWidget()));
}

void TestZDateTimeEdit::anEditorIsWideEnoughForEveryDateOfItsFormat_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("calendarPopup");

    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    for (const QLocale& locale : {spanish, american}) {
        const QString name = locale.name();
        const QList<QPair<const char*, QString>> formats{
            {"short", locale.dateFormat(QLocale::ShortFormat)},
            {"long", locale.dateFormat(QLocale::LongFormat)},
            {"ISO", QStringLiteral("yyyy-MM-dd")}};
        for (const auto& format : formats) {
            for (bool popup : {false, true}) {
                QTest::addRow("%s %s format, %s", qPrintable(name), format.first,
                              popup ? "with the calendar pop-up" : "with spin buttons")
                    << locale << format.second << popup;
            }
        }
    }
}

// Laid out at its size hint, an editor shows the widest text of its format whole, whichever day
// of whichever month it holds (month and day names differ in width, and the pop-up's arrow takes
// room of its own).
void TestZDateTimeEdit::anEditorIsWideEnoughForEveryDateOfItsFormat()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, format);
    QFETCH(bool, calendarPopup);

    QWidget window;
    auto* edit = new ZDateEdit(&window);
    edit->setLocale(locale);
    edit->setDisplayFormat(format);
    edit->setCalendarPopup(calendarPopup);
    edit->resize(edit->sizeHint());
    QCOMPARE(edit->minimumSizeHint(), edit->sizeHint());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QLineEdit* line = edit->findChild<QLineEdit*>();
    // What QLineEdit leaves for the text before it scrolls it: its contents less a margin of 2
    // on each side, a pixel and the cursor.
    const int room = line->contentsRect().marginsRemoved(line->textMargins()).width() - 2 * 2 - 1
                     - line->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, line);
    int widest = 0;
    QString widestText;
    for (QDate date(2024, 1, 1); date.year() == 2024; date = date.addDays(1)) {
        const QString text = locale.toString(date, format);
        const int width = line->fontMetrics().horizontalAdvance(text);
        if (width > widest) {
            widest = width;
            widestText = text;
        }
    }
    QVERIFY2(widest <= room, qPrintable(QStringLiteral("\"%1\" needs %2 pixels, the editor leaves %3")
                                            .arg(widestText).arg(widest).arg(room)));
}

MIROKIT_TEST_MAIN(TestZDateTimeEdit)
#include "tst_zdatetimeedit.moc"
