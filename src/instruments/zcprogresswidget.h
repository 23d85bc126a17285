#pragma once

#include "mirokit_global.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

/*!
    A progress panel (a state label over a bar) for operations that may be long. The caller
    keeps it hidden and reports the operation's state to onProgressChanged() and its progress to
    the bar. Once a second the panel estimates the operation's whole duration from the progress
    so far and shows itself only when that reaches 4 seconds, taking the place of the widget
    given to SetWidgetOcultar(); state 5 (finished) hides it again.
*/
class MIROKIT_EXPORT ZCProgressWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ZCProgressWidget(QWidget* parent = nullptr);

    QLabel* GetLabelProgreso() const;
    QProgressBar* GetProgressBar() const;
    // The widget is watched, not owned: once it is deleted the panel forgets it.
    void SetWidgetOcultar(QWidget* widget);
    QWidget* GetWidgetOcultar() const;

public slots:
    void onProgressChanged(int state);
    void onTimerShow();

protected:
    // Milliseconds since the operation started; a subclass may measure time its own way.
    virtual qint64 elapsedMilliseconds() const;

private:
    static QString stateText(int state);
    void startWatching();
    void finish();

    QLabel* m_label;
    QProgressBar* m_bar;
    QPointer<QWidget> m_widgetOcultar;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_elapsed;
    bool m_shown = false;
};
