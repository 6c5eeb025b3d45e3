#include "platform/ScratchDir.h"
#include "tools/AuthorCli.h"
#include "tools/ContentCommands.h"

#include <QFile>
#include <QGuiApplication>

// lessonwright-author COMMAND [ARGS]: the authoring commands, one per run.
int main(int argc, char* argv[])
{
    // Rendering frames needs fonts, hence a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ScratchDir::Session scratch; // "c:\..." paths land in a private folder

    if (const auto rc = runContentCommand(argc, argv))
        return *rc;

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    return AuthorCli::withStandardCommands().run(app.arguments().mid(1), out, err);
}
