#include "mirokittest.h"
#include "themefixture.h"

#include <Mirokit/ZCQssParser.h>

#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

using Files = QMap<QString, QByteArray>;

// Writes the files into a fresh folder and parses "main.qss" there.
struct SheetRun {
    ThemeFolder dir;
    bool ok = false;
    QString sheet, errors;

    explicit SheetRun(const Files& files)
    {
        for (auto file = files.cbegin(); file != files.cend(); ++file)
            dir.write(file.key(), file.value());
        ZCQssParser parser(dir.path("main.qss"));
        ok = parser.Parse();
        sheet = parser.GetStyleSheet();
        errors = parser.GetErrors();
    }
};

Files mainOnly(const QByteArray& sheet) { return Files{{"main.qss", sheet}}; }

Files flatImports(int count)
{
    Files files{{"main.qss", ""}};
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "part" + QByteArray::number(i) + ".qss";
        files["main.qss"] += "@import " + name + ";\n";
        files.insert(name, "/*" + name + "*/\n");
    }
    return files;
}

// The variable stage done the slow way, one regular-expression match and one replacement at a
// time from the start of the text (values keep their inner blanks, one per run).
bool stepByStepVariables(QString& sheet)
{
    const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression root(QStringLiteral(":root\\s*{(.*?)}"), dotAll);
    static const QRegularExpression comment(QStringLiteral("\\/\\*(.*?)\\*\\/"), dotAll);
    static const QRegularExpression use(QStringLiteral("var\\((.*?)\\)"));
    QMap<QString, QString> variables;
    const auto resolve = [&variables](QString& text) {
        for (auto match = use.match(text); match.hasMatch(); match = use.match(text)) {
            if (!variables.contains(match.captured(1).trimmed()))
                return false;
            text.replace(match.captured(0), variables.value(match.captured(1).trimmed()));
        }
        return true;
    };
    QString content = root.match(sheet).captured(1).remove(comment);
    sheet.remove(root);
    for (int pass = 0; pass <= 10; ++pass) {
        for (const QString& line : content.split(QLatin1Char('\n'))) {
            const int colon = line.indexOf(QLatin1Char(':'));
            const QString value = line.mid(colon + 1).simplified();
            if (colon >= 0)
                variables.insert(line.left(colon).trimmed(), value.left(value.lastIndexOf(QLatin1Char(';'))).trimmed());
        }
        if (!content.contains(QLatin1String("var(")))
            return resolve(sheet);
        resolve(content);
    }
    return false;
}

// Variables defined through one another (never in a cycle), odd spacing, comments with colons,
// blank lines and mixed line ends.
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
        sheet += random.bounded(2) ? ";\n" : "; /* note: a colon */\r\n\n";
    }
    sheet += "}\n";
    for (int i = 0; i < 300; ++i) {
        sheet += "QLabel#l" + QByteArray::number(i) + " { border: var(--v" + QByteArray::number(random.bounded(count))
            + ") ; background: var( --v" + QByteArray::number(random.bounded(count)) + "); }\n";
    }
    return sheet;
}

} // namespace

class TestZCQssParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QDir(m_theme.generated()).removeRecursively(); }
    void sheets_data();
    void sheets();
    void parsersOnOneThreadKeepTheirOwnResults();
    void oneLineAndMultiLineRootBlocksResolveAlike_data();
    void oneLineAndMultiLineRootBlocksResolveAlike();
    void variablesMatchTheStepByStepResult_data();
    void variablesMatchTheStepByStepResult();
    void iconCallsBecomeOnePngEach();
    void aResourceFolderWritesNothing();
    void anUnwritablePngFailsTheParse();
    void theInspectionCopyNeverFollowsAPlantedLink();

private:
    ThemeFolder m_theme;
    int m_themeIndex = -1;
};

void TestZCQssParser::initTestCase()
{
    m_theme.writeIcon("save");
    m_theme.writeIcon("open");
    m_theme.writeIcon("wide", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\"><path d=\"M0 0H40V20H0Z\"/></svg>");
    m_themeIndex = m_theme.add("Prueba", {QColor(Qt::red), QColor(Qt::green)});
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_themeIndex));
}

void TestZCQssParser::sheets_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result"); // the sheet when it parses, the errors otherwise (%1: the folder)

    const QString tooManyImports = "Error. Imports máximos excedidos";
    QTest::newRow("an import url with single quotes loads the file beside the main one")
        << Files{{"main.qss", "@import url('base.qss');\nB"}, {"base.qss", "A"}} << true << "A\nB";
    QTest::newRow("a bare import name with Windows line ends")
        << Files{{"main.qss", "@import base.qss;\r\nB\r\n"}, {"base.qss", "A"}} << true << "A\nB\r\n";
    QTest::newRow("an imported file's own imports are expanded as well")
        << Files{{"main.qss", "@import a.qss\nM"}, {"a.qss", "@import sub/b.qss\nA"}, {"sub/b.qss", "B"}} << true << "B\nA\nM";
    const QString notUtf8 = "Error. El fichero %1/%2 no está codificado en UTF-8";
    QTest::newRow("a main sheet that is not UTF-8 is refused, naming it")
        << Files{{"main.qss", "a { x: \xff\xfe; }\n@import b.qss\n"}, {"b.qss", "A"}} << false << notUtf8.arg("%1", "main.qss");
    QTest::newRow("an imported sheet that is not UTF-8 is refused, naming it")
        << Files{{"main.qss", "a { x: 1; }\n@import b.qss\n"}, {"b.qss", "\xc3("}} << false << notUtf8.arg("%1", "b.qss");
    QTest::newRow("a sheet cut in the middle of a character is not UTF-8")
        << mainOnly("a { x: \xc3") << false << notUtf8.arg("%1", "main.qss");
    QString elevenParts;
    for (int i = 0; i < 11; ++i)
        elevenParts += QStringLiteral("/*part%1.qss*/\n\n").arg(i);
    QTest::newRow("eleven flat imports are the most allowed") << flatImports(11) << true << elevenParts;
    QTest::newRow("twelve flat imports are one too many") << flatImports(12) << false << tooManyImports;
    QTest::newRow("a file importing itself is a cycle, named")
        << mainOnly("@import main.qss;\n") << false << "Error. Importación circular: %1/main.qss -> %1/main.qss";
    QTest::newRow("two files importing each other are a cycle, named from where it closes")
        << Files{{"main.qss", "@import a.qss\n"}, {"a.qss", "@import b.qss\n"}, {"b.qss", "@import url('a.qss');\n"}} << false
        << "Error. Importación circular: %1/a.qss -> %1/b.qss -> %1/a.qss";
    QTest::newRow("a file imported from two others is no cycle")
        << Files{{"main.qss", "@import a.qss\n@import b.qss\n"}, {"a.qss", "@import c.qss\nA"}, {"b.qss", "@import c.qss\nB"}, {"c.qss", "C"}}
        << true << "C\nA\nC\nB\n";
    QTest::newRow("double quotes become part of the file name")
        << Files{{"main.qss", "@import \"base.qss\";\n"}, {"base.qss", "A"}} << false << "Error: El fichero \"base.qss\" no existe";
    QTest::newRow("an import without an argument is malformed")
        << mainOnly("@import ;\n") << false << "Error. Directiva import mal formada: ;";
    QTest::newRow("an import of a folder cannot be read")
        << Files{{"main.qss", "@import folder\n"}, {"folder/x.qss", "A"}} << false << "Error: El fichero %1/folder no existe";

    QTest::newRow("a later declaration wins, a later root block is removed without effect")
        << mainOnly(":root{\n--a: 1;\n--a: 2;\n}\n:root {\n--a: 3;\n}\nx: var( --a );") << true << "\n\nx: 2;";
    QTest::newRow("a block line without a colon is a wrong declaration")
        << mainOnly(":root {\n--a 1;\n}\n") << false << "Error. Declaración de variables incorrecta. --a 1";
    QTest::newRow("a wrong declaration on a one-line block is the one named")
        << mainOnly(":root { --a: 1; --b 2; --c: 3; }\n") << false << "Error. Declaración de variables incorrecta. --b 2";
    QTest::newRow("a line feed ends a declaration whose quote is left open")
        << mainOnly(":root {\n--nota: l'app;\n--fondo: white;\n}\nx: var(--fondo); y: var(--nota);") << true
        << "\nx: white; y: l'app;";
    QTest::newRow("a line feed ends a declaration whose parenthesis is left open")
        << mainOnly(":root {\n--ruta: url(a.png;\n--fondo: white; --borde: 1px;\n}\nx: var(--fondo) var(--borde);") << true
        << "\nx: white 1px;";
    QTest::newRow("an unclosed root block declares nothing, and the undeclared variable is named")
        << mainOnly(":root {\n--a: 1;\nx: var(--a);") << false << "Error. La variable --a no está definida previamente";
    QTest::newRow("an undeclared variable inside the block leaves variables unresolved")
        << mainOnly(":root {\n--a: var(--nope);\n}\n") << false
        << "Error. La variable --nope no está definida previamente - Error. Variables sin resolver";
    QTest::newRow("a variable defined through itself fails instead of looping")
        << mainOnly(":root {\n--a: var(--a);\n}\nx: var(--a);") << false << "Error. Variables sin resolver";
    QTest::newRow("a variable growing through itself fails instead of growing")
        << mainOnly(":root {\n--a: x var(--a);\n}\nx: var(--a);") << false << "Error. Variables sin resolver";
    QTest::newRow("two variables defined through each other fail")
        << mainOnly(":root {\n--a: var(--b);\n--b: var(--a);\n}\n") << false << "Error. Variables sin resolver";

    const QString outOfRange = "Error. El tamaño %1 del icono save está fuera del rango de 0 a 1024";
    QTest::newRow("an icon name climbing out of the folder")
        << mainOnly("a: icon(../../escape,16,16);") << false << "Error. El nombre de icono ../../escape no es válido";
    QTest::newRow("an icon name with a backslash")
        << mainOnly("a: icon(icons\\save,16,16);") << false << "Error. El nombre de icono icons\\save no es válido";
    QTest::newRow("a huge icon width") << mainOnly("a: icon(save,100000,16);") << false << outOfRange.arg("100000x16");
    QTest::newRow("a negative icon height") << mainOnly("a: icon(save,16,-1);") << false << outOfRange.arg("16x-1");
    QTest::newRow("an icon the theme does not have") << mainOnly("a: icon(nothing,16,16);") << false
        << "Error intentando generar en caché de disco el icono nothing. No se ha encontrado el icono en el tema Prueba";
}

void TestZCQssParser::sheets()
{
    QFETCH(Files, files);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    const SheetRun run(files);
    QCOMPARE(ok ? run.sheet : run.errors, QString(result).replace("%1", run.dir.path()));
    QCOMPARE(run.ok, ok);
    QCOMPARE(run.errors.isEmpty(), ok);
    // Nothing is written in the generated folder on a failure, nor ever beside the theme's sheet.
    QVERIFY(QDir(m_theme.generated()).entryList(QDir::Files).isEmpty());
    QCOMPARE(QDir(m_theme.path()).entryList(QDir::Files), QStringList("main.qss"));
}

void TestZCQssParser::parsersOnOneThreadKeepTheirOwnResults()
{
    ThemeFolder dir;
    dir.write("a.qss", ":root {\n--c: red;\n}\na { color: var(--c); }");
    dir.write("b.qss", ":root {\n--c: blue;\n}\nb { color: var(--c); border: var(--c); }");
    dir.write("bad.qss", "c { color: var(--missing); }");
    ZCQssParser first(dir.path("a.qss")), second(dir.path("b.qss")), failing(dir.path("bad.qss"));
    QVERIFY(first.Parse());
    QVERIFY(second.Parse());
    QVERIFY(!failing.Parse());
    QVERIFY(second.Parse());
    QCOMPARE(first.GetStyleSheet(), QStringLiteral("\na { color: red; }"));
    QCOMPARE(second.GetStyleSheet(), QStringLiteral("\nb { color: blue; border: blue; }"));
    // A parser, and a copy of it, keep the variables of earlier parses.
    dir.write("a.qss", "x: var(--c);");
    ZCQssParser copy(first);
    for (ZCQssParser* again : {&first, &copy}) {
        QVERIFY(again->Parse());
        QCOMPARE(again->GetStyleSheet(), QStringLiteral("x: red;"));
    }
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
    const SheetRun run(mainOnly(sheet));
    QCOMPARE(run.errors, QString());
    QString expected = QString::fromUtf8(sheet);
    QVERIFY(stepByStepVariables(expected));
    QCOMPARE(run.sheet, expected);
}

void TestZCQssParser::oneLineAndMultiLineRootBlocksResolveAlike_data()
{
    QTest::addColumn<QByteArray>("oneLine");
    QTest::addColumn<QByteArray>("multiLine");
    QTest::addColumn<QByteArray>("use");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("two colours") << QByteArray("--a: red; --b: blue;") << QByteArray("--a: red;\n--b: blue;")
                                 << QByteArray("x { color: var(--a); background: var(--b); }") << "x { color: red; background: blue; }";
    QTest::newRow("a value with blanks built on another variable")
        << QByteArray("--c: #123456; --borde: 1px  solid var(--c);") << QByteArray("--c: #123456;\n  --borde: 1px solid var(--c);")
        << QByteArray("x { border: var(--borde); }") << "x { border: 1px solid #123456; }";
    QTest::newRow("a semicolon in quotes stays in the value")
        << QByteArray("--f: \"a;b\"; --g: 1;") << QByteArray("--f: \"a;b\";\n--g: 1;")
        << QByteArray("x { font-family: var(--f); width: var(--g); }") << "x { font-family: \"a;b\"; width: 1; }";
    QTest::newRow("a semicolon in parentheses stays in the value")
        << QByteArray("--i: url(a;b.png); --j: 2;") << QByteArray("--i: url(a;b.png);\n--j: 2;")
        << QByteArray("x { image: var(--i); width: var(--j); }") << "x { image: url(a;b.png); width: 2; }";
    QTest::newRow("a comment between declarations, with a colon and a semicolon")
        << QByteArray("--a: 1; /* next: b; */ --b: 2;") << QByteArray("--a: 1;\n/* next:\n b; */\n--b: 2;")
        << QByteArray("x { a: var(--a); b: var(--b); }") << "x { a: 1; b: 2; }";
    QTest::newRow("no semicolon after the last declaration")
        << QByteArray("--a: 1; --b: 2") << QByteArray("--a: 1\r\n--b: 2\r\n")
        << QByteArray("x { a: var(--a); b: var(--b); }") << "x { a: 1; b: 2; }";
}

void TestZCQssParser::oneLineAndMultiLineRootBlocksResolveAlike()
{
    QFETCH(QByteArray, oneLine);
    QFETCH(QByteArray, multiLine);
    QFETCH(QByteArray, use);
    QFETCH(QString, resolved);
    const SheetRun single(mainOnly(":root { " + oneLine + " }" + use));
    const SheetRun several(mainOnly(":root {\n" + multiLine + "\n}" + use));
    QCOMPARE(single.errors, QString());
    QCOMPARE(single.sheet, resolved);
    QCOMPARE(several.errors, QString());
    QCOMPARE(several.sheet, resolved);
}

void TestZCQssParser::iconCallsBecomeOnePngEach()
{
    // A stale PNG of another size is replaced; repeated calls share one file, listed once in the
    // resource list, and no temporary files are left behind.
    const QDir folder(m_theme.generated());
    const QMap<QString, QSize> sizes{{"save_16_16_normal.png", {16, 16}}, {"save_24_20_pressed.png", {24, 20}},
                                     {"save_8_8_normal.png", {8, 8}}, // an unknown state is normal
                                     {"wide_0_0_normal.png", {40, 20}}, // the drawing's own size
                                     {"wide_20_0_normal.png", {20, 10}}}; // the drawing's aspect
    QStringList paths; // in the order of the calls below
    for (const QString& name : sizes.keys())
        paths.append(folder.filePath(name));
    QDir().mkpath(folder.path());
    QImage(4, 4, QImage::Format_ARGB32).save(paths.at(0));
    const SheetRun run(mainOnly("a: icon(save,16,16); b: icon( save , 24 , 20 , PRESSED ); c: icon(save,8,8,blink); d: icon(wide);\n"
                                "e: icon(wide, 20); f: icon(save,16,16); g: icon( save, 16, 16)"));
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.sheet, QStringLiteral("a: url(%1); b: url(%2); c: url(%3); d: url(%4);\ne: url(%5); f: url(%1); g: url(%1)")
                            .arg(paths.at(0), paths.at(1), paths.at(2), paths.at(3), paths.at(4)));
    for (auto png = sizes.cbegin(); png != sizes.cend(); ++png)
        QCOMPARE(QImage(folder.filePath(png.key())).size(), png.value());
    QCOMPARE(QImage(paths.at(0)).pixelColor(8, 8), QColor(Qt::red));
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({"qrc_icons.qrc"}) + sizes.keys());
    QFile qrc(folder.filePath("qrc_icons.qrc"));
    QVERIFY(qrc.open(QIODevice::ReadOnly));
    const QString listed = QString::fromUtf8(qrc.readAll());
    QCOMPARE(listed.count("<file>"), paths.size());
    for (const QString& path : paths)
        QCOMPARE(listed.count(">" + path + "<"), 1);
}

void TestZCQssParser::aResourceFolderWritesNothing()
{
    ThemeFolder resourceTheme;
    resourceTheme.writeIcon("save");
    QVERIFY(GetGestorTemasEstilo()->SetTema(resourceTheme.add("Recursos", {QColor(Qt::blue)}, ":/temas/iconos")));
    const SheetRun run(mainOnly("a: icon(save,16,16);"));
    QVERIFY(GetGestorTemasEstilo()->SetTema(m_themeIndex));
    QCOMPARE(run.sheet, QStringLiteral("a: url(:/temas/iconos/save_16_16_normal.png);"));
    QCOMPARE(run.ok, true);
    QCOMPARE(QDir(resourceTheme.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"icons", "main.qss"}));
}

void TestZCQssParser::anUnwritablePngFailsTheParse()
{
    // A folder where the PNG should be cannot be replaced by a file.
    const QString path = QDir(m_theme.generated()).filePath("save_16_16_normal.png");
    QDir().mkpath(path);
    const SheetRun run(mainOnly("a: icon(save,16,16);"));
    QVERIFY(!run.ok);
    QCOMPARE(run.errors, "Error intentando escribir en disco el fichero: " + path);
    QCOMPARE(run.sheet, QStringLiteral("a: url(%1);").arg(path));
}

void TestZCQssParser::theInspectionCopyNeverFollowsAPlantedLink()
{
    const QString copy = QStringLiteral("%1/%2_qss.css").arg(QDir::tempPath(), QCoreApplication::applicationName());
    ThemeFolder elsewhere;
    elsewhere.write("victim", "untouched");
    QFile::remove(copy);
    QVERIFY(QFile::link(elsewhere.path("victim"), copy));
    QVERIFY(SheetRun(mainOnly("QLabel { color: red; }")).ok);
    QVERIFY(!QFileInfo(copy).isSymLink());
    const auto contents = [](const QString& path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : "?"; };
    QCOMPARE(contents(copy), QByteArray("QLabel { color: red; }"));
    QCOMPARE(contents(elsewhere.path("victim")), QByteArray("untouched"));
    QFile::remove(copy);
}

MIROKIT_TEST_MAIN(TestZCQssParser)
#include "tst_zcqssparser.moc"
