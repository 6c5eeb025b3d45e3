#include <cstdio>

int main(int argc, char* argv[])
{
    (void)argv;
    if (argc < 2) {
        std::fprintf(stderr, "usage: lessonwright-author COMMAND [ARGS]\n");
        return 2;
    }
    return 2;
}
