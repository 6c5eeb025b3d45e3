#include "ContentCommands.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: lessonwright-author COMMAND [ARGS]\n");
        return 2;
    }
    if (const auto rc = runContentCommand(argc, argv))
        return *rc;
    return 2;
}
