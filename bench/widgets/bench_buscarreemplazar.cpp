// Replace-all of 10,000 matches in a 1 MB QTextEdit document, and in one twice as large. The
// baseline is the plain Qt loop doing the same replacements: QTextDocument::find and insertText
// inside one edit block.
#include "benchmark.h"

#include <Mirokit/ZCBuscarReemplazarEditorTextEdit.h>

#include <QApplication>
#include <QTextEdit>

#include <algorithm>
#include <functional>

namespace {

constexpr int linesPerMegabyte = 10000;

// Lines of about 100 characters, one match in each.
QString document(int lines)
{
    QString text;
    text.reserve(lines * 104);
    for (int i = 0; i < lines; ++i) {
        text += QStringLiteral("Línea %1 del informe mensual, con el importe pendiente ").arg(i, 6, 10, QLatin1Char('0'));
        text += QStringLiteral("de cobro y la fecha prevista del próximo pago al cliente.\n");
    }
    return text;
}

using ReplaceAll = std::function<int(QTextEdit&)>;

// Best of a few rounds, each on the document freshly loaded (the loading is not timed).
double bestTime(const QString& text, const ReplaceAll& replaceAll, int expected)
{
    QTextEdit edit;
    edit.resize(800, 600);
    double best = 0;
    for (int round = 0; round < 4; ++round) {
        edit.setPlainText(text);
        QElapsedTimer timer;
        timer.start();
        const int count = replaceAll(edit);
        const double elapsed = double(timer.nsecsElapsed());
        if (count != expected)
            qFatal("replaced %d instead of %d", count, expected);
        best = round == 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

int ours(QTextEdit& edit)
{
    ZCBuscarReemplazarEditorTextEdit adapter(&edit);
    return adapter.ReemplazarTodos(QStringLiteral("importe"), false, false, false, QStringLiteral("saldo"));
}

int baseline(QTextEdit& edit)
{
    QTextDocument* document = edit.document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    int count = 0;
    QTextCursor found = cursor;
    while (!(found = document->find(QStringLiteral("importe"), found)).isNull()) {
        found.insertText(QStringLiteral("saldo"));
        ++count;
    }
    cursor.endEditBlock();
    return count;
}

void report(const QString& name, double oursTime, double baselineTime)
{
    QTextStream(stdout) << name << ": ours " << bench::formatTime(oursTime) << ", baseline "
                        << bench::formatTime(baselineTime) << ", ratio "
                        << QString::number(oursTime / baselineTime, 'f', 2) << Qt::endl;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString megabyte = document(linesPerMegabyte);
    const QString twoMegabytes = document(2 * linesPerMegabyte);

    const double ours1 = bestTime(megabyte, ours, linesPerMegabyte);
    const double baseline1 = bestTime(megabyte, baseline, linesPerMegabyte);
    report(QStringLiteral("replace all 10000 matches in 1 MB"), ours1, baseline1);

    const double ours2 = bestTime(twoMegabytes, ours, 2 * linesPerMegabyte);
    const double baseline2 = bestTime(twoMegabytes, baseline, 2 * linesPerMegabyte);
    report(QStringLiteral("replace all 20000 matches in 2 MB"), ours2, baseline2);
    // Twice the document should cost at most twice the time.
    QTextStream(stdout) << "growth from 1 MB to 2 MB: ours " << QString::number(ours2 / ours1, 'f', 2)
                        << "x, baseline " << QString::number(baseline2 / baseline1, 'f', 2) << "x" << Qt::endl;
    return 0;
}
