#include "monkeywatchdog.h"

#include <QApplication>
#include <QTextStream>
#include <QWidget>

#include <chrono>
#include <csignal>
#include <cstdio>

#include <pthread.h>
#include <time.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define MONKEY_SANITIZED 1
#endif

namespace {

// Qt warnings that only a fault in the calling code produces.
const char* const faultWarnings[] = {
    "QObject::connect:", "QObject::disconnect:", "QPainter::", "QPaintDevice:", "QWidget::paintEngine:",
    "QLayout: Attempting to add QLayout", "QLayout::addChildLayout:", "QLayout::addChildWidget:",
    "QWidget::setLayout: Attempting", "QWidget::repaint: Recursive repaint",
    "Cannot create children for a parent that is in a different thread", "from another thread",
    "from wrong model", "QFont::setPointSize", "QFont::setPixelSize"};

// Dialogs that reach the file system or a printer: the monkey never answers them.
const char* const untouchableDialogs[] = {"QFileDialog", "QAbstractPrintDialog", "QPageSetupDialog"};

// A pop-up gets a few inputs before it is closed, a modal dialog more.
constexpr int popupShare = 8;
constexpr int modalShare = 30;

pthread_t mainThread;

qint64 nowMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The processor time a thread has used: on a machine shared with builds the wall clock says
// little about how long the GUI thread has worked.
qint64 workMilliseconds(pthread_t thread)
{
    clockid_t clock;
    timespec time{};
    if (pthread_getcpuclockid(thread, &clock) != 0 || clock_gettime(clock, &time) != 0)
        return 0;
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

} // namespace

MonkeyWatchdog* MonkeyWatchdog::s_instance = nullptr;

MonkeyWatchdog::MonkeyWatchdog(unsigned seed, const QString& logPath)
    : m_seed(seed)
    , m_log(logPath)
{
    s_instance = this;
    mainThread = pthread_self();
    if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        std::fprintf(stderr, "monkey: cannot write %s\n", qPrintable(logPath));
    m_log.write(QStringLiteral("# seed %1\n").arg(seed).toUtf8());
    qInstallMessageHandler(handleMessage);
#ifdef MONKEY_SANITIZED
    __sanitizer_set_death_callback(onDeath);
#endif
    m_thread = std::thread([this] { watch(); });
}

MonkeyWatchdog::~MonkeyWatchdog()
{
    m_stopping = true;
    m_thread.join();
    qInstallMessageHandler(nullptr);
#ifdef MONKEY_SANITIZED
    __sanitizer_set_death_callback(nullptr);
#endif
    s_instance = nullptr;
}

void MonkeyWatchdog::record(const MonkeyEvent& event)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const QString line = QStringLiteral("%1 %2").arg(++m_eventCount).arg(event.toLine());
    m_log.write(line.toUtf8() + '\n');
    m_log.flush();
    m_lastEvents.append(line);
    if (m_lastEvents.size() > eventsShown)
        m_lastEvents.removeFirst();
}

int MonkeyWatchdog::eventCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_eventCount;
}

void MonkeyWatchdog::beat()
{
    m_lastBeatWork = workMilliseconds(mainThread);
    m_lastBeat = nowMilliseconds();
}

QWidget* MonkeyWatchdog::blocker()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

bool MonkeyWatchdog::shouldClose(QWidget* blocker)
{
    if (blocker != m_blocker) {
        m_blocker = blocker;
        m_eventsAtBlocker = 0;
    }
    ++m_eventsAtBlocker;
    for (const char* className : untouchableDialogs) {
        if (blocker->inherits(className))
            return true;
    }
    const int share = blocker == QApplication::activePopupWidget() ? popupShare : modalShare;
    return m_eventsAtBlocker > share;
}

void MonkeyWatchdog::fail(const QString& reason)
{
    report(reason);
#ifdef MONKEY_SANITIZED
    __sanitizer_print_stack_trace();
#endif
    std::fflush(stderr);
    _exit(1);
}

QStringList MonkeyWatchdog::warnings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_warnings;
}

QVector<MonkeyEvent> MonkeyWatchdog::readLog(const QString& path, unsigned* seed, QString* error)
{
    QVector<MonkeyEvent> events;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return events;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        line.chop(line.endsWith(QLatin1Char('\n')) ? 1 : 0);
        ++lineNumber;
        if (line.startsWith(QLatin1String("# seed ")))
            *seed = line.mid(7).toUInt();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        MonkeyEvent event;
        if (!MonkeyEvent::fromLine(line.section(QLatin1Char(' '), 1), &event)) {
            *error = QStringLiteral("%1:%2: not an event: %3").arg(path).arg(lineNumber).arg(line);
            return {};
        }
        events.append(event);
    }
    return events;
}

void MonkeyWatchdog::handleMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    MonkeyWatchdog* self = s_instance;
    if (!self)
        return;
    {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        if (!self->m_warnings.contains(message))
            self->m_warnings.append(message);
    }
    if (type == QtFatalMsg)
        self->fail(QStringLiteral("a fatal Qt message: %1").arg(message));
    for (const char* warning : faultWarnings) {
        if (message.contains(QLatin1String(warning)))
            self->fail(QStringLiteral("a Qt warning that points at a fault: %1").arg(message));
    }
}

void MonkeyWatchdog::onDeath()
{
    if (s_instance)
        s_instance->report(QStringLiteral("the sanitizer report above"));
}

void MonkeyWatchdog::watch()
{
    while (!m_stopping) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        // Nothing is timed before the first event: building the gallery takes long enough.
        const qint64 lastBeat = m_lastBeat;
        if (lastBeat == 0)
            continue;
        const qint64 worked = workMilliseconds(mainThread) - m_lastBeatWork;
        const qint64 waited = nowMilliseconds() - lastBeat;
        if (worked < hangSeconds * 1000 && waited < 4 * hangSeconds * 1000)
            continue;
        report(QStringLiteral("a hang: the gallery worked %1 s and waited %2 s on one event (the stack of "
                              "its thread follows)")
                   .arg(worked / 1000)
                   .arg(waited / 1000));
        // Under the sanitizers (handle_abort=1) the signal prints where the GUI thread is stuck.
        pthread_kill(mainThread, SIGABRT);
        std::this_thread::sleep_for(std::chrono::seconds(5));
        _exit(3);
    }
}

void MonkeyWatchdog::report(const QString& reason)
{
    if (m_reported.exchange(true))
        return;
    // The failing thread may be the one that holds the lock; the report is wanted all the same.
    std::unique_lock<std::mutex> lock(m_mutex, std::try_to_lock);
    QTextStream err(stderr);
    err << "monkey: FAILED: " << reason << '\n'
        << "monkey: seed " << m_seed << ", " << m_eventCount << " events; the last " << m_lastEvents.size()
        << ":\n";
    for (const QString& line : qAsConst(m_lastEvents))
        err << "  " << line << '\n';
    err << "monkey: every event is in " << m_log.fileName() << "; play them again with scripts/monkey --replay "
        << m_log.fileName() << Qt::endl;
}
