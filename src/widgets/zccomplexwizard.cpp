#include "zccomplexwizard.h"

#include "zcwizardpage.h"

#include <QPushButton>
#include <QtDebug>

#include <algorithm>

ZCComplexWizard::ZCComplexWizard(QWidget* parent, const QString& title, const QString& settingsName)
    : ZCBaseWizard(parent, title, settingsName)
{
}

ZCComplexWizard::~ZCComplexWizard()
{
    // The pages may be our children and die after us: they must not call forgetPage() then.
    for (ZCWizardPage* page : qAsConst(m_history))
        disconnect(page, &QObject::destroyed, this, nullptr);
}

void ZCComplexWizard::setFirstPage(ZCWizardPage* page)
{
    setCurrentPage(page, nullptr);
}

void ZCComplexWizard::setCurrentPage(ZCWizardPage* page)
{
    setCurrentPage(page, m_history.isEmpty() ? nullptr : m_history.constLast());
}

void ZCComplexWizard::setCurrentPage(ZCWizardPage* page, ZCWizardPage* previous)
{
    if (page)
        enterPage(page, previous);
}

void ZCComplexWizard::gotoNextPage()
{
    nextButtonClicked();
}

void ZCComplexWizard::clearHistory()
{
    while (m_history.size() > 1) {
        ZCWizardPage* page = m_history.takeFirst();
        if (!m_history.contains(page))
            disconnect(page, &QObject::destroyed, this, nullptr);
    }
    backButton()->setEnabled(false);
}

QList<ZCWizardPage*> ZCComplexWizard::historyPages() const
{
    return m_history;
}

void ZCComplexWizard::nextButtonClicked()
{
    if (m_history.isEmpty())
        return;
    ZCWizardPage* current = m_history.constLast();
    ZCWizardPage* next = current->nextPage();
    if (!next) {
        qWarning().noquote() << tr("La página actual del asistente no indica ninguna página siguiente");
        return;
    }
    enterPage(next, current);
}

void ZCComplexWizard::backButtonClicked()
{
    if (m_history.size() < 2)
        return;
    ZCWizardPage* left = m_history.takeLast();
    left->resetPage();
    if (!m_history.contains(left))
        disconnect(left, &QObject::destroyed, this, nullptr);
    switchFrom(left);
}

void ZCComplexWizard::enterPage(ZCWizardPage* page, ZCWizardPage* previous)
{
    page->resetPage();
    m_history.append(page);
    connect(page, &QObject::destroyed, this, &ZCComplexWizard::forgetPage, Qt::UniqueConnection);
    switchFrom(previous);
}

void ZCComplexWizard::switchFrom(ZCWizardPage* previous)
{
    if (previous)
        disconnect(previous, &ZCWizardPage::completeStateChanged, this, &ZCComplexWizard::completeStateChanged);
    ZCWizardPage* current = m_history.constLast();
    replacePage(previous, current);
    current->onActivatedPage();
    // A page may move on as soon as it is entered; the switch it started has done the rest.
    if (m_history.isEmpty() || m_history.constLast() != current)
        return;
    current->show();
    current->setFocus();
    connect(current, &ZCWizardPage::completeStateChanged, this, &ZCComplexWizard::completeStateChanged,
            Qt::UniqueConnection);
    completeStateChanged();
    focusFirstControl(current->isLastPage());
    current->onPostActivatedPage();
}

void ZCComplexWizard::completeStateChanged()
{
    if (m_history.isEmpty())
        return;
    ZCWizardPage* current = m_history.constLast();
    updateButtons(m_history.size() > 1, current->isLastPage(), current->isComplete());
}

// A deleted page leaves the history; when it was the current one, the page before it returns.
void ZCComplexWizard::forgetPage(QObject* page)
{
    const bool wasCurrent = !m_history.isEmpty() && m_history.constLast() == page;
    m_history.erase(std::remove_if(m_history.begin(), m_history.end(),
                                   [page](const QObject* visited) { return visited == page; }),
                    m_history.end());
    if (wasCurrent && !m_history.isEmpty())
        switchFrom(nullptr);
    else
        completeStateChanged();
}
