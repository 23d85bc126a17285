#pragma once

#include "zcdialog.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class ZCHeaderBox;

/*!
    Base of the step-by-step dialogs: a row of Cancel, Back, Next and Finish buttons under a page
    column, with an optional dark header band above the page. Subclasses decide what Back and Next
    do and which page is shown.
*/
class MIROKIT_EXPORT ZCBaseWizard : public ZCDialog
{
    Q_OBJECT

public:
    ZCBaseWizard(QWidget* parent, const QString& title, const QString& settingsName);
    ~ZCBaseWizard() override;

    void SetTextoBotonCancel(const QString& text);
    void SetTextoBotonBack(const QString& text);
    void SetTextoBotonNext(const QString& text);
    void SetTextoBotonFin(const QString& text);

    void SetDefaultTextoBotonCancel();
    void SetDefaultTextoBotonBack();
    void SetDefaultTextoBotonNext();
    void SetDefaultTextoBotonFin();

    void SetVisibleBotonCancel(bool visible);
    void SetVisibleBotonBack(bool visible);
    void SetVisibleBotonNext(bool visible);
    void SetVisibleBotonFin(bool visible);

    void SetTextoHeaderBox(const QString& text);
    bool HayHeaderBox() const;

protected slots:
    virtual void backButtonClicked() = 0;
    virtual void nextButtonClicked() = 0;

protected:
    QPushButton* backButton() const { return m_back; }
    QPushButton* nextButton() const { return m_next; }
    QPushButton* finishButton() const { return m_finish; }

    // Hides `previous` (if any) and puts `current` in its place in the page column; showing
    // `current` is left to the caller, which may first have to prepare it.
    void replacePage(QWidget* previous, QWidget* current);
    // Back follows `canGoBack`; on the last page Finish is the default button and follows
    // `complete` while Next is off, elsewhere the other way round.
    void updateButtons(bool canGoBack, bool lastPage, bool complete);
    // Gives the focus to the first control after the page; the Cancel button never starts with it.
    void focusFirstControl(bool lastPage);

private:
    QPushButton* m_cancel;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_finish;
    ZCHeaderBox* m_header = nullptr;
    QHBoxLayout* m_buttonRow;
    QVBoxLayout* m_pageColumn;
};
