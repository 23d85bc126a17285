#include "zcwizardpage.h"

ZCWizardPage::ZCWizardPage(QWidget* parent)
    : QWidget(parent)
{
    hide();
}

ZCWizardPage::~ZCWizardPage() = default;

void ZCWizardPage::resetPage() {}

ZCWizardPage* ZCWizardPage::nextPage()
{
    return nullptr;
}

bool ZCWizardPage::isLastPage()
{
    return false;
}

bool ZCWizardPage::isComplete()
{
    return true;
}

void ZCWizardPage::onActivatedPage() {}

void ZCWizardPage::onPostActivatedPage() {}
