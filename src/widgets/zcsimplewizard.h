#pragma once

#include "zcbasewizard.h"

#include <QList>

/*!
    A wizard with a fixed number of pages. The subclass creates each page on demand in
    createPage(); the wizard owns the pages it shows and deletes a page when the user goes back
    past it. The window title can carry the step number and the page count.
*/
class MIROKIT_EXPORT ZCSimpleWizard : public ZCBaseWizard
{
    Q_OBJECT

public:
    explicit ZCSimpleWizard(QWidget* parent);
    ~ZCSimpleWizard() override;

protected:
    void setNumPages(int count);
    void setTituloVentana(const QString& title, bool showSteps);
    bool isCurrentLastPage() const;
    void setButtonEnabled(bool enabled);
    void switchButtonsBackNextFin();

    // Creates the page of zero-based index `nIndex`; the wizard takes ownership of it.
    virtual QWidget* createPage(int nIndex) = 0;

protected slots:
    void backButtonClicked() override;
    void nextButtonClicked() override;

private:
    bool appendPage();
    void switchFrom(QWidget* previous);
    void updateWindowTitle();

    QString m_title;
    bool m_showSteps = false;
    QList<QWidget*> m_history;
    int m_numPages = 0;
};
