// Filling a month page of a calendar inside a control frame inside a main window. The rules are
// attached at all three levels and name mostly days of other months, with one weekday rule last,
// so that every fill reads every rule. Compared with the same fill without rules, and the fill
// without rules with QCalendarWidget turning to a month.
#include "benchmark.h"

#include <Mirokit/ZCCalendar.h>
#include <Mirokit/ZCCalendarItem.h>
#include <Mirokit/ZCGestorEstiloCalendario.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QMainWindow>
#include <QVBoxLayout>

class ZCPVControl : public QFrame
{
    Q_OBJECT
};

namespace {

// Rule `i` of a level: dates, day/month pairs or special days, in turn.
ZCEstiloDiasCalendario ruleNumber(int i)
{
    const int month = 1 + i % 11; // never December
    QList<QDate> dates;
    QList<QPair<int, int>> pairs;
    for (int k = 0; k < 4; ++k) {
        dates.append(QDate(2026, month, 1 + (i + k * 7) % 28));
        pairs.append(qMakePair(1 + (i + k * 5) % 28, month));
    }
    switch (i % 3) {
    case 0:
        return ZCEstiloDiasCalendario(dates);
    case 1:
        return ZCEstiloDiasCalendario(pairs);
    default:
        return ZCEstiloDiasCalendario(QList<QChar>{QLatin1Char('X')});
    }
}

void attachRules(const QList<QWidget*>& levels, int count)
{
    ZCGestorEstiloCalendario* gestor = GetGestorEstiloCalendario();
    // The weekday rule goes first, so it ends up last of the outermost level's rules.
    ZCEstiloDiasCalendario sundays(QList<Qt::DayOfWeek>{Qt::Sunday});
    sundays.SetColorFondo(Qt::red);
    gestor->AddEstiloDias(levels.last(), sundays);
    for (int i = 0; i < count; ++i) {
        ZCEstiloDiasCalendario rule = ruleNumber(i);
        rule.SetColorFondo(QColor::fromHsv(i % 360, 80, 250));
        rule.SetColorTexto(Qt::darkBlue);
        gestor->AddEstiloDias(levels.at(i % levels.size()), rule);
    }
}

// A calendar inside a control frame inside a main window, shown.
struct Family {
    QMainWindow window;
    ZCPVControl* control = new ZCPVControl;
    ZCCalendar* calendar = new ZCCalendar(control, QDate(2026, 12, 9));

    Family()
    {
        (new QVBoxLayout(control))->addWidget(calendar);
        window.setCentralWidget(control);
        window.resize(420, 340);
        window.show();
    }
    QList<QWidget*> levels() { return {calendar, control, &window}; }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Family bare;
    QCalendarWidget plain;
    plain.show();
    QApplication::processEvents();
    const auto fillBare = [&bare] { bare.calendar->RePaint(); };
    int page = 0;
    bench::compare(QStringLiteral("month page without rules against QCalendarWidget turning a page"),
                   fillBare,
                   [&plain, &page] { plain.setCurrentPage(2026, 11 + (page++ & 1)); }, 2000);

    for (const int count : {200, 600}) {
        Family ruled;
        attachRules(ruled.levels(), count);
        QApplication::processEvents();
        // Make sure the rules are read at all: the Sundays take the last one.
        ruled.calendar->RePaint();
        for (const ZCCalendarItem* cell : ruled.calendar->findChildren<ZCCalendarItem*>()) {
            if (cell->IsDomingo() && cell->GetColorFondo() != QColor(Qt::red))
                return 1;
        }
        bench::compare(QStringLiteral("month page with %1 rules at three levels against no rules").arg(count),
                       [&ruled] { ruled.calendar->RePaint(); }, fillBare, 2000);
    }
    return 0;
}

#include "bench_zccalendar.moc"
