#include "mirokittest.h"
#include "messagelogcapture.h"
#include "themefixture.h"

#include <Mirokit/ZCQssParser.h>

#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QDomDocument>

namespace {

using Files = QMap<QString, QByteArray>;

// Writes the files into a fresh folder and parses "main.qss" there.
struct SheetRun {
    QTemporaryDir dir;
    bool ok = false;
    QString sheet;
    QString errors;

    explicit SheetRun(const Files& files)
    {
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QDir().mkpath(QFileInfo(path(file.key())).absolutePath());
            QFile out(path(file.key()));
            out.open(QIODevice::WriteOnly);
            out.write(file.value());
        }
        ZCQssParser parser(path(QStringLiteral("main.qss")));
        ok = parser.Parse();
        sheet = parser.GetStyleSheet();
        errors = parser.GetErrors();
    }
    QString path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }
};

Files flatImports(int count)
{
    Files files;
    QByteArray main;
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "part" + QByteArray::number(i) + ".qss";
        main += "@import " + name + ";\n";
        files.insert(QString::fromLatin1(name), "/*" + name + "*/\n");
    }
    files.insert(QStringLiteral("main.qss"), main);
    return files;
}

// The variable stage done the slow way, one regular-expression match and one replacement at a
// time from the start of the text (values keep their inner blanks, one per run).
struct StepByStepVariables {
    QMap<QString, QString> variables;

    static QString compact(QString text)
    {
        text.remove(QRegularExpression(QStringLiteral("[ \t\r]")));
        if (text.endsWith(QLatin1Char(';')))
            text.chop(1);
        return text;
    }

    bool resolve(QString& text) const
    {
        static const QRegularExpression varExpression(QStringLiteral("var\\((.*?)\\)"));
        for (QRegularExpressionMatch match = varExpression.match(text); match.hasMatch();
             match = varExpression.match(text)) {
            const QString name = match.captured(1).trimmed();
            if (!variables.contains(name))
                return false;
            text.replace(match.captured(0), variables.value(name));
        }
        return true;
    }

    bool run(QString& sheet)
    {
        static const QRegularExpression root(QStringLiteral(":root\\s*{(.*?)}"),
                                             QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression comment(QStringLiteral("\\/\\*(.*?)\\*\\/"),
                                                QRegularExpression::DotMatchesEverythingOption);
        QString content = root.match(sheet).captured(1);
        sheet.remove(root);
        content.remove(comment);
        for (int pass = 0;; ++pass) {
            for (const QString& line : content.split(QLatin1Char('\n'))) {
                if (compact(line.simplified()).isEmpty())
                    continue;
                const int colon = line.indexOf(QLatin1Char(':'));
                QString value = line.mid(colon + 1).simplified();
                if (value.endsWith(QLatin1Char(';')))
                    value.chop(1);
                variables.insert(compact(line.left(colon)), value.trimmed());
            }
            if (!content.contains(QLatin1String("var(")))
                break;
            resolve(content);
            if (pass > 10)
                return false;
        }
        return resolve(sheet);
    }
};

// A sheet with variables defined through one another (never in a cycle), odd spacing, comments
// and mixed line ends.
QByteArray randomVariableSheet(quint32 seed)
{
    QRandomGenerator random(seed);
    const int count = 40;
    QByteArray sheet = "QWidget { color: red; }\n:root {\r\n";
    for (int i = 0; i < count; ++i) {
        sheet += "  --v" + QByteArray::number(i) + " :  ";
        if (i > 0 && random.bounded(3) == 0)
            sheet += "var( --v" + QByteArray::number(random.bounded(i)) + " )  2px";
        else
            sheet += "#" + QByteArray::number(0x100000 + random.bounded(0xeffff), 16) + "   solid";
        sheet += random.bounded(2) ? ";\n" : "; /* note */\r\n";
    }
    sheet += "}\n";
    for (int i = 0; i < 300; ++i) {
        sheet += "QLabel#l" + QByteArray::number(i) + " { border: var(--v" + QByteArray::number(random.bounded(count))
            + ") ; background: var( --v" + QByteArray::number(random.bounded(count)) + "); }\n";
    }
    return sheet;
}

QStringList listedFiles(const QString& qrcPath)
{
    QFile file(qrcPath);
    file.open(QIODevice::ReadOnly);
    QDomDocument document;
    document.setContent(&file);
    QStringList paths;
    const QDomNodeList files = document.elementsByTagName(QStringLiteral("file"));
    for (int i = 0; i < files.size(); ++i)
        paths.append(files.at(i).toElement().text());
    return paths;
}

} // namespace

class TestZCQssParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void importsExpandInPlace_data();
    void importsExpandInPlace();
    void importFailures_data();
    void importFailures();

    void variablesResolve_data();
    void variablesResolve();
    void variableFailures_data();
    void variableFailures();
    void aSecondParseKeepsEarlierVariables();
    void variablesMatchTheStepByStepResult_data();
    void variablesMatchTheStepByStepResult();

    void iconCallsBecomeUrls_data();
    void iconCallsBecomeUrls();
    void repeatedCallsShareOnePng();
    void theResourceListNamesEachPathOnce();
    void aSizelessIconRendersAtItsOwnSize();
    void aResourceFolderWritesNothing();
    void badIconCallsFailAndWriteNothingOutside_data();
    void badIconCallsFailAndWriteNothingOutside();
    void anUnwritablePngFailsTheParse();

    void bytesThatAreNotUtf8AreReplacedNotFatal();
    void theInspectionCopyNeverFollowsAPlantedLink();

private:
    ThemeFolder m_theme;
    int m_themeIndex = -1;
};

void TestZCQssParser::initTestCase()
{
    m_theme.writeIcon(QStringLiteral("save"));
    m_theme.writeIcon(QStringLiteral("open"));
    m_themeIndex = m_theme.add(QStringLiteral("Prueba"), {QColor(Qt::red), QColor(Qt::green)});
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_themeIndex));
}

void TestZCQssParser::init()
{
    QDir(m_theme.generated()).removeRecursively();
}

void TestZCQssParser::importsExpandInPlace_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a url with single quotes loads the file beside the main one")
        << Files{{"main.qss", "@import url('base.qss');\nB"}, {"base.qss", "A"}} << "A\nB";
    QTest::newRow("a bare name ending in a semicolon loads it too")
        << Files{{"main.qss", "@import base.qss;\nB"}, {"base.qss", "A"}} << "A\nB";
    QTest::newRow("Windows line ends still name the file")
        << Files{{"main.qss", "@import base.qss;\r\nB\r\n"}, {"base.qss", "A"}} << "A\nB\r\n";
    QTest::newRow("two different files each replace their own directive")
        << Files{{"main.qss", "1\n@import a.qss;\n2\n@import b.qss;\n3"}, {"a.qss", "A"}, {"b.qss", "B"}}
        << "1\nA\n2\nB\n3";
    QTest::newRow("an imported file's own imports are expanded as well")
        << Files{{"main.qss", "@import a.qss\nM"}, {"a.qss", "@import sub/b.qss\nA"}, {"sub/b.qss", "B"}}
        << "B\nA\nM";
    QTest::newRow("eleven flat imports are the most allowed")
        << flatImports(11)
        << "/*part0.qss*/\n\n/*part1.qss*/\n\n/*part2.qss*/\n\n/*part3.qss*/\n\n/*part4.qss*/\n\n"
           "/*part5.qss*/\n\n/*part6.qss*/\n\n/*part7.qss*/\n\n/*part8.qss*/\n\n/*part9.qss*/\n\n"
           "/*part10.qss*/\n\n";
}

void TestZCQssParser::importsExpandInPlace()
{
    QFETCH(Files, files);
    QFETCH(QString, expected);
    const SheetRun run(files);
    QCOMPARE(run.errors, QString());
    QVERIFY(run.ok);
    QCOMPARE(run.sheet, expected);
}

void TestZCQssParser::importFailures_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("error");

    QTest::newRow("a file importing itself exceeds the import limit")
        << Files{{"main.qss", "@import main.qss;\n"}} << "Error. Imports máximos excedidos";
    QTest::newRow("two files importing each other exceed it too")
        << Files{{"main.qss", "@import a.qss;\n"}, {"a.qss", "@import b.qss;\n"}, {"b.qss", "@import a.qss;\n"}}
        << "Error. Imports máximos excedidos";
    QTest::newRow("twelve flat imports are one too many")
        << flatImports(12) << "Error. Imports máximos excedidos";
    QTest::newRow("double quotes become part of the file name")
        << Files{{"main.qss", "@import \"base.qss\";\n"}, {"base.qss", "A"}}
        << "Error: El fichero \"base.qss\" no existe";
    QTest::newRow("a directive without an argument is malformed")
        << Files{{"main.qss", "@import ;\n"}} << "Error. Directiva import mal formada: ;";
    QTest::newRow("an import of a folder cannot be read")
        << Files{{"main.qss", "@import folder\n"}, {"folder/x.qss", "A"}} << "Error: El fichero %1 no existe";
}

void TestZCQssParser::importFailures()
{
    QFETCH(Files, files);
    QFETCH(QString, error);
    const SheetRun run(files);
    QVERIFY(!run.ok);
    QCOMPARE(run.errors, error.contains(QLatin1String("%1")) ? error.arg(run.path(QStringLiteral("folder"))) : error);
}

void TestZCQssParser::variablesResolve_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a variable defined through another gets the final value")
        << QByteArray(":root {\n--base: #ff0000;\n--text: var(--base);\n}\nQLabel { color: var(--text); }")
        << "\nQLabel { color: #ff0000; }";
    QTest::newRow("a value keeps its inner blanks, one per run")
        << QByteArray(":root {\n  --border :  1px   solid red ;\n}\nQFrame { border: var(--border); }")
        << "\nQFrame { border: 1px solid red; }";
    QTest::newRow("a later declaration of the same name wins")
        << QByteArray(":root{\n--a: 1;\n--a: 2;\n}\nx: var( --a );") << "\nx: 2;";
    QTest::newRow("comments and blank lines inside the block are ignored")
        << QByteArray(":root {\n/* the base colour: */\n\n--a: blue; /* note */\n}\nx: var(--a);")
        << "\nx: blue;";
    QTest::newRow("Windows line ends inside the block are blanks")
        << QByteArray(":root {\r\n--a: blue;\r\n--b: var(--a) 1px;\r\n}\r\nx: var(--b);\r\n")
        << "\r\nx: blue 1px;\r\n";
    QTest::newRow("further root blocks are removed without effect")
        << QByteArray(":root {\n--a: 1;\n}\n:root {\n--a: 2;\n}\nx: var(--a);") << "\n\nx: 1;";
    QTest::newRow("a variable used many times is replaced everywhere")
        << QByteArray(":root {\n--a: 1;\n}\nvar(--a) var(--a)\nvar(--a)") << "\n1 1\n1";
}

void TestZCQssParser::variablesResolve()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, expected);
    const SheetRun run({{QStringLiteral("main.qss"), sheet}});
    QCOMPARE(run.errors, QString());
    QVERIFY(run.ok);
    QCOMPARE(run.sheet, expected);
}

void TestZCQssParser::variableFailures_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("errors");

    QTest::newRow("a block line without a colon is a wrong declaration")
        << QByteArray(":root {\n--a 1;\n}\n") << "Error. Declaración de variables incorrecta. --a 1;";
    QTest::newRow("an undeclared variable in the sheet names the variable")
        << QByteArray("x: var(--x);") << "Error. La variable --x no está definida previamente";
    QTest::newRow("an unclosed root block declares nothing")
        << QByteArray(":root {\n--a: 1;\nx: var(--a);") << "Error. La variable --a no está definida previamente";
    QTest::newRow("an undeclared variable inside the block leaves variables unresolved")
        << QByteArray(":root {\n--a: var(--nope);\n}\n")
        << "Error. La variable --nope no está definida previamente - Error. Variables sin resolver";
    QTest::newRow("a variable defined through itself fails instead of looping")
        << QByteArray(":root {\n--a: var(--a);\n}\nx: var(--a);") << "Error. Variables sin resolver";
    QTest::newRow("a variable growing through itself fails instead of growing")
        << QByteArray(":root {\n--a: x var(--a);\n}\nx: var(--a);") << "Error. Variables sin resolver";
    QTest::newRow("two variables defined through each other fail")
        << QByteArray(":root {\n--a: var(--b);\n--b: var(--a);\n}\n") << "Error. Variables sin resolver";
}

void TestZCQssParser::variableFailures()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, errors);
    const SheetRun run({{QStringLiteral("main.qss"), sheet}});
    QVERIFY(!run.ok);
    QCOMPARE(run.errors, errors);
}

void TestZCQssParser::aSecondParseKeepsEarlierVariables()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("main.qss"));
    const auto writeSheet = [&path](const QByteArray& text) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
    };
    writeSheet(":root {\n--a: red;\n}\n");
    ZCQssParser parser(path);
    QVERIFY(parser.Parse());

    writeSheet("x: var(--a);");
    ZCQssParser copy(parser);
    QVERIFY(parser.Parse());
    QCOMPARE(parser.GetStyleSheet(), QStringLiteral("x: red;"));
    QVERIFY(copy.Parse());
    QCOMPARE(copy.GetStyleSheet(), QStringLiteral("x: red;"));
    QVERIFY(!ZCQssParser(path).Parse());
}

void TestZCQssParser::variablesMatchTheStepByStepResult_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 5; ++seed)
        QTest::addRow("random sheet %u", seed) << seed;
}

void TestZCQssParser::variablesMatchTheStepByStepResult()
{
    QFETCH(quint32, seed);
    const QByteArray sheet = randomVariableSheet(seed);
    const SheetRun run({{QStringLiteral("main.qss"), sheet}});
    QCOMPARE(run.errors, QString());
    QString expected = QString::fromUtf8(sheet);
    StepByStepVariables reference;
    QVERIFY(reference.run(expected));
    QCOMPARE(run.sheet, expected);
}

void TestZCQssParser::iconCallsBecomeUrls_data()
{
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("name, size and state") << QByteArray("icon(save,16,16,hover)") << "save_16_16_hover.png";
    QTest::newRow("blanks around the parts") << QByteArray("icon( save , 24 , 20 , PRESSED )") << "save_24_20_pressed.png";
    QTest::newRow("an unknown state is normal") << QByteArray("icon(save,8,8,blink)") << "save_8_8_normal.png";
    QTest::newRow("only a name keeps size 0 in the file name") << QByteArray("icon(save)") << "save_0_0_normal.png";
}

void TestZCQssParser::iconCallsBecomeUrls()
{
    QFETCH(QByteArray, call);
    QFETCH(QString, fileName);
    const SheetRun run({{QStringLiteral("main.qss"), "QPushButton { image: " + call + "; }"}});
    QCOMPARE(run.errors, QString());
    QVERIFY(run.ok);
    const QString path = QDir(m_theme.generated()).filePath(fileName);
    QCOMPARE(run.sheet, QStringLiteral("QPushButton { image: url(%1); }").arg(path));
    QVERIFY(!QImage(path).isNull());
}

void TestZCQssParser::repeatedCallsShareOnePng()
{
    const QString path = QDir(m_theme.generated()).filePath(QStringLiteral("save_16_16_hover.png"));
    QDir().mkpath(m_theme.generated());
    // A stale PNG of another size is replaced; the three calls share one file and leave no
    // temporary files behind.
    QImage(4, 4, QImage::Format_ARGB32).save(path);
    const SheetRun run({{QStringLiteral("main.qss"),
                         "a { image: icon(save,16,16,hover); }\nb { image: icon(save,16,16,hover); }\n"
                         "c { image: icon( save,16,16,hover); }"}});
    QVERIFY(run.ok);
    QCOMPARE(QImage(path).size(), QSize(16, 16));
    QCOMPARE(QImage(path).pixelColor(8, 8), QColor(Qt::green));
    QCOMPARE(run.sheet.count(QStringLiteral("url(%1)").arg(path)), 3);
    QCOMPARE(QDir(m_theme.generated()).entryList(QDir::Files),
             QStringList({QStringLiteral("qrc_icons.qrc"), QStringLiteral("save_16_16_hover.png")}));
}

void TestZCQssParser::theResourceListNamesEachPathOnce()
{
    const SheetRun run({{QStringLiteral("main.qss"),
                         "a: icon(save,16,16); b: icon(open,16,16); c: icon(save,16,16); d: icon(save, 16, 16)"}});
    QVERIFY(run.ok);
    const QDir folder(m_theme.generated());
    QStringList listed = listedFiles(folder.filePath(QStringLiteral("qrc_icons.qrc")));
    listed.sort();
    QCOMPARE(listed, QStringList({folder.filePath(QStringLiteral("open_16_16_normal.png")),
                                  folder.filePath(QStringLiteral("save_16_16_normal.png"))}));
}

void TestZCQssParser::aSizelessIconRendersAtItsOwnSize()
{
    m_theme.writeIcon(QStringLiteral("wide"),
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\">"
                      "<path d=\"M0 0H40V20H0Z\"/></svg>");
    const SheetRun run({{QStringLiteral("main.qss"), "a: icon(wide); b: icon(wide, 20)"}});
    QVERIFY(run.ok);
    const QDir folder(m_theme.generated());
    QCOMPARE(QImage(folder.filePath(QStringLiteral("wide_0_0_normal.png"))).size(), QSize(40, 20));
    QCOMPARE(QImage(folder.filePath(QStringLiteral("wide_20_0_normal.png"))).size(), QSize(20, 10));
}

void TestZCQssParser::aResourceFolderWritesNothing()
{
    ThemeFolder resourceTheme;
    resourceTheme.writeIcon(QStringLiteral("save"));
    const int previous = m_themeIndex;
    const int index = resourceTheme.add(QStringLiteral("Recursos"), {QColor(Qt::blue)},
                                        QStringLiteral(":/temas/iconos"));
    QVERIFY(GetGestorTemasEstilo()->SetTema(index));
    const SheetRun run({{QStringLiteral("main.qss"), "a: icon(save,16,16);"}});
    QVERIFY(GetGestorTemasEstilo()->SetTema(previous));
    QVERIFY(run.ok);
    QCOMPARE(run.sheet, QStringLiteral("a: url(:/temas/iconos/save_16_16_normal.png);"));
    QCOMPARE(QDir(resourceTheme.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("icons"), QStringLiteral("main.qss")}));
}

void TestZCQssParser::badIconCallsFailAndWriteNothingOutside_data()
{
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<QString>("error");

    QTest::newRow("a name climbing out of the folder")
        << QByteArray("icon(../../escape,16,16)") << "Error. El nombre de icono ../../escape no es válido";
    QTest::newRow("a name with a sub-folder")
        << QByteArray("icon(sub/save,16,16)") << "Error. El nombre de icono sub/save no es válido";
    QTest::newRow("a name with a backslash")
        << QByteArray("icon(..\\save,16,16)") << "Error. El nombre de icono ..\\save no es válido";
    QTest::newRow("a huge width")
        << QByteArray("icon(save,100000,16)") << "Error. El tamaño 100000x16 del icono save está fuera del rango de 0 a 1024";
    QTest::newRow("a negative height")
        << QByteArray("icon(save,16,-1)") << "Error. El tamaño 16x-1 del icono save está fuera del rango de 0 a 1024";
    QTest::newRow("an icon the theme does not have")
        << QByteArray("icon(nothing,16,16)")
        << "Error intentando generar en caché de disco el icono nothing. No se ha encontrado el icono en el tema Prueba";
}

void TestZCQssParser::badIconCallsFailAndWriteNothingOutside()
{
    QFETCH(QByteArray, call);
    QFETCH(QString, error);
    const SheetRun run({{QStringLiteral("main.qss"), "a: " + call + ";"}});
    QVERIFY(!run.ok);
    QCOMPARE(run.errors, error);
    const QStringList written = QDir(m_theme.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(written, QStringList(QStringLiteral("main.qss")));
    QVERIFY(QDir(m_theme.generated()).entryList(QDir::Files).isEmpty());
}

void TestZCQssParser::anUnwritablePngFailsTheParse()
{
    // A folder where the PNG should be cannot be replaced by a file.
    const QString path = QDir(m_theme.generated()).filePath(QStringLiteral("save_16_16_normal.png"));
    QDir().mkpath(path);
    const SheetRun run({{QStringLiteral("main.qss"), "a: icon(save,16,16);"}});
    QVERIFY(!run.ok);
    QCOMPARE(run.errors, QStringLiteral("Error intentando escribir en disco el fichero: %1").arg(path));
    QCOMPARE(run.sheet, QStringLiteral("a: url(%1);").arg(path));
}

void TestZCQssParser::bytesThatAreNotUtf8AreReplacedNotFatal()
{
    const SheetRun run({{QStringLiteral("main.qss"), QByteArray("a { x: \xff\xfe; }\n@import b.qss\n")},
                        {QStringLiteral("b.qss"), QByteArray("\xc3(")}});
    QVERIFY(run.ok);
    QCOMPARE(run.sheet, QStringLiteral("a { x: \ufffd\ufffd; }\n\ufffd(\n"));
}

void TestZCQssParser::theInspectionCopyNeverFollowsAPlantedLink()
{
    const QString copy = QStringLiteral("%1/%2_qss.css").arg(QDir::tempPath(), QCoreApplication::applicationName());
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    {
        QFile file(victim);
        file.open(QIODevice::WriteOnly);
        file.write("untouched");
    }
    QFile::remove(copy);
    QVERIFY(QFile::link(victim, copy));

    const SheetRun run({{QStringLiteral("main.qss"), "QLabel { color: red; }"}});
    QVERIFY(run.ok);
    QVERIFY(!QFileInfo(copy).isSymLink());
    QFile written(copy);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("QLabel { color: red; }"));
    QFile original(victim);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), QByteArray("untouched"));
    QFile::remove(copy);
}

MIROKIT_TEST_MAIN(TestZCQssParser)
#include "tst_zcqssparser.moc"
