#include "core/SafeFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

} // namespace

std::string BackupName(const std::string& path) {
    return path.substr(0, path.size() >= 4 ? path.size() - 4 : 0) + ".BAK";
}

int WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       const std::string& backupName) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return 0;
    // Owner and others as for any new file (mkstemp makes it private).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        return 0;
    }
    const bool backup = !backupName.empty() && backupName != path && Exists(path);
    if (backup) {
        ::unlink(backupName.c_str());
        if (::rename(path.c_str(), backupName.c_str()) != 0) {
            ::unlink(temporary.c_str());
            return 0;
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        if (backup)
            ::rename(backupName.c_str(), path.c_str());
        ::unlink(temporary.c_str());
        return 0;
    }
    return 1;
}
