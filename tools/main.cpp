#include "platform/ScratchDir.h"
#include "tools/AuthorCli.h"
#include "tools/ContentCommands.h"

#include <QCoreApplication>
#include <QFile>

// lessonwright-author COMMAND [ARGS]: the authoring commands, one per run.
int main(int argc, char* argv[])
{
    ScratchDir::Session scratch; // "c:\..." paths land in a private folder

    // The content commands make the GUI application that rendering needs.
    if (const auto rc = runContentCommand(argc, argv))
        return *rc;

    QCoreApplication app(argc, argv);

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    return AuthorCli::withStandardCommands().run(app.arguments().mid(1), out, err);
}
