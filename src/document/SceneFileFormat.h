#pragma once

#include <cstddef>

// Layout of scene files (.tvr): a 219-byte header, then object records one after another to
// the end of the file. All values little-endian.
namespace scenefile {

inline constexpr char kSignature[] = "Tavro Version 8 (32 bit)"; // padded with zeros to 56
inline constexpr std::size_t kSignatureSize = 56;
inline constexpr float kVersion = 5.0f;
inline constexpr std::size_t kViewBlockSize = 112;
inline constexpr std::size_t kViewEntrySize = kViewBlockSize + 1 + 44;
inline constexpr std::size_t kHeaderSize = 219;

// Object record header.
inline constexpr std::size_t kRecordHeaderSize = 152;
inline constexpr std::size_t kNameSize = 12;
inline constexpr int kFlagMannequin = 0x10;
inline constexpr int kFlagAttributeB = 0x10;
// Axis extents below this are widened by kFlatWidening at the minimum corner.
inline constexpr double kFlatExtent = 1e-6;
inline constexpr double kFlatWidening = 0.01;
// A text or dimension label is stored with a length byte that counts its NUL.
inline constexpr std::size_t kMaxStoredText = 254;
// Group numbers take the record header's bytes 5 (low) and 6 (high).
inline constexpr int kMaxStoredGroups = 65535;

// Mannequin record.
inline constexpr std::size_t kMannequinBlockSize = 1660;
inline constexpr std::size_t kMannequinRecordSize = 1917;
inline constexpr std::size_t kForceEntrySize = 38;

} // namespace scenefile
