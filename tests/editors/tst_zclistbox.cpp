#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCListBoxCheckEstilos.h>
#include <Mirokit/ZCListBoxText.h>

#include <QAction>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QToolBar>

#include <algorithm>

namespace {

QListWidget* listOf(QWidget& box)
{
    return box.findChild<QListWidget*>();
}

QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result << list->item(row)->text();
    return result;
}

QStringList actionTexts(QWidget& box)
{
    QStringList result;
    for (QAction* action : box.findChild<QToolBar*>()->actions()) {
        if (!action->isSeparator())
            result << action->text();
    }
    return result;
}

void trigger(QWidget& box, const QString& text)
{
    for (QAction* action : box.findChild<QToolBar*>()->actions()) {
        if (action->text() == text)
            return action->trigger();
    }
    QFAIL(qPrintable(text));
}

// The open in-place editor of a list, if any.
QLineEdit* openEditor(QListWidget* list)
{
    return list->viewport()->findChild<QLineEdit*>();
}

// Types text into the open editor and ends it with key (Return commits, Escape cancels).
void finishEdit(QListWidget* list, const QString& text, Qt::Key key)
{
    QLineEdit* editor = openEditor(list);
    QVERIFY(editor);
    editor->setText(text);
    QTest::keyClick(editor, key);
    QTRY_VERIFY(!openEditor(list) || !openEditor(list)->isVisible());
    QCoreApplication::processEvents();
}

bool inLocaleOrder(const QString& left, const QString& right)
{
    return QString::localeAwareCompare(left, right) < 0;
}

class OpenListBoxString : public ZCListBoxString
{
public:
    using ZCListBoxString::ZCListBoxString;
    using ZCListBoxString::addItem;
};

} // namespace

class TestZCListBox : public QObject
{
    Q_OBJECT

private slots:
    void checkItemsToggleExactlyOnce_data();
    void checkItemsToggleExactlyOnce();
    void styleFlags_data();
    void styleFlags();
    void styleFlagsReplaceAndRefuseTooManyNames();
    void toolBarDependsOnSorting();
    void baseListAddsNothingAndMovesWithinBounds();
    void deletingKeepsACurrentRow_data();
    void deletingKeepsACurrentRow();
    void committedEntries_data();
    void committedEntries();
    void anEditThatDuplicatesAnotherEntryIsTakenOutLater();
    void randomEditsKeepTheListSortedAndUnique();
};

void TestZCListBox::checkItemsToggleExactlyOnce_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("toggled");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Space toggles the current item") << "space" << true << true;
    QTest::newRow("Return leaves it and goes on to the parent") << "return" << false << false;
    QTest::newRow("a double click on the text toggles it") << "double click" << true << true;
    QTest::newRow("a double click on the box toggles it once, not back") << "double click on the box" << true << true;
}

void TestZCListBox::checkItemsToggleExactlyOnce()
{
    QFETCH(QString, gesture);
    QFETCH(bool, toggled);
    QFETCH(bool, accepted);
    ZCListBoxCheck list;
    list.addItem(QStringLiteral("Uno"), false, 10);
    list.addItem(QIcon(), QStringLiteral("Dos"), true, QStringLiteral("dos"));
    QCOMPARE(list.getDataItem(0), QVariant(10));
    QCOMPARE(list.getDataItem(1), QVariant(QStringLiteral("dos")));
    QVERIFY(list.isChecked(1) && !list.isChecked(0) && !list.isChecked(7));
    list.resize(200, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(0);

    if (gesture.startsWith("double click")) {
        const QRect row = list.visualItemRect(list.item(0));
        const int boxCentre = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1
            + list.style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &list) / 2;
        const QPoint at = gesture.endsWith("box") ? QPoint(row.left() + boxCentre, row.center().y())
                                                  : row.center() + QPoint(40, 0);
        // As the window system delivers it: a click, then the second press as a double click.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    } else {
        QKeyEvent press(QEvent::KeyPress, gesture == "space" ? Qt::Key_Space : Qt::Key_Return, Qt::NoModifier,
                        gesture == "space" ? QStringLiteral(" ") : QStringLiteral("\r"));
        list.keyPressEvent(&press);
        QCOMPARE(press.isAccepted(), accepted);
    }
    QCOMPARE(list.isChecked(0), toggled);
}

void TestZCListBox::styleFlags_data()
{
    QTest::addColumn<uint>("flags");
    QTest::addColumn<uint>("mask");
    QTest::addColumn<QList<bool>>("hidden");
    QTest::addColumn<uint>("expected");
    QTest::newRow("flags 5, all visible: first and third checked") << 5u << 7u << QList<bool>{false, false, false} << 5u;
    QTest::newRow("mask 5 hides the middle item") << 5u << 5u << QList<bool>{false, true, false} << 5u;
    QTest::newRow("hidden items keep their state and count") << 2u << 5u << QList<bool>{false, true, false} << 2u;
    QTest::newRow("bits beyond the names are dropped") << 0xF0u << 7u << QList<bool>{false, false, false} << 0u;
}

void TestZCListBox::styleFlags()
{
    QFETCH(uint, flags);
    QFETCH(uint, mask);
    QFETCH(QList<bool>, hidden);
    QFETCH(uint, expected);
    ZCListBoxCheckEstilos list;
    list.setEstilos(flags, {QStringLiteral("Negrita"), QStringLiteral("Cursiva"), QStringLiteral("Subrayado")}, mask);
    QCOMPARE(list.count(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(list.isRowHidden(row), hidden.at(row));
    QCOMPARE(list.getEstilos(), expected);
    QVERIFY(list.maximumHeight() > list.visualItemRect(list.item(2)).bottom());
    QCOMPARE(list.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
}

void TestZCListBox::styleFlagsReplaceAndRefuseTooManyNames()
{
    ZCListBoxCheckEstilos list;
    QCOMPARE(list.getEstilos(), 0u);
    list.setEstilos(1, {QStringLiteral("A"), QStringLiteral("B")}, 3);
    list.setEstilos(2, {QStringLiteral("A"), QStringLiteral("B")}, 0);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.getEstilos(), 2u);
    QCOMPARE(list.maximumHeight(), 0);

    QStringList names;
    for (int i = 0; i < 33; ++i)
        names << QString::number(i);
    MessageLogCapture log;
    list.setEstilos(0xFFFFFFFFu, names, 0xFFFFFFFFu);
    QVERIFY(log.contains(QtWarningMsg, QStringLiteral("Una lista de estilos admite como mucho 32 nombres y esta tiene 33; se rechaza")));
    QCOMPARE(list.count(), 2);
    names.removeLast();
    list.setEstilos(0x80000000u, names, 0xFFFFFFFFu);
    QCOMPARE(list.getEstilos(), 0x80000000u);
}

void TestZCListBox::toolBarDependsOnSorting()
{
    OpenListBoxString unsorted(nullptr, false);
    ZCListBoxText sorted;
    ZCListBoxText textUnsorted(nullptr, false);
    const QStringList all{"Nuevo", "Insertar", "Editar", "Eliminar", "Subir", "Bajar"};
    QCOMPARE(actionTexts(unsorted), all);
    QCOMPARE(actionTexts(textUnsorted), all);
    QCOMPARE(actionTexts(sorted), (QStringList{"Nuevo", "Editar", "Eliminar"}));
    // The commands also work from the list's keys.
    for (QAction* action : listOf(sorted)->actions())
        QCOMPARE(action->shortcutContext(), Qt::WidgetShortcut);
    QCOMPARE(listOf(sorted)->actions().size(), 3);
}

void TestZCListBox::baseListAddsNothingAndMovesWithinBounds()
{
    OpenListBoxString box(nullptr, false);
    QListWidget* list = listOf(box);
    trigger(box, QStringLiteral("Nuevo"));
    QCOMPARE(list->count(), 0);
    box.addItem(QStringLiteral("a"), false, true);
    box.addItem(QStringLiteral("b"), true, true);
    box.addItem(QIcon(), QStringLiteral("c"), true, false);
    QVERIFY(list->item(1)->flags() & Qt::ItemIsEditable);
    QCOMPARE(list->item(2)->flags(), Qt::ItemIsSelectable);

    list->setCurrentRow(0);
    trigger(box, QStringLiteral("Subir"));
    QCOMPARE(texts(list), (QStringList{"a", "b", "c"}));
    trigger(box, QStringLiteral("Bajar"));
    QCOMPARE(texts(list), (QStringList{"b", "a", "c"}));
    QCOMPARE(list->currentRow(), 1);
    list->setCurrentRow(2);
    trigger(box, QStringLiteral("Bajar"));
    QCOMPARE(texts(list), (QStringList{"b", "a", "c"}));
    trigger(box, QStringLiteral("Subir"));
    QCOMPARE(texts(list), (QStringList{"b", "c", "a"}));
    QCOMPARE(list->currentRow(), 1);
}

void TestZCListBox::deletingKeepsACurrentRow_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("current");
    QTest::newRow("the first: the new first is current") << QStringList{"a", "b", "c"} << 0 << QStringList{"b", "c"} << 0;
    QTest::newRow("the last: the one above is current") << QStringList{"a", "b", "c"} << 2 << QStringList{"a", "b"} << 1;
    QTest::newRow("the only one: an empty list") << QStringList{"a"} << 0 << QStringList{} << -1;
    QTest::newRow("an empty entry is not deleted") << QStringList{"", "a"} << 0 << QStringList{"", "a"} << 0;
}

void TestZCListBox::deletingKeepsACurrentRow()
{
    QFETCH(QStringList, items);
    QFETCH(int, row);
    QFETCH(QStringList, remaining);
    QFETCH(int, current);
    ZCListBoxText box;
    box.AddStrings(items);
    listOf(box)->setCurrentRow(row);
    trigger(box, QStringLiteral("Eliminar"));
    QCOMPARE(texts(listOf(box)), remaining);
    QCOMPARE(listOf(box)->currentRow(), current);
}

void TestZCListBox::committedEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("current");
    const QStringList start{"Bilbao", "Madrid", "Sevilla"};
    QTest::newRow("a valid entry is sorted into place and stays current")
        << "Lugo" << int(Qt::Key_Return) << QStringList{"Bilbao", "Lugo", "Madrid", "Sevilla"} << "Lugo";
    QTest::newRow("an entry after the last") << "Zamora" << int(Qt::Key_Return) << start + QStringList{"Zamora"} << "Zamora";
    QTest::newRow("an empty entry is removed") << "" << int(Qt::Key_Return) << start << QString();
    QTest::newRow("a duplicate entry is removed") << "Madrid" << int(Qt::Key_Return) << start << QString();
    QTest::newRow("a new entry cancelled with Escape leaves nothing") << "Lugo" << int(Qt::Key_Escape) << start << QString();
}

void TestZCListBox::committedEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, key);
    QFETCH(QStringList, expected);
    QFETCH(QString, current);
    ZCListBoxText box;
    box.AddStrings({QStringLiteral("Bilbao"), QStringLiteral("Madrid"), QStringLiteral("Sevilla")});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QListWidget* list = listOf(box);
    trigger(box, QStringLiteral("Nuevo"));
    QCOMPARE(list->count(), 4);
    finishEdit(list, entry, Qt::Key(key));
    QStringList strings{QStringLiteral("left over")};
    box.GetStrings(strings);
    QCOMPARE(strings, expected);
    QCOMPARE(texts(list), expected);
    if (!current.isEmpty())
        QCOMPARE(list->currentItem()->text(), current);
}

void TestZCListBox::anEditThatDuplicatesAnotherEntryIsTakenOutLater()
{
    ZCListBoxText box;
    box.AddStrings({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QListWidget* list = listOf(box);
    QListWidgetItem* seen = nullptr;
    // A later receiver of the change still gets a live item.
    connect(list, &QListWidget::itemChanged, this, [&](QListWidgetItem* item) { seen = item; QVERIFY(!item->text().isNull()); });
    list->item(2)->setText(QStringLiteral("a"));
    QCOMPARE(seen->text(), QStringLiteral("a"));
    QStringList strings;
    box.GetStrings(strings);
    QCOMPARE(strings, (QStringList{"a", "b"}));
    QTRY_COMPARE(list->count(), 2);
}

void TestZCListBox::randomEditsKeepTheListSortedAndUnique()
{
    ZCListBoxText box;
    QListWidget* list = listOf(box);
    QStringList expected{QStringLiteral("m")};
    box.AddStrings(expected);
    QRandomGenerator random(11);
    const QString letters = QStringLiteral("abcdeáÉz ");
    for (int step = 0; step < 400; ++step) {
        const int row = random.bounded(list->count());
        QString text;
        for (int length = random.bounded(3); length > 0; --length)
            text += letters.at(random.bounded(letters.size()));
        expected.removeOne(list->item(row)->text());
        if (!text.isEmpty() && !expected.contains(text))
            expected << text;
        list->item(row)->setText(text);
        QCoreApplication::processEvents();
        if (list->count() == 0) {
            box.AddStrings({QStringLiteral("m")});
            expected << QStringLiteral("m");
        }
        std::sort(expected.begin(), expected.end(), inLocaleOrder);
        QCOMPARE(texts(list), expected);
    }
}

MIROKIT_TEST_MAIN(TestZCListBox)
#include "tst_zclistbox.moc"
