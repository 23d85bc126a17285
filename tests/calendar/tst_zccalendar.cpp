#include "mirokittest.h"

#include <Mirokit/ZCCalendar.h>
#include <Mirokit/ZCCalendarItem.h>
#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QSpinBox>

// The host's control frame, known to the style manager only by its class name.
class ZCPVControl : public QFrame
{
    Q_OBJECT
};

namespace {

QList<ZCCalendarItem*> cells(const ZCCalendar& calendar)
{
    return calendar.findChildren<ZCCalendarItem*>(QString(), Qt::FindDirectChildrenOnly);
}

ZCCalendarItem* cellOf(const ZCCalendar& calendar, int day)
{
    for (ZCCalendarItem* cell : cells(calendar)) {
        if (cell->GetDia() == day)
            return cell;
    }
    return nullptr;
}

// The month and year the selectors show.
QDate shownMonth(const ZCCalendar& calendar)
{
    return QDate(calendar.findChild<QSpinBox*>()->value(), calendar.findChild<QComboBox*>()->currentIndex() + 1, 1);
}

// Whether a key reached the calendar's handler and was taken there.
bool sendKey(ZCCalendar& calendar, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&calendar, &event);
    return event.isAccepted();
}

bool imageHasColor(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color)
                return true;
        }
    }
    return false;
}

} // namespace

class TestZCCalendar : public QObject
{
    Q_OBJECT

private slots:
    void pageHoldsTheMonth_data();
    void pageHoldsTheMonth();
    void keysMoveTheSelection_data();
    void keysMoveTheSelection();
    void datesOutsideTheMonthOrYearsAreIgnored_data();
    void datesOutsideTheMonthOrYearsAreIgnored();
    void popupPicksAndCloses_data();
    void popupPicksAndCloses();
    void popupOpensBelowOrAboveItsAnchor_data();
    void popupOpensBelowOrAboveItsAnchor();
    void cellsPaintTheRuleColours();
    void fontGrowsWithTheWidget_data();
    void fontGrowsWithTheWidget();
};

void TestZCCalendar::pageHoldsTheMonth_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("sundayFirst");
    QTest::addColumn<int>("leading");

    QTest::newRow("a month from a Sunday has no leading cells with Sunday first") << QDate(2026, 11, 4) << true << 0;
    QTest::newRow("a month from a Sunday has six leading cells with Monday first") << QDate(2026, 11, 4) << false << 6;
    QTest::newRow("a month from a Monday has none with Monday first") << QDate(2026, 6, 9) << false << 0;
    QTest::newRow("a month from a Monday has one with Sunday first") << QDate(2026, 6, 9) << true << 1;
    QTest::newRow("a leap February fills 29 cells") << QDate(2024, 2, 29) << false << 3;
    QTest::newRow("a leap February with Sunday first") << QDate(2024, 2, 1) << true << 4;
    QTest::newRow("a common February fills 28 cells") << QDate(2026, 2, 14) << false << 6;
    QTest::newRow("31 days from a Sunday reach the sixth row") << QDate(2027, 8, 31) << false << 6;
}

void TestZCCalendar::pageHoldsTheMonth()
{
    QFETCH(QDate, date);
    QFETCH(bool, sundayFirst);
    QFETCH(int, leading);
    ZCCalendar calendar(nullptr, date);
    calendar.setDomingoFirst(sundayFirst);

    const QList<ZCCalendarItem*> items = cells(calendar);
    QCOMPARE(items.size(), 42);
    for (int i = 0; i < items.size(); ++i) {
        const int day = i - leading + 1;
        const QDate cellDate(date.year(), date.month(), day);
        if (!cellDate.isValid()) {
            QCOMPARE(items.at(i)->GetDia(), 0);
            QVERIFY(!items.at(i)->isEnabled());
            continue;
        }
        QCOMPARE(items.at(i)->GetDia(), day);
        QVERIFY(items.at(i)->isEnabled());
        QCOMPARE(items.at(i)->IsDomingo(), cellDate.dayOfWeek() == Qt::Sunday);
        QCOMPARE(items.at(i)->IsSeleccionado(), cellDate == date);
        QCOMPARE(items.at(i)->IsHoy(), cellDate == QDate::currentDate());
    }
    const int firstDay = sundayFirst ? Qt::Sunday : Qt::Monday;
    QCOMPARE(calendar.findChildren<QLabel*>().first()->text(), QLocale().dayName(firstDay, QLocale::ShortFormat));
}

void TestZCCalendar::keysMoveTheSelection_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("announced");

    QTest::newRow("Right on 31 December goes to 1 January of the next year")
        << QDate(2026, 12, 31) << int(Qt::Key_Right) << QDate(2027, 1, 1) << true;
    QTest::newRow("Left on 1 January goes to 31 December of the previous year")
        << QDate(2026, 1, 1) << int(Qt::Key_Left) << QDate(2025, 12, 31) << true;
    QTest::newRow("Left on 1 March of a leap year goes to 29 February")
        << QDate(2024, 3, 1) << int(Qt::Key_Left) << QDate(2024, 2, 29) << true;
    QTest::newRow("Up on 3 March goes to the last day of February")
        << QDate(2026, 3, 3) << int(Qt::Key_Up) << QDate(2026, 2, 28) << true;
    QTest::newRow("Up on 3 March of a leap year goes to 29 February")
        << QDate(2024, 3, 3) << int(Qt::Key_Up) << QDate(2024, 2, 29) << true;
    QTest::newRow("Up on 8 March goes a week back") << QDate(2026, 3, 8) << int(Qt::Key_Up) << QDate(2026, 3, 1) << true;
    QTest::newRow("Down on 24 March goes a week on") << QDate(2026, 3, 24) << int(Qt::Key_Down) << QDate(2026, 3, 31) << true;
    QTest::newRow("Down on 25 March goes to 1 April") << QDate(2026, 3, 25) << int(Qt::Key_Down) << QDate(2026, 4, 1) << true;
    QTest::newRow("Down in the last week of December goes to 1 January")
        << QDate(2026, 12, 28) << int(Qt::Key_Down) << QDate(2027, 1, 1) << true;
    QTest::newRow("Space keeps the date and announces it") << QDate(2026, 5, 5) << int(Qt::Key_Space) << QDate(2026, 5, 5) << true;
    QTest::newRow("keypad Enter keeps the date and announces it") << QDate(2026, 5, 5) << int(Qt::Key_Enter) << QDate(2026, 5, 5) << true;
    QTest::newRow("Return inside a form is left to the form") << QDate(2026, 5, 5) << int(Qt::Key_Return) << QDate(2026, 5, 5) << false;
    QTest::newRow("a key the calendar does not use announces nothing") << QDate(2026, 5, 5) << int(Qt::Key_A) << QDate(2026, 5, 5) << false;
    QTest::newRow("Left on the first day of year 1 stays") << QDate(1, 1, 1) << int(Qt::Key_Left) << QDate(1, 1, 1) << false;
    QTest::newRow("Up in the first week of year 1 stays") << QDate(1, 1, 5) << int(Qt::Key_Up) << QDate(1, 1, 5) << false;
    QTest::newRow("Right on the last day of year 4000 stays") << QDate(4000, 12, 31) << int(Qt::Key_Right) << QDate(4000, 12, 31) << false;
}

void TestZCCalendar::keysMoveTheSelection()
{
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    QFETCH(bool, announced);
    ZCCalendar calendar(nullptr, from);
    calendar.findChild<QComboBox*>()->setCurrentIndex(from.month() % 12); // browsing elsewhere
    QSignalSpy selected(&calendar, &ZCCalendar::fechaSelected);

    const bool accepted = sendKey(calendar, key);
    QCOMPARE(calendar.getFecha(), to);
    QCOMPARE(selected.count(), announced ? 1 : 0);
    if (announced) {
        QCOMPARE(selected.first().first().toDate(), to);
        QCOMPARE(shownMonth(calendar), QDate(to.year(), to.month(), 1));
        QVERIFY(cellOf(calendar, to.day())->IsSeleccionado());
    }
    // Keys the calendar does not use go on to its parent.
    QCOMPARE(accepted, key != Qt::Key_Return && key != Qt::Key_A);
}

void TestZCCalendar::datesOutsideTheMonthOrYearsAreIgnored_data()
{
    QTest::addColumn<QString>("call"); // selectDia or setFecha
    QTest::addColumn<QDate>("date");   // for selectDia, its day
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<bool>("announced");

    const QDate start(2026, 2, 10);
    QTest::newRow("selectDia picks a day of the month shown") << "selectDia" << QDate(2000, 1, 28) << QDate(2026, 2, 28) << true;
    QTest::newRow("selectDia with a day February has not is ignored") << "selectDia" << QDate(2000, 1, 30) << start << false;
    QTest::newRow("selectDia with day 0 is ignored") << "selectDia" << QDate() << start << false;
    QTest::newRow("setFecha moves to the date without announcing it") << "setFecha" << QDate(1999, 7, 4) << QDate(1999, 7, 4) << false;
    QTest::newRow("setFecha with an invalid date is ignored") << "setFecha" << QDate(2026, 2, 30) << start << false;
    QTest::newRow("setFecha before year 1 is ignored") << "setFecha" << QDate(-1, 12, 31) << start << false;
    QTest::newRow("setFecha after year 4000 is ignored") << "setFecha" << QDate(4001, 1, 1) << start << false;
}

void TestZCCalendar::datesOutsideTheMonthOrYearsAreIgnored()
{
    QFETCH(QString, call);
    QFETCH(QDate, date);
    QFETCH(QDate, expected);
    QFETCH(bool, announced);
    ZCCalendar calendar(nullptr, QDate(2026, 2, 10));
    QSignalSpy selected(&calendar, &ZCCalendar::fechaSelected);
    if (call == QLatin1String("selectDia"))
        calendar.selectDia(date.isValid() ? date.day() : 0);
    else
        calendar.setFecha(date);
    QCOMPARE(calendar.getFecha(), expected);
    QCOMPARE(selected.count(), announced ? 1 : 0);
    QCOMPARE(shownMonth(calendar), QDate(expected.year(), expected.month(), 1));
    QVERIFY(cellOf(calendar, expected.day())->IsSeleccionado());
}

void TestZCCalendar::popupPicksAndCloses_data()
{
    QTest::addColumn<int>("key"); // 0: a click on the 20th
    QTest::addColumn<QDate>("picked");

    QTest::newRow("a click picks the day") << 0 << QDate(2026, 6, 20);
    QTest::newRow("Return picks the date") << int(Qt::Key_Return) << QDate(2026, 6, 9);
    QTest::newRow("keypad Enter picks the date") << int(Qt::Key_Enter) << QDate(2026, 6, 9);
    QTest::newRow("Space picks the date") << int(Qt::Key_Space) << QDate(2026, 6, 9);
}

void TestZCCalendar::popupPicksAndCloses()
{
    QFETCH(int, key);
    QFETCH(QDate, picked);
    QWidget anchor;
    anchor.setGeometry(100, 100, 120, 24);
    anchor.show();
    auto* calendar = new ZCCalendar(&anchor, QDate(2026, 6, 9), true);
    QSignalSpy selected(calendar, &ZCCalendar::fechaSelected);
    calendar->show();
    QVERIFY(calendar->isVisible());
    if (key)
        sendKey(*calendar, key);
    else
        QTest::mouseClick(cellOf(*calendar, 20), Qt::LeftButton);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(calendar->getFecha(), picked);
    QVERIFY(!calendar->isVisible());
}

void TestZCCalendar::popupOpensBelowOrAboveItsAnchor_data()
{
    QTest::addColumn<int>("anchorY"); // from the bottom of the screen when negative
    QTest::addColumn<bool>("below");

    QTest::newRow("with room below it opens below") << 40 << true;
    QTest::newRow("near the bottom of the screen it opens above") << -60 << false;
}

void TestZCCalendar::popupOpensBelowOrAboveItsAnchor()
{
    QFETCH(int, anchorY);
    QFETCH(bool, below);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget anchor;
    anchor.setGeometry(screen.x() + 50, anchorY >= 0 ? screen.y() + anchorY : screen.bottom() + anchorY, 120, 24);
    anchor.show();
    ZCCalendar calendar(&anchor, QDate(2026, 6, 9), true);
    // The offscreen platform frames every window without this hint, pop-ups too, and moves
    // the contents by the frame; real platforms do not frame pop-ups.
    calendar.setWindowFlag(Qt::FramelessWindowHint);
    calendar.show();
    const QRect anchorRect(anchor.mapToGlobal(QPoint()), anchor.size());
    const QRect popup = calendar.frameGeometry();
    QVERIFY(screen.contains(popup));
    QCOMPARE(popup.left(), anchorRect.left());
    if (below)
        QCOMPARE(popup.top(), anchorRect.bottom());
    else
        QCOMPARE(popup.bottom(), anchorRect.top() - 1);
}

void TestZCCalendar::cellsPaintTheRuleColours()
{
    QMainWindow window;
    auto* control = new ZCPVControl;
    window.setCentralWidget(control);
    auto* calendar = new ZCCalendar(control, QDate(2022, 12, 1));
    calendar->setGeometry(0, 0, 420, 320);
    ZCGestorEstiloCalendario* gestor = GetGestorEstiloCalendario();
    const QColor ink(0x12, 0x34, 0x56);
    gestor->LoadEstiloFromParams(&window, Qt::red, QColor(), QStringLiteral("7"), QString(), {});
    gestor->LoadEstiloFromParams(control, QColor(), ink, QString(), QString(), {QDate(2022, 12, 18)});
    calendar->setCalendarStyle(Qt::green, QColor(), QString(), QStringLiteral("25/12"));
    window.resize(440, 340);
    window.show();

    // 25 December 2022 is a Sunday: the calendar's own rule comes first; the 18th takes the
    // window's background and the frame's text.
    const QImage christmas = MirokitTest::grabbedImage(*cellOf(*calendar, 25));
    QCOMPARE(christmas.pixelColor(3, christmas.height() / 2), QColor(Qt::green));
    const QImage sunday = MirokitTest::grabbedImage(*cellOf(*calendar, 18));
    QCOMPARE(sunday.pixelColor(3, sunday.height() / 2), QColor(Qt::red));
    QVERIFY(imageHasColor(sunday, ink));
    QCOMPARE(cellOf(*calendar, 11)->GetColorFondo(), QColor(Qt::red));
    QCOMPARE(cellOf(*calendar, 11)->GetColorTexto(), QColor());

    // Without rules of its own the calendar keeps those of its frame and window.
    calendar->setCalendarStyle();
    QCOMPARE(cellOf(*calendar, 25)->GetColorFondo(), QColor(Qt::red));
    QCOMPARE(cellOf(*calendar, 18)->GetColorTexto(), ink);

    // The calendar's own emphasis once no rule colours the day: today in blue, orange on a Sunday.
    gestor->ResetEstiloDias(&window);
    gestor->ResetEstiloDias(control);
    const QDate hoy = QDate::currentDate();
    calendar->setFecha(hoy.addDays(hoy.day() > 1 ? -1 : 1)); // today's month, today not selected
    ZCCalendarItem* today = cellOf(*calendar, hoy.day());
    QVERIFY(today->IsHoy() && !today->IsSeleccionado());
    QVERIFY(imageHasColor(MirokitTest::grabbedImage(*today), today->IsDomingo() ? QColor(0xff, 0x80, 0x00) : QColor(Qt::blue)));
}

void TestZCCalendar::fontGrowsWithTheWidget_data()
{
    QTest::addColumn<bool>("autoScale");
    QTest::addColumn<int>("basePoints");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("drawnPoints");

    QTest::newRow("400 x 300 draws a 10-point font at 15 points") << true << 10 << QSize(400, 300) << 15;
    QTest::newRow("a 20-point font is larger: kept") << true << 20 << QSize(400, 300) << 20;
    QTest::newRow("the smaller side counts") << true << 8 << QSize(1000, 219) << 10;
    QTest::newRow("without auto-scaling the base font is drawn") << false << 10 << QSize(400, 300) << 10;
}

void TestZCCalendar::fontGrowsWithTheWidget()
{
    QFETCH(bool, autoScale);
    QFETCH(int, basePoints);
    QFETCH(QSize, size);
    QFETCH(int, drawnPoints);
    ZCCalendar calendar;
    QFont font = calendar.getFont();
    font.setPointSize(basePoints);
    calendar.setFont(font);
    calendar.setAutoescalaFont(autoScale);
    calendar.resize(size);
    calendar.show();
    QCOMPARE(calendar.getFontAutoescalable().pointSize(), drawnPoints);
    QCOMPARE(calendar.findChild<QLabel*>()->font().pointSize(), drawnPoints);
    QCOMPARE(calendar.getFont().pointSize(), basePoints);
    // Turned off, the base font is drawn again.
    calendar.setAutoescalaFont(false);
    QCOMPARE(calendar.getFontAutoescalable().pointSize(), basePoints);
}

MIROKIT_TEST_MAIN(TestZCCalendar)
#include "tst_zccalendar.moc"
