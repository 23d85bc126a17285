#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

namespace reporttest {

// Hands the next modal widget of type T to `job` as soon as it shows (polling, since it only
// appears inside the caller's event loop).
template<class T>
void onModal(std::function<void(T*)> job)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [job, poll] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget()))
            job(widget);
        else
            QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Answers the next message box with `button`.
inline void answerNextMessageBox(QMessageBox::StandardButton button)
{
    onModal<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
}

} // namespace reporttest
