#include "core/SafeFileWrite.h"
#include "core/ByteReader.h"
#include "core/ObjectList.h"
#include "document/SceneFileWriter.h"
#include "draw/Polyline.h"

#include "../support/ChildProcess.h"
#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// A save killed at its n-th flush, link or rename, as a power cut or a kill would stop it.
// Armed only in forked children.
int stepsBeforeCrash = -1;
constexpr int kCrashed = 77;

void CrashWhenDue() {
    if (stepsBeforeCrash >= 0 && stepsBeforeCrash-- == 0)
        ::_exit(kCrashed);
}

template <typename Function> Function Real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int rename(const char* from, const char* to) {
    CrashWhenDue();
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

extern "C" int link(const char* from, const char* to) {
    CrashWhenDue();
    static const auto real = Real<int (*)(const char*, const char*)>("link");
    return real(from, to);
}

extern "C" int fsync(int fd) {
    CrashWhenDue();
    static const auto real = Real<int (*)(int)>("fsync");
    return real(fd);
}

namespace {

std::string Contents(const std::string& path) {
    std::vector<unsigned char> bytes;
    return ReadFileBytes(path, SIZE_MAX, bytes) ? std::string(bytes.begin(), bytes.end())
                                                : "<unreadable>";
}

int Mode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(entry.path().string().substr(folder.size()));
    std::sort(names.begin(), names.end());
    return names;
}

// A scene of one line: 401 bytes, unlike any file the cases start with.
struct OneLineScene {
    CObjectList list;
    OneLineScene() {
        auto* line = new CPolyline();
        line->points = {Vec3(), Vec3(1, 2, 3)};
        line->AddToList(list);
    }
    ~OneLineScene() { DeleteTopLevelObjects(list); }
    std::string Bytes() const {
        const auto bytes = EncodeScene(list);
        return std::string(bytes.begin(), bytes.end());
    }
};

int SaveAsUser(const std::string& path, const CObjectList& list, uid_t user) {
    return RunInChild([&] {
        if (::setgid(user) != 0 || ::setuid(user) != 0)
            return 99;
        return WriteSceneFile(path, list);
    });
}

} // namespace

// Each case prepares a folder, saves the one-line scene to "target" and checks that what was
// there before survives: the save either refuses or keeps every protection and backup.
TEST(SafeFileWrite, SavesNeverDestroyWhatIsThere) {
    struct Case {
        const char* name;
        const char* target;
        std::function<void(const ScopedDataDirectory&)> prepare;
        int expected; // WriteSceneFile's result
        std::function<void(const ScopedDataDirectory&)> check;
    };
    const OneLineScene scene;
    const std::string newBytes = scene.Bytes();
    const std::vector<Case> cases = {
        {"a folder is refused, never moved away", "work",
         [](auto& d) {
             ::mkdir(d.Path("work").c_str(), 0755);
             d.Write("work/notes.txt", "mine");
         },
         0,
         [](auto& d) {
             EXPECT_EQ(Contents(d.Path("work/notes.txt")), "mine");
             EXPECT_EQ(Listing(d.Path("")), (std::vector<std::string>{"work", "work/notes.txt"}));
         }},
        {"a pipe is refused", "pipe", [](auto& d) { ::mkfifo(d.Path("pipe").c_str(), 0644); }, 0,
         [](auto& d) { EXPECT_EQ(Listing(d.Path("")), (std::vector<std::string>{"pipe"})); }},
        {"the backup name stays inside the file's own folder", "sub/ab",
         [](auto& d) {
             ::mkdir(d.Path("sub").c_str(), 0755);
             d.Write("su.BAK", "unrelated");
             d.Write("sub/ab", "old");
         },
         1,
         [](auto& d) {
             EXPECT_EQ(Contents(d.Path("su.BAK")), "unrelated");
             EXPECT_EQ(Contents(d.Path("sub/ab.BAK")), "old");
         }},
        {"a private file stays private", "scene.tvr",
         [](auto& d) {
             d.Write("scene.tvr", "old");
             ::chmod(d.Path("scene.tvr").c_str(), 0600);
         },
         1,
         [](auto& d) {
             EXPECT_EQ(Mode(d.Path("scene.tvr")), 0600);
             EXPECT_EQ(Contents(d.Path("scene.BAK")), "old");
         }},
        {"a read-only file is refused", "scene.tvr",
         [](auto& d) {
             d.Write("scene.tvr", "old");
             ::chmod(d.Path("scene.tvr").c_str(), 0444);
         },
         0, [](auto& d) { EXPECT_EQ(Contents(d.Path("scene.tvr")), "old"); }},
        {"a symbolic link is saved through to its target", "link.tvr",
         [](auto& d) {
             ::mkdir(d.Path("real").c_str(), 0755);
             d.Write("real/scene.tvr", "old");
             ::symlink("real/scene.tvr", d.Path("link.tvr").c_str());
         },
         1,
         [&](auto& d) {
             struct stat st {};
             ASSERT_EQ(::lstat(d.Path("link.tvr").c_str(), &st), 0);
             EXPECT_TRUE(S_ISLNK(st.st_mode));
             EXPECT_EQ(Contents(d.Path("real/scene.tvr")), newBytes);
             EXPECT_EQ(Contents(d.Path("real/scene.BAK")), "old");
         }},
        {"hard links stay linked", "scene.tvr",
         [](auto& d) {
             d.Write("scene.tvr", "old");
             ::link(d.Path("scene.tvr").c_str(), d.Path("other.tvr").c_str());
         },
         1,
         [&](auto& d) {
             EXPECT_EQ(Contents(d.Path("other.tvr")), newBytes);
             EXPECT_EQ(Contents(d.Path("scene.BAK")), "old");
         }},
        {"temporaries a killed save left are removed", "scene.tvr",
         [](auto& d) {
             d.Write("scene.tvr", "old");
             d.Write("scene.tvr.tmp-a1B2c3", "left by a crash");
             d.Write("scene.BAK.tmp-Zz9yX8", "left by a crash");
             d.Write("scene.tvr.tmp-notes", "the user's own");
         },
         1,
         [](auto& d) {
             EXPECT_EQ(Listing(d.Path("")), (std::vector<std::string>{"scene.BAK", "scene.tvr",
                                                                      "scene.tvr.tmp-notes"}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedDataDirectory dir;
        c.prepare(dir);
        const std::string target = dir.Path(c.target);
        std::string failure;
        EXPECT_EQ(WriteSceneFile(target, scene.list, &failure), c.expected);
        EXPECT_EQ(failure.empty(), c.expected == 1) << failure;
        if (c.expected == 1)
            EXPECT_EQ(Contents(target), newBytes);
        c.check(dir);
    }
}

// Faults part-way through a save: a full disk, a kill at every flush, link and rename, another
// user's file in a folder anyone may write. The path always names a whole file, old or new.
TEST(SafeFileWrite, FaultsMidSaveLeaveAWholeFile) {
    const OneLineScene scene;
    const std::string newBytes = scene.Bytes();
    ScopedDataDirectory dir;
    const std::string path = dir.Path("scene.tvr");

    dir.Write("scene.tvr", "old");
    const int full = RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &small);
        return WriteSceneFile(path, scene.list);
    });
    EXPECT_EQ(full, 0);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Listing(dir.Path("")), (std::vector<std::string>{"scene.tvr"}));

    int crashes = 0;
    for (int step = 0; step < 20; ++step) {
        dir.Write("scene.tvr", "old");
        const int status = RunInChild([&] {
            stepsBeforeCrash = step;
            return WriteSceneFile(path, scene.list);
        });
        if (status != kCrashed) {
            EXPECT_EQ(status, 1);
            break;
        }
        ++crashes;
        const std::string left = Contents(path);
        EXPECT_TRUE(left == "old" || left == newBytes) << "killed at step " << step;
        ASSERT_EQ(WriteSceneFile(path, scene.list), 1);
        EXPECT_EQ(Listing(dir.Path("")), (std::vector<std::string>{"scene.BAK", "scene.tvr"}))
            << "killed at step " << step;
    }
    EXPECT_GE(crashes, 3); // the flush of the new file, the backup's link, the final rename

    if (::geteuid() == 0) {
        ::chmod(dir.Path("").c_str(), 0777);
        dir.Write("scene.tvr", "root's");
        ::chmod(path.c_str(), 0644);
        EXPECT_EQ(SaveAsUser(path, scene.list, 65534), 0);
        EXPECT_EQ(Contents(path), "root's");
    }
}

TEST(SafeFileWrite, BackupNameReplacesTheExtensionWithinTheFileName) {
    EXPECT_EQ(BackupName("/a/scene.tvr"), "/a/scene.BAK");
    EXPECT_EQ(BackupName("/a/b.scene"), "/a/b.s.BAK");
    EXPECT_EQ(BackupName("/a/sub/ab"), "/a/sub/ab.BAK");
    EXPECT_EQ(BackupName("/a/sub.d/notes"), "/a/sub.d/notes.BAK");
    EXPECT_EQ(BackupName("x.tv"), "x.tv.BAK");
}
