#pragma once

// Lifting the application's wait cursors while the user answers a prompt (not part of the
// public headers).

#include <QCursor>
#include <QGuiApplication>

/*!
    For its lifetime, takes every wait cursor off the top of the application's override-cursor
    stack (nested ZCWaitCursor scopes stack several), so that the user answers a prompt with the
    normal cursor; puts the same number back when it ends. An override cursor of another shape
    stops the lifting and is left where it is, with everything under it.
*/
class ZCWaitCursorLift
{
public:
    ZCWaitCursorLift()
    {
        while (isWaitCursorOnTop()) {
            QGuiApplication::restoreOverrideCursor();
            ++m_lifted;
        }
    }

    ~ZCWaitCursorLift()
    {
        for (int i = 0; i < m_lifted; ++i)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }

    ZCWaitCursorLift(const ZCWaitCursorLift&) = delete;
    ZCWaitCursorLift& operator=(const ZCWaitCursorLift&) = delete;

    int liftedCount() const { return m_lifted; }

private:
    static bool isWaitCursorOnTop()
    {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        return cursor && cursor->shape() == Qt::WaitCursor;
    }

    int m_lifted = 0;
};
