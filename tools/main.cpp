#include "platform/ScratchDir.h"
#include "tools/BuilderCommands.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    ScratchDir::Session scratch; // "c:\..." paths land in a private folder
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    if (const auto rc = BuilderCommands::run(app.arguments().mid(1), out, err))
        return *rc;
    std::fprintf(stderr, "usage: lessonwright-author COMMAND [ARGS]\n");
    return 2;
}
