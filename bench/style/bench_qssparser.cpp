// The style-sheet pre-processor on a generated theme of about 1 MB: 11 imports (the most the
// pre-processor expands), 500 variables, 20,000 var() uses and 300 icon() calls, against reading
// the same files plus one regular-expression pass; then a sheet four times larger against it.
#include "benchmark.h"
#include "benchtheme.h"

#include <Mirokit/ZCQssParser.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {

constexpr int importCount = 11;
constexpr int iconNames = 10;

struct GeneratedSheet {
    QTemporaryDir dir;
    QStringList files;
    QString main() const { return files.first(); }
};

QByteArray rule(int index, int variables)
{
    const auto var = [variables](int i) { return "var(--v" + QByteArray::number(i % variables) + ")"; };
    return "QWidget#w" + QByteArray::number(index) + " { color: " + var(index) + "; background: "
        + var(index * 7 + 3) + "; border: " + var(index * 13 + 5) + "; }\n";
}

QByteArray iconRule(int index)
{
    static const char* const states[] = {"normal", "hover", "pressed"};
    return "QToolButton#i" + QByteArray::number(index) + " { image: icon(" + benchtheme::iconName(index % iconNames).toLatin1()
        + ", 16, 16, " + states[(index / iconNames) % 3] + "); }\n";
}

// scale 1 gives the 1 MB sheet; every count but the imports grows with the scale.
void generate(GeneratedSheet& sheet, int scale)
{
    const int variables = 500 * scale;
    const int rules = 20000 * scale / 3;
    const int icons = 300 * scale;
    const QDir dir(sheet.dir.path());
    QByteArray main = ":root {\n";
    for (int i = 0; i < variables; ++i) {
        main += "    --v" + QByteArray::number(i) + ": ";
        if (i % 5 == 4)
            main += "var(--v" + QByteArray::number(i - 1) + ");\n";
        else
            main += i % 2 ? "1px solid #" + QByteArray::number(0x100000 + i * 37, 16) + ";\n"
                          : "#" + QByteArray::number(0x100000 + i * 91, 16) + ";\n";
    }
    main += "}\n";
    QVector<QByteArray> parts(importCount + 1);
    for (int i = 0; i < rules; ++i)
        parts[i % parts.size()] += rule(i, variables) + "/* " + QByteArray(40, 'c') + " */\n";
    for (int i = 0; i < icons; ++i)
        parts[i % parts.size()] += iconRule(i);
    sheet.files.append(dir.filePath(QStringLiteral("main.qss")));
    for (int i = 0; i < importCount; ++i) {
        const QString name = QStringLiteral("part%1.qss").arg(i);
        main += "@import url('" + name.toLatin1() + "');\n";
        sheet.files.append(dir.filePath(name));
        benchtheme::writeFile(sheet.files.last(), parts.at(i + 1));
    }
    benchtheme::writeFile(sheet.main(), main + parts.at(0));
}

qint64 totalSize(const QStringList& files)
{
    qint64 size = 0;
    for (const QString& file : files)
        size += QFileInfo(file).size();
    return size;
}

// What any pre-processor has to do at least: read the files and scan the text once.
int readAndScan(const QStringList& files)
{
    static const QRegularExpression varExpression(QStringLiteral("var\\((.*?)\\)"));
    QString text;
    for (const QString& path : files) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        text += QString::fromUtf8(file.readAll());
    }
    int matches = 0;
    for (auto it = varExpression.globalMatch(text); it.hasNext(); it.next())
        ++matches;
    return matches;
}

bool parse(const QString& file)
{
    ZCQssParser parser(file);
    return parser.Parse();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir themeDir;
    benchtheme::writeFile(QDir(themeDir.path()).filePath(QStringLiteral("main.qss")), "QWidget {}");
    GetGestorTemasEstilo()->SetTema(benchtheme::addTheme(themeDir, QStringLiteral("Bench"), Qt::darkCyan, iconNames));

    GeneratedSheet small;
    GeneratedSheet large;
    generate(small, 1);
    generate(large, 4);
    ZCQssParser check(small.main());
    if (!check.Parse()) {
        QTextStream(stderr) << check.GetErrors() << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << "sheet: " << totalSize(small.files) << " bytes in " << small.files.size()
                        << " files, resolved " << check.GetStyleSheet().size() << " characters" << Qt::endl;

    bench::compare(QStringLiteral("pre-process 1 MB sheet vs read + one regex pass"),
                   [&] { parse(small.main()); }, [&] { readAndScan(small.files); }, 5);
    bench::compare(QStringLiteral("pre-process 4x sheet vs read + one regex pass"),
                   [&] { parse(large.main()); }, [&] { readAndScan(large.files); }, 2);
    bench::compare(QStringLiteral("pre-process 4x sheet vs the 1 MB sheet"),
                   [&] { parse(large.main()); }, [&] { parse(small.main()); }, 2);
    return 0;
}
