#include "platform/ScratchDir.h"
#include "tools/AuthorCli.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

// lessonwright-author COMMAND [ARGS]: the authoring commands, one per run.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ScratchDir::Session scratch; // "c:\..." paths land in a private folder

    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    return AuthorCli::withStandardCommands().run(app.arguments().mid(1), out, err);
}
