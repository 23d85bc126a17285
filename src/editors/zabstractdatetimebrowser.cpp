#include "zabstractdatetimebrowser.h"

ZAbstractDateTimeBrowser::ZAbstractDateTimeBrowser(QWidget* parent)
    : ZAbstractSpinBoxBrowser(parent)
{
}

ZAbstractDateTimeBrowser::~ZAbstractDateTimeBrowser() = default;

void ZAbstractDateTimeBrowser::SetDateTimeEdit(QDateTimeEdit* edit, bool focusOnButton)
{
    m_dateTimeEdit = edit;
    SetSpinBox(edit, focusOnButton);
}

QDateTimeEdit::Section ZAbstractDateTimeBrowser::currentSection() const { return m_dateTimeEdit->currentSection(); }
void ZAbstractDateTimeBrowser::setCurrentSection(QDateTimeEdit::Section section) { m_dateTimeEdit->setCurrentSection(section); }
QDateTimeEdit::Sections ZAbstractDateTimeBrowser::displayedSections() const { return m_dateTimeEdit->displayedSections(); }
QString ZAbstractDateTimeBrowser::displayFormat() const { return m_dateTimeEdit->displayFormat(); }
void ZAbstractDateTimeBrowser::setDisplayFormat(const QString& format) { m_dateTimeEdit->setDisplayFormat(format); }
int ZAbstractDateTimeBrowser::currentSectionIndex() const { return m_dateTimeEdit->currentSectionIndex(); }
void ZAbstractDateTimeBrowser::setCurrentSectionIndex(int index) { m_dateTimeEdit->setCurrentSectionIndex(index); }
int ZAbstractDateTimeBrowser::sectionCount() const { return m_dateTimeEdit->sectionCount(); }
Qt::TimeSpec ZAbstractDateTimeBrowser::timeSpec() const { return m_dateTimeEdit->timeSpec(); }
void ZAbstractDateTimeBrowser::setTimeSpec(Qt::TimeSpec timeSpec) { m_dateTimeEdit->setTimeSpec(timeSpec); }

QTime ZAbstractDateTimeBrowser::time() const { return m_dateTimeEdit->time(); }
void ZAbstractDateTimeBrowser::setTime(const QTime& time) { m_dateTimeEdit->setTime(time); }
QTime ZAbstractDateTimeBrowser::maximumTime() const { return m_dateTimeEdit->maximumTime(); }
void ZAbstractDateTimeBrowser::setMaximumTime(const QTime& time) { m_dateTimeEdit->setMaximumTime(time); }
QTime ZAbstractDateTimeBrowser::minimumTime() const { return m_dateTimeEdit->minimumTime(); }
void ZAbstractDateTimeBrowser::setMinimumTime(const QTime& time) { m_dateTimeEdit->setMinimumTime(time); }
