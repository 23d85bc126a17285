#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCApplication.h>

class TestZCApplicationArgs : public QObject
{
    Q_OBJECT

private slots:
    void uriBecomesArgumentsWithoutQtOptions_data();
    void uriBecomesArgumentsWithoutQtOptions();
    void checkArg_data();
    void checkArg();
};

void TestZCApplicationArgs::uriBecomesArgumentsWithoutQtOptions_data()
{
    QTest::addColumn<QStringList>("commandLine");
    QTest::addColumn<QStringList>("expected");  // equal to commandLine: argv left alone
    QTest::addColumn<QStringList>("dropped");

    const auto row = [](const char* name, const QStringList& commandLine, const QStringList& expected,
                        const QStringList& dropped = {}) { QTest::newRow(name) << commandLine << expected << dropped; };
    const auto uri = [](const char* text) { return QStringList{"prog", QString::fromUtf8(text)}; };
    row("quoted argument with a space", uri("app:-x%20%22a b%22"), {"prog", "-x", "a b"});
    row("no escapes: one argument, spaces and all", uri("app:uno dos  tres"), {"prog", "uno dos  tres"});
    row("escaped trailing space gives no empty argument", uri("app:uno%20"), {"prog", "uno"});
    row("two escaped spaces give an empty argument", uri("app:uno%20%20dos"), {"prog", "uno", "", "dos"});
    row("utf-8 escapes decode", uri("app:-f%20Jos%C3%A9"), {"prog", "-f", QString::fromUtf8("José")});
    row("prefix only", uri("app:"), {"prog", ""});
    row("unbalanced quote runs to the end", uri("app:%22a b"), {"prog", "a b"});

    row("three entries", {"prog", "app:-x%20y", "z"}, {"prog", "app:-x%20y", "z"});
    row("program alone", {"prog"}, {"prog"});
    row("no prefix", uri("-x%20y"), uri("-x%20y"));
    row("prefix in another case", uri("APP:-x%20y"), uri("APP:-x%20y"));

    row("Qt option and its value", uri("app:-platform%20xcb%20informe.xml"), {"prog", "informe.xml"}, {"-platform"});
    row("two hyphens with equals", uri("app:--stylesheet=/tmp/x.qss%20-x"), {"prog", "-x"},
        {"--stylesheet=/tmp/x.qss"});
    row("flag without value", uri("app:-reverse%20-x"), {"prog", "-x"}, {"-reverse"});
    row("value option at the end", uri("app:-x%20-style"), {"prog", "-x"}, {"-style"});
    row("unescaped single argument", uri("app:-style=windows"), {"prog"}, {"-style=windows"});
    row("escaped NUL cannot hide an option", uri("app:-platform%00xcb%20offscreen%20-x"), {"prog", "-x"},
        {"-platform"});
    row("look-alike kept", uri("app:-styles%20-platformx"), {"prog", "-styles", "-platformx"});
}

void TestZCApplicationArgs::uriBecomesArgumentsWithoutQtOptions()
{
    QFETCH(QStringList, commandLine);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, dropped);

    QList<QByteArray> original;
    QVector<char*> originalArgv;
    for (const QString& argument : commandLine)
        original.append(argument.toUtf8());
    for (QByteArray& argument : original)
        originalArgv.append(argument.data());
    originalArgv.append(nullptr);
    int argc = commandLine.size();
    char** argv = originalArgv.data();
    // Left-over entries from an earlier call must not survive into the new command line.
    QList<QByteArray> storage{"basura"};
    QSharedPointer<char*> holder;

    MessageLogCapture log;
    ZCApplication::GetArgsFromUri(argc, argv, QStringLiteral("app:"), storage, holder);

    QCOMPARE(argv != originalArgv.data(), expected != commandLine);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));
    QCOMPARE(arguments, expected);
    QCOMPARE(argv[argc], nullptr);
    QStringList expectedWarnings;
    for (const QString& option : dropped)
        expectedWarnings.append(QStringLiteral("Se descarta el argumento \"%1\": es una opción de Qt").arg(option));
    QCOMPARE(log.texts(QtWarningMsg), expectedWarnings);
}

void TestZCApplicationArgs::checkArg_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<QString>("value");

    QTest::newRow("quoted value") << "-file=" << "-file=\"C:\\a b.txt\"" << true << "C:\\a b.txt";
    QTest::newRow("option alone") << "-print" << "-print" << true << "";
    QTest::newRow("different case") << "-file=" << "-FILE=x" << false << "sin cambios";
    QTest::newRow("shorter argument") << "-file=" << "-fi" << false << "sin cambios";
}

void TestZCApplicationArgs::checkArg()
{
    QFETCH(QString, option);
    QFETCH(QString, argument);
    QFETCH(bool, matches);
    QFETCH(QString, value);

    QString result = QStringLiteral("sin cambios");
    QCOMPARE(ZCApplication::CheckArg(option, argument, result), matches);
    QCOMPARE(result, value);
}

MIROKIT_TEST_MAIN(TestZCApplicationArgs)
#include "tst_zcapplicationargs.moc"
