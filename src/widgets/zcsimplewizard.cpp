#include "zcsimplewizard.h"

#include <QPushButton>
#include <QtDebug>

ZCSimpleWizard::ZCSimpleWizard(QWidget* parent)
    : ZCBaseWizard(parent, QString(), QString())
{
    switchButtonsBackNextFin();
}

// The pages are children of the dialog: Qt deletes those still in the history.
ZCSimpleWizard::~ZCSimpleWizard() = default;

void ZCSimpleWizard::setNumPages(int count)
{
    m_numPages = count;
    // Only the first call opens the first page; later calls change the count of a running wizard.
    if (m_history.isEmpty() && m_numPages > 0 && appendPage())
        switchFrom(nullptr);
    else
        switchButtonsBackNextFin();
}

void ZCSimpleWizard::setTituloVentana(const QString& title, bool showSteps)
{
    m_title = title;
    m_showSteps = showSteps;
    updateWindowTitle();
}

bool ZCSimpleWizard::isCurrentLastPage() const
{
    return !m_history.isEmpty() && m_history.size() >= m_numPages;
}

void ZCSimpleWizard::setButtonEnabled(bool enabled)
{
    (isCurrentLastPage() ? finishButton() : nextButton())->setEnabled(enabled);
}

void ZCSimpleWizard::switchButtonsBackNextFin()
{
    updateButtons(m_history.size() > 1, isCurrentLastPage(), !m_history.isEmpty());
}

void ZCSimpleWizard::nextButtonClicked()
{
    if (m_history.isEmpty() || isCurrentLastPage())
        return;
    QWidget* current = m_history.constLast();
    if (appendPage())
        switchFrom(current);
}

void ZCSimpleWizard::backButtonClicked()
{
    if (m_history.size() < 2)
        return;
    QWidget* left = m_history.takeLast();
    switchFrom(left);
    delete left;
}

bool ZCSimpleWizard::appendPage()
{
    const int index = m_history.size();
    QWidget* page = createPage(index);
    if (!page) {
        qWarning().noquote() << tr("El asistente no ha recibido la página %1").arg(index + 1);
        return false;
    }
    m_history.append(page);
    return true;
}

void ZCSimpleWizard::switchFrom(QWidget* previous)
{
    QWidget* current = m_history.constLast();
    replacePage(previous, current);
    current->show();
    current->setFocus();
    switchButtonsBackNextFin();
    updateWindowTitle();
    focusFirstControl(isCurrentLastPage());
}

void ZCSimpleWizard::updateWindowTitle()
{
    if (m_showSteps)
        setWindowTitle(tr("%1 - Paso %2 de %3")
                           .arg(m_title, QString::number(m_history.size()), QString::number(m_numPages)));
    else
        setWindowTitle(m_title);
}
