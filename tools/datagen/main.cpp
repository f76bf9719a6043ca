// tavrona-datagen: writes the body data files of the data directory from the source tables.
//   tavrona-datagen [--sources DIR] [--obj PREVIEW_DIR] OUTPUT_DIR
//   tavrona-datagen --pose DATA_DIR REPRESENTATION SEX POSTURE OUT.obj   (a posed preview)
#include "Generate.h"
#include "PosedPreview.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc == 7 && std::string(argv[1]) == "--pose") {
        return WritePosedPreview(argv[2], std::atoi(argv[3]), std::atoi(argv[4]),
                                 std::atoi(argv[5]), argv[6])
                   ? 0
                   : 1;
    }
    std::string sources = TAVRONA_DATAGEN_SOURCES;
    std::string output, previews;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sources" && i + 1 < argc) {
            sources = argv[++i];
        } else if (arg == "--obj" && i + 1 < argc) {
            previews = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && output.empty()) {
            output = arg;
        } else {
            std::fprintf(stderr,
                         "usage: tavrona-datagen [--sources DIR] [--obj PREVIEW_DIR] OUTPUT_DIR\n");
            return 2;
        }
    }
    if (output.empty()) {
        std::fprintf(stderr,
                     "usage: tavrona-datagen [--sources DIR] [--obj PREVIEW_DIR] OUTPUT_DIR\n");
        return 2;
    }
    std::vector<GeneratedFile> files;
    std::vector<std::string> problems;
    if (!GenerateDataFiles(sources, files, problems)) {
        for (const std::string& p : problems) {
            std::fprintf(stderr, "tavrona-datagen: %s\n", p.c_str());
        }
        return 1;
    }
    if (!WriteDataFiles(output, files)) {
        std::fprintf(stderr, "tavrona-datagen: cannot write into %s\n", output.c_str());
        return 1;
    }
    if (!previews.empty() && !WriteMeshPreviews(sources, previews)) {
        std::fprintf(stderr, "tavrona-datagen: cannot write the previews into %s\n",
                     previews.c_str());
        return 1;
    }
    std::printf("wrote %zu files into %s\n", files.size(), output.c_str());
    return 0;
}
