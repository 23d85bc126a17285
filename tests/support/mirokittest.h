#pragma once

#include <Mirokit/ZApplication.h>

#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
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

namespace MirokitTest {

// The widgets that show an action (menus, tool buttons), by the name each Qt version gives them.
inline QList<QObject*> widgetsShowing(const QAction* action)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return action->associatedObjects();
#else
    const QList<QWidget*> widgets = action->associatedWidgets();
    return QList<QObject*>(widgets.cbegin(), widgets.cend());
#endif
}

// What \a widget paints, as an image of the widget's own size at any device pixel ratio (at a
// ratio of 2, every other device pixel), so that a test probes it in widget coordinates.
inline QImage grabbedImage(QWidget& widget)
{
    QImage image = widget.grab().toImage();
    if (image.size() != widget.size())
        image = image.scaled(widget.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(1.0);
    return image;
}

// Whether the rich text \a html, read back, shows \a word in bold. Qt 5 writes bold as
// font-weight:600 and Qt 6 as 700; what both read back is the same.
inline bool showsInBold(const QString& html, const QString& word)
{
    QTextDocument document;
    document.setHtml(html);
    const QTextCursor found = document.find(word);
    return !found.isNull() && found.charFormat().font().bold();
}

} // namespace MirokitTest
