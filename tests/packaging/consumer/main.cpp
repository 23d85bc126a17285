// A host in miniature: the start-up order of a Mirokit program, through the installed headers.
#include <Mirokit/Mirokit.h>
#include <Mirokit/ZCSettings.h>

#include <cstdio>

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
    return 0;
}
