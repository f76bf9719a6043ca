#include "core/SafeFileWrite.h"

#include "core/ByteReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporaries are named "<target name>.tmp-" and six characters of mkstemp.
constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporarySuffix = 6;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
    return path.substr(DirectoryOf(path).size());
}

int Fail(std::string* failure, const std::string& path, const std::string& why) {
    if (failure)
        *failure = path + ": " + why;
    return 0;
}

int FailWithErrno(std::string* failure, const std::string& path) {
    return Fail(failure, path, std::strerror(errno));
}

int BackupFailed(std::string* failure, const std::string& backup) {
    return Fail(failure, backup,
                std::string("the backup could not be made: ") + std::strerror(errno));
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Follows symbolic links to the file they name, which need not exist yet.
bool ResolveLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return false;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + target;
    }
    errno = ELOOP;
    return false;
}

bool IsTemporaryOf(const std::string& entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + kTemporarySuffix || entry.compare(0, prefix.size(), prefix))
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(entry[i])))
            return false;
    return true;
}

// A save killed before its rename leaves its temporary behind; the next save of the same
// file removes those of our naming that belong to this user.
void RemoveStaleTemporaries(const std::string& path, const std::string& backup) {
    const std::string folder = DirectoryOf(path);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    const std::string prefixes[2] = {FileNameOf(path) + kTemporaryMark,
                                     FileNameOf(backup) + kTemporaryMark};
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryOf(name, prefixes[0]) &&
            (backup.empty() || !IsTemporaryOf(name, prefixes[1])))
            continue;
        struct stat st {};
        const std::string full = folder + name;
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(full.c_str());
    }
    ::closedir(dir);
}

void SyncDirectoryOf(const std::string& path) {
    const std::string folder = DirectoryOf(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes `bytes` to a new temporary file beside `target` with the given mode and owner, flushed
// to disk. Returns its name, or an empty string (errno set) when it could not be written.
std::string WriteTemporary(const std::string& target, const std::uint8_t* data, std::size_t size,
                           mode_t mode, const struct stat* owner) {
    std::string temporary = target + kTemporaryMark + std::string(kTemporarySuffix, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return {};
    if (owner && ::fchown(fd, owner->st_uid, owner->st_gid) != 0) {
        // Another owner's file: ours replaces it, with the same permissions.
    }
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, data, size) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int savedErrno = written ? errno : writeErrno;
        ::unlink(temporary.c_str());
        errno = savedErrno;
        return {};
    }
    return temporary;
}

// Puts the file now at `path` under `backup`: a hard link when the file system has them, else
// (or when the file is about to be written in place) a copy, in both cases through a temporary
// renamed over any older backup.
bool MakeBackup(const std::string& path, const std::string& backup, const struct stat& st,
                bool copy) {
    std::string temporary = WriteTemporary(backup, nullptr, 0, st.st_mode & 07777, nullptr);
    if (temporary.empty())
        return false;
    ::unlink(temporary.c_str()); // only its unique name is wanted
    if (copy || ::link(path.c_str(), temporary.c_str()) != 0) {
        std::vector<unsigned char> old;
        if (!ReadFileBytes(path, SIZE_MAX, old))
            return false;
        temporary = WriteTemporary(backup, old.data(), old.size(), st.st_mode & 07777, &st);
        if (temporary.empty())
            return false;
    }
    if (::rename(temporary.c_str(), backup.c_str()) != 0) {
        const int savedErrno = errno;
        ::unlink(temporary.c_str());
        errno = savedErrno;
        return false;
    }
    return true;
}

// A file with other hard links keeps its inode: the bytes are written over it, and when that
// fails the previous contents are written back.
int WriteInPlace(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 std::string* failure) {
    std::vector<unsigned char> old;
    if (!ReadFileBytes(path, SIZE_MAX, old))
        return FailWithErrno(failure, path);
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return FailWithErrno(failure, path);
    bool ok = WriteAll(fd, bytes.data(), bytes.size()) &&
              ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (!ok && ::lseek(fd, 0, SEEK_SET) == 0) {
        WriteAll(fd, old.data(), old.size());
        if (::ftruncate(fd, static_cast<off_t>(old.size())) == 0)
            ::fsync(fd);
    }
    ok = ::close(fd) == 0 && ok;
    errno = savedErrno;
    return ok ? 1 : FailWithErrno(failure, path);
}

} // namespace

std::string BackupName(const std::string& path) {
    const std::string folder = DirectoryOf(path);
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() <= 4)
        return path + ".BAK";
    return folder + name.substr(0, name.size() - 4) + ".BAK";
}

int WriteFileReplacing(const std::string& requested, const std::vector<std::uint8_t>& bytes,
                       bool keepBackup, std::string* failure) {
    std::string path = requested;
    if (!ResolveLinks(path))
        return FailWithErrno(failure, requested);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return FailWithErrno(failure, path);
    if (exists && S_ISDIR(st.st_mode))
        return Fail(failure, path, "is a folder, not a file");
    if (exists && !S_ISREG(st.st_mode))
        return Fail(failure, path, "is not a regular file");
    if (exists && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
        return Fail(failure, path, "is read-only");

    const std::string backup = keepBackup && exists ? BackupName(path) : std::string();
    RemoveStaleTemporaries(path, backup);
    const bool linked = exists && st.st_nlink > 1;
    const bool backUp = !backup.empty() && backup != path;
    if (linked) {
        if (backUp && !MakeBackup(path, backup, st, true))
            return BackupFailed(failure, backup);
        return WriteInPlace(path, bytes, failure);
    }

    const mode_t mask = ::umask(0);
    ::umask(mask);
    const std::string temporary =
        WriteTemporary(path, bytes.data(), bytes.size(), exists ? st.st_mode & 07777 : 0666 & ~mask,
                       exists ? &st : nullptr);
    if (temporary.empty())
        return FailWithErrno(failure, path);
    // The backup is linked before the new file is renamed over the path, so that the path
    // names a whole file at every moment.
    if (backUp && !MakeBackup(path, backup, st, false)) {
        const int savedErrno = errno;
        ::unlink(temporary.c_str());
        errno = savedErrno;
        return BackupFailed(failure, backup);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int savedErrno = errno;
        ::unlink(temporary.c_str());
        errno = savedErrno;
        return FailWithErrno(failure, path);
    }
    SyncDirectoryOf(path);
    return 1;
}
