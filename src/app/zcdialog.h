#pragma once

#include "mirokit_global.h"

#include <QDialog>
#include <QPointer>

class QBoxLayout;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class ZCHeaderBox;
class ZCOverlayShadowGui;

/*!
    Base of the library's dialogs: a vertical main layout created on first use (without margins
    or spacing), optional OK and Cancel buttons, a size remembered under a settings name, and a
    darkening overlay over the parent window while the dialog is shown.
*/
class MIROKIT_EXPORT ZCDialog : public QDialog
{
    Q_OBJECT

public:
    //! overlay: the parent window is darkened while the dialog is shown.
    ZCDialog(const QString& title, QWidget* parent, const QString& settingsName,
             Qt::WindowFlags flags = {}, bool overlay = true);
    explicit ZCDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {}, bool overlay = true);
    ~ZCDialog() override;

    QVBoxLayout* GetMainLayout();
    void AddWidget(QWidget* widget, int stretch = 0);
    void AddLayout(QLayout* layout, int stretch = 0);
    void SetHeaderBox(ZCHeaderBox* headerBox);

    void AddBotonAceptar();
    void AddBotonesAceptarCancelar();
    void setEnabledBotonOK(bool enabled);
    void setEnabledBotonCancel(bool enabled);

    void resetSpacingMargins();

    void LoadSettings();
    void SaveSettings();

    void EjecutaYBorra();
    void OpenAndDelete();

protected:
    void AseguraMainLayout();

private:
    void initialize(Qt::WindowFlags flags, bool overlay);
    QPushButton* createButton(const QString& text, bool isDefault);

    QString m_settingsName;
    QHBoxLayout* m_buttonsLayout = nullptr;
    QPointer<QPushButton> m_okButton;
    QPointer<QPushButton> m_cancelButton;
    QPointer<ZCOverlayShadowGui> m_overlay;
    QVBoxLayout* m_mainLayout = nullptr;
};
