#include "core/DataDirectory.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string ExecutableDirectory() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

} // namespace

std::string DataDirectory() {
    if (const char* env = std::getenv("TAVRONA_DATA"); env && *env)
        return WithTrailingSlash(env);
    return ExecutableDirectory() + "Data/";
}

std::string DataPath(const std::string& fileName) {
    return DataDirectory() + fileName;
}
