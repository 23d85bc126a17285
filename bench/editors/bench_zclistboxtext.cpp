// The sorted string list against a bare QListWidget: filling it with 10,000 entries, and
// committing one edited entry, which the list then puts back in order.
#include "benchmark.h"

#include <Mirokit/ZCListBoxText.h>

#include <QApplication>
#include <QListWidget>

namespace {

QStringList sortedEntries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QStringLiteral("Entrada %1").arg(i, 5, 10, QLatin1Char('0'));
    return entries;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList entries = sortedEntries(10000);

    // Both lists are emptied again after each filling, so that every round starts alike.
    ZCListBoxText box;
    QListWidget* boxList = box.findChild<QListWidget*>();
    QListWidget bare;
    bench::compare(QStringLiteral("AddStrings 10000 sorted entries"),
                   [&] {
                       box.AddStrings(entries);
                       boxList->clear();
                   },
                   [&] {
                       bare.addItems(entries);
                       bare.clear();
                   },
                   20);

    box.AddStrings(entries);
    bare.addItems(entries);
    // An edit that keeps the entry in its place (a typo put right), and one that sends it to
    // the far end of the list and back: that one pays for QListWidget's own row move, which
    // shifts the rows between and leaves the moved item to be searched for once.
    const auto commitEdits = [&](const QString& name, const QString& first, const QString& second) {
        QListWidgetItem* ours = boxList->findItems(first, Qt::MatchExactly).value(0);
        QListWidgetItem* theirs = bare.findItems(first, Qt::MatchExactly).value(0);
        bool forward = false;
        const auto rename = [&](QListWidgetItem* item) { item->setText(forward ? second : first); };
        bench::compare(name, [&] { forward = !forward; rename(ours); },
                       [&] { rename(theirs); forward = !forward; }, 2000);
    };
    commitEdits(QStringLiteral("commit one edited entry of 10000, same place"),
                QStringLiteral("Entrada 05000"), QStringLiteral("Entrada 05000b"));
    commitEdits(QStringLiteral("commit one edited entry of 10000, moved to the end"),
                QStringLiteral("Entrada 05001"), QStringLiteral("Entrada 99999"));

    // The same far move against a bare edit followed by the one row move that keeps a bare list
    // in order: what is left of the ratio is our own share (searching and judging the entry).
    const QString nearText = QStringLiteral("Entrada 05002");
    const QString farText = QStringLiteral("Entrada 99998");
    QListWidgetItem* ours = boxList->findItems(nearText, Qt::MatchExactly).value(0);
    QListWidgetItem* theirs = bare.findItems(nearText, Qt::MatchExactly).value(0);
    const int nearRow = bare.row(theirs);
    bool oursFar = false;
    bool theirsFar = false;
    bench::compare(QStringLiteral("commit one edited entry of 10000, moved to the end, against an edit and a row move"),
                   [&] {
                       oursFar = !oursFar;
                       ours->setText(oursFar ? farText : nearText);
                   },
                   [&] {
                       theirsFar = !theirsFar;
                       const int row = bare.row(theirs);
                       theirs->setText(theirsFar ? farText : nearText);
                       bare.model()->moveRow(QModelIndex(), row, QModelIndex(), theirsFar ? bare.count() : nearRow);
                   },
                   2000);
    return 0;
}
