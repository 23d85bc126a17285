// A process of its own: whether the host had a style sheet is decided once, at the first theme.
#include "mirokittest.h"
#include "themefixture.h"

#include <QApplication>

class TestZCHostStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void aHostStyleSheetIsNeverReplaced();
};

void TestZCHostStyleSheet::aHostStyleSheetIsNeverReplaced()
{
    const QString host = "QLabel { color: purple; }";
    qApp->setStyleSheet(host);
    ThemeFolder folder;
    folder.write("main.qss", "QWidget { background: black; }");
    folder.writeIcon("save");
    const int index = folder.add("Tema", {QColor(Qt::red)});
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(qApp->styleSheet(), host);
    // The theme still gives its icons and Qt icon-theme name.
    QCOMPARE(QIcon::themeName(), QStringLiteral("Tema"));
    QVERIFY(!GetGestorTemasEstilo()->FromTheme("save", ZCGestorTemasEstilo::EstadoNormal).isNull());
    // Even with the host's sheet gone later, the themes keep out of the way.
    qApp->setStyleSheet(QString());
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(qApp->styleSheet(), QString());
}

MIROKIT_TEST_MAIN(TestZCHostStyleSheet)
#include "tst_zchoststylesheet.moc"
