#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace reporttest {

// Answers the next modal message box with `button` as soon as it shows (polling, since the
// box only appears inside the caller's event loop).
inline void answerNextMessageBox(QMessageBox::StandardButton button)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [button, poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->button(button))
            box->button(button)->click();
        else
            QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

} // namespace reporttest
