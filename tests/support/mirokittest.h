#pragma once

#include <Mirokit/ZApplication.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

/*!
    Entry point of every Mirokit test executable: a ZApplication on the platform CTest chose
    (offscreen), and a settings store in a temporary folder of its own, so that no test reads or
    writes the user's real settings and no test sees another's.
*/
#define MIROKIT_TEST_MAIN(TestClass)                                                     \
    int main(int argc, char** argv)                                                      \
    {                                                                                    \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                     \
        QTemporaryDir settingsDir;                                                       \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path()); \
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settingsDir.path()); \
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path()); \
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settingsDir.path()); \
        ZApplication application(argc, argv);                                            \
        application.setAttribute(Qt::AA_Use96Dpi, true);                                 \
        TestClass test;                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                       \
        return QTest::qExec(&test, argc, argv);                                          \
    }
