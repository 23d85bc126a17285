#include "mirokittest.h"
#include "messagelogcapture.h"

#include <Mirokit/ZCApplication.h>

// Runs GetArgsFromUri over a command line and returns what argv holds afterwards.
struct RewrittenCommandLine {
    QStringList arguments;
    bool nullTerminated = false;
    bool changed = false;
};

namespace {

RewrittenCommandLine rewrite(const QStringList& commandLine, const QString& prefix)
{
    QList<QByteArray> original;
    for (const QString& argument : commandLine)
        original.append(argument.toUtf8());
    QVector<char*> originalArgv;
    for (QByteArray& argument : original)
        originalArgv.append(argument.data());
    originalArgv.append(nullptr);

    int argc = commandLine.size();
    char** argv = originalArgv.data();
    // Left-over entries from an earlier call must not survive into the new command line.
    QList<QByteArray> storage{"basura"};
    QSharedPointer<char*> holder;
    ZCApplication::GetArgsFromUri(argc, argv, prefix, storage, holder);

    RewrittenCommandLine result;
    result.changed = argv != originalArgv.data();
    for (int i = 0; i < argc; ++i)
        result.arguments.append(QString::fromUtf8(argv[i]));
    result.nullTerminated = argv[argc] == nullptr;
    return result;
}

} // namespace

class TestZCApplicationArgs : public QObject
{
    Q_OBJECT

private slots:
    void rewritesOneUriIntoArguments_data();
    void rewritesOneUriIntoArguments();
    void leavesOtherCommandLinesAlone_data();
    void leavesOtherCommandLinesAlone();
    void dropsQtOptionsWithAWarning_data();
    void dropsQtOptionsWithAWarning();
    void checkArg_data();
    void checkArg();
};

void TestZCApplicationArgs::rewritesOneUriIntoArguments_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("quoted argument with a space")
        << "app:-x%20%22a b%22" << QStringList{"prog", "-x", "a b"};
    QTest::newRow("no escapes: one argument, spaces and all")
        << "app:uno dos  tres" << QStringList{"prog", "uno dos  tres"};
    QTest::newRow("escaped trailing space gives no empty argument")
        << "app:uno%20" << QStringList{"prog", "uno"};
    QTest::newRow("two escaped spaces give an empty argument")
        << "app:uno%20%20dos" << QStringList{"prog", "uno", "", "dos"};
    QTest::newRow("utf-8 escapes decode")
        << "app:-f%20Jos%C3%A9" << QStringList{"prog", "-f", QString::fromUtf8("José")};
    QTest::newRow("prefix only")
        << "app:" << QStringList{"prog", ""};
    QTest::newRow("unbalanced quote runs to the end")
        << "app:%22a b" << QStringList{"prog", "a b"};
}

void TestZCApplicationArgs::rewritesOneUriIntoArguments()
{
    QFETCH(QString, uri);
    QFETCH(QStringList, expected);

    const RewrittenCommandLine result = rewrite({QStringLiteral("prog"), uri}, QStringLiteral("app:"));
    QVERIFY(result.changed);
    QCOMPARE(result.arguments, expected);
    QVERIFY(result.nullTerminated);
}

void TestZCApplicationArgs::leavesOtherCommandLinesAlone_data()
{
    QTest::addColumn<QStringList>("commandLine");
    QTest::newRow("three entries") << QStringList{"prog", "app:-x%20y", "z"};
    QTest::newRow("program alone") << QStringList{"prog"};
    QTest::newRow("no prefix") << QStringList{"prog", "-x%20y"};
    QTest::newRow("prefix in another case") << QStringList{"prog", "APP:-x%20y"};
}

void TestZCApplicationArgs::leavesOtherCommandLinesAlone()
{
    QFETCH(QStringList, commandLine);
    const RewrittenCommandLine result = rewrite(commandLine, QStringLiteral("app:"));
    QVERIFY(!result.changed);
    QCOMPARE(result.arguments, commandLine);
}

void TestZCApplicationArgs::dropsQtOptionsWithAWarning_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("dropped");

    QTest::newRow("option and its value")
        << "app:-platform%20xcb%20informe.xml" << QStringList{"prog", "informe.xml"}
        << QStringList{"-platform"};
    QTest::newRow("two hyphens with equals")
        << "app:--stylesheet=/tmp/x.qss%20-x" << QStringList{"prog", "-x"}
        << QStringList{"--stylesheet=/tmp/x.qss"};
    QTest::newRow("flag without value")
        << "app:-reverse%20-x" << QStringList{"prog", "-x"} << QStringList{"-reverse"};
    QTest::newRow("value option at the end")
        << "app:-x%20-style" << QStringList{"prog", "-x"} << QStringList{"-style"};
    QTest::newRow("unescaped single argument")
        << "app:-style=windows" << QStringList{"prog"} << QStringList{"-style=windows"};
    QTest::newRow("escaped NUL cannot hide an option")
        << "app:-platform%00xcb%20offscreen%20-x" << QStringList{"prog", "-x"} << QStringList{"-platform"};
    QTest::newRow("look-alike kept")
        << "app:-styles%20-platformx" << QStringList{"prog", "-styles", "-platformx"} << QStringList{};
}

void TestZCApplicationArgs::dropsQtOptionsWithAWarning()
{
    QFETCH(QString, uri);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, dropped);

    MessageLogCapture log;
    const RewrittenCommandLine result = rewrite({QStringLiteral("prog"), uri}, QStringLiteral("app:"));
    QCOMPARE(result.arguments, expected);
    QVERIFY(result.nullTerminated);

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
    QTest::newRow("plain value") << "-u" << "-uadmin" << true << "admin";
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
