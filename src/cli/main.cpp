#include <cstdio>
#include <cstring>

// Command-line front end of the core: subcommands are added as the core grows.
int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::printf("usage: tavrona-cli <command> [options]\n");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "Unknown command: %s\n", argv[1]);
    return 2;
}
