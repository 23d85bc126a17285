// The monkey: seeded random input over every page of the gallery, for as long as asked.
//
//   mirokit-monkey SECONDS --seed N --log FILE [--events-per-page N]
//   mirokit-monkey --replay FILE --log FILE
//
// A cycle shows each page in turn and sends it a number of events (some of which leave the
// page: the navigation, the docks, the tool bar, other windows); after each cycle the live heap
// is measured, and a heap that grows cycle after cycle fails the run. scripts/monkey builds and
// runs it under the sanitizers.
#include "galleryapplication.h"
#include "gallerywindow.h"
#include "monkeyevents.h"
#include "monkeywatchdog.h"

#include <Mirokit/ZApplication.h>

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#include <sanitizer/lsan_interface.h>
// From the sanitizer runtime; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

struct Options {
    int seconds = 60;
    unsigned seed = 1;
    QString replay;
    QString log = QStringLiteral("monkey.log");
    int eventsPerPage = 20;
};

// The live heap fails the run when it grows by more than this a cycle, on average, in both
// halves of the last trendCycles cycles, once the first warmUpCycles are done. Caches that
// follow the window's size and what is shown (covers, backing stores, pixmaps, glyphs) fill up
// for the first twenty to forty cycles, by jumps of several megabytes (one seed grew 24 MB
// between its 6th and 16th cycles; another levelled off at about 160 MB by its 40th), and then
// swing a few megabytes either way; only a leak keeps the heap growing half after half.
constexpr int warmUpCycles = 20;
constexpr int trendCycles = 20;
constexpr qint64 growthPerCycleLimit = 1536 * 1024;

bool parseOptions(const QStringList& arguments, Options* options)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == QLatin1String("--seed") && hasValue)
            options->seed = arguments.at(++i).toUInt(&ok);
        else if (argument == QLatin1String("--replay") && hasValue)
            options->replay = arguments.at(++i);
        else if (argument == QLatin1String("--log") && hasValue)
            options->log = arguments.at(++i);
        else if (argument == QLatin1String("--events-per-page") && hasValue)
            options->eventsPerPage = arguments.at(++i).toInt(&ok);
        else
            options->seconds = argument.toInt(&ok);
        if (!ok)
            return false;
    }
    return options->seconds > 0 && options->eventsPerPage > 0;
}

// Bytes handed out by malloc and not yet freed; under AddressSanitizer its own count, which
// leaves out the quarantine of freed blocks.
qint64 liveHeapBytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

class MonkeyRun
{
public:
    MonkeyRun(const Options& options, GalleryWindow* window, MonkeyWatchdog* watchdog, QVector<MonkeyEvent> replay)
        : m_options(options)
        , m_window(window)
        , m_watchdog(watchdog)
        , m_events(options.seed, window)
        , m_replay(std::move(replay))
    {
        m_clock.start();
    }

    void start() { arm(); }

private:
    // The next event is sent from a timer of its own, so that it also arrives inside the event
    // loop of a modal dialog or menu that the previous event opened.
    void arm()
    {
        if (m_armed)
            return;
        m_armed = true;
        QTimer::singleShot(5, m_window, [this] { tick(); });
    }

    void tick()
    {
        m_armed = false;
        m_watchdog->beat();
        // Inside a short inner loop of the previous event (not a modal one): wait for it.
        if (m_depth > 0 && QThread::currentThread()->loopLevel() <= m_depth) {
            arm();
            return;
        }
        MonkeyEvent event;
        if (!nextEvent(&event)) {
            if (m_depth == 0)
                finish();
            else
                arm();
            return;
        }
        m_watchdog->record(event);
        arm();
        ++m_depth;
        m_events.apply(event);
        --m_depth;
    }

    bool nextEvent(MonkeyEvent* event)
    {
        QWidget* blocker = MonkeyWatchdog::blocker();
        if (!m_options.replay.isEmpty()) {
            if (m_replayed == m_replay.size())
                return closeEvent(blocker, event);
            *event = m_replay.at(m_replayed++);
            return true;
        }
        const bool timeUp = m_clock.elapsed() >= m_options.seconds * 1000LL;
        const bool pageDone = m_eventsOnPage >= m_options.eventsPerPage;
        if (blocker && (timeUp || pageDone || m_watchdog->shouldClose(blocker)))
            return closeEvent(blocker, event);
        if (timeUp)
            return false;
        if (!m_window->isVisible())
            m_window->show();
        if (pageDone && m_depth == 0) {
            nextPage(event);
            return true;
        }
        *event = m_events.choose();
        ++m_eventsOnPage;
        return true;
    }

    static bool closeEvent(QWidget* blocker, MonkeyEvent* event)
    {
        if (!blocker)
            return false;
        event->kind = MonkeyEvent::Close;
        event->window = blocker == QApplication::activePopupWidget() ? QStringLiteral("popup") : QStringLiteral("modal");
        event->target = QString::fromLatin1(blocker->metaObject()->className());
        return true;
    }

    void nextPage(MonkeyEvent* event)
    {
        m_page = (m_page + 1) % m_window->pageCount();
        if (m_page == 0)
            endCycle();
        event->kind = MonkeyEvent::Page;
        event->index = m_page;
        event->target = m_window->pageTitle(m_page);
        m_eventsOnPage = 0;
    }

    void endCycle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qint64 bytes = liveHeapBytes();
        const qint64 growth = m_heap.isEmpty() ? 0 : bytes - m_heap.last();
        m_heap.append(bytes);
        std::printf("monkey: cycle %d done after %d events: %.1f MB live, %+.2f MB\n", int(m_heap.size()),
                    m_watchdog->eventCount(), bytes / 1048576.0, growth / 1048576.0);
        std::fflush(stdout);
        const int first = m_heap.size() - 1 - trendCycles;
        if (first < warmUpCycles - 1)
            return;
        const int middle = first + trendCycles / 2;
        const qint64 halfLimit = trendCycles / 2 * growthPerCycleLimit;
        if (m_heap.at(middle) - m_heap.at(first) <= halfLimit || bytes - m_heap.at(middle) <= halfLimit)
            return;
#if defined(__SANITIZE_ADDRESS__)
        // Where the live heap is, by allocation site; ASAN_OPTIONS=fast_unwind_on_malloc=0 gives
        // deeper stacks, at a tenth of the speed.
        __sanitizer_print_memory_profile(60, 12);
#endif
        m_watchdog->fail(QStringLiteral("the live heap grew by %1 MB in the last %2 cycles")
                             .arg((bytes - m_heap.at(first)) / 1048576.0, 0, 'f', 1)
                             .arg(trendCycles));
    }

    void finish()
    {
        std::printf("monkey: seed %u, %d events, %d cycles, %.0f s: no fault found\n", m_options.seed,
                    m_watchdog->eventCount(), int(m_heap.size()), m_clock.elapsed() / 1000.0);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    const Options m_options;
    GalleryWindow* m_window;
    MonkeyWatchdog* m_watchdog;
    MonkeyEvents m_events;
    const QVector<MonkeyEvent> m_replay;
    int m_replayed = 0;
    QElapsedTimer m_clock;
    QVector<qint64> m_heap;
    int m_page = 0;
    int m_eventsOnPage = 0;
    int m_depth = 0;
    bool m_armed = false;
};

} // namespace

int main(int argc, char** argv)
{
    // The options and the replayed log are read before Qt starts, so that a mistake in them ends
    // the program before there is anything to check for leaks.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options options;
    if (!parseOptions(arguments, &options)) {
        std::fprintf(stderr, "usage: mirokit-monkey SECONDS --seed N --log FILE [--events-per-page N]\n"
                             "       mirokit-monkey --replay FILE --log FILE\n");
        return 2;
    }
    QVector<MonkeyEvent> replay;
    if (!options.replay.isEmpty()) {
        QString error;
        replay = MonkeyWatchdog::readLog(options.replay, &options.seed, &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "monkey: %s\n", qPrintable(error));
            return 2;
        }
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    ZCApplication::OnInitMain();
    ZApplication application(argc, argv);
    // Closing a dialog must never end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    GalleryApplication mirokit;
    mirokit.SetRobotoFont();

    MonkeyWatchdog watchdog(options.seed, options.log);
    int status = 0;
    {
        GalleryWindow window;
        window.resize(1100, 720);
        window.LoadSettings(0x7);
        window.show();
        if (options.replay.isEmpty())
            std::printf("monkey: seed %u, %d s, %d events per page\n", options.seed, options.seconds,
                        options.eventsPerPage);
        else
            std::printf("monkey: replaying %d events of seed %u from %s\n", int(replay.size()), options.seed,
                        qPrintable(options.replay));
        std::fflush(stdout);

        MonkeyRun run(options, &window, &watchdog, std::move(replay));
        run.start();
        status = QApplication::exec();
        window.SaveSettings(0x7);
    }
#if defined(__SANITIZE_ADDRESS__)
    // With the gallery gone and the application still there, what is unreachable now was lost
    // by the run; Qt's own objects of the platform, which it never frees at exit, are not.
    __lsan_do_leak_check();
#endif
    return status;
}
