#include "codeeditor.h"

#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

QsciScintilla* createJavaScriptEditor()
{
    auto* editor = new QsciScintilla;
    editor->setUtf8(true);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // A platform without a theme (offscreen) names a proportional family here.
    if (!QFontInfo(fixed).fixedPitch()) {
        fixed.setFamily(QStringLiteral("monospace"));
        fixed.setStyleHint(QFont::TypeWriter);
    }
    // The size of the text around it, not the platform's code size.
    fixed.setPointSizeF(QApplication::font().pointSizeF());
    auto* lexer = new QsciLexerJavaScript(editor);
    lexer->setFont(fixed);
    editor->setLexer(lexer);
    // The editor measures text in the lexer's font but draws it in the widget's, which is the
    // application font (Roboto) unless set here; the two differing leave gaps between the words.
    // QsciScintilla::setFont() would not do: with a lexer it changes nothing.
    editor->QWidget::setFont(fixed);
    editor->setMarginType(0, QsciScintilla::NumberMargin);
    editor->setMarginWidth(0, QStringLiteral("000"));
    return editor;
}
