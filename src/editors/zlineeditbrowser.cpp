#include "zlineeditbrowser.h"

#include "zlineedit.h"

ZLineEditBrowser::ZLineEditBrowser(QWidget* parent, bool focusOnButton)
    : ZAbstractBrowser(parent)
    , m_lineEdit(new ZLineEdit(this))
{
    // One connection each: the browser reports every change of the line edit exactly once.
    connect(m_lineEdit, &QLineEdit::cursorPositionChanged, this, &ZLineEditBrowser::cursorPositionChanged);
    connect(m_lineEdit, &QLineEdit::editingFinished, this, &ZLineEditBrowser::editingFinished);
    connect(m_lineEdit, &QLineEdit::returnPressed, this, &ZLineEditBrowser::returnPressed);
    connect(m_lineEdit, &QLineEdit::selectionChanged, this, &ZLineEditBrowser::selectionChanged);
    connect(m_lineEdit, &QLineEdit::textChanged, this, &ZLineEditBrowser::textChanged);
    connect(m_lineEdit, &QLineEdit::textEdited, this, &ZLineEditBrowser::textEdited);
    SetWidget(m_lineEdit, focusOnButton);
}

ZLineEditBrowser::~ZLineEditBrowser() = default;

ZLineEdit* ZLineEditBrowser::getLineEdit() const { return m_lineEdit; }

QString ZLineEditBrowser::inputMask() const { return m_lineEdit->inputMask(); }
void ZLineEditBrowser::setInputMask(const QString& inputMask) { m_lineEdit->setInputMask(inputMask); }
QString ZLineEditBrowser::text() const { return m_lineEdit->text(); }
void ZLineEditBrowser::setText(const QString& text) { m_lineEdit->setText(text); }
int ZLineEditBrowser::maxLength() const { return m_lineEdit->maxLength(); }
void ZLineEditBrowser::setMaxLength(int length) { m_lineEdit->setMaxLength(length); }
bool ZLineEditBrowser::hasFrame() const { return m_lineEdit->hasFrame(); }
void ZLineEditBrowser::setFrame(bool frame) { m_lineEdit->setFrame(frame); }
QLineEdit::EchoMode ZLineEditBrowser::echoMode() const { return m_lineEdit->echoMode(); }
void ZLineEditBrowser::setEchoMode(QLineEdit::EchoMode mode) { m_lineEdit->setEchoMode(mode); }
QString ZLineEditBrowser::displayText() const { return m_lineEdit->displayText(); }
int ZLineEditBrowser::cursorPosition() const { return m_lineEdit->cursorPosition(); }
void ZLineEditBrowser::setCursorPosition(int position) { m_lineEdit->setCursorPosition(position); }
Qt::Alignment ZLineEditBrowser::alignment() const { return m_lineEdit->alignment(); }
void ZLineEditBrowser::setAlignment(Qt::Alignment alignment) { m_lineEdit->setAlignment(alignment); }
bool ZLineEditBrowser::isModified() const { return m_lineEdit->isModified(); }
void ZLineEditBrowser::setModified(bool modified) { m_lineEdit->setModified(modified); }
bool ZLineEditBrowser::hasSelectedText() const { return m_lineEdit->hasSelectedText(); }
QString ZLineEditBrowser::selectedText() const { return m_lineEdit->selectedText(); }
bool ZLineEditBrowser::dragEnabled() const { return m_lineEdit->dragEnabled(); }
void ZLineEditBrowser::setDragEnabled(bool enabled) { m_lineEdit->setDragEnabled(enabled); }
bool ZLineEditBrowser::isReadOnly() const { return m_lineEdit->isReadOnly(); }
bool ZLineEditBrowser::isUndoAvailable() const { return m_lineEdit->isUndoAvailable(); }
bool ZLineEditBrowser::isRedoAvailable() const { return m_lineEdit->isRedoAvailable(); }
bool ZLineEditBrowser::hasAcceptableInput() const { return m_lineEdit->hasAcceptableInput(); }
QString ZLineEditBrowser::placeholderText() const { return m_lineEdit->placeholderText(); }
void ZLineEditBrowser::setPlaceholderText(const QString& text) { m_lineEdit->setPlaceholderText(text); }
Qt::CursorMoveStyle ZLineEditBrowser::cursorMoveStyle() const { return m_lineEdit->cursorMoveStyle(); }
void ZLineEditBrowser::setCursorMoveStyle(Qt::CursorMoveStyle style) { m_lineEdit->setCursorMoveStyle(style); }
bool ZLineEditBrowser::lineEditHasFocus() const { return m_lineEdit->hasFocus(); }

void ZLineEditBrowser::setReadOnly(bool readOnly)
{
    m_lineEdit->setReadOnly(readOnly);
    setBotonMenuReadOnly(readOnly);
}

void ZLineEditBrowser::backspace() { m_lineEdit->backspace(); }
void ZLineEditBrowser::del() { m_lineEdit->del(); }
void ZLineEditBrowser::deselect() { m_lineEdit->deselect(); }
void ZLineEditBrowser::home(bool bMark) { m_lineEdit->home(bMark); }
void ZLineEditBrowser::end(bool bMark) { m_lineEdit->end(bMark); }
void ZLineEditBrowser::insert(QString szNewText) { m_lineEdit->insert(szNewText); }
