#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>

#include <random>

class QWidget;
class GalleryWindow;

/*!
    One input of the monkey, in a form that can be written to a line and read back: the replay
    plays the lines of a log instead of choosing.

    `window` names the top-level window the input goes to: "main" (the gallery), "popup" (the
    open pop-up or menu), "modal" (the modal dialog in front) or "top:Class:objectName" for any
    other window. Points are in that window's coordinates.
*/
struct MonkeyEvent {
    enum Kind { Page, Click, DoubleClick, Drag, Wheel, Key, Text, ContextMenu, Resize, Dock, Theme, Style, Close };

    Kind kind = Click;
    QString window = QStringLiteral("main");
    QPoint from;       // pointer position; the new size of a Resize
    QPoint to;         // where a Drag ends
    int key = 0;       // Key: the key; Wheel: the angle delta
    int modifiers = 0; // Qt::KeyboardModifiers
    int index = 0;     // Page, Theme, Style, Dock: which one; Dock also the action in `key`
    QString text;      // Text: what is typed
    QString target;    // what was aimed at, for the reader of the log only

    QString toLine() const;
    static bool fromLine(const QString& line, MonkeyEvent* event);
};

/*!
    Chooses the monkey's input with a seeded generator and sends it the way the window system
    would, through the windows' QWindow: pop-ups, modality, focus and shortcuts take their usual
    path. Pointer input is aimed at a widget that is visible on screen, most often one of the
    current gallery page.
*/
class MonkeyEvents
{
public:
    MonkeyEvents(unsigned seed, GalleryWindow* window);

    MonkeyEvent choose();
    bool apply(const MonkeyEvent& event);
    QWidget* currentPage() const;

private:
    int pick(int count);
    bool chance(int percent);
    QWidget* chooseWindow(QString* key);
    QWidget* chooseWidget(QWidget* window);
    QPoint pointIn(QWidget* widget, QWidget* window);
    void choosePointer(MonkeyEvent* event, QWidget* window);
    void chooseKey(MonkeyEvent* event);
    QWidget* resolve(const QString& key) const;
    void sendWheel(QWidget* window, const MonkeyEvent& event);
    void drag(QWidget* window, const MonkeyEvent& event);
    bool applyToApplication(const MonkeyEvent& event);

    std::mt19937 m_random;
    QPointer<GalleryWindow> m_window;
};
