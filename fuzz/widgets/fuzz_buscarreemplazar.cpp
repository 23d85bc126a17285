// Replace-all in a QTextEdit on random documents, search texts and replacements (empty ones, case
// and whole-word options, replacements that contain the search text), compared with the plain
// loop of QTextDocument::find and insertText: both must end, count the same matches and leave the
// same text, and one undo must give the original back. Random finds and replacements follow, and
// every match they select must be the search text.
#include "fuzzapplication.h"
#include "fuzzinput.h"

#include <Mirokit/ZCBuscarReemplazarEditorTextEdit.h>

#include <QApplication>
#include <QTextEdit>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString text(FuzzInput& input, int maxLength)
{
    // Letters in two cases, an accent, word separators, a line break, a non-breaking space and
    // characters that mean something in regular expressions.
    static const QString alphabet = QStringLiteral("aAbB éÉ.*(\n\u00a0_");
    QString result;
    const int length = input.next(maxLength + 1);
    for (int i = 0; i < length; ++i)
        result.append(alphabet.at(input.next(alphabet.size())));
    return result;
}

QTextDocument::FindFlags flagsOf(bool caseSensitive, bool wholeWords)
{
    QTextDocument::FindFlags flags;
    flags.setFlag(QTextDocument::FindCaseSensitively, caseSensitive);
    flags.setFlag(QTextDocument::FindWholeWords, wholeWords);
    return flags;
}

int plainReplaceAll(QTextDocument* document, const QString& search, const QString& replacement,
                    QTextDocument::FindFlags flags)
{
    int count = 0;
    QTextCursor found(document);
    while (!(found = document->find(search, found, flags)).isNull()) {
        found.insertText(replacement);
        ++count;
    }
    return count;
}

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApplication();

    FuzzInput input(data, size);
    const QString document = text(input, 40);
    const QString search = text(input, 3);
    const QString replacement = text(input, 4);
    const bool caseSensitive = input.next(2);
    const bool wholeWords = input.next(2);

    QTextEdit ours;
    ours.setPlainText(document);
    // Taken back from the editor, which gives non-breaking spaces back as spaces.
    const QString original = ours.toPlainText();
    ZCBuscarReemplazarEditorTextEdit adapter(&ours);
    const int count = adapter.ReemplazarTodos(search, caseSensitive, wholeWords, input.next(2), replacement);

    QTextEdit plain;
    plain.setPlainText(document);
    const int plainCount = plainReplaceAll(plain.document(), search, replacement, flagsOf(caseSensitive, wholeWords));
    check(count == plainCount, "replace-all counted differently from the plain loop");
    check(ours.toPlainText() == plain.toPlainText(), "replace-all left another text than the plain loop");
    if (count > 0) {
        ours.undo();
        check(ours.toPlainText() == original, "one undo did not give the original text back");
    }

    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int steps = 0;
    while (!input.atEnd() && ++steps < 16) {
        const bool backwards = input.next(2);
        if (input.next(2))
            adapter.Buscar(search, caseSensitive, wholeWords, backwards);
        else
            adapter.Reemplazar(search, caseSensitive, wholeWords, backwards, replacement, input.next(2));
        // The document's search takes a non-breaking space for a space.
        QString selected = ours.textCursor().selectedText();
        selected.replace(QChar::Nbsp, QLatin1Char(' '));
        if (adapter.GetEstadoVuelta() != ZCBuscarReemplazarEditor::NoEncontrado)
            check(selected.compare(QString(search).replace(QChar::Nbsp, QLatin1Char(' ')), sensitivity) == 0,
                  "a search selected something other than the search text");
    }
    return 0;
}
