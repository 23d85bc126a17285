// The rich text editor against a bare QTextEdit: loading a 1 MB document, and moving the cursor
// through it while the tool bars follow the cursor.
#include "benchmark.h"

#include <Mirokit/ZCTextEdit.h>
#include <Mirokit/ZTextEdit.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextEdit>

namespace {

QString megabyteOfHtml()
{
    QString html;
    const QString paragraph = QStringLiteral(
        "<p align='%1'>Línea %2 del pedido con <b>negrita</b>, <i>cursiva</i> y "
        "<span style='color:#c62828;font-size:14pt'>color</span>.</p>\n");
    const char* const alignments[] = {"left", "center", "right", "justify"};
    for (int i = 0; html.size() < 1024 * 1024; ++i)
        html += paragraph.arg(QLatin1String(alignments[i % 4])).arg(i);
    return html;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString html = megabyteOfHtml();

    ZTextEdit editor;
    QTextEdit bare;
    editor.resize(800, 600);
    bare.resize(800, 600);

    bench::compare(QStringLiteral("setHtml 1 MB"), [&] { editor.SetText(html); },
                   [&] { bare.setHtml(html); }, 3);

    // Paragraph by paragraph, so that alignment, list and character state keep changing.
    const auto moveDown = [](QTextEdit* textEdit) {
        const bool atLastParagraph = !textEdit->textCursor().block().next().isValid();
        textEdit->moveCursor(atLastParagraph ? QTextCursor::Start : QTextCursor::NextBlock);
    };
    bench::compare(QStringLiteral("cursor move with tool bars following"),
                   [&] { moveDown(editor.GetTextEdit()); }, [&] { moveDown(&bare); }, 2000);
    return 0;
}
