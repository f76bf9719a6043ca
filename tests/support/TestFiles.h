#pragma once

#include "core/UserReporter.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh folder for the files a test writes, removed with everything in it at the end. While
// it lives it is the data directory ($TAVRONA_DATA), so the loaders read the test's files.
class ScopedDataDirectory {
public:
    ScopedDataDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrona-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
        if (const char* old = std::getenv("TAVRONA_DATA"))
            previous = old;
        setenv("TAVRONA_DATA", folder.c_str(), 1);
    }
    ~ScopedDataDirectory() {
        if (previous.empty())
            unsetenv("TAVRONA_DATA");
        else
            setenv("TAVRONA_DATA", previous.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScopedDataDirectory(const ScopedDataDirectory&) = delete;
    ScopedDataDirectory& operator=(const ScopedDataDirectory&) = delete;

    std::string Path(const std::string& name) const { return folder + "/" + name; }
    void Write(const std::string& name, const std::string& contents) const {
        std::ofstream(Path(name), std::ios::binary) << contents;
    }
    void WriteBytes(const std::string& name, const void* bytes, std::size_t size) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    }

private:
    std::string folder;
    std::string previous;
};

// Records every message and question; answers questions with `answer`.
class RecordingReporter : public CUserReporter {
public:
    void Message(const std::string& text, const std::string& caption = "Error") override {
        messages.push_back(text);
        captions.push_back(caption);
    }
    bool Question(const std::string& text, const std::string& caption = "Tavrona") override {
        questions.push_back(text);
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<std::string> questions;
    bool answer = true;
};
