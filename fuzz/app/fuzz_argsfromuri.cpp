// Random command lines through GetArgsFromUri: argv always ends with a null entry, argc matches
// it, and no Qt option survives into the rewritten command line.
#include <Mirokit/ZCApplication.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray uri(reinterpret_cast<const char*>(data), int(size));
    QByteArray program("prog");
    char* originalArgv[] = {program.data(), uri.data(), nullptr};

    int argc = 2;
    char** argv = originalArgv;
    QList<QByteArray> storage;
    QSharedPointer<char*> holder;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    ZCApplication::GetArgsFromUri(argc, argv, QStringLiteral("app:"), storage, holder);

    if (argv == originalArgv)
        return 0;
    if (argc != storage.size() || argc < 1 || argv[argc] != nullptr)
        std::abort();
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strncmp(argument, "-platform", 9) == 0 && (argument[9] == '\0' || argument[9] == '='))
            std::abort();
        if (std::strcmp(argument, "-reverse") == 0 || std::strcmp(argument, "--reverse") == 0)
            std::abort();
    }
    return 0;
}
