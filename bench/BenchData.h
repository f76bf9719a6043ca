#pragma once

#include "../tests/support/FixtureData.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// Points $TAVRONA_DATA at a data directory with meshes: the one it names already, else the
// repository's data/, else the test fixture. Returns which one.
inline std::string ChooseDataDirectory() {
    if (const char* given = std::getenv("TAVRONA_DATA");
        given && std::filesystem::exists(std::string(given) + "/usa_m.per"))
        return given;
    const std::string repoData = TAVRONA_BENCH_SOURCE_DIR "/data";
    if (std::filesystem::exists(repoData + "/usa_m.per")) {
        setenv("TAVRONA_DATA", repoData.c_str(), 1);
        return "data/";
    }
    static const std::string folder =
        (std::filesystem::temp_directory_path() / "tavrona-bench-data").string();
    std::filesystem::create_directories(folder);
    fixture::WriteDataDirectory(folder);
    setenv("TAVRONA_DATA", folder.c_str(), 1);
    return "test fixture (data/ has no meshes)";
}
