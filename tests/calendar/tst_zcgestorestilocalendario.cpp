#include "mirokittest.h"

#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QFrame>
#include <QMainWindow>

#include <new>

// The host's control frame, known to the manager only by its class name.
class ZCPVControl : public QFrame
{
    Q_OBJECT
};

namespace {

// December 2026: the 1st is a Tuesday; "today" is the 10th and the selected day the 15th.
const QDate hoy(2026, 12, 10);
const QDate seleccionado(2026, 12, 15);

QDate december(int day)
{
    return QDate(2026, 12, day);
}

ZCEstiloDiasCalendario makeRule(const QString& kind, const QString& items)
{
    const QStringList parts = items.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (kind == QLatin1String("semana")) {
        QList<Qt::DayOfWeek> days;
        for (const QString& part : parts)
            days.append(Qt::DayOfWeek(part.toInt()));
        return ZCEstiloDiasCalendario(days);
    }
    if (kind == QLatin1String("mes")) {
        QList<QPair<int, int>> pairs;
        for (const QString& part : parts)
            pairs.append(qMakePair(part.section(QLatin1Char('/'), 0, 0).toInt(),
                                   part.section(QLatin1Char('/'), 1, 1).toInt()));
        return ZCEstiloDiasCalendario(pairs);
    }
    if (kind == QLatin1String("fechas")) {
        QList<QDate> dates;
        for (const QString& part : parts)
            dates.append(QDate::fromString(part, Qt::ISODate));
        return ZCEstiloDiasCalendario(dates);
    }
    QList<QChar> codes;
    for (const QChar code : items)
        codes.append(code);
    return ZCEstiloDiasCalendario(codes);
}

// Window > plain container > control frame > plain frame > control frame > calendar.
struct Family {
    QMainWindow window;
    QWidget* box = new QWidget(&window);
    ZCPVControl* outer = new ZCPVControl;
    QFrame* plainFrame = new QFrame(outer);
    ZCPVControl* inner = new ZCPVControl;
    QWidget* calendar = new QWidget(inner);

    Family()
    {
        window.setCentralWidget(box);
        outer->setParent(box);
        inner->setParent(plainFrame);
    }
    QWidget* level(const QString& name)
    {
        const QHash<QString, QWidget*> levels{{QStringLiteral("calendar"), calendar},
                                              {QStringLiteral("inner"), inner},
                                              {QStringLiteral("plainframe"), plainFrame},
                                              {QStringLiteral("outer"), outer},
                                              {QStringLiteral("box"), box},
                                              {QStringLiteral("window"), &window}};
        return levels.value(name);
    }
};

QColor colorOrInvalid(const QString& name)
{
    return name.isEmpty() ? QColor() : QColor(name);
}

// The December days to which `widget` gives a background, as "d,d,...".
QString daysWithBackground(const ZCGestorEstiloCalendario& gestor, const QWidget* widget)
{
    QStringList days;
    for (int day = 1; day <= 31; ++day) {
        if (gestor.GetColorFondoControl(widget, december(day), december(day) == hoy,
                                        december(day) == seleccionado).isValid())
            days.append(QString::number(day));
    }
    return days.join(QLatin1Char(','));
}

// The month lookup must give what the day lookups give, for every day.
void compareMonthWithDays(const ZCGestorEstiloCalendario& gestor, const QWidget* widget, int year, int month)
{
    const QVector<ZCGestorEstiloCalendario::ColoresDia> colores =
        gestor.GetColoresMes(widget, year, month, hoy, seleccionado);
    QCOMPARE(colores.size(), QDate(year, month, 1).daysInMonth());
    for (int day = 1; day <= colores.size(); ++day) {
        const QDate date(year, month, day);
        QCOMPARE(colores.at(day - 1).fondo, gestor.GetColorFondoControl(widget, date, date == hoy, date == seleccionado));
        QCOMPARE(colores.at(day - 1).texto, gestor.GetColorTextoControl(widget, date, date == hoy, date == seleccionado));
    }
}

} // namespace

class TestZCGestorEstiloCalendario : public QObject
{
    Q_OBJECT

private slots:
    void ruleCoversItsKindOfDays_data();
    void ruleCoversItsKindOfDays();
    void lookupFollowsPrecedence_data();
    void lookupFollowsPrecedence();
    void textFormNamesDays_data();
    void textFormNamesDays();
    void laterCallsWinAndEmptyCallClearsOwnRulesOnly();
    void entriesEndWithTheirWidget();
};

void TestZCGestorEstiloCalendario::ruleCoversItsKindOfDays_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("today");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("covered");

    QTest::newRow("a weekday rule covers its weekdays") << "semana" << "1,7" << december(6) << false << false << true;
    QTest::newRow("a weekday rule passes over other days") << "semana" << "1,7" << december(8) << false << false << false;
    QTest::newRow("a day/month pair recurs every year") << "mes" << "25/12" << QDate(1999, 12, 25) << false << false << true;
    QTest::newRow("a day/month pair needs its month") << "mes" << "25/12" << QDate(1999, 11, 25) << false << false << false;
    QTest::newRow("29 February is covered in leap years") << "mes" << "29/2" << QDate(2024, 2, 29) << false << false << true;
    QTest::newRow("a date rule covers its date") << "fechas" << "2026-12-25" << december(25) << false << false << true;
    QTest::newRow("a date rule does not recur") << "fechas" << "2026-12-25" << QDate(2025, 12, 25) << false << false << false;
    QTest::newRow("T names today") << "especiales" << "T" << hoy << true << false << true;
    QTest::newRow("H names today") << "especiales" << "H" << hoy << true << false << true;
    QTest::newRow("S names the selected day") << "especiales" << "S" << seleccionado << false << true << true;
    QTest::newRow("T does not name the selected day") << "especiales" << "T" << seleccionado << false << true << false;
    QTest::newRow("special days need today or selected") << "especiales" << "TS" << december(3) << false << false << false;
    QTest::newRow("other letters never match") << "especiales" << "XYZ" << hoy << true << true << false;
    QTest::newRow("lower-case codes built directly never match") << "especiales" << "ts" << hoy << true << true << false;
}

void TestZCGestorEstiloCalendario::ruleCoversItsKindOfDays()
{
    QFETCH(QString, kind);
    QFETCH(QString, items);
    QFETCH(QDate, date);
    QFETCH(bool, today);
    QFETCH(bool, selected);
    QFETCH(bool, covered);
    const ZCEstiloDiasCalendario rule = makeRule(kind, items);
    QCOMPARE(rule.Check(date, today, selected), covered);

    // The whole-month test agrees with the day test on every day of the month.
    const QDate todayDate = today ? date : QDate();
    const QDate selectedDate = selected ? date : QDate();
    const quint32 mask = rule.CheckMes(date.year(), date.month(), todayDate, selectedDate);
    for (int day = 1; day <= date.daysInMonth(); ++day) {
        const QDate other(date.year(), date.month(), day);
        QCOMPARE(bool(mask & (1u << (day - 1))), rule.Check(other, other == todayDate, other == selectedDate));
    }
}

void TestZCGestorEstiloCalendario::lookupFollowsPrecedence_data()
{
    QTest::addColumn<QStringList>("rules"); // "level|weekdays|day/months|background|text", oldest first
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("text");

    QTest::newRow("no rules anywhere give no colour") << QStringList() << december(6) << "" << "";
    const QStringList windowAndCalendar{"window|7||red|", "calendar||25/12|green|"};
    QTest::newRow("the calendar's own rule comes before the window's")
        << windowAndCalendar << QDate(2022, 12, 25) << "green" << "";
    QTest::newRow("other Sundays take the window's rule") << windowAndCalendar << QDate(2022, 12, 18) << "red" << "";
    QTest::newRow("a control frame's rule comes before the window's")
        << QStringList{"outer|7||blue|", "window|7||red|"} << december(6) << "blue" << "";
    QTest::newRow("the nearest control frame comes first")
        << QStringList{"inner|7||yellow|", "outer|7||blue|"} << december(6) << "yellow" << "";
    QTest::newRow("an outer frame still gives what the inner one does not")
        << QStringList{"inner|1||yellow|", "outer|7||blue|"} << december(6) << "blue" << "";
    QTest::newRow("the newest rule of a level comes first")
        << QStringList{"calendar|7||red|", "calendar|7||blue|"} << december(6) << "blue" << "";
    QTest::newRow("background and text are looked up independently")
        << QStringList{"window|7||red|white", "calendar|7|||navy"} << december(6) << "red" << "navy";
    QTest::newRow("a plain container's rules are not inherited")
        << QStringList{"box|7||red|"} << december(6) << "" << "";
    QTest::newRow("a frame of another class is no control frame")
        << QStringList{"plainframe|7||red|"} << december(6) << "" << "";
    QTest::newRow("a window's rules reach the calendar through every level")
        << QStringList{"window|7||red|black"} << december(27) << "red" << "black";
}

void TestZCGestorEstiloCalendario::lookupFollowsPrecedence()
{
    QFETCH(QStringList, rules);
    QFETCH(QDate, date);
    QFETCH(QString, background);
    QFETCH(QString, text);
    Family family;
    ZCGestorEstiloCalendario gestor;
    for (const QString& rule : rules) {
        const QStringList f = rule.split(QLatin1Char('|'));
        gestor.LoadEstiloFromParams(family.level(f.at(0)), colorOrInvalid(f.at(3)), colorOrInvalid(f.at(4)),
                                    f.at(1), f.at(2), {});
    }
    QCOMPARE(gestor.GetColorFondoControl(family.calendar, date, false, false), colorOrInvalid(background));
    QCOMPARE(gestor.GetColorTextoControl(family.calendar, date, false, false), colorOrInvalid(text));
    compareMonthWithDays(gestor, family.calendar, date.year(), date.month());
}

void TestZCGestorEstiloCalendario::textFormNamesDays_data()
{
    QTest::addColumn<QString>("daysOfWeek");
    QTest::addColumn<QString>("dayMonths");
    QTest::addColumn<QString>("days"); // December days given a background; today 10, selected 15

    QTest::newRow("T,S names today and the selected day") << "T,S" << "" << "10,15";
    QTest::newRow("a lower-case h names today") << "h" << "" << "10";
    QTest::newRow("words are read by their first letter") << "hoy,seleccionado" << "" << "10,15";
    QTest::newRow("1, 7 is Monday only: the second item begins with a space") << "1, 7" << "" << "7,14,21,28";
    QTest::newRow("numbers beyond 7 name no weekday") << "0,8,-1,99999999999999999999" << "" << "";
    QTest::newRow("a number followed by text names nothing") << "7th" << "" << "";
    QTest::newRow("leading zeros still read as the number") << "07" << "" << "6,13,20,27";
    QTest::newRow("digits of other scripts name nothing") << QString::fromUtf8("٧,७") << "" << "";
    QTest::newRow("25/12,1/1 names Christmas and New Year") << "" << "25/12,1/1" << "25";
    QTest::newRow("a day/month item needs exactly two parts") << "" << "24/12/2026,31,/12" << "";
    QTest::newRow("day/month numbers out of range name nothing") << "" << "32/12,99999999999/12,1/13" << "";
    QTest::newRow("separators only name nothing") << ",,, ," << ",/,//,," << "";
    QTest::newRow("ten thousand items are read like a few")
        << QStringLiteral("x,7,").repeated(10000) << QStringLiteral("1/1,6/12,").repeated(10000) << "6,13,20,27";
    QTest::newRow("weekdays and dates add up") << "2" << "4/12" << "1,4,8,15,22,29";
}

void TestZCGestorEstiloCalendario::textFormNamesDays()
{
    QFETCH(QString, daysOfWeek);
    QFETCH(QString, dayMonths);
    QFETCH(QString, days);
    QWidget calendar;
    ZCGestorEstiloCalendario gestor;
    gestor.LoadEstiloFromParams(&calendar, Qt::red, Qt::white, daysOfWeek, dayMonths, {});
    QCOMPARE(daysWithBackground(gestor, &calendar), days);
    compareMonthWithDays(gestor, &calendar, 2026, 12);
}

void TestZCGestorEstiloCalendario::laterCallsWinAndEmptyCallClearsOwnRulesOnly()
{
    Family family;
    ZCGestorEstiloCalendario gestor;
    gestor.LoadEstiloFromParams(family.calendar, Qt::red, QColor(), QStringLiteral("7"), QString(), {});
    gestor.LoadEstiloFromParams(family.calendar, Qt::blue, QColor(), QStringLiteral("7"), QString(), {});
    QCOMPARE(gestor.GetColorFondoControl(family.calendar, december(6), false, false), QColor(Qt::blue));

    gestor.LoadEstiloFromParams(family.calendar, QColor(), QColor(), QString(), QString(),
                                {december(10), december(11)});
    gestor.LoadEstiloFromParams(family.calendar, Qt::green, QColor(), QString(), QString(), {december(11)});
    QCOMPARE(gestor.GetColorFondoControl(family.calendar, december(11), false, false), QColor(Qt::green));

    gestor.LoadEstiloFromParams(&family.window, Qt::yellow, QColor(), QStringLiteral("7"), QString(), {});
    gestor.LoadEstiloFromParams(family.calendar, QColor(), QColor(), QString(), QString(), {});
    QCOMPARE(gestor.GetColorFondoControl(family.calendar, december(6), false, false), QColor(Qt::yellow));
    QCOMPARE(gestor.GetColorFondoControl(family.calendar, december(11), false, false), QColor());
}

void TestZCGestorEstiloCalendario::entriesEndWithTheirWidget()
{
    const ZCEstiloDiasCalendario sundays(QList<Qt::DayOfWeek>{Qt::Sunday});
    ZCGestorEstiloCalendario gestor;
    QWidget calendar;

    // Re-registering drops the rules.
    gestor.AddEstiloDias(&calendar, sundays);
    QCOMPARE(gestor.GetColorFondoControl(&calendar, december(6), false, false), sundays.GetColorFondo());
    ZCEstiloDiasCalendario red = sundays;
    red.SetColorFondo(Qt::red);
    gestor.AddEstiloDias(&calendar, red);
    QCOMPARE(gestor.GetColorFondoControl(&calendar, december(6), false, false), QColor(Qt::red));
    gestor.EntraWidget(&calendar);
    QCOMPARE(gestor.GetColorFondoControl(&calendar, december(6), false, false), QColor());

    // A widget destroyed without SaleWidget() leaves nothing for the next widget at its address,
    // in the manager and in a copy of it, whatever the widget's kind.
    alignas(QMainWindow) unsigned char storage[sizeof(QMainWindow)];
    auto* window = new (storage) QMainWindow;
    gestor.AddEstiloDias(window, red);
    gestor.EntraWidget(window); // registered twice: still dropped once it goes
    gestor.AddEstiloDias(window, red);
    ZCGestorEstiloCalendario copy(gestor);
    ZCGestorEstiloCalendario assigned;
    assigned = gestor;
    window->~QMainWindow();
    window = new (storage) QMainWindow;
    auto* child = new QWidget(window);
    for (const ZCGestorEstiloCalendario* manager : {&gestor, &copy, &assigned})
        QCOMPARE(manager->GetColorFondoControl(child, december(6), false, false), QColor());
    window->~QMainWindow();

    // SaleWidget() from a destroyed() handler, when the widget is a plain QObject by then.
    auto* frame = new ZCPVControl;
    gestor.AddEstiloDias(frame, red);
    connect(frame, &QObject::destroyed, this, [&gestor](QObject* object) {
        gestor.SaleWidget(static_cast<QWidget*>(object));
    });
    delete frame;

    // A null widget is harmless everywhere.
    gestor.EntraWidget(nullptr);
    gestor.AddEstiloDias(nullptr, red);
    gestor.ResetEstiloDias(nullptr);
    gestor.LoadEstiloFromParams(nullptr, Qt::red, Qt::red, QStringLiteral("T"), QString(), {});
    gestor.SaleWidget(nullptr);
    QCOMPARE(gestor.GetColorFondoControl(nullptr, december(6), true, true), QColor());
    QVERIFY(gestor.GetColoresMes(nullptr, 2026, 12, hoy, seleccionado).size() == 31);
    QVERIFY(gestor.GetColoresMes(&calendar, 2026, 13, hoy, seleccionado).isEmpty());
    QVERIFY(GetGestorEstiloCalendario() == GetGestorEstiloCalendario());
}

MIROKIT_TEST_MAIN(TestZCGestorEstiloCalendario)
#include "tst_zcgestorestilocalendario.moc"
