#pragma once

#include "monkeyevents.h"

#include <QFile>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <mutex>
#include <thread>

/*!
    Keeps the monkey honest: writes every event to the replay log as it is sent (so the log is
    complete whatever ends the process), decides when whatever is in front of the gallery (a
    pop-up, a menu, a modal dialog) has had its share of input and must be closed, fails the run
    on a Qt warning that points at a fault, on a sanitizer report and on a hang, and then prints
    the seed and the last events.
*/
class MonkeyWatchdog
{
public:
    // A hang: the GUI thread works this long on one event, or waits four times as long.
    static constexpr int hangSeconds = 10;
    static constexpr int eventsShown = 50;

    MonkeyWatchdog(unsigned seed, const QString& logPath);
    ~MonkeyWatchdog();

    void record(const MonkeyEvent& event);
    int eventCount() const;
    void beat();

    static QWidget* blocker();
    bool shouldClose(QWidget* blocker);

    [[noreturn]] void fail(const QString& reason);
    QStringList warnings() const;

    static QVector<MonkeyEvent> readLog(const QString& path, unsigned* seed, QString* error);

private:
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static void onDeath();
    void watch();
    void report(const QString& reason);

    static MonkeyWatchdog* s_instance;

    const unsigned m_seed;
    QFile m_log;
    mutable std::mutex m_mutex;
    QStringList m_lastEvents;
    int m_eventCount = 0;
    QStringList m_warnings;
    std::atomic<qint64> m_lastBeat{0};
    std::atomic<qint64> m_lastBeatWork{0};
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_reported{false};
    QPointer<QWidget> m_blocker;
    int m_eventsAtBlocker = 0;
    std::thread m_thread;
};
