#pragma once

// Drag detection shared by the drag-source widgets (not part of the public headers).

#include <QApplication>
#include <QMouseEvent>

/*!
    Follows a left-button press and tells when the pointer has moved far enough to start a drag.
    A press announces at most one drag: after that the tracker stays quiet until the button is
    released (or a new press arrives, for a release swallowed by the caller's drag loop).
*/
class ZCDragStartTracker
{
public:
    QPoint pressPosition() const { return m_pressPosition; }
    bool hasAnnounced() const { return m_state == State::Announced; }

    void press(const QMouseEvent* event)
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_pressPosition = event->pos();
        m_state = State::Pressed;
    }

    // True exactly once per press, on the first move at least the start-drag distance away.
    bool startsDrag(const QMouseEvent* event)
    {
        if (!(event->buttons() & Qt::LeftButton)) {
            m_state = State::Idle;
            return false;
        }
        if (m_state != State::Pressed)
            return false;
        if ((event->pos() - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
            return false;
        m_state = State::Announced;
        return true;
    }

    void release(const QMouseEvent* event)
    {
        if (event->button() == Qt::LeftButton)
            m_state = State::Idle;
    }

private:
    enum class State { Idle, Pressed, Announced };

    QPoint m_pressPosition;
    State m_state = State::Idle;
};
