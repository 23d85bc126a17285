#pragma once

#include "zcbasewizard.h"

#include <QList>

class ZCWizardPage;

/*!
    A wizard whose pages (ZCWizardPage) choose the page that follows them. The wizard remembers
    the pages visited, the current one last, so that Back returns along the same path. The pages
    belong to the caller (or to the wizard through Qt parenthood); a page deleted while in the
    history simply leaves it.
*/
class MIROKIT_EXPORT ZCComplexWizard : public ZCBaseWizard
{
    Q_OBJECT

public:
    ZCComplexWizard(QWidget* parent, const QString& title, const QString& settingsName);
    ~ZCComplexWizard() override;

    void setCurrentPage(ZCWizardPage* page);
    void gotoNextPage();
    // Forgets the pages before the current one: Back has nowhere to go until Next is used.
    void clearHistory();
    QList<ZCWizardPage*> historyPages() const;

protected:
    void setFirstPage(ZCWizardPage* page);
    void setCurrentPage(ZCWizardPage* page, ZCWizardPage* previous);

private slots:
    void backButtonClicked() override;
    void nextButtonClicked() override;
    void completeStateChanged();

private:
    void enterPage(ZCWizardPage* page, ZCWizardPage* previous);
    void switchFrom(ZCWizardPage* previous);
    void forgetPage(QObject* page);

    QList<ZCWizardPage*> m_history;
};
