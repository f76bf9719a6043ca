#include "cli/Commands.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* summary;
};

// One row per subcommand.
constexpr Command kCommands[] = {
    {"mannequin", RunMannequinCommand,
     "build a figure from the data directory; print its anthropometry and mass properties"},
    {"info", RunInfoCommand, "print the objects, figures and loads of a scene file (JSON)"},
    {"scene", RunSceneCommand, "build a scene of figures and drawing objects and save it"},
    {"posture", RunPostureCommand, "write a figure's posture to a .pos file, or apply one"},
    {"render", RunRenderCommand, "render a scene file or a figure off screen to a PNG picture"},
    {"reach", RunReachCommand, "reach a point with a figure's hand; print the joint angles"},
    {"walk", RunWalkCommand, "walk a figure along a floor path; print or picture every step"},
    {"record", RunRecordCommand, "record a figure's posture transition to a video file"},
};

int Usage(std::FILE* out, int status) {
    std::fprintf(out,
                 "usage: tavrona-cli <command> [options]   (<command> --help for its options)\n"
                 "commands:\n");
    for (const Command& command : kCommands)
        std::fprintf(out, "  %-12s %s\n", command.name, command.summary);
    return status;
}

} // namespace

// Command-line front end of the core: dispatches to one subcommand.
int main(int argc, char** argv) {
    if (argc < 2)
        return Usage(stderr, 2);
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        return Usage(stdout, 0);
    for (const Command& command : kCommands)
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(argc - 1, argv + 1);
    std::fprintf(stderr, "Unknown command: %s\n", argv[1]);
    return Usage(stderr, 2);
}
