// A host in miniature: the start-up order of a Mirokit program, through the installed headers.
// It links the core only, so no GPL-only library (Qt Charts, QScintilla) may be loaded.
#include <Mirokit/Mirokit.h>
#include <Mirokit/ZCSettings.h>

#include <QFile>

#include <cstdio>

namespace {

// The shared objects mapped into this process, as the dynamic loader placed them.
QByteArray loadedLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

} // namespace

int main(int argc, char** argv)
{
    ZCApplication::OnInitMain();
    ZApplication application(argc, argv);
    ZCApplication mirokit(QStringLiteral("MirokitConsumer"), nullptr);
    mirokit.SetRobotoFont();
    if (GetApplication() != &mirokit || ZCSettings().organizationName() != QStringLiteral("Dunmar")) {
        std::fputs("Mirokit did not start as expected\n", stderr);
        return 1;
    }
    const QByteArray libraries = loadedLibraries();
    for (const char* gplOnly : {"libQt5Charts", "libQt6Charts", "libqscintilla2", "libMirokitCharts",
                                "libMirokit6Charts", "libMirokitScintilla", "libMirokit6Scintilla"}) {
        if (libraries.contains(gplOnly)) {
            std::fprintf(stderr, "a core-only host loaded %s\n", gplOnly);
            return 1;
        }
    }
    return 0;
}
