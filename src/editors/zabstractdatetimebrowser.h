#pragma once

#include "zabstractspinboxbrowser.h"

#include <QDateTimeEdit>

/*!
    The part the date, date-time and time browsers share: the sections and format of the inner
    QDateTimeEdit as properties, and its time limits as methods that the browsers showing a
    time publish as properties.
*/
class MIROKIT_EXPORT ZAbstractDateTimeBrowser : public ZAbstractSpinBoxBrowser
{
    Q_OBJECT
    Q_PROPERTY(QDateTimeEdit::Section currentSection READ currentSection WRITE setCurrentSection)
    Q_PROPERTY(QDateTimeEdit::Sections displayedSections READ displayedSections)
    Q_PROPERTY(QString displayFormat READ displayFormat WRITE setDisplayFormat)
    Q_PROPERTY(int currentSectionIndex READ currentSectionIndex WRITE setCurrentSectionIndex)
    Q_PROPERTY(int sectionCount READ sectionCount)
    Q_PROPERTY(Qt::TimeSpec timeSpec READ timeSpec WRITE setTimeSpec)

public:
    ~ZAbstractDateTimeBrowser() override;

    QDateTimeEdit::Section currentSection() const;
    void setCurrentSection(QDateTimeEdit::Section section);
    QDateTimeEdit::Sections displayedSections() const;
    QString displayFormat() const;
    void setDisplayFormat(const QString& format);
    int currentSectionIndex() const;
    void setCurrentSectionIndex(int index);
    int sectionCount() const;
    Qt::TimeSpec timeSpec() const;
    void setTimeSpec(Qt::TimeSpec timeSpec);

    QTime time() const;
    void setTime(const QTime& time);
    QTime maximumTime() const;
    void setMaximumTime(const QTime& time);
    QTime minimumTime() const;
    void setMinimumTime(const QTime& time);

protected:
    explicit ZAbstractDateTimeBrowser(QWidget* parent);
    void SetDateTimeEdit(QDateTimeEdit* edit, bool focusOnButton);

private:
    QDateTimeEdit* m_dateTimeEdit = nullptr;
};
