#pragma once

#include "mirokit_global.h"
// Complete for the font property: a meta-object needs the whole type of a pointer property.
#include "zfont.h"

#include <QLineEdit>

/*!
    The line edit used throughout the library: QLineEdit with its editing operations callable
    from scripts and a way to report a programmatic change as an edit.
*/
class MIROKIT_EXPORT ZLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(ZFont* font READ GetFont WRITE SetFont)

public:
    explicit ZLineEdit(QWidget* parent = nullptr);
    ZLineEdit(const QString& text, QWidget* parent = nullptr);
    ~ZLineEdit() override;

    void emitTextEdited(const QString& text);

public slots:
    void backspace();
    void del();
    void deselect();
    void home(bool bMark);
    void end(bool bMark);
    void insert(QString szNewText);

private:
    ZFont* GetFont();
    void SetFont(ZFont* font);
};
