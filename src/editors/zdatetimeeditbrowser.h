#pragma once

#include "zabstractdatebrowser.h"

class ZDateTimeEdit;

/*!
    A date-time editor (ZDateTimeEdit) with a pick button that opens its calendar pop-up. Like
    the editor, a default one starts empty.
*/
class MIROKIT_EXPORT ZDateTimeEditBrowser : public ZAbstractDateBrowser
{
    Q_OBJECT
    Q_PROPERTY(QDateTime dateTime READ dateTime WRITE setDateTime NOTIFY dateTimeChanged USER true)
    Q_PROPERTY(QTime time READ time WRITE setTime)
    Q_PROPERTY(QDateTime maximumDateTime READ maximumDateTime WRITE setMaximumDateTime)
    Q_PROPERTY(QDateTime minimumDateTime READ minimumDateTime WRITE setMinimumDateTime)
    Q_PROPERTY(QTime maximumTime READ maximumTime WRITE setMaximumTime)
    Q_PROPERTY(QTime minimumTime READ minimumTime WRITE setMinimumTime)

public:
    //! focusOnButton: Tab stops at the pick button, so typing needs a click into the editor first.
    explicit ZDateTimeEditBrowser(QWidget* parent = nullptr, bool focusOnButton = true);
    ~ZDateTimeEditBrowser() override;

    ZDateTimeEdit* GetDateTimeEdit() const { return m_dateTimeEdit; }

    QDateTime maximumDateTime() const;
    void setMaximumDateTime(const QDateTime& dateTime);
    QDateTime minimumDateTime() const;
    void setMinimumDateTime(const QDateTime& dateTime);

signals:
    void dateTimeChanged(QDateTime dt);

private:
    ZDateTimeEdit* m_dateTimeEdit;
};
