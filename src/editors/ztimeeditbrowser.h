#pragma once

#include "zabstractdatetimebrowser.h"

class ZTimeEdit;

/*!
    A time editor (ZTimeEdit) with a pick button. The button browses for nothing until a
    subclass overrides onPressBrowser.
*/
class MIROKIT_EXPORT ZTimeEditBrowser : public ZAbstractDateTimeBrowser
{
    Q_OBJECT
    Q_PROPERTY(QTime time READ time WRITE setTime NOTIFY timeChanged USER true)
    Q_PROPERTY(QTime maximumTime READ maximumTime WRITE setMaximumTime)
    Q_PROPERTY(QTime minimumTime READ minimumTime WRITE setMinimumTime)

public:
    //! focusOnButton: Tab stops at the pick button, so typing needs a click into the editor first.
    explicit ZTimeEditBrowser(QWidget* parent = nullptr, bool focusOnButton = true);
    ~ZTimeEditBrowser() override;

    ZTimeEdit* GetTimeEdit() const { return m_timeEdit; }

signals:
    void timeChanged(QTime dt);

private:
    ZTimeEdit* m_timeEdit;
};
