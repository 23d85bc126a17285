#pragma once

#include "mirokit_global.h"

#include <QAction>
#include <QPointer>

class QToolBar;
class ZCEditorPopup;

/*!
    An action whose shortcut can be shown in its tool tip, and which can carry a pop-up editor
    that opens under its tool-bar button.
*/
class MIROKIT_EXPORT ZCAction : public QAction
{
    Q_OBJECT

public:
    ZCAction(const QIcon& icon, const QString& text, QObject* parent);
    ZCAction(const QString& text, QObject* parent);
    explicit ZCAction(QObject* parent);
    ~ZCAction() override;

    // SetShortcutToAction() on this action.
    void SetShortcut(const QKeySequence& keys, Qt::ShortcutContext context, bool showInToolTip);

    // Replaces the pop-up editor by a new one that shows \a editor under the button of this
    // action on \a toolBar (without OK and cancel buttons, with a size grip), not yet shown:
    // the host shows it through GetEditorPopup(). The pop-up belongs to the button and dies
    // with it. Nothing changes when the action has no button on \a toolBar.
    void SetWidgetPopup(QWidget* editor, QToolBar* toolBar);
    // The pop-up editor; null before SetWidgetPopup() and once its button is gone.
    ZCEditorPopup* GetEditorPopup();

private:
    QPointer<ZCEditorPopup> m_editorPopup;
};

/*!
    Gives \a action the icon \a name of Qt's print-preview dialog ("fit-width", "zoom-in",
    "print", ...), in its 24 and 32 pixel images.
*/
MIROKIT_EXPORT void setupActionIconQtPrintPreview(QAction* action, const QLatin1String& name);
