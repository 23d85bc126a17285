// The gallery window's shortcuts: two actions with the same keys in one window make Qt call the
// keys ambiguous and trigger neither, so each key sequence must belong to one action.
#include "mirokittest.h"

#include "galleryapplication.h"
#include "gallerywindow.h"

#include <QAction>
#include <QMap>

class tst_GalleryShortcuts : public QObject {
    Q_OBJECT

private slots:
    void eachShortcutOfTheWindowTriggersOneAction();

private:
    GalleryApplication m_application;
};

void tst_GalleryShortcuts::eachShortcutOfTheWindowTriggersOneAction()
{
    GalleryWindow window;
    QMap<QString, QStringList> owners;
    for (const QAction* action : window.findChildren<QAction*>()) {
        const Qt::ShortcutContext context = action->shortcutContext();
        if (MirokitTest::widgetsShowing(action).isEmpty()
            || (context != Qt::WindowShortcut && context != Qt::ApplicationShortcut))
            continue;
        for (const QKeySequence& keys : action->shortcuts())
            owners[keys.toString()].append(action->text());
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            clashes.append(it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", ")));
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("\n  "))));
    // The pages fill line edits whose clear buttons fade in through parentless animations that
    // delete themselves when they stop: let them run and stop, or the leak checker finds them.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(500);
}

MIROKIT_TEST_MAIN(tst_GalleryShortcuts)
#include "tst_galleryshortcuts.moc"
