#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Replaces the file at `path` with `bytes` without ever leaving a half-written file behind:
// the bytes go to a temporary file beside the target, which is flushed to disk and then renamed
// over it. With `backupName` non-empty, an existing file at `path` is first renamed to that
// name (an older file of that name is replaced). Returns 1, or 0 when anything failed; the
// previous file is then still in place (under its own name, or restored from the backup).
int WriteFileReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                       const std::string& backupName = "");

// The backup name of a scene file: the path with its last four characters replaced by ".BAK".
std::string BackupName(const std::string& path);
