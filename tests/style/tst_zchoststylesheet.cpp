// A process of its own: whether the host had a style sheet is decided once, at the first theme.
#include "mirokittest.h"
#include "messagelogcapture.h"
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
    MessageLogCapture log;
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(qApp->styleSheet(), host);
    // Said once, naming the call that decided it.
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(log.texts(QtInfoMsg), QStringList(QStringLiteral("La aplicación ya tenía una hoja de estilo propia en el "
                                                              "primer SetTema(%1): los temas darán iconos y colores, "
                                                              "nunca su hoja de estilo").arg(index)));
    // The theme still gives its icons and Qt icon-theme name.
    QCOMPARE(QIcon::themeName(), QStringLiteral("Tema"));
    QVERIFY(!GetGestorTemasEstilo()->FromTheme("save", ZCGestorTemasEstilo::EstadoNormal).isNull());
    // Even with the host's sheet gone later, the themes keep out of the way.
    qApp->setStyleSheet(QString());
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    QCOMPARE(qApp->styleSheet(), QString());
    // Nor does going back to no theme touch it.
    qApp->setStyleSheet(host);
    GetGestorTemasEstilo()->QuitarTema();
    QCOMPARE(qApp->styleSheet(), host);
}

MIROKIT_TEST_MAIN(TestZCHostStyleSheet)
#include "tst_zchoststylesheet.moc"
