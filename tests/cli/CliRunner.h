#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Runs the built tavrona-cli and collects what it printed.
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs tavrona-cli with `arguments` and the data directory `dataDir`.
inline RunResult RunCli(const std::string& dataDir, const std::string& arguments) {
    const std::string errFile =
        std::filesystem::temp_directory_path() / ("tavrona-cli-err-" + std::to_string(::getpid()));
    const std::string command =
        "TAVRONA_DATA='" + dataDir + "' timeout 120 '" TAVRONA_CLI "' " + arguments + " 2>'" +
        errFile + "'"; // a reader waiting on a FIFO fails the test instead of hanging it
    RunResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadAll(errFile);
    std::remove(errFile.c_str());
    return result;
}

// Every number that follows "key": in the JSON text.
inline std::vector<double> Numbers(const std::string& json, const std::string& key) {
    std::vector<double> values;
    const std::regex pattern("\"" + key + "\": (-?[0-9.eE+-]+)");
    for (std::sregex_iterator it(json.begin(), json.end(), pattern), end; it != end; ++it)
        values.push_back(std::stod((*it)[1]));
    return values;
}

// How often `what` occurs in `text`.
inline int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}
