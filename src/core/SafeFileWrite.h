#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Replaces the file at `path` with `bytes` so that the path always names a whole file: the
// bytes go to a temporary file beside the target ("<name>.tmp-XXXXXX"), which is flushed to
// disk and renamed over it. A symbolic link is followed and its target replaced; the target
// keeps its permissions. A file with further hard links is written in place so the links stay
// (its previous contents come back when the write fails). Refused: a target that is not a
// regular file (a folder, a device) and a read-only file. With `keepBackup`, the previous file
// is kept under BackupName (an older backup is replaced), linked there before the new file
// takes its place. Temporaries a killed save left beside the target are removed first.
// Returns 1, or 0 with the reason in `failure`; the previous file is then still in place.
int WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       bool keepBackup = false, std::string* failure = nullptr);

// The backup name of a scene file: within the file's own name, its last four characters
// replaced by ".BAK"; a name without an extension (or too short to have one of three
// characters) gets ".BAK" appended.
std::string BackupName(const std::string& path);
