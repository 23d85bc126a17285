#pragma once

#include "mirokit_global.h"

#include <QPointer>
#include <QWidget>

class QComboBox;

/*!
    The formula editor placed in the report engine's property dialogs: the platform's editor
    beside a combo of data sources. What the user types in the editor comes out of textEdited()
    as an expression on the chosen data source (wrapped in "$D{...}" when the control wraps),
    and an expression given with SetText() is split into data source and column again.

    The platform's subclass shows texts in its editor (SetTextEditor) and keeps one setting of
    its own (SetBoolSetting); the base does neither. A busy flag keeps the two directions from
    feeding each other while a text is on its way.
*/
class MIROKIT_EXPORT ZCNCReportFieldEditControl : public QWidget
{
    Q_OBJECT

public:
    //! wrap: the expression given out and taken in is wrapped in "$D{...}".
    ZCNCReportFieldEditControl(bool wrap, QWidget* editor, QWidget* parent = nullptr);
    ~ZCNCReportFieldEditControl() override;

    // Inserts the no-data-source choice first, with `value` (such as "%CONST") as its data.
    void AddDataSourceVacio(const QString& value);

    QComboBox* dataSourceCombo() const { return m_combo; }
    QWidget* editor() const { return m_editor; }
    // The whole expression last received.
    QString fullText() const { return m_fullText; }

signals:
    void textEdited(QString text);

public slots:
    void SetText(QString szText);

protected slots:
    void emitTextEdited(QString szText);
    void onSetTextFromTextEdit();

protected:
    virtual void SetTextEditor(const QString& text);
    virtual void SetBoolSetting(bool on);

private:
    // The property dialog adaptations switch the setting with the source type.
    friend class ZCNCReportFieldPropDlgModificador;

    QString composed(const QString& text, bool& ok) const;

    QComboBox* m_combo;
    bool m_wrap;
    QString m_fullText;
    bool m_busy = false;
    QPointer<QWidget> m_editor;
};
