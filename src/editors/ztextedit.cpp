#include "ztextedit.h"

#include "zccolordialog.h"
#include "zctextedit.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextList>
#include <QToolBar>

namespace {

QIcon swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

constexpr qreal minimumPointSize = 1;
constexpr qreal maximumPointSize = 512;

bool isCtrlEnter(const QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && event->modifiers() & Qt::ControlModifier;
}

} // namespace

ZTextEdit::ZTextEdit(QWidget* parent)
    : QMainWindow(parent)
    , m_textEdit(new ZCTextEdit(this))
{
    // QMainWindow makes itself a window; an editor inside a form is a child widget.
    if (parent)
        setWindowFlags(windowFlags() & ~Qt::Window);
    setFocusPolicy(m_textEdit->focusPolicy());
    setFocusProxy(m_textEdit);
    m_textEdit->installEventFilter(this);
    m_textEdit->setAccessibleName(tr("Texto"));

    createActions();
    createContextMenu();
    createToolBars();

    setCentralWidget(m_textEdit);
    m_textEdit->setFocus();
    fontChanged(m_textEdit->font());
    colorChanged(m_textEdit->textColor());
    alignmentChanged(m_textEdit->alignment());

    connectTextBox();
}

ZTextEdit::~ZTextEdit() = default;

QAction* ZTextEdit::createAction(const QString& text, const QString& icon, const QKeySequence& shortcut,
                                 bool checkable)
{
    auto* action = new QAction(icon.isEmpty() ? QIcon() : QIcon(icon), text, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setCheckable(checkable);
    return action;
}

void ZTextEdit::createActions()
{
    m_undoAction = createAction(tr("&Deshacer"), QStringLiteral(":/Resources/tg_deshacer.png"), QKeySequence::Undo, false);
    m_redoAction = createAction(tr("&Rehacer"), QStringLiteral(":/Resources/tg_rehacer.png"), QKeySequence::Redo, false);
    m_cutAction = createAction(tr("Cor&tar"), QStringLiteral(":/Resources/tg_cortar.png"), QKeySequence::Cut, false);
    m_copyAction = createAction(tr("&Copiar"), QStringLiteral(":/Resources/tg_copiar.png"), QKeySequence::Copy, false);
    m_pasteAction = createAction(tr("&Pegar"), QStringLiteral(":/Resources/tg_pegar.png"), QKeySequence::Paste, false);
    connect(m_undoAction, &QAction::triggered, m_textEdit, &QTextEdit::undo);
    connect(m_redoAction, &QAction::triggered, m_textEdit, &QTextEdit::redo);
    connect(m_cutAction, &QAction::triggered, m_textEdit, &QTextEdit::cut);
    connect(m_copyAction, &QAction::triggered, m_textEdit, &QTextEdit::copy);
    connect(m_pasteAction, &QAction::triggered, m_textEdit, &QTextEdit::paste);
    m_cutAction->setEnabled(false);
    m_copyAction->setEnabled(false);
    m_pasteAction->setEnabled(canPasteText());
    m_undoAction->setEnabled(m_textEdit->document()->isUndoAvailable());
    m_redoAction->setEnabled(m_textEdit->document()->isRedoAvailable());

    m_boldAction = createAction(tr("&Negrita"), QStringLiteral(":/Resources/tt_negrita.png"), Qt::CTRL | Qt::Key_B, true);
    m_italicAction = createAction(tr("&Cursiva"), QStringLiteral(":/Resources/tt_italica.png"), Qt::CTRL | Qt::Key_I, true);
    m_underlineAction = createAction(tr("&Subrayado"), QStringLiteral(":/Resources/tt_subrayado.png"), Qt::CTRL | Qt::Key_U, true);
    m_colorAction = createAction(tr("&Color..."), QString(), QKeySequence(), false);
    connect(m_boldAction, &QAction::triggered, this, &ZTextEdit::OnTextNegrita);
    connect(m_italicAction, &QAction::triggered, this, &ZTextEdit::OnTextCursiva);
    connect(m_underlineAction, &QAction::triggered, this, &ZTextEdit::OnTextSubrayado);
    connect(m_colorAction, &QAction::triggered, this, &ZTextEdit::OnTextColor);
    m_styleGroup = new QActionGroup(this);
    m_styleGroup->setExclusive(false);
    m_styleGroup->addAction(m_boldAction);
    m_styleGroup->addAction(m_italicAction);
    m_styleGroup->addAction(m_underlineAction);

    m_alignLeftAction = createAction(tr("Iz&quierda"), QStringLiteral(":/Resources/tt_alin_izq.png"), Qt::CTRL | Qt::Key_Q, true);
    m_alignCenterAction = createAction(tr("C&entro"), QStringLiteral(":/Resources/tt_alin_cen.png"), Qt::CTRL | Qt::Key_E, true);
    m_alignRightAction = createAction(tr("&Derecha"), QStringLiteral(":/Resources/tt_alin_dch.png"), Qt::CTRL | Qt::Key_D, true);
    m_justifyAction = createAction(tr("&Justificado"), QStringLiteral(":/Resources/tt_justificado.png"), Qt::CTRL | Qt::Key_J, true);
    m_alignGroup = new QActionGroup(this);
    for (QAction* action : {m_alignLeftAction, m_alignCenterAction, m_alignRightAction, m_justifyAction})
        m_alignGroup->addAction(action);
    connect(m_alignGroup, &QActionGroup::triggered, this, &ZTextEdit::OnTextAlign);

    m_numberingAction = createAction(tr("&Numeración"), QStringLiteral(":/Resources/tt_numeracion.png"), Qt::CTRL | Qt::Key_N, true);
    m_bulletsAction = createAction(tr("&Viñetas"), QStringLiteral(":/Resources/tt_vineta.png"), Qt::CTRL | Qt::Key_V, true);
    m_listGroup = new QActionGroup(this);
    // At most one list style, but a checked one can be unchecked again to end the list.
    m_listGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_listGroup->addAction(m_numberingAction);
    m_listGroup->addAction(m_bulletsAction);
    connect(m_listGroup, &QActionGroup::triggered, this, &ZTextEdit::OnTextLista);
}

// The text box shows its own actions as its context menu, so they are added in menu order.
void ZTextEdit::createContextMenu()
{
    const auto addSeparator = [this] {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        m_textEdit->addAction(separator);
    };
    m_textEdit->addActions({m_undoAction, m_redoAction, m_cutAction, m_copyAction, m_pasteAction});
    addSeparator();
    m_textEdit->addActions({m_boldAction, m_italicAction, m_underlineAction, m_colorAction});
    addSeparator();
    m_textEdit->addActions(m_alignGroup->actions());
    addSeparator();
    m_textEdit->addActions({m_numberingAction, m_bulletsAction});
    m_textEdit->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ZTextEdit::createToolBars()
{
    m_editToolBar = addToolBar(tr("Edición"));
    m_editToolBar->addActions({m_undoAction, m_redoAction, m_cutAction, m_copyAction, m_pasteAction});
    m_styleToolBar = addToolBar(tr("Estilo"));
    m_styleToolBar->addActions({m_boldAction, m_italicAction, m_underlineAction, m_colorAction});
    m_alignToolBar = addToolBar(tr("Alineacion"));
    m_alignToolBar->addActions(m_alignGroup->actions());
    m_listToolBar = addToolBar(tr("Numeración y viñetas"));
    m_listToolBar->addActions({m_numberingAction, m_bulletsAction});

    m_formatToolBar = addToolBar(tr("Formato"));
    m_formatToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_fontFamilyBox = new QFontComboBox(m_formatToolBar);
    m_fontSizeBox = new QComboBox(m_formatToolBar);
    m_fontFamilyBox->setAccessibleName(tr("Fuente"));
    m_fontSizeBox->setAccessibleName(tr("Tamaño"));
    m_fontSizeBox->setEditable(true);
    const QList<int> sizes = QFontDatabase::standardSizes();
    for (const int size : sizes)
        m_fontSizeBox->addItem(QString::number(size));
    m_fontSizeBox->setCurrentIndex(
        m_fontSizeBox->findText(QString::number(QApplication::font().pointSize()), Qt::MatchFixedString));
    for (QComboBox* box : {static_cast<QComboBox*>(m_fontFamilyBox), m_fontSizeBox}) {
        box->setFocusPolicy(static_cast<Qt::FocusPolicy>(box->focusPolicy() & ~Qt::TabFocus));
        // The text field of an editable box is what a screen reader lands on.
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(box->accessibleName());
        m_formatToolBar->addWidget(box);
    }
    for (QToolBar* toolBar : {m_editToolBar, m_styleToolBar, m_alignToolBar, m_listToolBar, m_formatToolBar})
        toolBar->installEventFilter(this);
    connect(m_fontFamilyBox, &QComboBox::textActivated, this, &ZTextEdit::OnTextFamily);
    connect(m_fontSizeBox, &QComboBox::textActivated, this, &ZTextEdit::OnTextSize);
}

void ZTextEdit::connectTextBox()
{
    QTextDocument* document = m_textEdit->document();
    // A read-only box still records what a script appends to it; its undo and redo must not
    // become the user's way to change the text.
    const auto follow = [this](QAction* action) {
        return [this, action](bool available) { action->setEnabled(available && !m_textEdit->isReadOnly()); };
    };
    connect(document, &QTextDocument::undoAvailable, m_undoAction, follow(m_undoAction));
    connect(document, &QTextDocument::redoAvailable, m_redoAction, follow(m_redoAction));
    connect(m_textEdit, &QTextEdit::copyAvailable, this, &ZTextEdit::onCopyAvailable);
    connect(m_textEdit, &QTextEdit::currentCharFormatChanged, this, &ZTextEdit::currentCharFormatChanged);
    connect(m_textEdit, &QTextEdit::cursorPositionChanged, this, &ZTextEdit::cursorPositionChanged);
    connect(m_textEdit, &QTextEdit::textChanged, this, &ZTextEdit::textChanged);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &ZTextEdit::clipboardDataChanged);
}

QString ZTextEdit::GetText() const
{
    if (!m_textEdit->acceptRichText())
        return m_textEdit->toPlainText();
    // An empty rich document would otherwise read back as an HTML skeleton.
    return m_textEdit->document()->isEmpty() ? QString() : m_textEdit->toHtml();
}

void ZTextEdit::SetText(const QString& text)
{
    if (m_textEdit->acceptRichText()) {
        m_textEdit->setHtml(text);
        // Typing continues in the document's first font: the families the text names, not the
        // one this machine substitutes for them, which would rewrite the first word and hand the
        // text back changed. A text that names none keeps the editor's own.
        const QTextCharFormat first = m_textEdit->cursorForPosition(QPoint(0, 0)).charFormat();
        QStringList families = first.fontFamilies().toStringList();
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 5 keeps a single family apart from the list; Qt 6 keeps only the list (and its
        // fontFamily() fails on a format that names none).
        if (families.isEmpty() && !first.fontFamily().isEmpty())
            families.append(first.fontFamily());
#endif
        if (!families.isEmpty())
            applyFontFamilies(families);
        OnTextSize(QString::number(first.font().pointSizeF()));
        // Applying the font goes through the document like a user's change would; a new text
        // must still leave nothing to undo.
        m_textEdit->document()->clearUndoRedoStacks();
    } else {
        m_textEdit->setPlainText(text);
    }
    m_textEdit->document()->setModified(false);
}

void ZTextEdit::SetAceptaTextoEnriquecido(bool accept)
{
    m_textEdit->setAcceptRichText(accept);
    updateFormattingVisibility();
}

bool ZTextEdit::aceptaTextoEnriquecido() const
{
    return m_textEdit->acceptRichText();
}

void ZTextEdit::updateFormattingVisibility()
{
    const bool rich = m_textEdit->acceptRichText();
    for (QActionGroup* group : {m_styleGroup, m_alignGroup, m_listGroup})
        group->setVisible(rich);
    // The colour swatch belongs with the character styles though it is not in their group.
    m_colorAction->setVisible(rich);
    for (QToolBar* toolBar : {m_styleToolBar, m_formatToolBar, m_alignToolBar, m_listToolBar})
        toolBar->setVisible(rich && m_toolBarsShown);
}

void ZTextEdit::SetReadOnly(bool readOnly)
{
    if (m_textEdit->isReadOnly() == readOnly)
        return;
    m_textEdit->setReadOnly(readOnly);
    const bool editable = !readOnly;
    for (QAction* action : {m_boldAction, m_underlineAction, m_italicAction, m_colorAction,
                            m_alignLeftAction, m_alignCenterAction, m_alignRightAction, m_justifyAction,
                            m_numberingAction, m_bulletsAction, m_undoAction, m_redoAction}) {
        action->setEnabled(editable);
    }
    m_cutAction->setEnabled(editable && m_copyAction->isEnabled());
    m_pasteAction->setEnabled(canPasteText());
    m_fontFamilyBox->setEnabled(editable);
    m_fontSizeBox->setEnabled(editable);
}

bool ZTextEdit::IsReadOnly() const
{
    return m_textEdit->isReadOnly();
}

void ZTextEdit::SetModified(bool modified)
{
    m_textEdit->document()->setModified(modified);
}

bool ZTextEdit::IsModified() const
{
    return m_textEdit->document()->isModified();
}

void ZTextEdit::ShowMenuPopup(bool enabled)
{
    m_contextMenuEnabled = enabled;
    m_textEdit->setContextMenuPolicy(enabled ? Qt::ActionsContextMenu : Qt::NoContextMenu);
}

void ZTextEdit::ShowToolBars(bool show)
{
    m_toolBarsShown = show;
    m_editToolBar->setVisible(show);
}

void ZTextEdit::showGroupedToolBar(QToolBar* toolBar, QActionGroup* group, bool show)
{
    if (group)
        group->setVisible(show);
    toolBar->setVisible(show && m_toolBarsShown);
}

void ZTextEdit::ShowToolbarEstilo(bool show)
{
    showGroupedToolBar(m_styleToolBar, m_styleGroup, show);
}

void ZTextEdit::ShowToolbarFormato(bool show)
{
    showGroupedToolBar(m_formatToolBar, nullptr, show);
}

void ZTextEdit::ShowToolbarAlineacion(bool show)
{
    showGroupedToolBar(m_alignToolBar, m_alignGroup, show);
}

void ZTextEdit::ShowToolbarLista(bool show)
{
    showGroupedToolBar(m_listToolBar, m_listGroup, show);
}

ZCTextEdit* ZTextEdit::GetTextEdit() const
{
    return m_textEdit;
}

void ZTextEdit::mergeFormatOnWordOrSelection(const QTextCharFormat& format)
{
    QTextCursor cursor = m_textEdit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_textEdit->mergeCurrentCharFormat(format);
}

void ZTextEdit::OnTextNegrita()
{
    QTextCharFormat format;
    format.setFontWeight(m_boldAction->isChecked() ? QFont::Bold : QFont::Normal);
    mergeFormatOnWordOrSelection(format);
}

void ZTextEdit::OnTextSubrayado()
{
    QTextCharFormat format;
    format.setFontUnderline(m_underlineAction->isChecked());
    mergeFormatOnWordOrSelection(format);
}

void ZTextEdit::OnTextCursiva()
{
    QTextCharFormat format;
    format.setFontItalic(m_italicAction->isChecked());
    mergeFormatOnWordOrSelection(format);
}

void ZTextEdit::OnTextFamily(const QString& f)
{
    applyFontFamilies({f});
}

// The first family is the one asked for, the others are tried in turn where it is missing.
void ZTextEdit::applyFontFamilies(const QStringList& families)
{
    QTextCharFormat format;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 reads the single family first; Qt 6 has only the list.
    format.setFontFamily(families.constFirst());
#endif
    format.setFontFamilies(families);
    mergeFormatOnWordOrSelection(format);
}

void ZTextEdit::OnTextSize(const QString& p)
{
    bool isNumber = false;
    const qreal pointSize = p.toDouble(&isNumber);
    // Text typed into the size box that is no usable size leaves the format alone: the font
    // engine lays out an infinite, huge or vanishing size with no height at all, and the text
    // would disappear (and be saved so). The bounds are those of Qt's own font dialog.
    if (!isNumber || !(pointSize >= minimumPointSize && pointSize <= maximumPointSize))
        return;
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    mergeFormatOnWordOrSelection(format);
}

void ZTextEdit::OnTextLista(QAction* pAction)
{
    Q_UNUSED(pAction)
    QTextCursor cursor = m_textEdit->textCursor();
    if (!m_numberingAction->isChecked() && !m_bulletsAction->isChecked()) {
        // Merging an object index of -1 would merge nothing (it clears the property); the
        // list itself lets the paragraph go.
        if (QTextList* list = cursor.currentList())
            list->remove(cursor.block());
        return;
    }

    cursor.beginEditBlock();
    QTextListFormat listFormat;
    if (const QTextList* list = cursor.currentList()) {
        listFormat = list->format();
    } else {
        QTextBlockFormat blockFormat = cursor.blockFormat();
        listFormat.setIndent(blockFormat.indent() + 1);
        blockFormat.setIndent(0);
        cursor.setBlockFormat(blockFormat);
    }
    listFormat.setStyle(m_bulletsAction->isChecked() ? QTextListFormat::ListCircle
                                                     : QTextListFormat::ListDecimal);
    cursor.createList(listFormat);
    cursor.endEditBlock();
}

void ZTextEdit::OnTextColor()
{
    const QColor color = ZCColorDialog::getColor(m_textEdit->textColor(), this, QString());
    if (!color.isValid())
        return;
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormatOnWordOrSelection(format);
    colorChanged(color);
}

void ZTextEdit::OnTextAlign(QAction* pAction)
{
    if (pAction == m_alignLeftAction)
        m_textEdit->setAlignment(Qt::AlignLeft);
    else if (pAction == m_alignCenterAction)
        m_textEdit->setAlignment(Qt::AlignHCenter);
    else if (pAction == m_alignRightAction)
        m_textEdit->setAlignment(Qt::AlignRight);
    else if (pAction == m_justifyAction)
        m_textEdit->setAlignment(Qt::AlignJustify);
}

void ZTextEdit::currentCharFormatChanged(const QTextCharFormat& format)
{
    fontChanged(format.font());
    colorChanged(format.foreground().color());
}

void ZTextEdit::cursorPositionChanged()
{
    alignmentChanged(m_textEdit->alignment());
    updateListActions();
}

void ZTextEdit::clipboardDataChanged()
{
    m_pasteAction->setEnabled(canPasteText());
}

void ZTextEdit::onCopyAvailable(bool bAvail)
{
    m_cutAction->setEnabled(bAvail && !m_textEdit->isReadOnly());
    m_copyAction->setEnabled(bAvail);
}

void ZTextEdit::fontChanged(const QFont& font)
{
    const int familyIndex = m_fontFamilyBox->findText(QFontInfo(font).family(), Qt::MatchFixedString);
    if (familyIndex >= 0)
        m_fontFamilyBox->setCurrentIndex(familyIndex);
    const int sizeIndex = m_fontSizeBox->findText(QString::number(font.pointSize()), Qt::MatchFixedString);
    if (sizeIndex >= 0)
        m_fontSizeBox->setCurrentIndex(sizeIndex);
    m_boldAction->setChecked(font.bold());
    m_italicAction->setChecked(font.italic());
    m_underlineAction->setChecked(font.underline());
}

void ZTextEdit::colorChanged(const QColor& color)
{
    m_colorAction->setIcon(swatch(color));
}

void ZTextEdit::alignmentChanged(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignLeft)
        m_alignLeftAction->setChecked(true);
    else if (alignment & Qt::AlignHCenter)
        m_alignCenterAction->setChecked(true);
    else if (alignment & Qt::AlignRight)
        m_alignRightAction->setChecked(true);
    else if (alignment & Qt::AlignJustify)
        m_justifyAction->setChecked(true);
}

void ZTextEdit::updateListActions()
{
    const QTextList* list = m_textEdit->textCursor().currentList();
    const bool decimal = list && list->format().style() == QTextListFormat::ListDecimal;
    m_numberingAction->setChecked(list && decimal);
    m_bulletsAction->setChecked(list && !decimal);
}

bool ZTextEdit::canPasteText() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return !m_textEdit->isReadOnly() && data && data->hasText();
}

bool ZTextEdit::textBoxHasFocus() const
{
    return m_textEdit->hasFocus();
}

bool ZTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_textEdit && event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (isCtrlEnter(keyEvent)) {
            // Ctrl+Return belongs to the enclosing window (a dialog's default button): hand it
            // on as a plain key press, which propagates up from the editor.
            QKeyEvent plain(QEvent::KeyPress, keyEvent->key(), Qt::NoModifier, keyEvent->text());
            QCoreApplication::sendEvent(this, &plain);
            return true;
        }
    }
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        if (qobject_cast<QToolBar*>(watched))
            wrapToolBars();
    }
    return QMainWindow::eventFilter(watched, event);
}

void ZTextEdit::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    wrapToolBars();
}

// The tool bars along the top in as many rows as the width needs: a tool bar too long for its
// row would hide its last commands behind the extension button, two clicks away.
void ZTextEdit::wrapToolBars()
{
    // A few pixels spare for the tool-bar area's own margins.
    constexpr int areaMargins = 8;
    const int available = contentsRect().width() - areaMargins;
    int rowWidth = 0;
    for (QToolBar* toolBar : {m_editToolBar, m_styleToolBar, m_alignToolBar, m_listToolBar, m_formatToolBar}) {
        if (toolBar->isHidden() || toolBar->isFloating() || toolBarArea(toolBar) != Qt::TopToolBarArea)
            continue;
        const int width = toolBar->sizeHint().width();
        const bool startsRow = rowWidth > 0 && rowWidth + width > available;
        rowWidth = startsRow ? width : rowWidth + width;
        if (toolBarBreak(toolBar) == startsRow)
            continue;
        if (startsRow)
            insertToolBarBreak(toolBar);
        else
            removeToolBarBreak(toolBar);
    }
}

QString ZTextEdit::text() const { return GetText(); }
void ZTextEdit::setText(const QString& szText) { SetText(szText); }
void ZTextEdit::append(const QString& szText) { m_textEdit->append(szText); }
void ZTextEdit::clear() { m_textEdit->clear(); }
void ZTextEdit::selectAll() { m_textEdit->selectAll(); }
void ZTextEdit::zoomIn(int nRange) { m_textEdit->zoomIn(nRange); }
void ZTextEdit::zoomOut(int nRange) { m_textEdit->zoomOut(nRange); }
void ZTextEdit::cut() { m_textEdit->cut(); }
void ZTextEdit::copy() { m_textEdit->copy(); }
void ZTextEdit::paste() { m_textEdit->paste(); }
void ZTextEdit::redo() { m_textEdit->redo(); }
void ZTextEdit::undo() { m_textEdit->undo(); }
bool ZTextEdit::canPaste() const { return m_textEdit->canPaste(); }
void ZTextEdit::setContextMenuEnabled(bool bEnabled) { ShowMenuPopup(bEnabled); }
void ZTextEdit::showAllToolBars() { ShowToolBars(true); }
void ZTextEdit::hideAllToolBars() { ShowToolBars(false); }
void ZTextEdit::showStyleToolBar() { ShowToolbarEstilo(true); }
void ZTextEdit::hideStyleToolBar() { ShowToolbarEstilo(false); }
void ZTextEdit::showFormatToolBar() { ShowToolbarFormato(true); }
void ZTextEdit::hideFormatToolBar() { ShowToolbarFormato(false); }
void ZTextEdit::showAlignToolBar() { ShowToolbarAlineacion(true); }
void ZTextEdit::hideAlignToolBar() { ShowToolbarAlineacion(false); }
void ZTextEdit::showListToolBar() { ShowToolbarLista(true); }
void ZTextEdit::hideListToolBar() { ShowToolbarLista(false); }
