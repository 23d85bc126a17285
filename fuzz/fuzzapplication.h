#pragma once

#include <QApplication>

// Drops every message: hostile inputs make Qt and the library warn on nearly every run.
inline void dropFuzzMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// The offscreen application that drivers of widgets need, made on the first input and kept for
// the whole run. A message handler given here is installed before the application exists.
inline void ensureFuzzApplication(QtMessageHandler handler = nullptr)
{
    static QApplication* application = [handler] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (handler)
            qInstallMessageHandler(handler);
        static int argc = 1;
        static char name[] = "mirokit-fuzz";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    Q_UNUSED(application);
}
