#include "monkeyevents.h"

#include "gallerywindow.h"

#include <Mirokit/ZCDockWidget.h>
#include <Mirokit/ZCGestorTemasEstilo.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QStackedWidget>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestmouse.h>

#include <algorithm>

namespace {

const char* const kindNames[] = {"page", "click", "dclick", "drag", "wheel", "key", "text",
                                 "menu", "resize", "dock", "theme", "style", "close"};

// How often each kind of input is chosen. Switching pages, docks, themes and styles is rare
// because each of them changes a lot at once.
struct Weight {
    MonkeyEvent::Kind kind;
    int weight;
};
const Weight weights[] = {{MonkeyEvent::Click, 30},      {MonkeyEvent::DoubleClick, 6},
                          {MonkeyEvent::Drag, 8},        {MonkeyEvent::Wheel, 8},
                          {MonkeyEvent::Key, 22},        {MonkeyEvent::Text, 12},
                          {MonkeyEvent::ContextMenu, 5}, {MonkeyEvent::Resize, 2},
                          {MonkeyEvent::Dock, 2},        {MonkeyEvent::Theme, 1},
                          {MonkeyEvent::Style, 1},       {MonkeyEvent::Page, 2}};

struct KeyStroke {
    int key;
    int modifiers;
};
const KeyStroke keys[] = {
    {Qt::Key_Tab, 0},       {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Escape, 0},
    {Qt::Key_Return, 0},    {Qt::Key_Return, Qt::ControlModifier}, {Qt::Key_F4, 0},
    {Qt::Key_Delete, 0},    {Qt::Key_Backspace, 0},                {Qt::Key_Left, 0},
    {Qt::Key_Right, 0},     {Qt::Key_Up, 0},                       {Qt::Key_Down, 0},
    {Qt::Key_Down, Qt::AltModifier}, {Qt::Key_PageUp, 0},          {Qt::Key_PageDown, 0},
    {Qt::Key_Home, 0},      {Qt::Key_End, 0},                      {Qt::Key_Space, 0},
    {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_F2, 0},
    {Qt::Key_Menu, 0},      {Qt::Key_Plus, 0},                     {Qt::Key_Minus, 0},
    {Qt::Key_F11, 0}};

// Numbers in both decimal notations, dates, accents, symbols and a script of its own.
const char* const typed[] = {"7", "42", "-3", "0,5", "1.25", "abc", "Ñandú", "á", "%", "@",
                             "x", "07/12/2026", "zz99", " ", "€", "中文", "1e9", "99999999999"};

int keyCodeOf(QChar c)
{
    if (c.unicode() < 0x100)
        return c.toUpper().unicode();
    return Qt::Key_unknown;
}

QString textOfKey(int key)
{
    if (key == Qt::Key_Space || key == Qt::Key_Plus || key == Qt::Key_Minus)
        return QString(QChar(key));
    return QString();
}

// Sends one key press and release to a window, unless the press made the window go.
void sendKey(QWindow* window, int key, int modifiers, const QString& text)
{
    QPointer<QWindow> target(window);
    qt_handleKeyEvent(target, QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    if (target)
        qt_handleKeyEvent(target, QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), text);
}

QString describe(const QWidget* widget)
{
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        text += QLatin1Char(':') + widget->objectName();
    return text;
}

QString windowKey(const QWidget* window)
{
    return QStringLiteral("top:%1:%2").arg(QString::fromLatin1(window->metaObject()->className()),
                                           window->objectName());
}

// Windows other than the gallery that take input, in an order that does not depend on where
// they were allocated.
QList<QWidget*> otherWindows(const QWidget* main)
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window != main && window->isVisible() && window->windowHandle() && type != Qt::ToolTip
            && type != Qt::Desktop && type != Qt::SplashScreen)
            windows.append(window);
    }
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return windowKey(a) + a->windowTitle() < windowKey(b) + b->windowTitle();
    });
    return windows;
}

QString encode(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("~") : QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString decode(const QString& text)
{
    return text == QLatin1String("~") ? QString() : QUrl::fromPercentEncoding(text.toLatin1());
}

QString encodePoint(const QPoint& point)
{
    return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
}

QPoint decodePoint(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return parts.size() == 2 ? QPoint(parts.at(0).toInt(), parts.at(1).toInt()) : QPoint();
}

QList<QAction*> choosableActions(const QMenu* menu)
{
    QList<QAction*> actions;
    if (!menu)
        return actions;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && !action->menu() && action->isEnabled())
            actions.append(action);
    }
    return actions;
}

} // namespace

// "click main 310,200 0,0 1 0 0 ~ # QPushButton": kind, window, points, key or button,
// modifiers, index, typed text; what follows '#' is only for the reader.
QString MonkeyEvent::toLine() const
{
    const QStringList fields{QLatin1String(kindNames[kind]), encode(window), encodePoint(from), encodePoint(to),
                             QString::number(key), QString::number(modifiers), QString::number(index), encode(text)};
    return fields.join(QLatin1Char(' ')) + QStringLiteral(" # ") + target;
}

bool MonkeyEvent::fromLine(const QString& line, MonkeyEvent* event)
{
    const QStringList fields = line.section(QStringLiteral(" # "), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 8)
        return false;
    const auto kind = std::find_if(std::begin(kindNames), std::end(kindNames),
                                   [&](const char* name) { return fields.at(0) == QLatin1String(name); });
    if (kind == std::end(kindNames))
        return false;
    event->kind = Kind(kind - std::begin(kindNames));
    event->window = decode(fields.at(1));
    event->from = decodePoint(fields.at(2));
    event->to = decodePoint(fields.at(3));
    event->key = fields.at(4).toInt();
    event->modifiers = fields.at(5).toInt();
    event->index = fields.at(6).toInt();
    event->text = decode(fields.at(7));
    event->target = line.section(QStringLiteral(" # "), 1);
    return true;
}

MonkeyEvents::MonkeyEvents(unsigned seed, GalleryWindow* window)
    : m_random(seed)
    , m_window(window)
{
}

int MonkeyEvents::pick(int count)
{
    return count <= 1 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(m_random);
}

bool MonkeyEvents::chance(int percent)
{
    return pick(100) < percent;
}

QWidget* MonkeyEvents::currentPage() const
{
    auto* pages = qobject_cast<QStackedWidget*>(m_window->centralWidget());
    return pages ? pages->currentWidget() : nullptr;
}

MonkeyEvent MonkeyEvents::choose()
{
    MonkeyEvent event;
    QWidget* window = chooseWindow(&event.window);
    int total = 0;
    for (const Weight& weight : weights)
        total += weight.weight;
    int roll = pick(total);
    for (const Weight& weight : weights) {
        if ((roll -= weight.weight) < 0) {
            event.kind = weight.kind;
            break;
        }
    }
    // The main window's own commands are out of reach while something else has the input.
    const bool blocked = event.window == QLatin1String("popup") || event.window == QLatin1String("modal");
    if (blocked && (event.kind == MonkeyEvent::Page || event.kind == MonkeyEvent::Dock
                    || event.kind == MonkeyEvent::Theme || event.kind == MonkeyEvent::Style))
        event.kind = MonkeyEvent::Key;
    if (event.window == QLatin1String("popup") && event.kind == MonkeyEvent::Resize)
        event.kind = MonkeyEvent::Key;

    switch (event.kind) {
    case MonkeyEvent::Page:
        event.index = pick(m_window->pageCount());
        break;
    case MonkeyEvent::Dock:
        event.index = pick(8);
        event.key = pick(4);
        break;
    case MonkeyEvent::Theme:
    case MonkeyEvent::Style:
        event.index = pick(16);
        break;
    case MonkeyEvent::Resize:
        event.from = QPoint(420 + pick(1000), 320 + pick(700));
        break;
    case MonkeyEvent::Key:
        chooseKey(&event);
        break;
    case MonkeyEvent::Text:
        event.text = QString::fromUtf8(typed[pick(int(std::size(typed)))]);
        break;
    case MonkeyEvent::Close:
        break;
    default:
        choosePointer(&event, window);
        break;
    }
    return event;
}

QWidget* MonkeyEvents::chooseWindow(QString* key)
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        *key = QStringLiteral("popup");
        return popup;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        *key = QStringLiteral("modal");
        return modal;
    }
    const QList<QWidget*> others = otherWindows(m_window);
    if (!others.isEmpty() && chance(10)) {
        *key = windowKey(others.at(pick(others.size())));
        return resolve(*key);
    }
    *key = QStringLiteral("main");
    return m_window;
}

QWidget* MonkeyEvents::chooseWidget(QWidget* window)
{
    QWidget* root = window;
    if (window == m_window && currentPage() && chance(75))
        root = currentPage();
    QList<QWidget*> onScreen;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->isVisible() && !widget->isWindow() && widget->window() == window
            && !widget->visibleRegion().isEmpty())
            onScreen.append(widget);
    }
    return onScreen.isEmpty() ? window : onScreen.at(pick(onScreen.size()));
}

QPoint MonkeyEvents::pointIn(QWidget* widget, QWidget* window)
{
    const QRect area = widget == window ? window->rect() : widget->visibleRegion().boundingRect();
    const QPoint point = widget->mapTo(window, area.topLeft() + QPoint(pick(area.width()), pick(area.height())));
    return QPoint(qBound(0, point.x(), window->width() - 1), qBound(0, point.y(), window->height() - 1));
}

void MonkeyEvents::choosePointer(MonkeyEvent* event, QWidget* window)
{
    if (!window)
        return;
    QWidget* widget = chooseWidget(window);
    event->target = describe(widget);
    event->from = pointIn(widget, window);
    event->to = pointIn(chance(50) ? widget : chooseWidget(window), window);
    if (event->kind == MonkeyEvent::Wheel)
        event->key = (chance(50) ? 120 : -120) * (1 + pick(3));
    if (event->kind == MonkeyEvent::Click)
        event->key = chance(90) ? Qt::LeftButton : Qt::MiddleButton;
    if (chance(12))
        event->modifiers = chance(50) ? Qt::ControlModifier : Qt::ShiftModifier;
}

void MonkeyEvents::chooseKey(MonkeyEvent* event)
{
    const KeyStroke& stroke = keys[pick(int(std::size(keys)))];
    event->key = stroke.key;
    event->modifiers = stroke.modifiers;
    event->target = QKeySequence(stroke.key | stroke.modifiers).toString();
    if (QWidget* focus = QApplication::focusWidget())
        event->target += QStringLiteral(" to ") + describe(focus);
}

QWidget* MonkeyEvents::resolve(const QString& key) const
{
    if (key == QLatin1String("main"))
        return m_window;
    if (key == QLatin1String("popup"))
        return QApplication::activePopupWidget();
    if (key == QLatin1String("modal"))
        return QApplication::activeModalWidget();
    for (QWidget* window : otherWindows(m_window)) {
        if (windowKey(window) == key)
            return window;
    }
    return nullptr;
}

bool MonkeyEvents::apply(const MonkeyEvent& event)
{
    if (applyToApplication(event))
        return true;
    QPointer<QWidget> window = resolve(event.window);
    if (!window || !window->isVisible() || !window->windowHandle())
        return false;
    QWindow* handle = window->windowHandle();
    const auto modifiers = Qt::KeyboardModifiers(event.modifiers);
    switch (event.kind) {
    case MonkeyEvent::Click:
        QTest::mouseClick(handle, Qt::MouseButton(event.key), modifiers, event.from);
        break;
    case MonkeyEvent::DoubleClick:
        QTest::mouseDClick(handle, Qt::LeftButton, modifiers, event.from);
        break;
    case MonkeyEvent::ContextMenu:
        QTest::mouseClick(handle, Qt::RightButton, modifiers, event.from);
        break;
    case MonkeyEvent::Drag:
        drag(window, event);
        break;
    case MonkeyEvent::Wheel:
        sendWheel(window, event);
        break;
    case MonkeyEvent::Key:
        sendKey(handle, event.key, event.modifiers, textOfKey(event.key));
        break;
    case MonkeyEvent::Text:
        for (const QChar c : event.text) {
            if (!window)
                break;
            sendKey(window->windowHandle(), keyCodeOf(c), 0, QString(c));
        }
        break;
    case MonkeyEvent::Resize:
        window->resize(event.from.x(), event.from.y());
        break;
    case MonkeyEvent::Close:
        // A dialog is answered "cancel"; anything else is closed, and hidden if it refuses.
        if (auto* dialog = qobject_cast<QDialog*>(window.data()))
            dialog->reject();
        else
            window->close();
        if (window && window->isVisible())
            window->hide();
        break;
    default:
        return false;
    }
    return true;
}

void MonkeyEvents::drag(QWidget* window, const MonkeyEvent& event)
{
    QPointer<QWindow> handle = window->windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::KeyboardModifiers(event.modifiers), event.from);
    const int steps = 4;
    for (int step = 1; step <= steps && handle; ++step)
        QTest::mouseMove(handle, event.from + (event.to - event.from) * step / steps);
    if (handle)
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::KeyboardModifiers(event.modifiers), event.to);
    else
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
}

// Wheel turns go to the widget under the pointer and climb to its parents, as Qt's own
// delivery does.
void MonkeyEvents::sendWheel(QWidget* window, const MonkeyEvent& event)
{
    QWidget* receiver = window->childAt(event.from);
    if (!receiver)
        receiver = window;
    const QPoint local = receiver->mapFrom(window, event.from);
    QWheelEvent wheel(local, receiver->mapToGlobal(local), QPoint(), QPoint(0, event.key), Qt::NoButton,
                      Qt::KeyboardModifiers(event.modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(receiver, &wheel);
}

bool MonkeyEvents::applyToApplication(const MonkeyEvent& event)
{
    switch (event.kind) {
    case MonkeyEvent::Page:
        m_window->showPage(event.index % m_window->pageCount());
        return true;
    case MonkeyEvent::Theme:
    case MonkeyEvent::Style: {
        const QList<QAction*> actions = choosableActions(
            event.kind == MonkeyEvent::Theme ? GetGestorTemasEstilo()->GetMenuTemas() : m_window->GetMenuEstilos());
        if (!actions.isEmpty())
            actions.at(event.index % actions.size())->trigger();
        return true;
    }
    case MonkeyEvent::Dock: {
        QList<ZCDockWidget*> docks = m_window->findChildren<ZCDockWidget*>();
        if (docks.isEmpty())
            return true;
        std::sort(docks.begin(), docks.end(),
                  [](const QObject* a, const QObject* b) { return a->objectName() < b->objectName(); });
        ZCDockWidget* dock = docks.at(event.index % docks.size());
        if (event.key < 2)
            dock->SetAutoOcultable(!dock->EsAutoOcultable(), event.key == 1);
        else if (event.key == 2)
            dock->setVisible(!dock->isVisible());
        else
            dock->setFloating(!dock->isFloating());
        return true;
    }
    default:
        return false;
    }
}
