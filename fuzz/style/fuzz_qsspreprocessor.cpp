// Random style sheets through ZCQssParser, with a theme and a few fixed files to import. Parse
// must end; on success no var() or icon() call is left; on failure there is a message; and
// nothing is ever written outside the generated-icon folder.
#include "fuzzapplication.h"

#include <Mirokit/ZCGestorTemasEstilo.h>
#include <Mirokit/ZCQssParser.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void writeFile(const QDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(content);
}

struct Setup {
    QTemporaryDir dir;
    QDir root;
    QStringList entries;

    Setup()
        : root(dir.path())
    {
        root.mkpath(QStringLiteral("icons"));
        root.mkpath(QStringLiteral("gen"));
        writeFile(root, QStringLiteral("icons/save.svg"),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\">"
                  "<path d=\"M0 0H8V8H0Z\" fill=\"#000\"/></svg>");
        writeFile(root, QStringLiteral("base.qss"), ":root {\n--a: red;\n--b: 1px solid var(--a);\n}\n");
        writeFile(root, QStringLiteral("b.qss"), "@import base.qss\nQLabel { color: var(--a); }\n");
        writeFile(root, QStringLiteral("main.qss"), "QWidget { }\n");
        writeFile(root, QStringLiteral("fuzz.qss"), QByteArray());
        entries = root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        ZCGestorTemasEstilo* manager = GetGestorTemasEstilo();
        manager->SetTema(manager->AddTema(ZCTemaEstilo(QStringLiteral("Fuzz"), root.filePath(QStringLiteral("icons")),
                                                       root.filePath(QStringLiteral("main.qss")),
                                                       root.filePath(QStringLiteral("gen")), {Qt::red})));
    }
};

Setup& setup()
{
    ensureFuzzApplication(dropFuzzMessages);
    static Setup instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Setup& fixture = setup();
    writeFile(fixture.root, QStringLiteral("fuzz.qss"), QByteArray(reinterpret_cast<const char*>(data), int(size)));

    ZCQssParser parser(fixture.root.filePath(QStringLiteral("fuzz.qss")));
    const bool ok = parser.Parse();
    if (ok) {
        static const QRegularExpression leftover(QStringLiteral("(var|icon)\\((.*?)\\)"));
        // A url() put in for an icon never holds a call: the folder is fixed and plain.
        if (leftover.match(parser.GetStyleSheet()).hasMatch())
            std::abort();
    } else if (parser.GetErrors().isEmpty()) {
        std::abort();
    }
    if (fixture.root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot) != fixture.entries)
        std::abort();
    return 0;
}
