#pragma once

#include "mirokit_global.h"

#include <QWidget>

/*!
    A page of a ZCComplexWizard. The page decides which page follows it, whether it is complete
    and whether it is the last one; it emits completeStateChanged() when its completeness may
    have changed. A page starts hidden: the wizard shows it when it becomes current.
*/
class MIROKIT_EXPORT ZCWizardPage : public QWidget
{
    Q_OBJECT

public:
    explicit ZCWizardPage(QWidget* parent = nullptr);
    ~ZCWizardPage() override;

    virtual void resetPage();
    virtual ZCWizardPage* nextPage();
    virtual bool isLastPage();
    virtual bool isComplete();
    virtual void onActivatedPage();
    virtual void onPostActivatedPage();

signals:
    void completeStateChanged();
};
