#pragma once

#include "core/SceneObject.h"
#include "io/ExchangeProgress.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder for the files of one test, removed at the end (the data directory stays).
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tavrona-x-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string Path(const std::string& name) const { return folder + "/" + name; }

private:
    std::string folder;
};

// The Debian build of ezdxf lives under the system interpreter, whatever python3 is first on
// PATH.
inline constexpr const char* kSystemPython = "/usr/bin/python3";

inline bool HaveEzdxf() {
    return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}
inline bool HaveAssimp() {
    return std::system("command -v assimp >/dev/null 2>&1") == 0;
}

// Runs a command and returns what it printed on stdout.
inline std::string CommandOutput(const std::string& command) {
    std::string text;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

inline std::string ExchangeScript(const std::string& name) {
    return std::string(TAVRONA_SOURCE_DIR) + "/tests/exchange/" + name;
}

// A progress display that asks to cancel at its `cancelAt`-th update, counting the updates.
class CancellingProgress : public CExchangeProgress {
public:
    explicit CancellingProgress(int cancelAt) : cancelAt(cancelAt) {}
    void SetPhase(const std::string& caption) override { phases.push_back(caption); }
    bool Update(int percent) override {
        last = percent;
        return ++updates == cancelAt;
    }
    int cancelAt;
    int updates = 0;
    int last = -1;
    std::vector<std::string> phases;
};

// The objects an import made, in file order.
using ObjectVector = std::vector<std::unique_ptr<CSceneObject>>;
